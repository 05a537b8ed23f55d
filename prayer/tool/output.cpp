#include "output.h"

#include <islamiccalendar.h>

#include <cstdio>

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

int printTimes(const ToolOptions &options, const ToolLocation &location)
{
    out() << "# " << location.header << '\n';
    out() << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
                     .arg(QStringLiteral("Date"), -10)
                     .arg(QStringLiteral("Fajr"), -7)
                     .arg(QStringLiteral("Sunrise"), -7)
                     .arg(QStringLiteral("Dhuhr"), -7)
                     .arg(QStringLiteral("Asr"), -7)
                     .arg(QStringLiteral("Maghrib"), -7)
                     .arg(QStringLiteral("Ishaa"), -7)
                     .arg(location.byCity ? QStringLiteral("Offset") : QString())
                     .trimmed()
          << '\n';
    PrayerLocation where = location.location;
    // Counted in day numbers: stepping a QDate past 9999-12-31 would never end.
    for (qint64 number = options.first.toJulianDay(); number <= options.last.toJulianDay(); ++number) {
        const QDate date = QDate::fromJulianDay(number);
        where.zoneOffsetSeconds = offsetOn(location, date);
        const PrayerDay day = PrayerTimeCalculator::computeDay(where, date);
        QString row = date.toString(Qt::ISODate);
        for (int time = 0; time < PrayerTimeCount; ++time)
            row += QStringLiteral(" %1").arg(day.clockText(PrayerTime(time)), -7);
        if (location.byCity)
            row += QStringLiteral(" %1").arg(qint64(where.zoneOffsetSeconds));
        out() << row.trimmed() << '\n';
    }
    out().flush();
    return Success;
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
        const QDate nextDate = next.toDate();
        // ISO dates end with year 9999; an event past it has no date to print.
        if (!nextDate.isValid() || nextDate.year() > 9999 || nextDate <= current.toDate()) {
            out().flush();
            err() << "prayertimes: no further event before the year 10000" << Qt::endl;
            return OutOfRange;
        }
        out() << nextDate.toString(Qt::ISODate) << ' ' << name << '\n';
        current = next;
    }
    out().flush();
    return Success;
}
