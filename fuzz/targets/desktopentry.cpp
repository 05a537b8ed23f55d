// Desktop entries of the application registry.
#include "fuzzcheck.h"

#include <am_appregistry.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::writeDeviceFile(AM_AppRegistry::registryFolder() + QStringLiteral("/fuzz.desktop"), Fuzz::bytes(data, size));
    const QList<AM_AppRegistry::App> apps = AM_AppRegistry::apps();
    FUZZ_CHECK(apps.size() <= 1);
    for (const AM_AppRegistry::App &app : apps) {
        AM_AppRegistry::App found;
        FUZZ_CHECK(AM_AppRegistry::find(app.id, found));
    }
    return 0;
}
