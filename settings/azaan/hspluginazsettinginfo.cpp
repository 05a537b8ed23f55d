#include "hspluginazsettinginfo.h"
#include "azsettingwgt.h"

#include <azaansettings.h>
#include <setup_utility.h>
#include <zresource.h>

namespace {

// The library's own settings store goes with the library: hssetting_app closes it long before
// the process ends.
struct StoreRelease
{
    ~StoreRelease() { AzaanSettings::release(); }
} storeRelease;

} // namespace

const char HSPluginAZSettingInfo::IconPath[] = "/vynlocal/download/appwrite/homescreen/hs_clock_setting.png";

HSPluginAZSettingInfo::HSPluginAZSettingInfo(QObject *parent)
    : QObject(parent)
{
}

HSPluginAZSettingInfo::~HSPluginAZSettingInfo() = default;

QString HSPluginAZSettingInfo::getSettingIcon()
{
#ifdef AZ_SETTINGS_PLUGIN_BUILD
    return QString::fromLatin1(IconPath);
#else
    return QString();
#endif
}

QString HSPluginAZSettingInfo::getSettingTitle()
{
#ifdef AZ_SETTINGS_PLUGIN_BUILD
    return RES_TEXT("TXT_RID_SETTING_A_AZAAN", "Custom Home Screen");
#else
    return RES_TEXT("TXT_RID_SETTING_A_CUSTOM_HOME_SCREEN", "Custom Home Screen");
#endif
}

void HSPluginAZSettingInfo::showSettingWidget(QWidget *parent)
{
#ifdef AZ_SETTINGS_PLUGIN_BUILD
    Q_UNUSED(parent);
    auto *screen = new AZSettingWgt(nullptr);
#else
    auto *screen = new AZSettingWgt(parent);
#endif
    // Returns once the screen has closed and deleted itself.
    screen->show();
}

HS_SETTING_EXPORT HSPluginSettingInfo *getSettingInfo(QWidget *)
{
#ifdef AZ_SETTINGS_PLUGIN_BUILD
    // The plugin's settings entry is a feature of some device builds only.
    bool on = false;
    if (!SETUP_Utility::getFlexBit(195, on) || !on)
        return nullptr;
#endif
    HSPluginAZSettingInfo *info = new HSPluginAZSettingInfo;
    return info;
}
