#include <islamiccalendar.h>

#include <QCalendar>
#include <QCoreApplication>
#include <QTranslator>
#include <QtTest>

#include <climits>
#include <cmath>

namespace {

// Answers every identifier of one context with a marked text, and gives the Asr prayer's
// identifier its prayer name in the global context.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *sourceText, const char * = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "IslamicCalendar") == 0)
            return QStringLiteral("[%1]").arg(QLatin1String(sourceText));
        if (qstrcmp(context, "Global") == 0 && qstrcmp(sourceText, "TXT_RID_LIST_A_ASR") == 0)
            return QStringLiteral("Asr");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

// Hijri to day number by the 30-year-cycle arithmetic on Julian-calendar years, step by step.
qint64 hijriDayNumberByCycles(int year, int month, int day)
{
    const int c = year / 30;
    const int r = year - 30 * c;
    const int n = 354 * r + 404 * c + (11 * r + 3) / 30 + 208;
    const int q = n / 1461;
    const int g = n - 1461 * q;
    const int h = int(g / 365.2422);
    const int doy = g - int(h * 365.2422) + int(0.99 + (month - 1) * 29.5001) + day;
    int y = h + 28 * c + 4 * q + 621;
    int k = doy - 1;
    if (k > 366 && y % 4 == 0) {
        k = doy - 367;
        y += 1;
    }
    if (k > 365 && y % 4 != 0) {
        k -= 365;
        y += 1;
    }
    return qint64((y - 1) * 365.25) + k + 1721423;
}

QString text(const HijriDate &date)
{
    return QStringLiteral("%1-%2-%3").arg(date.year).arg(date.month).arg(date.day);
}

QString text(const GregorianDate &date)
{
    return QStringLiteral("%1-%2-%3").arg(date.year).arg(date.month).arg(date.day);
}

GregorianDate gregorian(const QDate &date)
{
    GregorianDate result;
    result.year = date.year();
    result.month = date.month();
    result.day = date.day();
    return result;
}

} // namespace

class tst_IslamicCalendar : public QObject
{
    Q_OBJECT

private slots:
    void everyDayMatchesQt();
    void knownDates_data();
    void knownDates();
    void hijriRoundTrip();
    void nextEvent_data();
    void nextEvent();
    void sevenEventsEachOnce();
    void eventNamesByIdentifier();
    void monthNames_data();
    void monthNames();
    void leapYears_data();
    void leapYears();
    void badInput();
};

void tst_IslamicCalendar::everyDayMatchesQt()
{
    const QCalendar islamic(QCalendar::System::IslamicCivil);
    QVERIFY(islamic.isValid());
    for (QDate date(1900, 1, 1); date <= QDate(2100, 12, 31); date = date.addDays(1)) {
        const double jd = IslamicCalendar::gregorianToJulianDay(date.year(), date.month(), date.day());
        if (jd != date.toJulianDay() - 0.5)
            QFAIL(qPrintable(QStringLiteral("%1: day %2").arg(date.toString(Qt::ISODate)).arg(jd, 0, 'f', 1)));

        // Both the start-of-day and the noon form convert back.
        const GregorianDate back = IslamicCalendar::julianDayToGregorian(jd);
        const GregorianDate backFromNoon = IslamicCalendar::julianDayToGregorian(jd + 0.5);
        const QString expected = text(gregorian(date));
        if (text(back) != expected || text(backFromNoon) != expected)
            QFAIL(qPrintable(QStringLiteral("%1 back as %2 / %3").arg(expected, text(back), text(backFromNoon))));

        const QCalendar::YearMonthDay parts = islamic.partsFromDate(date);
        const HijriDate hijri = IslamicCalendar::julianDayToHijri(jd);
        if (hijri.year != parts.year || hijri.month != parts.month || hijri.day != parts.day)
            QFAIL(qPrintable(QStringLiteral("%1: Hijri %2, Qt %3-%4-%5").arg(date.toString(Qt::ISODate), text(hijri))
                                     .arg(parts.year).arg(parts.month).arg(parts.day)));
        if (IslamicCalendar::hijriToJulianDay(parts.year, parts.month, parts.day) != date.toJulianDay())
            QFAIL(qPrintable(QStringLiteral("%1: Hijri back to a wrong day").arg(date.toString(Qt::ISODate))));
    }
}

