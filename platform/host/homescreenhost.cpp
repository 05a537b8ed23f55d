#include "homescreenhost.h"
#include "appmenu.h"
#include "hsframeworkconfig.h"
#include "hspluginsite.h"

#include <am_global.h>
#include <am_launcherclient.h>
#include <hsplugin.h>
#include <hspluginlibrary.h>
#include <qwallpaper.h>
#include <vynchannels.h>
#include <zglobal.h>
#include <zheader.h>
#include <zlibrarypath.h>
#include <zlistbox.h>
#include <zlog.h>
#include <zresource.h>
#include <zsoftkey.h>

#include <QCoreApplication>
#include <QTimer>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace {

const QLoggingCategory &hostLog()
{
    return zlog("hsframework");
}

} // namespace

// One configured plugin that made it through loading: its library, its instance and its site.
struct HostedPlugin
{
    QString library;
    QString name;
    std::unique_ptr<HSPluginLibrary> handle;
    HSPlugin *plugin = nullptr;
    std::unique_ptr<HSPluginSite> site;
    bool initialized = false;
    bool active = false;
    bool focusable = true;
    bool freeArea = false;
    bool placing = false;
    // Has a place on the screen (its container may still be hidden while it is a layer).
    bool placed = false;
    // A free-area plugin that found no free room and lies over others: shown only with the focus.
    bool layered = false;

    QWidget *container() const { return site ? site->containerWidget() : nullptr; }
};

HomeScreenHost::HomeScreenHost(const Options &options, QWidget *parent)
    : QWidget(parent)
    , m_options(options)
    , m_frameworkChannel(new QCopChannel(VynChannel::HomeScreenFramework, this))
{
    if (m_options.configPath.isEmpty())
        m_options.configPath = QString::fromLatin1(HSFrameworkConfig::DefaultPath);
    if (m_options.pluginDir.isEmpty())
        m_options.pluginDir = defaultPluginDir();

    setObjectName(QStringLiteral("homescreen"));
    setWindowTitle(QStringLiteral("Home screen"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(ZGlobal::getScreenR().size());

    m_softKeys = new ZSoftKey("CST_2", this, "softkeys");
    // Dims the plugins under a layer that holds the focus, so its own drawing reads clearly.
    m_veil = new QWidget(this);
    m_veil->setObjectName(QStringLiteral("veil"));
    m_veil->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_veil->setAutoFillBackground(true);
    QPalette veil = m_veil->palette();
    veil.setColor(QPalette::Window, QColor(0, 0, 0, 150));
    m_veil->setPalette(veil);
    m_veil->hide();
    retranslate();
    m_softKeys->setGeometry(ZGlobal::getCstR());
    m_softKeys->setClickedSlot(ZSoftKey::Left, this, SLOT(slotMenu()));
    m_softKeys->setClickedSlot(ZSoftKey::Right, this, SLOT(slotContacts()));

    connect(m_frameworkChannel, &QCopChannel::received, this, &HomeScreenHost::frameworkMessage);
    // A new theme changes the plugins' fonts and spacing: every shown plugin is placed afresh.
    auto *systemChannel = new QCopChannel(VynChannel::System, this);
    connect(systemChannel, &QCopChannel::received, this, [this](const QCString &message) {
        if (message == VynMessage::ApplyStyle)
            relayout();
    });
    auto *launcherChannel = new QCopChannel(AM_Global::getLauncherChannel(), this);
    connect(launcherChannel, &QCopChannel::received, this, [this](const QCString &message) {
        // The plugins redraw their own areas on the same notice.
        if (message == VynMessage::ShowWallPaper)
            update();
    });
}

HomeScreenHost::~HomeScreenHost()
{
    shutdown();
    delete m_appMenu;
}

const char HomeScreenHost::ContactsAppId[] = "0fdb27c6-3033-42bc-8872-d74da45d9247";

AppMenu *HomeScreenHost::appMenu() const
{
    return m_appMenu;
}

void HomeScreenHost::retranslate()
{
    m_softKeys->setText(ZSoftKey::Left, RES_TEXT("TXT_RID_SOFTKEY_MENU", "Menu"));
    m_softKeys->setText(ZSoftKey::Right, RES_TEXT("TXT_RID_SOFTKEY_CONTACTS", "Contacts"));
}

void HomeScreenHost::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || m_languageChangePending)
        return;
    // One LanguageChange arrives per translation file: act once they are all in.
    m_languageChangePending = true;
    QTimer::singleShot(0, this, [this] {
        m_languageChangePending = false;
        retranslate();
        // The plugins take the direction afresh when placed, and redraw.
        relayout();
        update();
    });
}

