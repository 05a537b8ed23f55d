#include "options.h"

#include <citytable.h>
#include <prayermethod.h>
#include <vyndevice.h>
#include <worldclock_service.h>
#include <zsystemclock.h>

#include <QCommandLineParser>
#include <QFile>
#include <QRegularExpression>

#include <cmath>

namespace {

const double largestOffset = 86400;

const char description[] =
        "Prints prayer times (Fajr, Sunrise, Dhuhr, Asr, Maghrib, Ishaa; \"--:--\" when a time\n"
        "does not occur that day), Hijri dates and Islamic events.\n\n"
        "Examples:\n"
        "  prayertimes --city \"Abu Dhabi\" --date 2024-03-11\n"
        "  prayertimes --lat 24.28N --lon 054.22E --offset 14400 --from 2024-03-01 --to 2024-03-31\n"
        "  prayertimes --hijri 2024-03-11\n"
        "  prayertimes --events 2024-01-01 --count 7\n"
        "  printf '24.28N\\t054.22E\\t14400\\t1\\t1710144000\\n' | prayertimes --batch\n\n"
        "--batch reads one case a line from stdin: latitude text, longitude text, zone offset in\n"
        "seconds, method number text (anything but 1-5 means 1) and Unix time, separated by TABs.\n"
        "It prints one line for every line read: the six times, or \"error\" for a bad line (its\n"
        "reason on stderr, exit status 2). Times are those of the local day containing the instant.";

// "1".."5" or one of the five names, in any case.
bool parseMethod(const QString &text, int &number)
{
    bool ok = false;
    number = text.toInt(&ok);
    if (ok)
        return number >= 1 && number <= PrayerMethods::count;
    for (const PrayerMethod &method : PrayerMethods::table) {
        if (QLatin1String(method.name).compare(text, Qt::CaseInsensitive) == 0) {
            number = method.number;
            return true;
        }
    }
    return false;
}

// Degrees, optionally a dot and whole minutes, then the hemisphere letter ("24.28N").
bool checkPosition(const QString &text, const QString &hemispheres, int maximumDegrees)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})(?:\\.(\\d{1,2}))?([A-Z]?)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const int degrees = match.captured(1).toInt();
    const int minutes = match.captured(2).toInt();
    const QString hemisphere = match.captured(3);
    if (!hemisphere.isEmpty() && !hemispheres.contains(hemisphere))
        return false;
    return minutes < 60 && degrees * 60 + minutes <= maximumDegrees * 60;
}

bool parseDate(const QString &text, QDate &date)
{
    date = QDate::fromString(text, Qt::ISODate);
    return date.isValid();
}

bool ensureDeviceData()
{
    const bool present = QFile::exists(VynDevice::hostPath(QStringLiteral("/usr/SYSqtapp/worldclock/worldcities.tsv")))
            && QFile::exists(VynDevice::hostPath(QStringLiteral("/usr/SYSqtapp/homescreen/az_timezone.cfg")));
    return present || VynDevice::installImage();
}

QString badDate(const QString &text)
{
    return QStringLiteral("bad date \"%1\" (use YYYY-MM-DD)").arg(text);
}

} // namespace

