#include "hspluginlibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <dlfcn.h>

HSPluginLibrary::HSPluginLibrary(const QString &path, int required)
    : m_path(path)
{
    const QString name = QFileInfo(path).fileName();
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char *reason = dlerror();
        m_error = reason ? QString::fromLocal8Bit(reason) : name + QStringLiteral(": cannot be opened");
        return;
    }
    m_create = reinterpret_cast<HSCreateInstanceFunction>(dlsym(handle, "createInstance"));
    m_destroy = reinterpret_cast<HSDestroyInstanceFunction>(dlsym(handle, "destroyInstance"));
    m_activated = reinterpret_cast<HSIsActivatedFunction>(dlsym(handle, "isActivated"));

    QStringList missing;
    if (required & PluginExports) {
        if (!m_create)
            missing << QStringLiteral("createInstance");
        if (!m_destroy)
            missing << QStringLiteral("destroyInstance");
        if (!m_activated)
            missing << QStringLiteral("isActivated");
    }
    if ((required & SettingsExports) && !dlsym(handle, "getSettingInfo"))
        missing << QStringLiteral("getSettingInfo");
    if (!missing.isEmpty()) {
        m_error = QStringLiteral("%1: missing export %2").arg(name, missing.join(QStringLiteral(", ")));
        m_create = nullptr;
        m_destroy = nullptr;
        m_activated = nullptr;
        dlclose(handle);
        return;
    }
    m_handle = handle;
}

HSPluginLibrary::~HSPluginLibrary()
{
    if (!m_handle)
        return;
    while (!m_instances.empty())
        destroyInstance(m_instances.back());
    // Objects the plugin code deleted later still need that code.
    if (QCoreApplication::instance())
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    dlclose(m_handle);
}

void *HSPluginLibrary::symbol(const char *name) const
{
    return m_handle ? dlsym(m_handle, name) : nullptr;
}

HSPlugin *HSPluginLibrary::createInstance(HSPluginHost *site)
{
    if (!m_create)
        return nullptr;
    HSPlugin *plugin = m_create(site);
    if (plugin)
        m_instances.push_back(plugin);
    return plugin;
}

void HSPluginLibrary::destroyInstance(HSPlugin *plugin)
{
    if (!m_destroy)
        return;
    if (plugin) {
        // Not made here, or already gone: passing it on would delete it a second time.
        const auto at = std::find(m_instances.begin(), m_instances.end(), plugin);
        if (at == m_instances.end())
            return;
        m_instances.erase(at);
    }
    m_destroy(plugin);
}

int HSPluginLibrary::isActivated() const
{
    return m_activated ? m_activated() : 0;
}
