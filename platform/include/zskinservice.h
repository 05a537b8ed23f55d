#ifndef ZSKINSERVICE_H
#define ZSKINSERVICE_H

#include "zfontinfo.h"

#include <QByteArray>
#include <QFont>
#include <QString>

// The skin (theme) of the handset. The current theme's name is "/setup/vyn_theme.cfg", group
// "Theme", key "Current" (default "default"); each theme keeps one settings file per
// application under "/usr/SYSqtapp/skins/<theme>/".
class ZSkinService
{
public:
    explicit ZSkinService(const char *appName);

    QString appName() const;

    // Device path of the named application's theme file in the current theme. A theme that
    // lacks the file, or a theme name that is not a plain name, gives the default theme's file;
    // an application name that is not a plain name gives no file (empty).
    QString getAppThemeSkinFile(const QString &name) const;
    // The theme font for a description: pixel size = size, bold and italic from the style.
    QFont getSkinFont(const ZFontInfo &info) const;

    static QString currentTheme();
    static QString themeFolder(const QString &theme);

    static const char *const DefaultTheme;
    static const char *const FontFamily;

private:
    QByteArray m_appName;
};

#endif
