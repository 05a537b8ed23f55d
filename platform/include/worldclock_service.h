#ifndef WORLDCLOCK_SERVICE_H
#define WORLDCLOCK_SERVICE_H

#include <QString>
#include <QStringList>

#include <memory>

// One city of the world clock; the offset starts at -14:00:00 until the service fills it.
struct WORLDCLOCK_CityInfo
{
    QString name;
    QString zoneId;
    double latitude = 0.0;
    double longitude = 0.0;
    int gmtHours = -14;
    int gmtMinutes = 0;
    int gmtSeconds = 0;
};

// The world-city service: cities of "/usr/SYSqtapp/worldclock/worldcities.tsv" with the
// offset of their time zone at the platform clock's current instant, daylight saving included.
class WORLDCLOCK_Service
{
public:
    static WORLDCLOCK_Service *getInstance();
    static void dispose();

    QStringList getAllCityNames() const;
    // False, with the record untouched, for an unknown city.
    bool getCityInfo(const QString &cityName, WORLDCLOCK_CityInfo &info) const;
    QString translateCityName(const QString &cityName) const;
    QString fromTranslateCityName(const QString &displayName) const;

private:
    WORLDCLOCK_Service();
    ~WORLDCLOCK_Service();
    struct Private;
    std::unique_ptr<Private> d;
};

#endif
