// prayertimes: the prayer-time calculator, Hijri calendar and Islamic events from a shell.
#include <citytable.h>
#include <islamiccalendar.h>
#include <prayertimecalculator.h>
#include <vyndevice.h>
#include <worldclock_service.h>
#include <zsystemclock.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <cmath>

namespace {

enum ExitCode { Success = 0, UsageError = 1, BadBatchLine = 2 };

// Instants QDateTime can carry: years 1 to 9999.
const qint64 earliestTime = -62135596800LL;
const qint64 latestTime = 253402300799LL;
const double largestOffset = 86400;

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString &message)
{
    err() << "prayertimes: " << message << Qt::endl;
    return UsageError;
}

QString timeText(bool present, const HourMinute &time)
{
    if (!present)
        return QStringLiteral("--:--");
    return QStringLiteral("%1:%2").arg(time.hour, 2, 10, QLatin1Char('0')).arg(time.minute, 2, 10, QLatin1Char('0'));
}

QStringList sixTimes(PrayerTimeCalculator &calculator)
{
    HourMinute time;
    QStringList texts;
    texts << timeText(calculator.getFajr(time), time);
    texts << timeText(calculator.getSunrise(time), time);
    texts << timeText(calculator.getDhuhr(time), time);
    texts << timeText(calculator.getAsr(time), time);
    texts << timeText(calculator.getMaghrib(time), time);
    texts << timeText(calculator.getIshaa(time), time);
    return texts;
}

// "1".."5" or one of the five names, in any case.
bool parseMethod(const QString &text, QString &name)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (ok) {
        if (number < 1 || number > 5)
            return false;
        name = PrayerTimeCalculator::methodName(number);
        return true;
    }
    for (int i = 1; i <= 5; ++i) {
        if (PrayerTimeCalculator::methodName(i).compare(text, Qt::CaseInsensitive) == 0) {
            name = PrayerTimeCalculator::methodName(i);
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

void setClock(qint64 secondsSinceEpoch)
{
    ZSystemClock::setFixed(QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC));
}

qint64 localNoon(const QDate &date, double offsetSeconds)
{
    return QDateTime(date, QTime(12, 0), Qt::UTC).toSecsSinceEpoch() - qint64(offsetSeconds);
}

bool ensureDeviceData()
{
    const bool present = QFile::exists(VynDevice::hostPath(QStringLiteral("/usr/SYSqtapp/worldclock/worldcities.tsv")))
            && QFile::exists(VynDevice::hostPath(QStringLiteral("/usr/SYSqtapp/homescreen/az_timezone.cfg")));
    return present || VynDevice::installImage();
}

// One case a line: latitude text, longitude text, offset seconds, method number text, Unix time.
int runBatch()
{
    QTextStream in(stdin);
    QString line;
    int lineNumber = 0;
    int result = Success;
    while (in.readLineInto(&line)) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty())
            continue;
        const QStringList fields = line.split(QLatin1Char('\t'));
        QString problem;
        bool offsetOk = false;
        bool timeOk = false;
        double offset = 0;
        qint64 when = 0;
        if (fields.size() != 5) {
            problem = QStringLiteral("expected 5 TAB-separated fields, found %1").arg(fields.size());
        } else {
            offset = fields.at(2).trimmed().toDouble(&offsetOk);
            when = fields.at(4).trimmed().toLongLong(&timeOk);
            if (!offsetOk || !std::isfinite(offset) || std::fabs(offset) > largestOffset)
                problem = QStringLiteral("bad zone offset \"%1\"").arg(fields.at(2));
            else if (!timeOk || when < earliestTime || when > latestTime)
                problem = QStringLiteral("bad Unix time \"%1\"").arg(fields.at(4));
        }
        if (!problem.isEmpty()) {
            err() << "prayertimes: line " << lineNumber << ": " << problem << Qt::endl;
            out() << "error" << Qt::endl;
            result = BadBatchLine;
            continue;
        }
        // Position and method texts are taken as the deliverables take them from their files.
        PrayerTimeCalculator calculator;
        calculator.setPosition(fields.at(0), fields.at(1));
        calculator.setZoneOffsetSeconds(offset);
        calculator.setMethod(PrayerTimeCalculator::methodName(fields.at(3)));
        setClock(when);
        calculator.compute();
        out() << sixTimes(calculator).join(QLatin1Char('\t')) << Qt::endl;
    }
    return result;
}

