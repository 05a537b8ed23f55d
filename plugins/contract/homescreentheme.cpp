#include "homescreentheme.h"

#include <setup_set_manager.h>
#include <util_language.h>
#include <zconfig.h>
#include <zskinservice.h>

#include <cstdlib>
#include <cstring>

namespace {

const char *variableName(HomeScreenTheme::IdleConfigFile file)
{
    return file == HomeScreenTheme::LocalAppWritePath ? "VYN_LOCAL_APP_WRITE_PATH" : "VYN_APP_WRITE_PATH";
}

void readKey(const SETUP_SET_Manager &theme, const IdleReader &reader, IdleReader::Key key, const char *name,
             int &value)
{
    if (reader.keys & key)
        theme.getSettingInfo(QStringLiteral("Idle"), QString::fromLatin1(name), value, value);
}

} // namespace

QString HomeScreenTheme::path()
{
    return ZSkinService("homescreen").getAppThemeSkinFile(QStringLiteral("homescreen"));
}

IdleLayout HomeScreenTheme::readIdleLayout(const IdleReader &reader)
{
    IdleLayout layout = reader.defaults;
    const SETUP_SET_Manager theme(path(), false);
    readKey(theme, reader, IdleReader::PaddingLeft, "Padding_Left", layout.paddingLeft);
    readKey(theme, reader, IdleReader::PaddingRight, "Padding_Right", layout.paddingRight);
    readKey(theme, reader, IdleReader::PaddingTop, "Padding_Top", layout.paddingTop);
    readKey(theme, reader, IdleReader::PaddingBottom, "Padding_Bottom", layout.paddingBottom);
    readKey(theme, reader, IdleReader::SpacingH1, "Spacing_H1", layout.spacingH1);
    readKey(theme, reader, IdleReader::SpacingV1, "Spacing_V1", layout.spacingV1);
    readKey(theme, reader, IdleReader::SpacingV2, "Spacing_V2", layout.spacingV2);
    readKey(theme, reader, IdleReader::SpacingV3, "Spacing_V3", layout.spacingV3);
    readKey(theme, reader, IdleReader::SpacingS1, "Spacing_S1", layout.spacingS1);
    readKey(theme, reader, IdleReader::SpacingV4, "Spacing_V4", layout.spacingV4);
    return layout;
}

int HomeScreenTheme::readIdleValue(const QString &key, int defaultValue)
{
    int value = defaultValue;
    SETUP_SET_Manager(path(), false).getSettingInfo(QStringLiteral("Idle"), key, value, defaultValue);
    return value;
}

IdleFontInfo HomeScreenTheme::idleStatusFontDefaults()
{
    IdleFontInfo info;
    info.size = 22;
    info.leading = 24;
    info.style = 0;
    info.color = 0xffffff;
    info.align = 1;
    info.outlineColor = 0;
    info.outlineSize = 1;
    return info;
}

IdleFontInfo HomeScreenTheme::readFontInfo(const QString &group, const IdleFontInfo &defaults)
{
    IdleFontInfo info = defaults;
    const SETUP_SET_Manager theme(path(), false);
    theme.getSettingInfo(group, QStringLiteral("Size"), info.size, defaults.size);
    theme.getSettingInfo(group, QStringLiteral("Leading"), info.leading, defaults.leading);
    theme.getSettingInfo(group, QStringLiteral("Style"), info.style, defaults.style);
    theme.getSettingInfo(group, QStringLiteral("Color"), info.color, defaults.color);
    theme.getSettingInfo(group, QStringLiteral("Align"), info.align, defaults.align);
    theme.getSettingInfo(group, QStringLiteral("OutlineColor"), info.outlineColor, defaults.outlineColor);
    theme.getSettingInfo(group, QStringLiteral("OutlineSize"), info.outlineSize, defaults.outlineSize);
    return info;
}

QFont HomeScreenTheme::skinFont(const IdleFontInfo &info)
{
    return ZSkinService("homescreen").getSkinFont(info);
}

QString HomeScreenTheme::idleConfigPath(IdleConfigFile file)
{
    // An unset variable reads as empty: the device's own "/setup" folder.
    const char *base = std::getenv(variableName(file));
    return QStringLiteral("%1%2").arg(QString::fromLocal8Bit(base ? base : ""), QStringLiteral("/setup/vyn_idle.cfg"));
}

QString HomeScreenTheme::readIdleConfig(IdleConfigFile file, const QString &group, const QString &key,
                                        const QString &defaultValue)
{
    QString value;
    SETUP_SET_Manager(idleConfigPath(file), false).getSettingInfo(group, key, value, defaultValue, false);
    return value;
}

int HomeScreenTheme::readIdleConfigInt(IdleConfigFile file, const QString &group, const QString &key,
                                       int defaultValue)
{
    int value = defaultValue;
    SETUP_SET_Manager(idleConfigPath(file), false).getSettingInfo(group, key, value, defaultValue);
    return value;
}

bool HomeScreenTheme::readIdleConfigBool(IdleConfigFile file, const QString &group, const QString &key,
                                         bool defaultValue)
{
    bool value = defaultValue;
    SETUP_SET_Manager(idleConfigPath(file), false).getSettingInfo(group, key, value, defaultValue);
    return value;
}

QString HomeScreenTheme::languageCode(LanguageCodeFunction lookup)
{
    if (!lookup)
        lookup = UTIL_GetLanguageCode;
    char buffer[UTIL_Language::CodeBufferSize];
    std::memset(buffer, 0, sizeof buffer);
    if (lookup(buffer) == 1) {
        // Whatever the lookup wrote, the text ends inside the buffer.
        buffer[sizeof buffer - 1] = '\0';
        const QString code = QString::fromLatin1(buffer).trimmed();
        if (!code.isEmpty())
            return code;
    }
    const QString stored = ZConfig(QStringLiteral("/tmp/vyn_system.cfg"), false)
                                   .readEntry(QStringLiteral("SYS_SYSTEM_SET"), QStringLiteral("LanguageType"),
                                              QStringLiteral("en-us"))
                                   .trimmed();
    return stored.isEmpty() ? QStringLiteral("en-us") : stored;
}

bool HomeScreenTheme::isRightToLeft(LanguageCodeFunction lookup)
{
    return UTIL_Language::isRtlLanguage(languageCode(lookup));
}
