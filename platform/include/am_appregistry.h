#ifndef AM_APPREGISTRY_H
#define AM_APPREGISTRY_H

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

class QFileSystemWatcher;
class QSocketNotifier;
class QTimer;

// The installed applications: desktop-entry files in "/usr/SYSqtapp/registry/*.desktop"
// (group "Desktop Entry": Type=Application, Name, Exec, Icon, X-Vyn-AppId=<uuid>).
// The static calls read the folder afresh; an instance watches it and reports changes.
class AM_AppRegistry : public QObject
{
    Q_OBJECT
public:
    struct App
    {
        QString id;     // lower-case UUID without braces
        QString name;
        QString exec;   // program name or path, then fixed arguments, split like a shell
        QString icon;
    };

    explicit AM_AppRegistry(QObject *parent = nullptr);
    ~AM_AppRegistry() override;

    // Ordered by name. Entries without a valid id, an Exec line or Type=Application are left out.
    static QList<App> apps();
    static QList<App> getAllAppObjects() { return apps(); }
    // The id may carry braces and any letter case.
    static bool find(const QString &id, App &app);
    static QString registryFolder();

    // The applications as this instance last read them, by id: kept in step by its folder
    // watch, so asking costs no file reads.
    const QMap<QString, App> &appObjects() const { return m_known; }

signals:
    void signalAppObjectAdded(const QString &appId, const QString &name);
    void signalAppObjectRemoved(const QString &appId, const QString &name);
    void signalRegistryObjectUpdated(const QString &appId);

private slots:
    void rescan();
    void readEvents();

private:
    void watchEntries();

    QMap<QString, App> m_known;
    int m_inotify = -1;
    QSocketNotifier *m_notifier = nullptr;
    QFileSystemWatcher *m_watcher = nullptr;  // only when the folder watch is not available
    QTimer *m_settle;
};

#endif
