#include "clockconfig.h"

#include <homescreentheme.h>
#include <setup_set_manager.h>

#include <memory>

namespace {

const char clockGroup[] = "ClockPlugin";

std::unique_ptr<ClockConfig> &holder()
{
    static std::unique_ptr<ClockConfig> config;
    return config;
}

QString localIdlePath()
{
    return HomeScreenTheme::idleConfigPath(HomeScreenTheme::LocalAppWritePath);
}

} // namespace

ClockConfig *ClockConfig::instance()
{
    std::unique_ptr<ClockConfig> &config = holder();
    if (!config)
        config.reset(new ClockConfig);
    return config.get();
}

void ClockConfig::discard()
{
    holder().reset();
}

QString ClockConfig::clockModeText() const
{
    return HomeScreenTheme::readIdleConfig(HomeScreenTheme::LocalAppWritePath, QLatin1String(clockGroup),
                                           QStringLiteral("ClockMode"), QStringLiteral("Digital"));
}

int ClockConfig::clockMode() const
{
    return modeFromText(clockModeText());
}

int ClockConfig::modeFromText(const QString &text)
{
    if (text == QLatin1String("Digital"))
        return Digital;
    if (text == QLatin1String("Analog"))
        return Analog;
    if (text == QLatin1String("Stylish"))
        return Stylish;
    return Off;
}

bool ClockConfig::setClockMode(int mode)
{
    if (mode != Digital && mode != Analog)
        return false;
    SETUP_SET_Manager file(localIdlePath(), false);
    file.setSettingInfo(QLatin1String(clockGroup), QStringLiteral("ClockMode"),
                        mode == Digital ? QStringLiteral("Digital") : QStringLiteral("Analog"));
    return file.commit();
}

int ClockConfig::showXM() const
{
    return HomeScreenTheme::readIdleConfigInt(HomeScreenTheme::LocalAppWritePath, QLatin1String(clockGroup),
                                              QStringLiteral("ShowXM"), 1);
}

int ClockConfig::iconPosition() const
{
    return HomeScreenTheme::readIdleConfigInt(HomeScreenTheme::LocalAppWritePath, QLatin1String(clockGroup),
                                              QStringLiteral("IconPositon"), 0);
}

QString ClockConfig::layoutType() const
{
    return HomeScreenTheme::readIdleConfig(HomeScreenTheme::AppWritePath, QStringLiteral("Framework"),
                                           QStringLiteral("LayoutMgrType"), QStringLiteral("rectangle"));
}