void tst_IslamicCalendar::knownDates_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<double>("julianDay");
    QTest::addColumn<int>("hijriYear");
    QTest::addColumn<int>("hijriMonth");
    QTest::addColumn<int>("hijriDay");

    QTest::newRow("1 Muharram 1445") << QDate(2023, 7, 19) << 2460144.5 << 1445 << 1 << 1;
    QTest::newRow("1 Ramadan 1445") << QDate(2024, 3, 11) << 2460380.5 << 1445 << 9 << 1;
    QTest::newRow("15 Muharram 1431") << QDate(2010, 1, 1) << 2455197.5 << 1431 << 1 << 15;
    QTest::newRow("end of Thw al-Hijjah 1427") << QDate(2007, 1, 14) << 2454114.5 << 1427 << 12 << 24;
    QTest::newRow("J2000") << QDate(2000, 1, 1) << 2451544.5 << 1420 << 9 << 24;
    // Before 1582 the Gregorian rule still holds, both ways.
    QTest::newRow("epoch of the Hijri era") << QDate(622, 7, 19) << 1948439.5 << 1 << 1 << 1;
    QTest::newRow("year 1000") << QDate(1000, 3, 1) << 2086361.5 << 390 << 3 << 15;
}

void tst_IslamicCalendar::knownDates()
{
    QFETCH(QDate, date);
    QFETCH(double, julianDay);
    QFETCH(int, hijriYear);
    QFETCH(int, hijriMonth);
    QFETCH(int, hijriDay);

    QCOMPARE(IslamicCalendar::gregorianToJulianDay(date.year(), date.month(), date.day()), julianDay);
    QCOMPARE(text(IslamicCalendar::julianDayToGregorian(julianDay)), text(gregorian(date)));
    const HijriDate hijri = IslamicCalendar::julianDayToHijri(julianDay);
    QCOMPARE(hijri.year, hijriYear);
    QCOMPARE(hijri.month, hijriMonth);
    QCOMPARE(hijri.day, hijriDay);
    QCOMPARE(IslamicCalendar::hijriToJulianDay(hijriYear, hijriMonth, hijriDay), julianDay + 0.5);
}

void tst_IslamicCalendar::hijriRoundTrip()
{
    // Every first and last day of a month, years 1 to 3000: the cycle arithmetic and the
    // inverse agree, and the last month has its 30th day exactly in leap years.
    for (int year = 1; year <= 3000; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const qint64 first = qint64(IslamicCalendar::hijriToJulianDay(year, month, 1));
            const qint64 next = month < 12 ? qint64(IslamicCalendar::hijriToJulianDay(year, month + 1, 1))
                                           : qint64(IslamicCalendar::hijriToJulianDay(year + 1, 1, 1));
            const int length = int(next - first);
            const int expectedLength = month == 12 ? (IslamicCalendar::isHijriLeapYear(year) ? 30 : 29)
                                                   : (month % 2 ? 30 : 29);
            if (length != expectedLength)
                QFAIL(qPrintable(QStringLiteral("%1-%2 has %3 days").arg(year).arg(month).arg(length)));
            for (int day : { 1, length }) {
                if (qint64(IslamicCalendar::hijriToJulianDay(year, month, day)) != hijriDayNumberByCycles(year, month, day))
                    QFAIL(qPrintable(QStringLiteral("%1-%2-%3 off the cycle arithmetic").arg(year).arg(month).arg(day)));
                const HijriDate back = IslamicCalendar::julianDayToHijri(IslamicCalendar::hijriToJulianDay(year, month, day));
                if (back.year != year || back.month != month || back.day != day)
                    QFAIL(qPrintable(QStringLiteral("%1-%2-%3 back as %4").arg(year).arg(month).arg(day).arg(text(back))));
            }
        }
    }
}

