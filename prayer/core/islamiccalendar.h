#ifndef ISLAMICCALENDAR_H
#define ISLAMICCALENDAR_H

#include <QDate>
#include <QString>

struct GregorianDate
{
    int day = 0;
    int month = 0;
    int year = 0;

    static GregorianDate fromDate(const QDate &date) { return { date.day(), date.month(), date.year() }; }
    QDate toDate() const { return QDate(year, month, day); }
};

struct HijriDate
{
    int year = 0;
    int month = 0;
    int day = 0;
};

// Gregorian and tabular (arithmetic) Hijri dates, Julian Day numbers, and the Islamic events
// of the year. Pure computation, no state.
class IslamicCalendar
{
public:
    // Start of the day (an integer + 0.5); the Gregorian rule applies to every date.
    static double gregorianToJulianDay(int year, int month, int day);
    // Accepts either form (start of day or noon); a zeroed date for values out of range.
    static GregorianDate julianDayToGregorian(double jd);
    // Day number of noon (an integer).
    static double hijriToJulianDay(int year, int month, int day);
    // Exact inverse of hijriToJulianDay for the day containing jd; zeroed when out of range.
    static HijriDate julianDayToHijri(double jd);

    static QString gregorianMonthName(int month);
    static bool isGregorianLeapYear(int year);
    static QString hijriMonthName(int month);
    static bool isHijriLeapYear(int year);

    // The next event strictly after date, with its translated name.
    void nextIslamicEvent(const GregorianDate &date, GregorianDate &eventDate, QString &eventName) const;
};

#endif
