#ifndef HSPLUGINLIBRARY_H
#define HSPLUGINLIBRARY_H

#include "hsplugin.h"

#include <QString>

#include <vector>

class HSPluginHost;

// One loaded plugin or settings library. It opens the library with RTLD_NOW | RTLD_LOCAL,
// checks the exports its kind needs, and keeps every plugin object made through it: the
// destructor destroys those still alive, newest first, through the library's own
// destroyInstance, lets deferred deletions run, and only then closes the library.
//
// Settings descriptors from getSettingInfo are not tracked; their owner deletes them before
// the handle goes.
class HSPluginLibrary
{
public:
    enum Export {
        PluginExports = 0x1,    // createInstance, destroyInstance, isActivated
        SettingsExports = 0x2,  // getSettingInfo
    };

    explicit HSPluginLibrary(const QString &path, int required = PluginExports);
    ~HSPluginLibrary();

    HSPluginLibrary(const HSPluginLibrary &) = delete;
    HSPluginLibrary &operator=(const HSPluginLibrary &) = delete;

    // Open, with every required export present.
    bool isLoaded() const { return m_handle != nullptr; }
    // Why it is not loaded, e.g. "libx_plugin.so: missing export isActivated".
    QString errorString() const { return m_error; }
    QString path() const { return m_path; }
    // Which of the two sets of exports the library has, whatever was required.
    bool hasPluginExports() const { return m_create && m_destroy && m_activated; }
    bool hasSettingsExports() const { return symbol("getSettingInfo") != nullptr; }

    // Any exported symbol; null when absent or not loaded.
    void *symbol(const char *name) const;
    template <typename Function>
    Function function(const char *name) const
    {
        return reinterpret_cast<Function>(symbol(name));
    }

    // The plugin exports. createInstance records the object (a null result is not kept);
    // destroyInstance forgets it and passes it, or null, to the library. A pointer the handle
    // does not hold is ignored.
    HSPlugin *createInstance(HSPluginHost *site);
    void destroyInstance(HSPlugin *plugin);
    // 0 when the library has no plugin exports.
    int isActivated() const;
    int instanceCount() const { return int(m_instances.size()); }

private:
    QString m_path;
    QString m_error;
    void *m_handle = nullptr;
    HSCreateInstanceFunction m_create = nullptr;
    HSDestroyInstanceFunction m_destroy = nullptr;
    HSIsActivatedFunction m_activated = nullptr;
    std::vector<HSPlugin *> m_instances;
};

#endif
