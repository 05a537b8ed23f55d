#include "islamiccalendar.h"

#include <zresource.h>

#include <cmath>

namespace {

// Day number of 1 Muharram 1 AH minus one (the tabular calendar's civil epoch).
const qint64 hijriEpoch = 1948439;

// Beyond this the day numbers no longer fit the date fields.
const double julianDayLimit = 1.0e9;

qint64 floorDivide(qint64 numerator, qint64 denominator)
{
    qint64 quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
        --quotient;
    return quotient;
}

qint64 hijriDayNumber(qint64 year, qint64 month, qint64 day)
{
    // Months alternate 30 and 29 days from Muharram; leap years give Thw al-Hijjah a 30th day.
    return day + floorDivide(59 * (month - 1) + 1, 2) + 354 * (year - 1)
            + floorDivide(3 + 11 * year, 30) + hijriEpoch;
}

bool dayNumberInRange(double jd)
{
    return std::isfinite(jd) && std::fabs(jd) < julianDayLimit;
}

struct IslamicEvent
{
    int month;
    int day;
    const char *id;
    const char *text;
};

// In the order they fall within a Hijri year. QT_TRANSLATE_NOOP names the lookup's context for the
// check that every shipped language translates the identifier.
const IslamicEvent events[] = {
    { 1, 1, QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_LIST_B_HIJIRI_NEW_YEAR"), "Hijra New Year" },
    { 1, 10, QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_LIST_B_ASHURA"), "Ashura" },
    { 3, 12, QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_LIST_B_MAWLID_AN_NABI"), "Mawlid an Nabi" },
    { 9, 1, QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_LIST_B_START_OF_RAMADAN"), "Start of Ramadan" },
    { 10, 1, QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_LIST_B_EID_AL_FITR"), "Eid Al Fitr" },
    { 12, 9, QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_LIST_B_WAQFAT_ARAFA"), "Waqfat Arafa" },
    { 12, 10, QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_LIST_B_EID_AL_ADHA"), "Eid al Adha" },
};

} // namespace

double IslamicCalendar::gregorianToJulianDay(int year, int month, int day)
{
    double y = year;
    double m = month;
    if (month == 1 || month == 2) {
        y -= 1;
        m += 12;
    }
    // In doubles throughout: no integer overflow whatever the input.
    const double a = std::trunc(y / 100);
    const double b = 2 - a + std::trunc(a / 4);
    return std::trunc(365.25 * (y + 4716)) + std::trunc(30.6001 * (m + 1)) + day + b - 1524.5;
}

GregorianDate IslamicCalendar::julianDayToGregorian(double jd)
{
    GregorianDate date;
    if (!dayNumberInRange(jd) || jd < 0)
        return date;
    const double z = std::trunc(jd + 0.5);
    const double f = jd + 0.5 - z;
    // Gregorian throughout, like gregorianToJulianDay, so early dates convert back unchanged.
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    const double a = z + 1 + alpha - std::floor(alpha / 4);
    const double b = a + 1524;
    const double c = std::trunc((b - 122.1) / 365.25);
    const double d = std::trunc(365.25 * c);
    const double e = std::trunc((b - d) / 30.6001);
    date.day = int(std::trunc(b - d - std::trunc(30.6001 * e) + f));
    date.month = int(e <= 13 ? e - 1 : e - 13);
    date.year = int(date.month > 2 ? c - 4716 : c - 4715);
    return date;
}

double IslamicCalendar::hijriToJulianDay(int year, int month, int day)
{
    return double(hijriDayNumber(year, month, day));
}

HijriDate IslamicCalendar::julianDayToHijri(double jd)
{
    HijriDate date;
    if (!dayNumberInRange(jd))
        return date;
    const qint64 n = qint64(std::floor(jd + 0.5));
    // Estimate the year from the mean year length, then settle it exactly.
    qint64 year = floorDivide(30 * (n - hijriEpoch - 1) + 10646, 10631);
    while (hijriDayNumber(year + 1, 1, 1) <= n)
        ++year;
    while (hijriDayNumber(year, 1, 1) > n)
        --year;
    int month = 12;
    while (month > 1 && hijriDayNumber(year, month, 1) > n)
        --month;
    date.year = int(year);
    date.month = month;
    date.day = int(n - hijriDayNumber(year, month, 1) + 1);
    return date;
}

QString IslamicCalendar::gregorianMonthName(int month)
{
    static const char *const names[] = { "January", "February", "March", "April", "May", "June",
                                         "July", "August", "September", "October", "November",
                                         "December" };
    if (month < 1 || month > 12)
        return QString();
    return QString::fromLatin1(names[month - 1]);
}

bool IslamicCalendar::isGregorianLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

QString IslamicCalendar::hijriMonthName(int month)
{
    static const char *const ids[] = {
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_MUHARRAM"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_SAFAR"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_RABI_I"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_RABI_II"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_JUMADA_I"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_JUMADA_II"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_RAJAB"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_SHABAN"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_RAMADAN"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_SHAWWAL"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_DHU_AL_QIDAH"),
        QT_TRANSLATE_NOOP("IslamicCalendar", "TXT_RID_STANDARD_DHU_AL_HIJJAH"),
    };
    static const char *const names[] = { "Muharram", "Safar", "Rabi' I", "Rabi' II", "Jumada I",
                                         "Jumada II", "Rajab", "Sha'ban", "Ramadan", "Shawwal",
                                         "Thw al-Qi'dah", "Thw al-Hijjah" };
    if (month < 1 || month > 12)
        return QString();
    return ZResource::text("IslamicCalendar", ids[month - 1], names[month - 1]);
}

bool IslamicCalendar::isHijriLeapYear(int year)
{
    const qint64 cycleYear = year - floorDivide(year, 30) * 30;
    return (11 * cycleYear + 3) % 30 > 18;
}

void IslamicCalendar::nextIslamicEvent(const GregorianDate &date, GregorianDate &eventDate,
                                       QString &eventName) const
{
    const double jd = gregorianToJulianDay(date.year, date.month, date.day);
    const int hijriYear = julianDayToHijri(jd).year;
    const double today = std::trunc(jd) + 1;

    int year = hijriYear + 1;
    const IslamicEvent *chosen = &events[0];
    for (const IslamicEvent &event : events) {
        if (hijriToJulianDay(hijriYear, event.month, event.day) > today) {
            chosen = &event;
            year = hijriYear;
            break;
        }
    }
    eventDate = julianDayToGregorian(hijriToJulianDay(year, chosen->month, chosen->day));
    eventName = ZResource::text("IslamicCalendar", chosen->id, chosen->text);
}
