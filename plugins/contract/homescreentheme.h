#ifndef HOMESCREENTHEME_H
#define HOMESCREENTHEME_H

#include <zfontinfo.h>

#include <QFont>
#include <QString>

// The "Idle" group of the home-screen theme, in pixels. The initial values are the ones the
// plugins share for a theme that lacks a key; a plugin that differs says so in its IdleReader.
struct IdleLayout
{
    int paddingLeft = 3;
    int paddingRight = 3;
    int paddingTop = 0;
    int paddingBottom = 3;
    int spacingH1 = 3;
    int spacingV1 = 0;
    int spacingV2 = 0;
    int spacingV3 = 1;
    int spacingS1 = 0;
    int spacingV4 = 3;
};

// What one plugin reads of the "Idle" group: the keys, and the values it takes for keys the
// theme lacks. Fields of keys it does not read keep their defaults.
struct IdleReader
{
    enum Key : unsigned {
        PaddingLeft = 0x001,    // "Padding_Left"
        PaddingRight = 0x002,   // "Padding_Right"
        PaddingTop = 0x004,     // "Padding_Top"
        PaddingBottom = 0x008,  // "Padding_Bottom"
        SpacingH1 = 0x010,      // "Spacing_H1"
        SpacingV1 = 0x020,      // "Spacing_V1"
        SpacingV2 = 0x040,      // "Spacing_V2"
        SpacingV3 = 0x080,      // "Spacing_V3"
        SpacingS1 = 0x100,      // "Spacing_S1"
        SpacingV4 = 0x200,      // "Spacing_V4"
    };
    // The keys every plugin reads.
    static constexpr unsigned CommonKeys =
            PaddingLeft | PaddingRight | PaddingTop | PaddingBottom | SpacingV1 | SpacingV2 | SpacingV3;

    IdleReader(unsigned keys = CommonKeys, const IdleLayout &defaults = IdleLayout())
        : keys(keys)
        , defaults(defaults)
    {
    }

    unsigned keys;
    IdleLayout defaults;
};

// A font group of the theme: "Size", "Leading", "Style", "Color", "Align" and the outline keys.
using IdleFontInfo = ZFontInfo;

// Readers of the home screen's theme file, of "vyn_idle.cfg" and of the display language's
// direction. Every call opens its own settings object, reads and closes it: nothing is kept,
// so a theme or settings change shows at the next read.
class HomeScreenTheme
{
public:
    enum IdleConfigFile {
        AppWritePath,       // "VYN_APP_WRITE_PATH"
        LocalAppWritePath,  // "VYN_LOCAL_APP_WRITE_PATH"
    };

    typedef int (*LanguageCodeFunction)(char *buffer);

    // Device path of the theme file, from the skin service for "homescreen".
    static QString path();

    static IdleLayout readIdleLayout(const IdleReader &reader);
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
