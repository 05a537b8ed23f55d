// Deliberately broken plugin libraries for the host tests, one per define.
#include <hsplugin.h>

#define BROKEN_EXPORT extern "C" __attribute__((visibility("default")))

#if defined(BROKEN_HALF_EXPORTS)
// createInstance alone: a host that called the missing destroyInstance would crash.
BROKEN_EXPORT HSPlugin *createInstance(HSPluginHost *)
{
    return nullptr;
}
#elif defined(BROKEN_UNRESOLVED)
// Needs a function no library provides: it cannot be loaded at all.
extern "C" int brokenPluginMissingFunction();
BROKEN_EXPORT HSPlugin *createInstance(HSPluginHost *)
{
    return reinterpret_cast<HSPlugin *>(brokenPluginMissingFunction());
}
BROKEN_EXPORT void destroyInstance(HSPlugin *)
{
}
BROKEN_EXPORT int isActivated()
{
    return 1;
}
#endif
