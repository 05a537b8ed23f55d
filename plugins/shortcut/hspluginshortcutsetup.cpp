#include "hspluginshortcutsetup.h"

#include <am_appregistry.h>
#include <homescreentheme.h>
#include <setup_set_manager.h>
#include <setup_utility.h>
#include <vynchannels.h>
#include <zlog.h>
#include <zresource.h>

#include <QUuid>

namespace {

const char group[] = "NaviKeyPlugin";
const char showIconsKey[] = "ShowIcons";
const char stkAppId[] = "bacc9585-ae26-4cf9-8e72-fb520709b4b0";
const char musicIcon[] = "music_id_std.g";

HSPluginShortcutSetup *sharedSetup = nullptr;
int sharedUsers = 0;

// Stored identifiers may carry braces or capitals; the registry's never do.
QString canonicalId(const QString &text)
{
    const QUuid uuid = QUuid::fromString(QStringView(text).trimmed());
    return uuid.isNull() ? QString() : uuid.toString(QUuid::WithoutBraces);
}

} // namespace

HSPluginShortcutSetup *HSPluginShortcutSetup::getInstance()
{
    if (!sharedSetup)
        sharedSetup = new HSPluginShortcutSetup;
    ++sharedUsers;
    return sharedSetup;
}

void HSPluginShortcutSetup::releaseInstance()
{
    if (sharedUsers == 0)
        return;
    if (--sharedUsers == 0) {
        delete sharedSetup;
        sharedSetup = nullptr;
    }
}

int HSPluginShortcutSetup::referenceCount()
{
    return sharedUsers;
}

HSPluginShortcutSetup::HSPluginShortcutSetup()
    : m_registry(new AM_AppRegistry(this))
    , m_channel(new QCopChannel(VynChannel::SimpleIdle, this))
{
    connect(m_channel, &QCopChannel::received, this, &HSPluginShortcutSetup::slotUpdateShortcut);
    connect(m_registry, &AM_AppRegistry::signalAppObjectAdded, this, &HSPluginShortcutSetup::slotUpdateShortcut_AM);
    connect(m_registry, &AM_AppRegistry::signalAppObjectRemoved, this, &HSPluginShortcutSetup::slotUpdateShortcut_AM);
    connect(m_registry, &AM_AppRegistry::signalRegistryObjectUpdated, this,
            &HSPluginShortcutSetup::slotUpdateShortcut_IMIconChange);
    connect(m_registry, &AM_AppRegistry::signalRegistryObjectUpdated, this,
            &HSPluginShortcutSetup::slotUpdateShortcut_STKChange);
    loadShortcuts();
}

HSPluginShortcutSetup::~HSPluginShortcutSetup() = default;

QString HSPluginShortcutSetup::title() const
{
    return ZResource::text("HSPluginShortcutSetup", "TXT_RID_IDLE_SHORTCUT_NAME", "Shortcut");
}

QString HSPluginShortcutSetup::settingTitle() const
{
    return ZResource::text("HSPluginShortcutSetup", "TXT_RID_SETTING_A_ICONS", "Icons");
}

const ShortcutEntry *HSPluginShortcutSetup::entry(int position) const
{
    if (position < 0 || position >= PositionCount || m_entries[size_t(position)].appId.isEmpty())
        return nullptr;
    return &m_entries[size_t(position)];
}

QString HSPluginShortcutSetup::shortcutKey(int position)
{
    return QStringLiteral("ShortcutID%1").arg(position + 1);
}

QRect HSPluginShortcutSetup::layout(const QRect &area)
{
    const ShortcutLayout cross = ShortcutLayout::compute(area, HomeScreenTheme::readIdleValue(QStringLiteral("Spacing_S1"), 0));
    m_positions = cross.positions;
    m_hasLayout = true;
    return cross.rect;
}

const QStringList &HSPluginShortcutSetup::excludedApps()
{
    static const QStringList ids {
        QStringLiteral("28ff7b93-0139-4c33-af5a-5a04ad5052f0"), QStringLiteral("5d73dbd1-a51a-4a46-b7ac-4a34a32ceb5e"),
        QStringLiteral("626d3290-2ec3-4b34-88f8-a3641dbc5f85"), QStringLiteral("a226e86a-0ba2-40bc-9636-56f466fde523"),
        QStringLiteral("c33e34d5-5de3-4c5a-aaa3-88a2c09da400"),
    };
    return ids;
}

bool HSPluginShortcutSetup::isExcluded(const QString &appId)
{
    return excludedApps().contains(canonicalId(appId));
}

