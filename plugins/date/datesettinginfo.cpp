#include "datesettinginfo.h"

#include "datesettingwgt.h"

#include <zresource.h>

QString DateSettingInfo::getSettingIcon()
{
    return QStringLiteral("/vynlocal/download/appwrite/dynamicidle/hsset_date.png");
}

QString DateSettingInfo::getSettingTitle()
{
    return ZResource::text("DateSettingInfo", "TXT_RID_SETTING_A_DATE", "Date");
}

void DateSettingInfo::showSettingWidget(QWidget *parent)
{
    // The screen runs its own loop and is gone when show returns.
    (new DateSettingWgt(parent))->show();
}

HS_SETTING_EXPORT HSPluginSettingInfo *getSettingInfo(QWidget *)
{
    return new DateSettingInfo;
}
