#include "hsscsetting.h"

#include "hspluginshortcutsetup.h"
#include "hsscsettingwidget.h"

HSSCSetting::HSSCSetting()
    : setup(HSPluginShortcutSetup::getInstance())
{
}

HSSCSetting::~HSSCSetting()
{
    HSPluginShortcutSetup::releaseInstance();
}

QString HSSCSetting::getSettingIcon()
{
    return QString();
}

QString HSSCSetting::getSettingTitle()
{
    return setup->settingTitle();
}

void HSSCSetting::showSettingWidget(QWidget *parent)
{
    // The screen runs its own loop and is gone when show returns.
    (new HSSCSettingWidget(parent))->show();
}

HS_SETTING_EXPORT HSPluginSettingInfo *getSettingInfo(QWidget *)
{
    return new HSSCSetting;
}
