#include "hsplugindatesetup.h"

#include <homescreentheme.h>
#include <setup_set_manager.h>

#include <memory>

namespace {

const char group[] = "idle_date";
const char key[] = "idle_date_mode";

std::unique_ptr<HSPluginDateSetup> &holder()
{
    static std::unique_ptr<HSPluginDateSetup> setup;
    return setup;
}

} // namespace

HSPluginDateSetup *HSPluginDateSetup::instance()
{
    std::unique_ptr<HSPluginDateSetup> &setup = holder();
    if (!setup)
        setup.reset(new HSPluginDateSetup);
    return setup.get();
}

void HSPluginDateSetup::discard()
{
    holder().reset();
}

int HSPluginDateSetup::dateMode() const
{
    return HomeScreenTheme::readIdleConfigInt(HomeScreenTheme::AppWritePath, QLatin1String(group),
                                              QLatin1String(key), 0);
}

bool HSPluginDateSetup::setDateMode(int mode)
{
    SETUP_SET_Manager file(HomeScreenTheme::idleConfigPath(HomeScreenTheme::AppWritePath), false);
    file.setSettingInfo(QLatin1String(group), QLatin1String(key), mode);
    return file.commit();
}