int printHijri(const QDate &date)
{
    const HijriDate hijri = IslamicCalendar::julianDayToHijri(
            IslamicCalendar::gregorianToJulianDay(date.year(), date.month(), date.day()));
    out() << date.toString(Qt::ISODate) << ' ' << hijri.day << ' '
          << IslamicCalendar::hijriMonthName(hijri.month) << ' ' << hijri.year << Qt::endl;
    return Success;
}

int printEvents(const QDate &date, int count)
{
    const IslamicCalendar calendar;
    GregorianDate current = GregorianDate::fromDate(date);
    for (int i = 0; i < count; ++i) {
        GregorianDate next;
        QString name;
        calendar.nextIslamicEvent(current, next, name);
        out() << next.toDate().toString(Qt::ISODate) << ' ' << name << Qt::endl;
        current = next;
    }
    return Success;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("prayertimes"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
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
            "It prints the six times a line, or \"error\" for a bad line (exit status 2).\n"
            "Times are those of the local day containing the given instant."));
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

    if (!parser.parse(QCoreApplication::arguments()))
        return fail(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        out() << parser.helpText();
        return Success;
    }

    const int modes = int(parser.isSet(batchOption)) + int(parser.isSet(hijriOption)) + int(parser.isSet(eventsOption));
    if (modes > 1)
        return fail(QStringLiteral("--batch, --hijri and --events exclude each other"));
    if (parser.isSet(batchOption))
        return runBatch();

    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1)
        return fail(QStringLiteral("more than one date given"));
    if (!positional.isEmpty() && parser.isSet(dateOption))
        return fail(QStringLiteral("give the date either as an argument or with --date"));
    QString dateText = positional.isEmpty() ? parser.value(dateOption) : positional.first();

    QDate first = ZSystemClock::currentDateTime().date();
    QDate last = first;
    if (!dateText.isEmpty() && !parseDate(dateText, first))
        return fail(QStringLiteral("bad date \"%1\" (use YYYY-MM-DD)").arg(dateText));
    last = first;

    if (parser.isSet(hijriOption))
        return printHijri(first);
    if (parser.isSet(eventsOption)) {
        bool ok = false;
        const int count = parser.value(countOption).toInt(&ok);
        if (!ok || count < 1 || count > 10000)
            return fail(QStringLiteral("bad --count \"%1\" (1 to 10000)").arg(parser.value(countOption)));
        return printEvents(first, count);
    }

    if (parser.isSet(fromOption) || parser.isSet(toOption)) {
        if (!dateText.isEmpty())
            return fail(QStringLiteral("give either a date or --from/--to"));
        if (!parser.isSet(fromOption) || !parser.isSet(toOption))
            return fail(QStringLiteral("--from and --to go together"));
        if (!parseDate(parser.value(fromOption), first))
            return fail(QStringLiteral("bad date \"%1\" (use YYYY-MM-DD)").arg(parser.value(fromOption)));
        if (!parseDate(parser.value(toOption), last))
            return fail(QStringLiteral("bad date \"%1\" (use YYYY-MM-DD)").arg(parser.value(toOption)));
        if (last < first)
            return fail(QStringLiteral("--to is before --from"));
    }

    QString methodName;
    if (!parseMethod(parser.value(methodOption), methodName))
        return fail(QStringLiteral("unknown method \"%1\"").arg(parser.value(methodOption)));

    const bool byCity = parser.isSet(cityOption);
    const bool byPosition = parser.isSet(latOption) || parser.isSet(lonOption) || parser.isSet(offsetOption);
    if (byCity == byPosition)
        return fail(QStringLiteral("give either --city NAME or --lat, --lon and --offset"));

    PrayerTimeCalculator calculator;
    calculator.setMethod(methodName);
    double offset = 0;
    const WORLDCLOCK_Service *service = nullptr;
    const QString city = parser.value(cityOption);
    QString header;
    if (byCity) {
        if (!ensureDeviceData())
            return fail(QStringLiteral("cannot install the device image into %1").arg(VynDevice::root()));
        service = WORLDCLOCK_Service::getInstance();
        WORLDCLOCK_CityInfo info;
        if (!service || !service->getCityInfo(city, info))
            return fail(QStringLiteral("unknown city \"%1\"").arg(city));
        CityTable table;
        QString latitudeText;
        QString longitudeText;
        if (!table.lookUp(city, latitudeText, longitudeText))
            return fail(QStringLiteral("city \"%1\" has no position in the city table").arg(city));
        calculator.setPosition(latitudeText, longitudeText);
        header = QStringLiteral("%1 (%2 %3), method %4").arg(city, latitudeText, longitudeText, methodName);
    } else {
        const QString latitudeText = parser.value(latOption);
        const QString longitudeText = parser.value(lonOption);
        if (!parser.isSet(latOption) || !parser.isSet(lonOption) || !parser.isSet(offsetOption))
            return fail(QStringLiteral("--lat, --lon and --offset go together"));
        if (!checkPosition(latitudeText, QStringLiteral("NS"), 90))
            return fail(QStringLiteral("bad latitude \"%1\" (e.g. 24.28N)").arg(latitudeText));
        if (!checkPosition(longitudeText, QStringLiteral("EW"), 180))
            return fail(QStringLiteral("bad longitude \"%1\" (e.g. 054.22E)").arg(longitudeText));
        bool ok = false;
        offset = parser.value(offsetOption).toDouble(&ok);
        if (!ok || !std::isfinite(offset) || std::fabs(offset) > largestOffset)
            return fail(QStringLiteral("bad --offset \"%1\" (seconds, -86400 to 86400)").arg(parser.value(offsetOption)));
        calculator.setPosition(latitudeText, longitudeText);
        calculator.setZoneOffsetSeconds(offset);
        header = QStringLiteral("%1 %2, offset %3 s, method %4").arg(latitudeText, longitudeText).arg(offset).arg(methodName);
    }

    out() << "# " << header << Qt::endl;
    out() << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                     .arg(QStringLiteral("Date"), -10)
                     .arg(QStringLiteral("Fajr"), -7)
                     .arg(QStringLiteral("Sunrise"), -7)
                     .arg(QStringLiteral("Dhuhr"), -7)
                     .arg(QStringLiteral("Asr"), -7)
                     .arg(QStringLiteral("Maghrib"), -7)
                     .arg(QStringLiteral("Ishaa"), -7)
                     .arg(byCity ? QStringLiteral("Offset") : QString())
                     .trimmed()
          << Qt::endl;
    // Counted in day numbers: stepping a QDate past 9999-12-31 would never end.
    for (qint64 day = first.toJulianDay(); day <= last.toJulianDay(); ++day) {
        const QDate date = QDate::fromJulianDay(day);
        if (byCity) {
            // The city's offset on that day, daylight saving included.
            WORLDCLOCK_CityInfo info;
            setClock(localNoon(date, 0));
            service->getCityInfo(city, info);
            offset = double(info.gmtHours * 3600 + info.gmtMinutes * 60 + info.gmtSeconds);
            setClock(localNoon(date, offset));
            service->getCityInfo(city, info);
            offset = double(info.gmtHours * 3600 + info.gmtMinutes * 60 + info.gmtSeconds);
            calculator.setZoneOffsetSeconds(offset);
        }
        setClock(localNoon(date, offset));
        calculator.compute();
        QString row = date.toString(Qt::ISODate);
        for (const QString &time : sixTimes(calculator))
            row += QStringLiteral(" %1").arg(time, -7);
        if (byCity)
            row += QStringLiteral(" %1").arg(qint64(offset));
        out() << row.trimmed() << Qt::endl;
    }
    return Success;
}
