#ifndef SETTINGLIBRARY_H
#define SETTINGLIBRARY_H

#include "hspluginsettinginfo.h"

#include <QString>

#include <memory>

// An open settings library. The name comes from a catalogue that may sit in a writable folder,
// so it is loaded only from the platform's library folders (ZLibraryPath); refusals and loader
// errors are logged. The library is closed when the object goes.
class SettingLibrary
{
public:
    static std::unique_ptr<SettingLibrary> open(const QString &name);
    ~SettingLibrary();

    SettingLibrary(const SettingLibrary &) = delete;
    SettingLibrary &operator=(const SettingLibrary &) = delete;

    QString path() const;
    // The export; null, logged, when the library lacks it.
    HSGetSettingInfoFunction getSettingInfo() const;

private:
    SettingLibrary(void *handle, const QString &path);

    void *m_handle;
    QString m_path;
};

#endif
