// prayer_scan: how often the calculator's special rules apply. For every city of the city table
// beyond a latitude, every method and every day of a span of years, it counts the days that
// needed the window just outside the day, the days with Dhuhr at the sun's transit, the days
// that fell back to the seventh of the night and the days with an absent time.
#include <prayermethod.h>
#include <prayertimecalculator.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTextStream>
#include <QTimeZone>

#include <cmath>

namespace {

struct City
{
    QString name;
    QString zoneId;
    PrayerLocation location;
};

struct Counts
{
    qint64 days = 0;
    qint64 extraWindow = 0;
    qint64 transit = 0;
    qint64 seventh = 0;
    qint64 absent = 0;
};

QList<City> readCities(const QString &path, double minimumLatitude)
{
    QList<City> cities;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return cities;
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line)) {
        const QStringList fields = line.split(QStringLiteral(", "));
        if (fields.size() != 7)
            continue;
        PrayerTimeCalculator reader;
        reader.setPosition(fields.at(5), fields.at(6));
        if (std::fabs(reader.latitudeDegrees()) <= minimumLatitude)
            continue;
        City city;
        city.name = fields.at(0);
        city.zoneId = fields.at(3);
        city.location = reader.location();
        cities.append(city);
    }
    return cities;
}

void print(QTextStream &out, const QString &label, const Counts &counts)
{
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(label, -16)
                   .arg(counts.days, 9)
                   .arg(counts.extraWindow, 12)
                   .arg(counts.transit, 9)
                   .arg(counts.seventh, 9)
                   .arg(counts.absent, 9);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Counts the days on which the calculator's special rules apply."));
    parser.addHelpOption();
    const QCommandLineOption tableOption(QStringLiteral("table"), QStringLiteral("City table (az_timezone.cfg)."),
                                         QStringLiteral("path"), QStringLiteral(VYN_SCAN_CITY_TABLE));
    const QCommandLineOption latitudeOption(QStringLiteral("above"), QStringLiteral("Latitude, north or south (default 40)."),
                                            QStringLiteral("degrees"), QStringLiteral("40"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("First year (default 2024)."),
                                        QStringLiteral("year"), QStringLiteral("2024"));
    const QCommandLineOption toOption(QStringLiteral("to"), QStringLiteral("Last year (default 2031)."),
                                      QStringLiteral("year"), QStringLiteral("2031"));
    parser.addOptions({ tableOption, latitudeOption, fromOption, toOption });
    parser.process(app);

    const QList<City> cities = readCities(parser.value(tableOption), parser.value(latitudeOption).toDouble());
    const QDate first(parser.value(fromOption).toInt(), 1, 1);
    const QDate last(parser.value(toOption).toInt(), 12, 31);
    QTextStream out(stdout);
    if (cities.isEmpty() || !first.isValid() || !last.isValid() || last < first) {
        QTextStream(stderr) << "prayer_scan: no cities, or a bad span of years\n";
        return 1;
    }

    Counts perMethod[PrayerMethods::count];
    for (const City &city : cities) {
        const QTimeZone zone(city.zoneId.toUtf8());
        PrayerLocation location = city.location;
        for (QDate date = first; date <= last; date = date.addDays(1)) {
            location.zoneOffsetSeconds = zone.offsetFromUtc(QDateTime(date, QTime(12, 0), zone));
            for (const PrayerMethod &method : PrayerMethods::table) {
                location.fajrAngle = method.fajrAngle;
                location.ishaaAngle = method.ishaaAngle;
                const PrayerDay day = PrayerTimeCalculator::computeDay(location, date);
                Counts &counts = perMethod[method.number - 1];
                ++counts.days;
                counts.extraWindow += day.usedExtraWindow;
                counts.transit += day.dhuhrAtTransit;
                counts.seventh += day.seventhOfNight;
                counts.absent += day.anyAbsent();
            }
        }
    }

    out << QStringLiteral("%1 cities beyond %2 degrees, %3 to %4\n")
                   .arg(cities.size())
                   .arg(parser.value(latitudeOption), first.toString(Qt::ISODate), last.toString(Qt::ISODate));
    out << QStringLiteral("%1 %2 %3 %4 %5 %6\n")
                   .arg(QStringLiteral("method"), -16)
                   .arg(QStringLiteral("days"), 9)
                   .arg(QStringLiteral("extra window"), 12)
                   .arg(QStringLiteral("transit"), 9)
                   .arg(QStringLiteral("seventh"), 9)
                   .arg(QStringLiteral("absent"), 9);
    Counts total;
    for (const PrayerMethod &method : PrayerMethods::table) {
        const Counts &counts = perMethod[method.number - 1];
        print(out, QLatin1String(method.name), counts);
        total.days += counts.days;
        total.extraWindow += counts.extraWindow;
        total.transit += counts.transit;
        total.seventh += counts.seventh;
        total.absent += counts.absent;
    }
    print(out, QStringLiteral("all"), total);
    return 0;
}