void HomeScreenHost::slotMenu()
{
    if (!m_appMenu)
        m_appMenu = new AppMenu;
    else
        m_appMenu->refresh();
    m_appMenu->show();
    m_appMenu->raise();
    m_appMenu->activateWindow();
    m_appMenu->listBox()->setFocus();
}

void HomeScreenHost::slotContacts()
{
    const int result = AM_LauncherClient::launchAppObject(QString::fromLatin1(ContactsAppId), QString(), 0, false, false);
    if (result != 0)
        qCWarning(hostLog()) << "could not start the contacts:" << result;
}

QString HomeScreenHost::libraryPath(const QString &library, QString *reason) const
{
    const QString folder = QFileInfo(m_options.pluginDir).canonicalFilePath();
    if (HSFrameworkConfig::isLibraryName(library)) {
        if (folder.isEmpty()) {
            *reason = QStringLiteral("no plugin folder %1").arg(m_options.pluginDir);
            return QString();
        }
        return QDir(folder).filePath(library);
    }
    if (!QDir::isAbsolutePath(library) || library.contains(QChar(0))) {
        *reason = QStringLiteral("neither a file name nor an absolute path");
        return QString();
    }
    // An absolute path counts only when, links resolved, it leads into the plugin folder or
    // one of the platform's library folders.
    const QString canonical = QFileInfo(library).canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isFile()) {
        *reason = QStringLiteral("no such file");
        return QString();
    }
    QStringList trusted = ZLibraryPath::folders();
    if (!folder.isEmpty())
        trusted.prepend(folder);
    for (const QString &allowed : std::as_const(trusted)) {
        if (canonical.startsWith(allowed + QLatin1Char('/')))
            return canonical;
    }
    *reason = QStringLiteral("outside the library folders");
    return QString();
}

QString HomeScreenHost::defaultPluginDir()
{
    const QStringList folders = ZLibraryPath::folders();
    return folders.isEmpty() ? QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../lib"))
                             : folders.first();
}

int HomeScreenHost::toolkitKey(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Up:
        return HSKeyUp;
    case Qt::Key_Down:
        return HSKeyDown;
    case Qt::Key_Left:
        return HSKeyLeft;
    case Qt::Key_Right:
        return HSKeyRight;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        return HSKeySelect;
    default:
        return 0;
    }
}

void HomeScreenHost::start()
{
    if (m_started)
        return;
    m_started = true;

    const HSFrameworkConfig config = HSFrameworkConfig::read(m_options.configPath);
    m_showHeader = config.showHeader;
    if (m_showHeader) {
        m_header = new ZHeader(ZHeader::Standard, this, "header");
        m_header->setGeometry(ZGlobal::getHeaderR());
    }
    if (config.plugins.isEmpty())
        qCInfo(hostLog()) << "no plugins configured in" << m_options.configPath;
    for (const HSFrameworkConfig::Plugin &plugin : config.plugins)
        load(plugin.library, plugin.name, plugin.focus, plugin.freeArea);

    // The frame stays above whatever the plugins draw.
    if (m_header)
        m_header->raise();
    m_softKeys->raise();
    // The focus starts at the top of the screen, whatever the loading order.
    m_focus = nullptr;
    focusEntry();
}

void HomeScreenHost::load(const QString &library, const QString &name, bool focus, bool freeArea)
{
    QString reason;
    const QString path = libraryPath(library, &reason);
    if (path.isEmpty()) {
        qCWarning(hostLog()) << "skipping" << library << ":" << reason;
        return;
    }
    if (name.isEmpty() || find(name)) {
        qCWarning(hostLog()) << "skipping" << library << ": framework name" << name << "is empty or taken";
        return;
    }
    auto handle = std::make_unique<HSPluginLibrary>(path);
    if (!handle->isLoaded()) {
        qCWarning(hostLog()) << "skipping" << library << ":" << handle->errorString();
        return;
    }

    auto entry = std::make_unique<HostedPlugin>();
    entry->library = library;
    entry->name = name;
    entry->focusable = focus;
    entry->freeArea = freeArea;
    entry->handle = std::move(handle);
    entry->site = std::make_unique<HSPluginSite>(this, name);
    entry->plugin = entry->handle->createInstance(entry->site.get());
    if (!entry->plugin) {
        qCWarning(hostLog()) << "skipping" << library << ": createInstance gave no plugin";
        entry->site.reset();
        return;
    }
    HostedPlugin *hosted = entry.get();
    m_plugins.push_back(std::move(entry));
    if (hosted->handle->isActivated() != 0)
        showEntry(hosted);
    else
        qCInfo(hostLog()) << name << "is switched off";
}