void tst_IslamicCalendar::nextEvent_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<QString>("name");

    // The chain from 1 January 2024, each result fed back.
    QTest::newRow("new year 2024") << QDate(2024, 1, 1) << QDate(2024, 3, 11) << "Start of Ramadan";
    QTest::newRow("on Start of Ramadan") << QDate(2024, 3, 11) << QDate(2024, 4, 10) << "Eid Al Fitr";
    QTest::newRow("on Eid Al Fitr") << QDate(2024, 4, 10) << QDate(2024, 6, 16) << "Waqfat Arafa";
    QTest::newRow("on Waqfat Arafa") << QDate(2024, 6, 16) << QDate(2024, 6, 17) << "Eid al Adha";
    QTest::newRow("on Eid al Adha") << QDate(2024, 6, 17) << QDate(2024, 7, 8) << "Hijra New Year";
    QTest::newRow("on Hijra New Year") << QDate(2024, 7, 8) << QDate(2024, 7, 17) << "Ashura";
    QTest::newRow("on Ashura") << QDate(2024, 7, 17) << QDate(2024, 9, 16) << "Mawlid an Nabi";
    QTest::newRow("on Mawlid an Nabi") << QDate(2024, 9, 16) << QDate(2025, 3, 1) << "Start of Ramadan";

    QTest::newRow("day before an event") << QDate(2024, 3, 10) << QDate(2024, 3, 11) << "Start of Ramadan";
    QTest::newRow("last day of the Hijri year") << QDate(2024, 7, 7) << QDate(2024, 7, 8) << "Hijra New Year";
    QTest::newRow("between Eid al Adha and year end") << QDate(2024, 6, 30) << QDate(2024, 7, 8) << "Hijra New Year";
    QTest::newRow("Gregorian year end") << QDate(2024, 12, 31) << QDate(2025, 3, 1) << "Start of Ramadan";
    QTest::newRow("30 Thw al-Hijjah of a leap year") << QDate(2026, 6, 16) << QDate(2026, 6, 17) << "Hijra New Year";
}

void tst_IslamicCalendar::nextEvent()
{
    QFETCH(QDate, from);
    QFETCH(QDate, expected);
    QFETCH(QString, name);

    const IslamicCalendar calendar;
    GregorianDate eventDate;
    QString eventName = QStringLiteral("stale text");
    calendar.nextIslamicEvent(gregorian(from), eventDate, eventName);
    QCOMPARE(text(eventDate), text(gregorian(expected)));
    QCOMPARE(eventName, name);
}

void tst_IslamicCalendar::sevenEventsEachOnce()
{
    // Seven steps from any day give the seven events once each, in date order.
    const IslamicCalendar calendar;
    for (QDate start(2020, 1, 1); start <= QDate(2032, 12, 31); start = start.addDays(1)) {
        GregorianDate current = gregorian(start);
        QDate previous = start;
        QStringList names;
        for (int i = 0; i < 7; ++i) {
            GregorianDate next;
            QString name;
            calendar.nextIslamicEvent(current, next, name);
            const QDate nextDate(next.year, next.month, next.day);
            if (!(nextDate > previous) || names.contains(name))
                QFAIL(qPrintable(QStringLiteral("from %1: %2 on %3 after %4").arg(start.toString(Qt::ISODate), name,
                                                                                  text(next), names.join(QLatin1Char(',')))));
            names << name;
            previous = nextDate;
            current = next;
        }
    }
}

void tst_IslamicCalendar::eventNamesByIdentifier()
{
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    const IslamicCalendar calendar;
    QStringList names;
    GregorianDate current = gregorian(QDate(2024, 1, 1));
    for (int i = 0; i < 7; ++i) {
        QString name;
        calendar.nextIslamicEvent(current, current, name);
        names << name;
    }
    QCoreApplication::removeTranslator(&translator);

    // Ashura has its own identifier, so a translation of the Asr prayer cannot rename it.
    QCOMPARE(names, QStringList({ "[TXT_RID_LIST_B_START_OF_RAMADAN]", "[TXT_RID_LIST_B_EID_AL_FITR]",
                                  "[TXT_RID_LIST_B_WAQFAT_ARAFA]", "[TXT_RID_LIST_B_EID_AL_ADHA]",
                                  "[TXT_RID_LIST_B_HIJIRI_NEW_YEAR]", "[TXT_RID_LIST_B_ASHURA]",
                                  "[TXT_RID_LIST_B_MAWLID_AN_NABI]" }));
}

