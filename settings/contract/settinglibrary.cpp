#include "settinglibrary.h"

#include <hspluginlibrary.h>
#include <zlibrarypath.h>
#include <zlog.h>

SettingLibrary::SettingLibrary(std::unique_ptr<HSPluginLibrary> library)
    : m_library(std::move(library))
{
}

SettingLibrary::~SettingLibrary() = default;

std::unique_ptr<SettingLibrary> SettingLibrary::open(const QString &name)
{
    QString reason;
    const QString path = ZLibraryPath::resolve(name, &reason);
    if (path.isEmpty()) {
        qCWarning(zlog("qd_idle")) << "settings library" << name << "refused:" << reason;
        return nullptr;
    }
    auto library = std::make_unique<HSPluginLibrary>(path, HSPluginLibrary::SettingsExports);
    if (!library->isLoaded()) {
        qCWarning(zlog("qd_idle")) << "settings library not loaded:" << library->errorString();
        return nullptr;
    }
    return std::unique_ptr<SettingLibrary>(new SettingLibrary(std::move(library)));
}

QString SettingLibrary::path() const
{
    return m_library->path();
}

HSGetSettingInfoFunction SettingLibrary::getSettingInfo() const
{
    return m_library->function<HSGetSettingInfoFunction>("getSettingInfo");
}