void HomeScreenHost::showEntry(HostedPlugin *entry)
{
    // The container takes its place first, so initialize and activate see their final size.
    const bool placed = place(entry);
    if (!entry->initialized) {
        entry->initialized = true;
        entry->plugin->initialize();
    }
    entry->active = true;
    entry->plugin->activate();
    if (QWidget *container = entry->container()) {
        container->setVisible(placed);
        container->update();
    }
    if (m_suspended)
        entry->plugin->suspend(true);
    if (!entry->freeArea)
        placeFreeArea();
    focusEntry();
}

void HomeScreenHost::placeFreeArea()
{
    // The room under the others changed: the free-area plugins take their place again.
    for (const auto &entry : m_plugins) {
        if (entry->freeArea && entry->active && entry->container()) {
            entry->container()->setVisible(place(entry.get()));
            entry->container()->update();
        }
    }
}

void HomeScreenHost::hideEntry(HostedPlugin *entry)
{
    if (!entry->active)
        return;
    entry->active = false;
    entry->plugin->deactivate();
    if (QWidget *container = entry->container())
        container->hide();
    entry->placed = false;
    if (m_focus == entry)
        m_focus = nullptr;
    if (!entry->freeArea)
        placeFreeArea();
    focusEntry();
}

bool HomeScreenHost::place(HostedPlugin *entry)
{
    QWidget *container = entry->container();
    if (!container || entry->placing)
        return false;
    entry->placing = true;
    QRect rect;
    const QRect band = entry->freeArea ? freeBand(entry) : QRect();
    if (band.isValid()) {
        rect = entry->plugin->geometry(band);
        if (!band.contains(rect))
            rect = QRect();
    }
    if (!rect.isValid())
        rect = entry->plugin->geometry(offeredArea());
    entry->placing = false;
    // No rectangle: the plugin has nothing to show now.
    if (!rect.isValid()) {
        container->hide();
        entry->placed = false;
        return false;
    }
    if (!ZGlobal::getScreenR().contains(rect)) {
        qCWarning(hostLog()) << entry->name << "asked for" << rect << "outside the screen: not placed";
        container->hide();
        entry->placed = false;
        return false;
    }
    container->setGeometry(rect);
    entry->placed = true;
    return true;
}

QRect HomeScreenHost::freeBand(const HostedPlugin *entry) const
{
    const QRect area = offeredArea();
    int top = area.top();
    for (const auto &other : m_plugins) {
        if (other.get() != entry && !other->freeArea && isShown(other.get()))
            top = std::max(top, other->container()->geometry().bottom() + 1);
    }
    return QRect(QPoint(area.left(), top), area.bottomRight());
}

void HomeScreenHost::relayout()
{
    // Top to bottom, so a plugin placed under another one sees where that one went.
    for (HostedPlugin *entry : screenOrder()) {
        if (QWidget *container = entry->container()) {
            container->setVisible(place(entry));
            container->update();
        }
    }
    focusEntry();
    update();
}

bool HomeScreenHost::isShown(const HostedPlugin *entry) const
{
    return entry->active && entry->container() && entry->placed;
}

