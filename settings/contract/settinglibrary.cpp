#include "settinglibrary.h"

#include <zlibrarypath.h>
#include <zlog.h>

#include <QFile>

#include <dlfcn.h>

SettingLibrary::SettingLibrary(void *handle, const QString &path)
    : m_handle(handle)
    , m_path(path)
{
}

SettingLibrary::~SettingLibrary()
{
    dlclose(m_handle);
}

std::unique_ptr<SettingLibrary> SettingLibrary::open(const QString &name)
{
    QString reason;
    const QString path = ZLibraryPath::resolve(name, &reason);
    if (path.isEmpty()) {
        qCWarning(zlog("qd_idle")) << "settings library" << name << "refused:" << reason;
        return nullptr;
    }
    void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_LOCAL);
    if (!handle) {
        qCWarning(zlog("qd_idle")) << "settings library" << name << "not loaded:" << dlerror();
        return nullptr;
    }
    return std::unique_ptr<SettingLibrary>(new SettingLibrary(handle, path));
}

QString SettingLibrary::path() const
{
    return m_path;
}

HSGetSettingInfoFunction SettingLibrary::getSettingInfo() const
{
    dlerror();
    auto function = reinterpret_cast<HSGetSettingInfoFunction>(dlsym(m_handle, "getSettingInfo"));
    if (!function)
        qCWarning(zlog("qd_idle")) << "settings library" << m_path << "lacks getSettingInfo";
    return function;
}
