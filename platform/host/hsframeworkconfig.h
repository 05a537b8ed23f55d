#ifndef HSFRAMEWORKCONFIG_H
#define HSFRAMEWORKCONFIG_H

#include <QList>
#include <QString>

// The host's configuration file:
//
//   [Plugins]
//   List=libstatustext_plugin.so;libclock_plugin.so;libazaan_plugin.so
//   [libazaan_plugin.so]
//   Name=Azaan
//   [libclock_plugin.so]
//   Focus=false
//   [libshortcut_plugin.so]
//   Area=free
//   [Frame]
//   ShowHeader=true
//
// "List" names the plugin libraries in loading order (';' or ',' between them); each one's
// group gives the framework name that "VYN/HSFRAMEWORK" messages use, by default the library
// name without "lib", "_plugin" and ".so", capitalised ("libclock_plugin.so": "Clock"). "Focus"
// false keeps a plugin that only shows something (clock, date) out of the key focus: the
// direction keys pass over it. "Area" free offers a plugin the band under every plugin shown
// before it, and the whole screen only when its answer does not fit there, so it does not
// cover them where the screen has room.
struct HSFrameworkConfig
{
    struct Plugin
    {
        QString library;
        QString name;
        bool focus = true;
        bool freeArea = false;
    };

    QList<Plugin> plugins;
    bool showHeader = true;

    static HSFrameworkConfig read(const QString &path);
    static QString defaultName(const QString &library);
    // A plain file name: libraries are only ever taken from the plugin folder.
    static bool isLibraryName(const QString &library);

    static const char *const DefaultPath;
};

#endif