std::vector<HostedPlugin *> HomeScreenHost::screenOrder() const
{
    std::vector<HostedPlugin *> shown;
    for (const auto &entry : m_plugins) {
        if (isShown(entry.get()))
            shown.push_back(entry.get());
    }
    std::stable_sort(shown.begin(), shown.end(), [](const HostedPlugin *a, const HostedPlugin *b) {
        const QPoint pa = a->container()->pos();
        const QPoint pb = b->container()->pos();
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return shown;
}

std::vector<HostedPlugin *> HomeScreenHost::focusOrder() const
{
    std::vector<HostedPlugin *> order = screenOrder();
    order.erase(std::remove_if(order.begin(), order.end(), [](const HostedPlugin *entry) { return !entry->focusable; }),
                order.end());
    // The free-area plugins lie under the others: they come last.
    std::stable_partition(order.begin(), order.end(), [](const HostedPlugin *entry) { return !entry->freeArea; });
    return order;
}

HostedPlugin *HomeScreenHost::focusEntry()
{
    if (!m_focus || !isShown(m_focus)) {
        const std::vector<HostedPlugin *> shown = focusOrder();
        m_focus = shown.empty() ? nullptr : shown.front();
    }
    updateLayers();
    return m_focus;
}

void HomeScreenHost::updateLayers()
{
    bool veiled = false;
    for (const auto &entry : m_plugins) {
        QWidget *container = entry->container();
        if (!entry->freeArea || !container || !isShown(entry.get()))
            continue;
        const QRect area = container->geometry();
        entry->layered = std::any_of(m_plugins.begin(), m_plugins.end(), [&](const auto &other) {
            return other != entry && !other->freeArea && isShown(other.get())
                && other->container()->geometry().intersects(area);
        });
        const bool visible = !entry->layered || m_focus == entry.get();
        container->setVisible(visible);
        if (visible && entry->layered) {
            m_veil->setGeometry(offeredArea());
            m_veil->raise();
            container->raise();
            veiled = true;
        }
    }
    m_veil->setVisible(veiled);
}

void HomeScreenHost::cycleFocus()
{
    HostedPlugin *focus = focusEntry();
    const std::vector<HostedPlugin *> shown = focusOrder();
    if (!focus || shown.size() < 2)
        return;
    const auto at = std::find(shown.begin(), shown.end(), focus);
    const auto next = (at == shown.end() || at + 1 == shown.end()) ? shown.begin() : at + 1;
    moveFocus(focus, *next);
}

void HomeScreenHost::moveFocus(HostedPlugin *from, HostedPlugin *to)
{
    QPoint point;
    from->plugin->focusOut(point);
    m_focus = to;
    updateLayers();
    if (point.isNull()) {
        to->plugin->focusCenter();
        return;
    }
    // The point leaves one container and enters the other: same place on the screen.
    to->plugin->focusAt(0, point + from->container()->pos() - to->container()->pos());
}

int HomeScreenHost::handleKey(int key, int phase)
{
    HostedPlugin *focus = focusEntry();
    if (!focus)
        return 1;
    int pluginPhase = phase;
    if (focus->plugin->keyEvent(pluginPhase, key) == 0)
        return 0;
    // The plugin passed the key on: a direction key moves to the neighbour in screen order.
    int step = 0;
    if (key == HSKeyDown || key == HSKeyRight)
        step = 1;
    else if (key == HSKeyUp || key == HSKeyLeft)
        step = -1;
    if (step == 0 || (phase != 0 && phase != 2))
        return 1;
    const std::vector<HostedPlugin *> shown = focusOrder();
    const auto at = std::find(shown.begin(), shown.end(), focus);
    if (at == shown.end())
        return 1;
    const std::ptrdiff_t index = (at - shown.begin()) + step;
    if (index < 0 || index >= std::ptrdiff_t(shown.size()))
        return 1;
    moveFocus(focus, shown.at(size_t(index)));
    return 0;
}

void HomeScreenHost::shutdown()
{
    if (m_plugins.empty())
        return;
    m_focus = nullptr;
    for (auto it = m_plugins.rbegin(); it != m_plugins.rend(); ++it) {
        HostedPlugin *entry = it->get();
        if (entry->active) {
            entry->active = false;
            entry->plugin->deactivate();
        }
        HSPlugin *plugin = entry->plugin;
        entry->plugin = nullptr;
        entry->handle->destroyInstance(plugin);
    }
    // Everything the plugins' code may still run (deferred deletions, their widgets in the
    // containers) finishes before the libraries go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto it = m_plugins.rbegin(); it != m_plugins.rend(); ++it)
        (*it)->site.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (auto it = m_plugins.rbegin(); it != m_plugins.rend(); ++it)
        (*it)->handle.reset();
    m_plugins.clear();
}

QRect HomeScreenHost::offeredArea() const
{
    const QRect screen = ZGlobal::getScreenR();
    return QRect(screen.topLeft(), QSize(screen.width(), ZGlobal::getCstR().top() - screen.top()));
}

QStringList HomeScreenHost::loadedPlugins() const
{
    QStringList names;
    for (const auto &entry : m_plugins)
        names << entry->name;
    return names;
}

QStringList HomeScreenHost::shownPlugins() const
{
    QStringList names;
    for (const HostedPlugin *entry : screenOrder())
        names << entry->name;
    return names;
}

QString HomeScreenHost::focusedPlugin() const
{
    return m_focus && isShown(m_focus) ? m_focus->name : QString();
}

HSPluginHost *HomeScreenHost::site(const QString &name) const
{
    HostedPlugin *entry = find(name);
    return entry ? entry->site.get() : nullptr;
}

HSPlugin *HomeScreenHost::plugin(const QString &name) const
{
    HostedPlugin *entry = find(name);
    return entry ? entry->plugin : nullptr;
}

QWidget *HomeScreenHost::container(const QString &name) const
{
    HostedPlugin *entry = find(name);
    return entry ? entry->container() : nullptr;
}

bool HomeScreenHost::showPlugin(const QString &name)
{
    HostedPlugin *entry = find(name);
    if (!entry || !entry->plugin)
        return false;
    showEntry(entry);
    return true;
}

bool HomeScreenHost::hidePlugin(const QString &name)
{
    HostedPlugin *entry = find(name);
    if (!entry || !entry->plugin || !entry->active)
        return false;
    hideEntry(entry);
    return true;
}

void HomeScreenHost::setSuspended(bool suspended)
{
    if (m_suspended == suspended)
        return;
    m_suspended = suspended;
    for (const auto &entry : m_plugins) {
        if (entry->active && entry->plugin)
            entry->plugin->suspend(suspended);
    }
}

bool HomeScreenHost::isSuspended() const
{
    return m_suspended;
}

int HomeScreenHost::siteRequestGeometry(HSPluginSite *site, QRect *rect)
{
    HostedPlugin *entry = find(site);
    if (!entry || !rect || !rect->isValid() || !ZGlobal::getScreenR().contains(*rect))
        return 0;
    // A plugin may move within the free space of the screen, never over another one's area.
    for (const auto &other : m_plugins) {
        if (other.get() != entry && !other->layered && isShown(other.get())
            && other->container()->geometry().intersects(*rect))
            return 0;
    }
    if (QWidget *container = entry->container())
        container->setGeometry(*rect);
    return 1;
}

int HomeScreenHost::siteRequestFocus(HSPluginSite *site)
{
    HostedPlugin *entry = find(site);
    if (!entry || !entry->focusable || !isShown(entry))
        return 0;
    m_focus = entry;
    updateLayers();
    return 1;
}

int HomeScreenHost::siteRequestDisplay(HSPluginSite *site)
{
    HostedPlugin *entry = find(site);
    // Only a plugin the host shows comes back; one switched off stays off.
    if (!entry || !entry->active || entry->placing)
        return 0;
    const bool placed = place(entry);
    if (QWidget *container = entry->container()) {
        container->setVisible(placed);
        container->update();
    }
    focusEntry();
    return placed ? 1 : 0;
}

int HomeScreenHost::siteRequestHide(HSPluginSite *site)
{
    HostedPlugin *entry = find(site);
    QWidget *container = entry ? entry->container() : nullptr;
    if (!container)
        return 0;
    container->hide();
    entry->placed = false;
    if (m_focus == entry)
        m_focus = nullptr;
    focusEntry();
    return 1;
}

HostedPlugin *HomeScreenHost::find(const QString &name) const
{
    for (const auto &entry : m_plugins) {
        if (entry->name == name)
            return entry.get();
    }
    return nullptr;
}

HostedPlugin *HomeScreenHost::find(const HSPluginSite *site) const
{
    for (const auto &entry : m_plugins) {
        if (entry->site.get() == site)
            return entry.get();
    }
    return nullptr;
}

void HomeScreenHost::frameworkMessage(const QCString &message, const QByteArray &data)
{
    const bool activate = message == VynMessage::ActivatePlugin;
    if (!activate && message != VynMessage::DeactivatePlugin)
        return;
    // The payload comes from another program: anything but one readable name is ignored.
    QDataStream stream(data);
    QString name;
    stream >> name;
    if (stream.status() != QDataStream::Ok || name.isEmpty()) {
        qCWarning(hostLog()) << "ignoring" << message << "without a plugin name";
        return;
    }
    HostedPlugin *entry = find(name);
    if (!entry || !entry->plugin) {
        qCWarning(hostLog()) << "ignoring" << message << "for unknown plugin" << name;
        return;
    }
    if (activate)
        showEntry(entry);
    else
        hideEntry(entry);
    update();
}

void HomeScreenHost::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap wallpaper = QWallpaper::wallpaper();
    if (wallpaper.isNull())
        painter.fillRect(rect(), ZGlobal::backgroundColor());
    else
        painter.drawPixmap(0, 0, wallpaper);
}

void HomeScreenHost::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_F1 || event->key() == Qt::Key_F2)) {
        m_softKeys->click(event->key() == Qt::Key_F1 ? ZSoftKey::Left : ZSoftKey::Right);
        event->accept();
        return;
    }
    // The clear key hands the direction keys to the next plugin that takes them.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Backspace) {
        cycleFocus();
        event->accept();
        return;
    }
    const int key = toolkitKey(event->key());
    if (key == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Held keys repeat as phase 2, which plugins act on like a press.
    handleKey(key, event->isAutoRepeat() ? 2 : 0);
    event->accept();
}

void HomeScreenHost::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    setSuspended(false);
}

void HomeScreenHost::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    setSuspended(true);
}
