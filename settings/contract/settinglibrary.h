#ifndef SETTINGLIBRARY_H
#define SETTINGLIBRARY_H

#include "hspluginsettinginfo.h"

#include <QString>

#include <memory>

class HSPluginLibrary;

// An open settings library. Its name comes from a catalogue that may sit in a writable folder,
// so it is loaded only from the platform's library folders (ZLibraryPath), through the plugin
// kit's library handle; refusals and loader errors are logged. The library is closed when the
// object goes; its descriptors must be gone by then.
class SettingLibrary
{
public:
    static std::unique_ptr<SettingLibrary> open(const QString &name);
    ~SettingLibrary();

    SettingLibrary(const SettingLibrary &) = delete;
    SettingLibrary &operator=(const SettingLibrary &) = delete;

    QString path() const;
    HSGetSettingInfoFunction getSettingInfo() const;

private:
    explicit SettingLibrary(std::unique_ptr<HSPluginLibrary> library);

    std::unique_ptr<HSPluginLibrary> m_library;
};

#endif
