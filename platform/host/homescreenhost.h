#ifndef HOMESCREENHOST_H
#define HOMESCREENHOST_H

#include <qcopchannel.h>

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <memory>
#include <vector>

class AppMenu;
class HSPlugin;
class HSPluginHost;
class HSPluginSite;
class ZHeader;
class ZSoftKey;
struct HostedPlugin;

// The idle screen: wallpaper, status header, soft keys, and the plugins of the host
// configuration, each in a container widget of its own. It loads the plugin libraries, drives
// the plugins through their lifecycle, routes the direction and select keys to the plugin
// with the focus, and follows "activePlugIn()"/"deactivePlugIn()" on "VYN/HSFRAMEWORK".
class HomeScreenHost : public QWidget
{
    Q_OBJECT
public:
    struct Options
    {
        QString configPath;   // device path, or a host path relative to the current folder
        QString pluginDir;    // host folder of the plugin libraries
    };

    explicit HomeScreenHost(const Options &options, QWidget *parent = nullptr);
    ~HomeScreenHost() override;

    // The build puts programs in bin/ and libraries in lib/ beside it.
    static QString defaultPluginDir();
    // Toolkit code of a direction or select key (4100, 4114 to 4117); 0 for other keys.
    static int toolkitKey(int qtKey);

    // Loads the configured plugins and shows those that are switched on.
    void start();
    // Deactivates and destroys every plugin, last loaded first, then unloads the libraries.
    void shutdown();

    // The area offered to the plugins: the screen above the soft keys.
    QRect offeredArea() const;
    QStringList loadedPlugins() const;
    // Shown plugins in screen order (top to bottom, then left to right).
    QStringList shownPlugins() const;
    QString focusedPlugin() const;
    HSPluginHost *site(const QString &name) const;
    // The plugin object the host drives under that framework name; null when none.
    HSPlugin *plugin(const QString &name) const;
    QWidget *container(const QString &name) const;

    // 0 when a plugin consumed the key or the focus moved, 1 otherwise.
    int handleKey(int key, int phase = 0);
    // Moves the focus to the next plugin that takes keys, wrapping (the clear key).
    void cycleFocus();

    // The soft keys: "Menu" opens the application menu, "Contacts" starts the contacts.
    AppMenu *appMenu() const;
    static const char ContactsAppId[];
    bool showPlugin(const QString &name);
    bool hidePlugin(const QString &name);
    void setSuspended(bool suspended);
    // Asks every shown plugin for its rectangle again and moves its container there ("applyStyle()").
    void relayout();
    bool isSuspended() const;

    // The operations of the sites. A proposed rectangle is accepted when it lies inside the
    // screen and overlaps no other shown plugin; the container then moves there.
    int siteRequestGeometry(HSPluginSite *site, QRect *rect);
    int siteRequestFocus(HSPluginSite *site);
    int siteRequestDisplay(HSPluginSite *site);
    int siteRequestHide(HSPluginSite *site);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

public slots:
    void slotMenu();
    void slotContacts();

private slots:
    void frameworkMessage(const QCString &message, const QByteArray &data);

private:
    void retranslate();
    void load(const QString &library, const QString &name, bool focus = true, bool freeArea = false);
    // The offered area under every other shown plugin; invalid when nothing is left.
    QRect freeBand(const HostedPlugin *entry) const;
    // The file to open for a configured library: a file name in the plugin folder, or an
    // absolute path inside it or the platform's library folders; empty, with why, otherwise.
    QString libraryPath(const QString &library, QString *reason) const;
    void showEntry(HostedPlugin *entry);
    void hideEntry(HostedPlugin *entry);
    bool place(HostedPlugin *entry);
    bool isShown(const HostedPlugin *entry) const;
    std::vector<HostedPlugin *> screenOrder() const;
    // The shown plugins that take the key focus, in screen order.
    std::vector<HostedPlugin *> focusOrder() const;
    void moveFocus(HostedPlugin *from, HostedPlugin *to);
    HostedPlugin *find(const QString &name) const;
    HostedPlugin *find(const HSPluginSite *site) const;
    HostedPlugin *focusEntry();
    void updateLayers();
    void placeFreeArea();

    Options m_options;
    bool m_showHeader = true;
    ZHeader *m_header = nullptr;
    ZSoftKey *m_softKeys = nullptr;
    QWidget *m_veil = nullptr;
    AppMenu *m_appMenu = nullptr;
    QCopChannel *m_frameworkChannel;
    std::vector<std::unique_ptr<HostedPlugin>> m_plugins;
    HostedPlugin *m_focus = nullptr;
    bool m_started = false;
    bool m_suspended = false;
    bool m_languageChangePending = false;
};

#endif
