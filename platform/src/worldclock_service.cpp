#include "worldclock_service.h"
#include "vyndevice.h"
#include "zlog.h"
#include "zresource.h"
#include "zsystemclock.h"

#include <QFile>
#include <QHash>
#include <QTimeZone>
#include <QVector>

#include <limits>

struct WORLDCLOCK_Service::Private
{
    // The data file as read; the full index is built only when a whole list is asked for, so a
    // program that needs one city does not parse a thousand.
    QByteArray data;
    bool indexed = false;
    QStringList names;
    QHash<QString, WORLDCLOCK_CityInfo> cities;
    // The header's names of the fields after the fourth ("country", "name_ar", ...), and those
    // fields of every city once indexed.
    QStringList extraColumns;
    QHash<QString, QStringList> extras;

    static bool parseLine(QByteArrayView line, WORLDCLOCK_CityInfo &city, QStringList *extraFields = nullptr);
    void readHeader();
    void buildIndex();
    bool find(const QString &name, WORLDCLOCK_CityInfo &city, QStringList *extraFields = nullptr);
    QString localName(const QString &name, const QString &languageCode);
};

namespace {
WORLDCLOCK_Service *theService = nullptr;

// Real offsets run from -12 to +14 hours; a rule text can name any (the tz reader takes
// "Afri87" as 87 hours behind).
bool usableOffset(int seconds)
{
    return seconds >= -14 * 3600 && seconds <= 14 * 3600;
}
}

bool WORLDCLOCK_Service::Private::parseLine(QByteArrayView line, WORLDCLOCK_CityInfo &city, QStringList *extraFields)
{
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith('#'))
        return false;
    QByteArrayView fields[4];
    int count = 0;
    qsizetype start = 0;
    while (count < 4) {
        const qsizetype tab = line.indexOf('\t', start);
        fields[count++] = line.sliced(start, (tab < 0 ? line.size() : tab) - start);
        if (tab < 0) {
            start = line.size() + 1;
            break;
        }
        start = tab + 1;
    }
    if (count < 4 || fields[0].isEmpty())
        return false;
    if (extraFields) {
        extraFields->clear();
        if (start <= line.size())
            *extraFields = QString::fromUtf8(line.sliced(start)).split(QLatin1Char('\t'));
    }
    city.name = QString::fromUtf8(fields[0]);
    city.zoneId = QString::fromUtf8(fields[1]);
    city.latitude = fields[2].toDouble();
    city.longitude = fields[3].toDouble();
    return true;
}

void WORLDCLOCK_Service::Private::readHeader()
{
    // "# name<TAB>zone<TAB>latitude<TAB>longitude<TAB>country<TAB>name_ar..."
    if (!data.startsWith("# "))
        return;
    const qsizetype end = data.indexOf('\n');
    const QStringList columns = QString::fromUtf8(QByteArrayView(data).sliced(2, (end < 0 ? data.size() : end) - 2))
                                        .trimmed()
                                        .split(QLatin1Char('\t'));
    extraColumns = columns.mid(4);
}

QString WORLDCLOCK_Service::Private::localName(const QString &name, const QString &languageCode)
{
    const QString language = languageCode.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    const qsizetype column = extraColumns.indexOf(QStringLiteral("name_") + language);
    if (language.isEmpty() || column < 0)
        return QString();
    QStringList fields;
    if (indexed) {
        fields = extras.value(name);
    } else {
        WORLDCLOCK_CityInfo city;
        if (!find(name, city, &fields))
            return QString();
    }
    return fields.value(column).trimmed();
}

void WORLDCLOCK_Service::Private::buildIndex()
{
    if (indexed)
        return;
    indexed = true;
    const QByteArrayView all(data);
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf('\n', start);
        if (end < 0)
            end = all.size();
        WORLDCLOCK_CityInfo city;
        QStringList extraFields;
        if (parseLine(all.sliced(start, end - start), city, &extraFields) && !cities.contains(city.name)) {
            names.append(city.name);
            cities.insert(city.name, city);
            if (!extraFields.isEmpty())
                extras.insert(city.name, extraFields);
        }
        start = end + 1;
    }
}

bool WORLDCLOCK_Service::Private::find(const QString &name, WORLDCLOCK_CityInfo &city, QStringList *extraFields)
{
    if (indexed) {
        const auto it = cities.constFind(name);
        if (it == cities.constEnd())
            return false;
        city = *it;
        if (extraFields)
            *extraFields = extras.value(name);
        return true;
    }
    // The first line whose name field is the name, as the index would have it.
    const QByteArray key = name.toUtf8() + '\t';
    qsizetype from = 0;
    while ((from = data.indexOf(key, from)) >= 0) {
        if (from == 0 || data.at(from - 1) == '\n') {
            const qsizetype end = data.indexOf('\n', from);
            if (parseLine(QByteArrayView(data).sliced(from, (end < 0 ? data.size() : end) - from), city, extraFields)
                && city.name == name)
                return true;
        }
        from += key.size();
    }
    return false;
}

WORLDCLOCK_Service::WORLDCLOCK_Service()
    : d(new Private)
{
    QFile file(VynDevice::hostPath(QStringLiteral("/usr/SYSqtapp/worldclock/worldcities.tsv")));
    if (!file.open(QIODevice::ReadOnly)) {
        qCWarning(zlog("platform")) << "world-city data missing:" << file.fileName();
        return;
    }
    d->data = file.readAll();
    d->readHeader();
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
    d->buildIndex();
    return d->names;
}

bool WORLDCLOCK_Service::getCityInfo(const QString &cityName, WORLDCLOCK_CityInfo &info) const
{
    WORLDCLOCK_CityInfo city;
    if (!d->find(cityName, city))
        return false;
    const QTimeZone zone(city.zoneId.toUtf8());
    if (!zone.isValid())
        return false;
    const int offset = zone.offsetFromUtc(ZSystemClock::currentDateTimeUtc());
    if (!usableOffset(offset))
        return false;
    info = city;
    // Each part carries the sign, so hours*3600 + minutes*60 + seconds is the offset.
    info.gmtHours = offset / 3600;
    info.gmtMinutes = (offset % 3600) / 60;
    info.gmtSeconds = offset % 60;
    return true;
}

QString WORLDCLOCK_Service::translateCityName(const QString &cityName) const
{
    // A language resource may name a city; else the data's column of the display language.
    const QByteArray id = cityName.toUtf8();
    const QString translated = ZResource::text("WORLDCLOCK_Service", id.constData(), "");
    if (!translated.isEmpty())
        return translated;
    const QString local = d->localName(cityName, ZResource::languageCode());
    return local.isEmpty() ? cityName : local;
}

QString WORLDCLOCK_Service::fromTranslateCityName(const QString &displayName) const
{
    d->buildIndex();
    for (const QString &name : d->names) {
        if (translateCityName(name) == displayName)
            return name;
    }
    return displayName;
}