QStringList HSPluginShortcutSetup::defaultIds(bool flag174)
{
    if (flag174) {
        return { QStringLiteral("1b1c9eb0-d133-11dc-95ff-0800200c9a66"), QStringLiteral("220072c6-9008-468e-9968-11f3c50fa95e"),
                 QStringLiteral("ce59717d-fb23-4b7c-8800-25ce613f4042"), QStringLiteral("0a92f2c5-584d-440a-954c-1a155079d71a") };
    }
    return { QStringLiteral("ce59717d-fb23-4b7c-8800-25ce613f4042"), QStringLiteral("a12e4b0a-188e-4a2f-88cd-39c71d9ff2f9"),
             QStringLiteral("220072c6-9008-468e-9968-11f3c50fa95e"), QStringLiteral("0a92f2c5-584d-440a-954c-1a155079d71a") };
}

void HSPluginShortcutSetup::loadShortcuts()
{
    ++m_loads;
    bool flag174 = false;
    if (!SETUP_Utility::getFlexBit(174, flag174))
        flag174 = false;

    // A manager of its own for every load: one kept open would show the file as it was.
    const SETUP_SET_Manager file(HomeScreenTheme::idleConfigPath(HomeScreenTheme::AppWritePath), false);
    bool show = m_showIcons;
    file.getSettingInfo(QLatin1String(group), QLatin1String(showIconsKey), show, m_showIcons);
    m_showIcons = show;

    // The watched registry: reading every desktop entry again would cost more than the rest.
    const QMap<QString, AM_AppRegistry::App> &registered = m_registry->appObjects();

    const QStringList defaults = defaultIds(flag174);
    m_configuredIds.clear();
    for (int i = 0; i < PositionCount; ++i) {
        ShortcutEntry fallback;
        fallback.appId = defaults.at(i);
        if (flag174 && i == Left)
            fallback.icon = QString::fromLatin1(musicIcon);
        const auto known = registered.constFind(fallback.appId);
        if (known != registered.cend()) {
            fallback.name = known->name;
            fallback.icon = known->icon;
        }

        QString stored;
        file.getSettingInfo(QLatin1String(group), shortcutKey(i), stored, fallback.appId, false);
        const QString configured = canonicalId(stored);
        m_configuredIds << configured;
        const auto app = registered.constFind(configured);
        if (app == registered.cend()) {
            // Not installed now (a removed memory card): the default stands in, the file keeps it.
            m_entries[size_t(i)] = fallback;
        } else {
            m_entries[size_t(i)] = ShortcutEntry { app->name, app->icon, app->id };
        }
    }
}

bool HSPluginShortcutSetup::setShowIcons(bool show)
{
    SETUP_SET_Manager file(HomeScreenTheme::idleConfigPath(HomeScreenTheme::AppWritePath), false);
    file.setSettingInfo(QLatin1String(group), QLatin1String(showIconsKey), show);
    if (!file.commit()) {
        qCWarning(zlog("qd_idle")) << "shortcut: could not store ShowIcons";
        return false;
    }
    m_showIcons = show;
    notify();
    return true;
}

bool HSPluginShortcutSetup::setShortcut(int position, const QString &appId)
{
    const QString id = canonicalId(appId);
    if (position < 0 || position >= PositionCount || id.isEmpty())
        return false;
    AM_AppRegistry::App app;
    if (!AM_AppRegistry::find(id, app))
        return false;
    // Only this position's key: the others may name applications that are away just now.
    SETUP_SET_Manager file(HomeScreenTheme::idleConfigPath(HomeScreenTheme::AppWritePath), false);
    file.setSettingInfo(QLatin1String(group), shortcutKey(position), id);
    if (!file.commit()) {
        qCWarning(zlog("qd_idle")) << "shortcut: could not store" << shortcutKey(position);
        return false;
    }
    m_entries[size_t(position)] = ShortcutEntry { app.name, app.icon, app.id };
    m_configuredIds[position] = id;
    notify();
    return true;
}

void HSPluginShortcutSetup::notify()
{
    QCopChannel::send(VynChannel::SimpleIdle, VynMessage::ShortcutUpdate);
}

bool HSPluginShortcutSetup::concerns(const QString &appId) const
{
    const QString id = canonicalId(appId);
    if (id.isEmpty())
        return false;
    for (const ShortcutEntry &entry : m_entries) {
        if (entry.appId == id)
            return true;
    }
    return m_configuredIds.contains(id);
}

void HSPluginShortcutSetup::reload()
{
    loadShortcuts();
    emit sigStateChange();
}

void HSPluginShortcutSetup::slotUpdateShortcut(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::ShortcutUpdate || concerns(QString::fromLatin1(message)))
        reload();
}

void HSPluginShortcutSetup::slotUpdateShortcut_AM(const QString &appId, const QString &)
{
    if (concerns(appId))
        reload();
}

void HSPluginShortcutSetup::slotUpdateShortcut_IMIconChange(const QString &appId)
{
    if (concerns(appId))
        reload();
}

void HSPluginShortcutSetup::slotUpdateShortcut_STKChange(const QString &appId)
{
    if (canonicalId(appId) == QLatin1String(stkAppId))
        reload();
}
