#include "worldclock_service.h"
#include "vyndevice.h"
#include "zlog.h"
#include "zresource.h"
#include "zsystemclock.h"

#include <QFile>
#include <QHash>
#include <QTimeZone>
#include <QVector>

struct WORLDCLOCK_Service::Private
{
    QStringList names;
    QHash<QString, WORLDCLOCK_CityInfo> cities;
};

namespace {
WORLDCLOCK_Service *theService = nullptr;
}

WORLDCLOCK_Service::WORLDCLOCK_Service()
    : d(new Private)
{
    QFile file(VynDevice::hostPath(QStringLiteral("/usr/SYSqtapp/worldclock/worldcities.tsv")));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(zlog("platform")) << "world-city data missing:" << file.fileName();
        return;
    }
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() < 4 || fields.at(0).isEmpty() || d->cities.contains(fields.at(0)))
            continue;
        WORLDCLOCK_CityInfo city;
        city.name = fields.at(0);
        city.zoneId = fields.at(1);
        city.latitude = fields.at(2).toDouble();
        city.longitude = fields.at(3).toDouble();
        d->names.append(city.name);
        d->cities.insert(city.name, city);
    }
}

WORLDCLOCK_Service::~WORLDCLOCK_Service() = default;

WORLDCLOCK_Service *WORLDCLOCK_Service::getInstance()
{
    if (!theService)
        theService = new WORLDCLOCK_Service;
    return theService;
}

void WORLDCLOCK_Service::dispose()
{
    delete theService;
    theService = nullptr;
}

QStringList WORLDCLOCK_Service::getAllCityNames() const
{
    return d->names;
}

bool WORLDCLOCK_Service::getCityInfo(const QString &cityName, WORLDCLOCK_CityInfo &info) const
{
    const auto it = d->cities.constFind(cityName);
    if (it == d->cities.constEnd())
        return false;
    const QTimeZone zone(it->zoneId.toUtf8());
    if (!zone.isValid())
        return false;
    const int offset = zone.offsetFromUtc(ZSystemClock::currentDateTimeUtc());
    info = *it;
    // Each part carries the sign, so hours*3600 + minutes*60 + seconds is the offset.
    info.gmtHours = offset / 3600;
    info.gmtMinutes = (offset % 3600) / 60;
    info.gmtSeconds = offset % 60;
    return true;
}

QString WORLDCLOCK_Service::translateCityName(const QString &cityName) const
{
    const QByteArray id = cityName.toUtf8();
    return ZResource::text("WORLDCLOCK_Service", id.constData(), id.constData());
}

QString WORLDCLOCK_Service::fromTranslateCityName(const QString &displayName) const
{
    for (const QString &name : d->names) {
        if (translateCityName(name) == displayName)
            return name;
    }
    return displayName;
}
