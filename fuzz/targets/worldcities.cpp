// The world-city data: the service reads any file, then every city it lists is asked for.
#include "fuzzcheck.h"

#include <worldclock_service.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::ensureApplication();
    Fuzz::writeDeviceFile(QStringLiteral("/usr/SYSqtapp/worldclock/worldcities.tsv"), Fuzz::bytes(data, size));
    WORLDCLOCK_Service::dispose();
    WORLDCLOCK_Service *service = WORLDCLOCK_Service::getInstance();
    const QStringList names = service->getAllCityNames();
    for (const QString &name : names) {
        WORLDCLOCK_CityInfo info;
        // A city whose zone is unknown is listed without an offset; a known one has a real offset.
        if (service->getCityInfo(name, info))
            FUZZ_CHECK(info.gmtHours >= -14 && info.gmtHours <= 14);
        service->fromTranslateCityName(service->translateCityName(name));
    }
    WORLDCLOCK_Service::dispose();
    return 0;
}
