#ifndef QWALLPAPER_H
#define QWALLPAPER_H

#include <QPixmap>
#include <QString>

// The home-screen wallpaper: the image named in "/setup/vyn_theme.cfg", group "Wallpaper",
// key "Path" (a device path), else the image the device ships. Always screen-sized, so a
// plugin copies the part under its area at its global position.
class QWallpaper
{
public:
    // Screen-sized; a missing or unreadable image gives the shipped one, and that failing, a
    // plain gradient. Null only without a GUI application.
    static QPixmap wallpaper();
    // Device path of the image in use (the shipped one when the setting is unusable).
    static QString wallpaperPath();
    // Stores a device path as the wallpaper; true once it is on disk.
    static bool setWallpaperPath(const QString &devicePath);

    static const char *const DefaultPath;
};

#endif
