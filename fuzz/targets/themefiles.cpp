// The home-screen theme file, "vyn_idle.cfg" and the system file the language comes from: the
// same bytes in each, read by every reader the plugins use.
#include "fuzzcheck.h"

#include <homescreentheme.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::ensureApplication();
    const QByteArray content = Fuzz::bytes(data, size);
    Fuzz::writeDeviceFile(HomeScreenTheme::path(), content);
    Fuzz::writeDeviceFile(HomeScreenTheme::idleConfigPath(HomeScreenTheme::AppWritePath), content);
    Fuzz::writeDeviceFile(QStringLiteral("/tmp/vyn_system.cfg"), content);

    const IdleReader everything(0x3ff);
    HomeScreenTheme::readIdleLayout(everything);
    HomeScreenTheme::readIdleValue(QStringLiteral("Spacing_V4"), 3);
    HomeScreenTheme::readFontInfo(QStringLiteral("Font_IdleStatusStd"), HomeScreenTheme::idleStatusFontDefaults());
    for (const char *group : { "idle_date", "idle_clock", "Customize" }) {
        HomeScreenTheme::readIdleConfig(HomeScreenTheme::AppWritePath, QString::fromLatin1(group), QStringLiteral("mode"),
                                        QString());
        HomeScreenTheme::readIdleConfigInt(HomeScreenTheme::AppWritePath, QString::fromLatin1(group),
                                           QStringLiteral("idle_date_mode"), 0);
        HomeScreenTheme::readIdleConfigBool(HomeScreenTheme::AppWritePath, QString::fromLatin1(group),
                                            QStringLiteral("show"), true);
    }
    HomeScreenTheme::isRightToLeft();
    return 0;
}
