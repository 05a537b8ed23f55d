#include "hspluginclocksettinginfo.h"

#include "clocksettingwgt.h"

#include <zresource.h>

QString HSPluginClockSettingInfo::getSettingIcon()
{
    return QStringLiteral("/vynlocal/download/appwrite/homescreen/hsset_clock.png");
}

QString HSPluginClockSettingInfo::getSettingTitle()
{
    return ZResource::text("HSPluginClockSettingInfo", "TXT_RID_SETTING_A_EXTERNAL_CLOCK_STYLE",
                           "External Clock Style");
}

void HSPluginClockSettingInfo::showSettingWidget(QWidget *parent)
{
    ClockSettingWgt popup(parent);
    popup.exec();
}

HS_SETTING_EXPORT HSPluginSettingInfo *getSettingInfo(QWidget *)
{
    return new HSPluginClockSettingInfo;
}
