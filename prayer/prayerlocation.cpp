#include "prayerlocation.h"

#include "azaansettings.h"
#include "citytable.h"

#include <prayermethod.h>
#include <worldclock_service.h>
#include <zlog.h>

PrayerLocation readStoredPrayerLocation(double fallbackOffsetSeconds)
{
    PrayerLocation location;
    const AzaanSettings *settings = AzaanSettings::instance();
    location.city = settings->getCity();
    location.zoneOffsetSeconds = fallbackOffsetSeconds;

    bool zoneKnown = false;
    if (WORLDCLOCK_Service *service = WORLDCLOCK_Service::getInstance()) {
        // An unknown city leaves the record's initial -14:00:00.
        WORLDCLOCK_CityInfo info;
        zoneKnown = service->getCityInfo(location.city, info);
        location.zoneOffsetSeconds = double(qint64(info.gmtHours) * 3600 + qint64(info.gmtMinutes) * 60
                                            + info.gmtSeconds);
    }

    const PrayerMethod &method = PrayerMethods::fromStoredText(settings->getPrayerMethod());
    location.fajrAngle = method.fajrAngle;
    location.ishaaAngle = method.ishaaAngle;

    CityTable table;
    QString latitudeText;
    QString longitudeText;
    const bool positionKnown = table.lookUp(location.city, latitudeText, longitudeText);
    // Through the calculator's own text rules, so both paths read a position alike.
    PrayerTimeCalculator reader;
    if (positionKnown) {
        reader.setPosition(latitudeText, longitudeText);
    } else {
        reader.setLatitude(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("N"));
        reader.setLongitude(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("E"));
    }
    location.latitude = reader.latitudeDegrees();
    location.longitude = reader.longitudeDegrees();

    // Times for 0 N 0 E at GMT -14 would look like the user's own: better none at all.
    location.known = zoneKnown || positionKnown;
    if (!location.known) {
        static QString loggedCity;
        if (loggedCity != location.city) {
            loggedCity = location.city;
            qCWarning(zlog("qd_idle")) << "prayer times: stored city" << location.city
                                       << "is in neither the city table nor the world clock";
        }
    }
    return location;
}

void PrayerTimeCalculator::loadSettings()
{
    setLocation(readStoredPrayerLocation(zoneOffset()));
    compute();
}
