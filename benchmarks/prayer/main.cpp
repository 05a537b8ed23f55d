// prayer_bench: cost of the prayer-time calculator and the Hijri conversion, in µs per operation.
#include <azaansettings.h>
#include <islamiccalendar.h>
#include <prayertimecalculator.h>
#include <vyndevice.h>
#include <worldclock_service.h>
#include <zsystemclock.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace {

// Keeps results alive so the work cannot be optimised away.
volatile int sink = 0;

void readSixTimes(PrayerTimeCalculator &calculator)
{
    HourMinute time;
    int sum = 0;
    sum += calculator.getFajr(time) ? time.minute : 0;
    sum += calculator.getSunrise(time) ? time.minute : 0;
    sum += calculator.getDhuhr(time) ? time.minute : 0;
    sum += calculator.getAsr(time) ? time.minute : 0;
    sum += calculator.getMaghrib(time) ? time.minute : 0;
    sum += calculator.getIshaa(time) ? time.minute : 0;
    sink = sink + sum;
}

void report(const char *name, int iterations, const std::function<void(int)> &operation)
{
    operation(0); // warm-up: files, caches, lazy instances
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i)
        operation(i);
    const double micros = timer.nsecsElapsed() / 1000.0 / iterations;
    QTextStream(stdout) << QStringLiteral("%1 %2 µs/op (%3 ops)\n").arg(QLatin1String(name), -44).arg(micros, 10, 'f', 2).arg(iterations);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    VynDevice::setRoot(root.path());
    VynDevice::installImage();
    AzaanSettings::instance(); // writes the default settings file: Abu Dhabi, first method

    const QDateTime noon(QDate(2024, 3, 11), QTime(12, 0), Qt::OffsetFromUTC, 14400);
    ZSystemClock::setFixed(noon);

    report("day from settings (loadSettings + 6 getters)", 2000, [](int) {
        PrayerTimeCalculator calculator;
        calculator.loadSettings();
        readSixTimes(calculator);
    });

    report("day from position (compute + 6 getters)", 20000, [](int) {
        PrayerTimeCalculator calculator;
        calculator.setPosition(QStringLiteral("24.28N"), QStringLiteral("054.22E"));
        calculator.setZoneOffsetSeconds(14400);
        calculator.setMethod(QStringLiteral("LEAGUE"));
        calculator.compute();
        readSixTimes(calculator);
    });

    const double firstDay = IslamicCalendar::gregorianToJulianDay(2024, 1, 1);
    report("Gregorian day to Hijri date", 1000000, [firstDay](int i) {
        const HijriDate date = IslamicCalendar::julianDayToHijri(firstDay + i % 36525);
        sink = sink + date.day;
    });

    report("a year of days for one city (365 x compute)", 20, [&noon](int) {
        PrayerTimeCalculator calculator;
        calculator.setPosition(QStringLiteral("24.28N"), QStringLiteral("054.22E"));
        calculator.setZoneOffsetSeconds(14400);
        calculator.setMethod(QStringLiteral("LEAGUE"));
        for (int day = 0; day < 365; ++day) {
            ZSystemClock::setFixed(noon.addDays(day));
            calculator.compute();
            readSixTimes(calculator);
        }
    });

    AzaanSettings::release();
    WORLDCLOCK_Service::dispose();
    ZSystemClock::reset();
    return 0;
}
