#ifndef HSPLUGINSHORTCUTSETUP_H
#define HSPLUGINSHORTCUTSETUP_H

#include "shortcutlayout.h"

#include <qcopchannel.h>

#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class AM_AppRegistry;

// One direction key's application. The icon is a name for the platform icon reader, or a
// device path when it starts with "/".
struct ShortcutEntry
{
    QString name;
    QString icon;
    QString appId;
};

// The four shortcuts, shared by the plugin, its widget and the settings screen of the library:
// one instance, made by the first user and gone with the last (getInstance counts, and every
// user gives it back with releaseInstance). It follows the application registry and the
// "simple_idle_channel" notices, and writes only the key that a change touches.
class HSPluginShortcutSetup : public QObject
{
    Q_OBJECT
public:
    enum Position {
        Left = 0,
        Right = 1,
        Up = 2,
        Down = 3,
        PositionCount = 4,
    };

    static HSPluginShortcutSetup *getInstance();
    static void releaseInstance();
    // Users of the instance right now; 0 when there is none.
    static int referenceCount();

    QString title() const;
    QString settingTitle() const;

    bool showIcons() const { return m_showIcons; }
    const std::array<ShortcutEntry, PositionCount> &entries() const { return m_entries; }
    // Null for a position out of range or without an application.
    const ShortcutEntry *entry(int position) const;
    // The key of a position in "NaviKeyPlugin": "ShortcutID1" to "ShortcutID4".
    static QString shortcutKey(int position);

    // The cross for an offered area; its records become the positions the widget draws at.
    QRect layout(const QRect &area);
    const std::array<ShortcutPosition, PositionCount> &positions() const { return m_positions; }
    bool hasLayout() const { return m_hasLayout; }

    // Applications the settings screen never offers.
    static const QStringList &excludedApps();
    static bool isExcluded(const QString &appId);
    // The default identifiers by feature flag 174, in position order.
    static QStringList defaultIds(bool flag174);

    // Stores one choice ("ShowIcons", or the position's "ShortcutID") and announces it; false,
    // with nothing announced, when the file could not be written.
    bool setShowIcons(bool show);
    bool setShortcut(int position, const QString &appId);

    // Reads the file and the registry afresh.
    void loadShortcuts();
    int loadCount() const { return m_loads; }

signals:
    void sigStateChange();

public slots:
    void slotUpdateShortcut(const QCString &message, const QByteArray &data);
    void slotUpdateShortcut_AM(const QString &appId, const QString &name);
    void slotUpdateShortcut_IMIconChange(const QString &appId);
    void slotUpdateShortcut_STKChange(const QString &appId);

private:
    HSPluginShortcutSetup();
    ~HSPluginShortcutSetup() override;

    bool concerns(const QString &appId) const;
    void reload();
    static void notify();

    bool m_showIcons = true;
    std::array<ShortcutEntry, PositionCount> m_entries;
    // What the file names, registered or not: an application coming back is noticed.
    QStringList m_configuredIds;
    std::array<ShortcutPosition, PositionCount> m_positions;
    bool m_hasLayout = false;
    AM_AppRegistry *m_registry;
    QCopChannel *m_channel;
    int m_loads = 0;
};

#endif
