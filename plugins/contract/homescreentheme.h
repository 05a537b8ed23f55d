#ifndef HOMESCREENTHEME_H
#define HOMESCREENTHEME_H

#include <zfontinfo.h>

#include <QFont>
#include <QString>

// The "Idle" group of the home-screen theme, in pixels.
struct IdleLayout
{
    int paddingLeft = 0;
    int paddingRight = 0;
    int paddingTop = 0;
    int paddingBottom = 0;
    int spacingH1 = 0;
    int spacingV1 = 0;
    int spacingV2 = 0;
    int spacingV3 = 0;
    int spacingS1 = 0;
    int spacingV4 = 0;
};

// A font group of the theme: "Size", "Leading", "Style", "Color", "Align" and the outline keys.
using IdleFontInfo = ZFontInfo;

// Readers of the home screen's theme file, of "vyn_idle.cfg" and of the display language's
// direction. Every call opens its own settings object, reads and closes it: nothing is kept,
// so a theme or settings change shows at the next read.
class HomeScreenTheme
{
public:
    // Each plugin reads the "Idle" group with defaults of its own, and not every key.
    enum IdleReader {
        AzaanReader,
        StatusTextReader,
        DateReader,
    };

    enum IdleConfigFile {
        AppWritePath,       // "VYN_APP_WRITE_PATH"
        LocalAppWritePath,  // "VYN_LOCAL_APP_WRITE_PATH"
    };

    typedef int (*LanguageCodeFunction)(char *buffer);

    // Device path of the theme file, from the skin service for "homescreen".
    static QString path();

    static IdleLayout idleDefaults(IdleReader reader);
    static IdleLayout readIdleLayout(IdleReader reader);
    // One key of the "Idle" group.
    static int readIdleValue(const QString &key, int defaultValue);

    // The "Font_IdleStatusStd" defaults: size 22, leading 24, style 0, white, align 1.
    static IdleFontInfo idleStatusFontDefaults();
    static IdleFontInfo readFontInfo(const QString &group, const IdleFontInfo &defaults);
    // The skin service's font for a description.
    static QFont skinFont(const IdleFontInfo &info);

    // "%1%2" of the variable's value and "/setup/vyn_idle.cfg".
    static QString idleConfigPath(IdleConfigFile file);
    static QString readIdleConfig(IdleConfigFile file, const QString &group, const QString &key,
                                  const QString &defaultValue);
    static int readIdleConfigInt(IdleConfigFile file, const QString &group, const QString &key, int defaultValue);
    static bool readIdleConfigBool(IdleConfigFile file, const QString &group, const QString &key, bool defaultValue);

    // The display language: the platform's code when it gives one, else "/tmp/vyn_system.cfg",
    // else "en-us". The lookup is a parameter so a failing platform can be stood in for.
    static QString languageCode(LanguageCodeFunction lookup = nullptr);
    static bool isRightToLeft(LanguageCodeFunction lookup = nullptr);
};

#endif