OptionsResult parseToolOptions(const QStringList &arguments, ToolOptions &options, QString &problem)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(description));
    parser.addHelpOption();
    const QCommandLineOption cityOption(QStringLiteral("city"),
            QStringLiteral("City of the world clock; position from the city table."), QStringLiteral("name"));
    const QCommandLineOption latOption(QStringLiteral("lat"), QStringLiteral("Latitude, e.g. 24.28N (degrees.minutes)."),
                                       QStringLiteral("text"));
    const QCommandLineOption lonOption(QStringLiteral("lon"), QStringLiteral("Longitude, e.g. 054.22E (degrees.minutes)."),
                                       QStringLiteral("text"));
    const QCommandLineOption offsetOption(QStringLiteral("offset"),
            QStringLiteral("Zone offset from GMT in seconds, east positive."), QStringLiteral("seconds"));
    const QCommandLineOption methodOption(QStringLiteral("method"),
            QStringLiteral("1 LEAGUE, 2 EGYPTIAN, 3 ISLAMICSCIENCES, 4 ISLAMICSOCEITY, 5 UMMALQURAH "
                           "(number or name; default 1)."),
            QStringLiteral("method"), QStringLiteral("1"));
    const QCommandLineOption dateOption(QStringLiteral("date"), QStringLiteral("Day, YYYY-MM-DD (default today)."),
                                        QStringLiteral("date"));
    const QCommandLineOption fromOption(QStringLiteral("from"), QStringLiteral("First day of a range."),
                                        QStringLiteral("date"));
    const QCommandLineOption toOption(QStringLiteral("to"), QStringLiteral("Last day of a range."),
                                      QStringLiteral("date"));
    const QCommandLineOption hijriOption(QStringLiteral("hijri"), QStringLiteral("Print the Hijri date of the day."));
    const QCommandLineOption eventsOption(QStringLiteral("events"),
            QStringLiteral("Print the next Islamic events after the day."));
    const QCommandLineOption countOption(QStringLiteral("count"), QStringLiteral("Number of events (default 7)."),
                                         QStringLiteral("n"), QStringLiteral("7"));
    const QCommandLineOption batchOption(QStringLiteral("batch"), QStringLiteral("Read cases from stdin."));
    parser.addOptions({ cityOption, latOption, lonOption, offsetOption, methodOption, dateOption, fromOption,
                        toOption, hijriOption, eventsOption, countOption, batchOption });
    parser.addPositionalArgument(QStringLiteral("date"), QStringLiteral("Day, as --date."), QStringLiteral("[date]"));

    const auto error = [&problem](const QString &message) {
        problem = message;
        return OptionsResult::Error;
    };

    if (!parser.parse(arguments))
        return error(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        problem = parser.helpText();
        return OptionsResult::Help;
    }

    const int modes = int(parser.isSet(batchOption)) + int(parser.isSet(hijriOption)) + int(parser.isSet(eventsOption));
    if (modes > 1)
        return error(QStringLiteral("--batch, --hijri and --events exclude each other"));
    if (parser.isSet(batchOption)) {
        options.mode = ToolMode::Batch;
        return OptionsResult::Run;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return error(QStringLiteral("more than one date given"));
    if (!positional.isEmpty() && parser.isSet(dateOption))
        return error(QStringLiteral("give the date either as an argument or with --date"));
    const QString dateText = positional.isEmpty() ? parser.value(dateOption) : positional.first();

    options.first = ZSystemClock::currentDateTime().date();
    if (!dateText.isEmpty() && !parseDate(dateText, options.first))
        return error(badDate(dateText));
    options.last = options.first;

    if (parser.isSet(hijriOption)) {
        options.mode = ToolMode::Hijri;
        return OptionsResult::Run;
    }
    if (parser.isSet(eventsOption)) {
        bool ok = false;
        options.eventCount = parser.value(countOption).toInt(&ok);
        if (!ok || options.eventCount < 1 || options.eventCount > 10000)
            return error(QStringLiteral("bad --count \"%1\" (1 to 10000)").arg(parser.value(countOption)));
        options.mode = ToolMode::Events;
        return OptionsResult::Run;
    }

    if (parser.isSet(fromOption) || parser.isSet(toOption)) {
        if (!dateText.isEmpty())
            return error(QStringLiteral("give either a date or --from/--to"));
        if (!parser.isSet(fromOption) || !parser.isSet(toOption))
            return error(QStringLiteral("--from and --to go together"));
        if (!parseDate(parser.value(fromOption), options.first))
            return error(badDate(parser.value(fromOption)));
        if (!parseDate(parser.value(toOption), options.last))
            return error(badDate(parser.value(toOption)));
        if (options.last < options.first)
            return error(QStringLiteral("--to is before --from"));
    }

    if (!parseMethod(parser.value(methodOption), options.method))
        return error(QStringLiteral("unknown method \"%1\"").arg(parser.value(methodOption)));

    const bool byCity = parser.isSet(cityOption);
    const bool byPosition = parser.isSet(latOption) || parser.isSet(lonOption) || parser.isSet(offsetOption);
    if (byCity == byPosition)
        return error(QStringLiteral("give either --city NAME or --lat, --lon and --offset"));
    if (byCity) {
        options.city = parser.value(cityOption);
        return OptionsResult::Run;
    }

    if (!parser.isSet(latOption) || !parser.isSet(lonOption) || !parser.isSet(offsetOption))
        return error(QStringLiteral("--lat, --lon and --offset go together"));
    options.latitudeText = parser.value(latOption);
    options.longitudeText = parser.value(lonOption);
    if (!checkPosition(options.latitudeText, QStringLiteral("NS"), 90))
        return error(QStringLiteral("bad latitude \"%1\" (e.g. 24.28N)").arg(options.latitudeText));
    if (!checkPosition(options.longitudeText, QStringLiteral("EW"), 180))
        return error(QStringLiteral("bad longitude \"%1\" (e.g. 054.22E)").arg(options.longitudeText));
    bool ok = false;
    options.offset = parser.value(offsetOption).toDouble(&ok);
    if (!ok || !std::isfinite(options.offset) || std::fabs(options.offset) > largestOffset)
        return error(QStringLiteral("bad --offset \"%1\" (seconds, -86400 to 86400)").arg(parser.value(offsetOption)));
    return OptionsResult::Run;
}