void tst_IslamicCalendar::monthNames_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("gregorianName");
    QTest::addColumn<QString>("hijriName");

    QTest::newRow("0") << 0 << "" << "";
    QTest::newRow("1") << 1 << "January" << "Muharram";
    QTest::newRow("3") << 3 << "March" << "Rabi' I";
    QTest::newRow("8") << 8 << "August" << "Sha'ban";
    QTest::newRow("11") << 11 << "November" << "Thw al-Qi'dah";
    QTest::newRow("12") << 12 << "December" << "Thw al-Hijjah";
    QTest::newRow("13") << 13 << "" << "";
    QTest::newRow("negative") << -1 << "" << "";
}

void tst_IslamicCalendar::monthNames()
{
    QFETCH(int, month);
    QFETCH(QString, gregorianName);
    QFETCH(QString, hijriName);

    QCOMPARE(IslamicCalendar::gregorianMonthName(month), gregorianName);
    QCOMPARE(IslamicCalendar::hijriMonthName(month), hijriName);
}

void tst_IslamicCalendar::leapYears_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<bool>("gregorianLeap");
    QTest::addColumn<bool>("hijriLeap");

    // Hijri leap years are 2, 5, 7, 10, 13, 16, 18, 21, 24, 26 and 29 of each 30-year cycle.
    QTest::newRow("1900") << 1900 << false << true;
    QTest::newRow("2000") << 2000 << true << false;
    QTest::newRow("1445") << 1445 << false << true;
    QTest::newRow("1446") << 1446 << false << false;
    QTest::newRow("1447") << 1447 << false << true;
    QTest::newRow("1449") << 1449 << false << false;
    QTest::newRow("1450") << 1450 << false << true;
    QTest::newRow("1440") << 1440 << true << false;
    QTest::newRow("2024") << 2024 << true << false;
    QTest::newRow("2023") << 2023 << false << true;
}

void tst_IslamicCalendar::leapYears()
{
    QFETCH(int, year);
    QFETCH(bool, gregorianLeap);
    QFETCH(bool, hijriLeap);

    QCOMPARE(IslamicCalendar::isGregorianLeapYear(year), gregorianLeap);
    QCOMPARE(IslamicCalendar::isHijriLeapYear(year), hijriLeap);
    QCOMPARE(IslamicCalendar::isGregorianLeapYear(year), QDate::isLeapYear(year));
    QCOMPARE(IslamicCalendar::isHijriLeapYear(year), QCalendar(QCalendar::System::IslamicCivil).isLeapYear(year));
}

void tst_IslamicCalendar::badInput()
{
    // Values that fit no date give zeroed dates rather than undefined conversions.
    for (double jd : { std::nan(""), HUGE_VAL, -HUGE_VAL, 1.0e300, -1.0e300 }) {
        QCOMPARE(text(IslamicCalendar::julianDayToHijri(jd)), QStringLiteral("0-0-0"));
        QCOMPARE(text(IslamicCalendar::julianDayToGregorian(jd)), QStringLiteral("0-0-0"));
    }
    QCOMPARE(text(IslamicCalendar::julianDayToGregorian(-1)), QStringLiteral("0-0-0"));
    QVERIFY(std::isfinite(IslamicCalendar::gregorianToJulianDay(INT_MAX, INT_MAX, INT_MAX)));
    QVERIFY(std::isfinite(IslamicCalendar::hijriToJulianDay(INT_MIN, INT_MIN, INT_MIN)));

    // A zeroed or absurd date still yields an event, never a crash.
    const IslamicCalendar calendar;
    for (const GregorianDate &date : { GregorianDate(), GregorianDate{ INT_MAX, INT_MAX, INT_MAX } }) {
        GregorianDate eventDate;
        QString eventName;
        calendar.nextIslamicEvent(date, eventDate, eventName);
        QVERIFY(!eventName.isEmpty());
    }
}

QTEST_GUILESS_MAIN(tst_IslamicCalendar)
#include "tst_islamiccalendar.moc"