bool resolveLocation(const ToolOptions &options, ToolLocation &result, QString &problem)
{
    const PrayerMethod &method = PrayerMethods::byNumber(options.method);
    PrayerTimeCalculator reader;
    reader.setMethod(QString::fromLatin1(method.name));
    if (options.city.isEmpty()) {
        reader.setPosition(options.latitudeText, options.longitudeText);
        reader.setZoneOffsetSeconds(options.offset);
        result.header = QStringLiteral("%1 %2, offset %3 s, method %4")
                                .arg(options.latitudeText, options.longitudeText)
                                .arg(options.offset)
                                .arg(QLatin1String(method.name));
        result.location = reader.location();
        return true;
    }

    if (!ensureDeviceData()) {
        problem = QStringLiteral("cannot install the device image into %1").arg(VynDevice::root());
        return false;
    }
    const WORLDCLOCK_Service *service = WORLDCLOCK_Service::getInstance();
    WORLDCLOCK_CityInfo info;
    if (!service || !service->getCityInfo(options.city, info)) {
        problem = QStringLiteral("unknown city \"%1\"").arg(options.city);
        return false;
    }
    CityTable table;
    QString latitudeText;
    QString longitudeText;
    if (!table.lookUp(options.city, latitudeText, longitudeText)) {
        problem = QStringLiteral("city \"%1\" has no position in the city table").arg(options.city);
        return false;
    }
    reader.setPosition(latitudeText, longitudeText);
    result.location = reader.location();
    result.location.city = options.city;
    result.byCity = true;
    result.zone = QTimeZone(info.zoneId.toUtf8());
    result.header = QStringLiteral("%1 (%2 %3), method %4")
                            .arg(options.city, latitudeText, longitudeText, QLatin1String(method.name));
    return true;
}

double offsetOn(const ToolLocation &location, const QDate &date)
{
    if (!location.byCity)
        return location.location.zoneOffsetSeconds;
    // The offset in force at that day's local noon, daylight saving included.
    const QDateTime noonAtGmt(date, QTime(12, 0), Qt::UTC);
    const int guess = location.zone.offsetFromUtc(noonAtGmt);
    return double(location.zone.offsetFromUtc(noonAtGmt.addSecs(-guess)));
}
