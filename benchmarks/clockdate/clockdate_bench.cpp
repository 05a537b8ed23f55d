// clockdate_bench: cost of one clock redraw, one date redraw and one paint of each, in µs, and
// what an idle minute costs: redraws counted over simulated minutes and over real seconds.
#include <homescreenhost.h>
#include <hsplugin.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <vyndevice.h>
#include <zsystemclock.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

void report(const char *name, int iterations, const std::function<void()> &operation)
{
    operation(); // warm-up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i)
        operation();
    const double micros = timer.nsecsElapsed() / 1000.0 / iterations;
    QTextStream(stdout) << QStringLiteral("%1 %2 µs/op (%3 ops)\n").arg(QLatin1String(name), -40).arg(micros, 10, 'f', 2).arg(iterations);
}

void line(const QString &name, const QString &value)
{
    QTextStream(stdout) << QStringLiteral("%1 %2\n").arg(name, -40).arg(value);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir root;
    VynDevice::setRoot(root.path());
    VynDevice::installImage();
    QDir().mkpath(root.filePath(QStringLiteral("setup")));
    QFile config(root.filePath(QStringLiteral("usr/SYSqtapp/homescreen/bench_hsframework.cfg")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write("[Plugins]\nList=libclock_plugin.so;libdate_plugin.so\n");
    config.close();
    ZSystemClock::setFixed(QDateTime(QDate(2024, 3, 11), QTime(10, 9, 30)));

    HomeScreenHost host({ QStringLiteral("/usr/SYSqtapp/homescreen/bench_hsframework.cfg"),
                          QStringLiteral(VYN_BENCH_LIB_DIR) });
    host.start();
    host.show();
    settle();
    QObject *date = dynamic_cast<QObject *>(host.plugin(QStringLiteral("Date")));
    QObject *clockPlugin = dynamic_cast<QObject *>(host.plugin(QStringLiteral("Clock")));
    QWidget *clockBox = host.container(QStringLiteral("Clock"));
    QWidget *clock = clockBox ? clockBox->findChild<QWidget *>(QStringLiteral("ClockWidget")) : nullptr;
    QWidget *dateBox = host.container(QStringLiteral("Date"));
    if (!date || !clockPlugin || !clock || !dateBox) {
        QTextStream(stderr) << "clockdate_bench: the plugins did not load from " << VYN_BENCH_LIB_DIR << "\n";
        return 1;
    }

    report("clock redraw (buffer, no paint)", 2000, [clock] { QMetaObject::invokeMethod(clock, "slotUpdate"); });
    report("date redraw (buffer, no paint)", 2000, [date] { QMetaObject::invokeMethod(date, "slotUpdatePerSec"); });
    report("clock paint (one blit)", 2000, [clock] { clock->repaint(); });
    report("date paint (one blit)", 2000, [dateBox] { dateBox->repaint(); });

    auto redraws = [](QObject *object) { return object->property("redrawCount").toInt(); };
    QTimer *clockTimer = clockPlugin->findChild<QTimer *>(QStringLiteral("minuteTimer"));
    QTimer *dateTimer = date->findChild<QTimer *>(QStringLiteral("minuteTimer"));

    // Simulated idle minutes: each timer fires as its minute comes round.
    const int minutes = 60;
    const int clockBefore = redraws(clock);
    const int dateBefore = redraws(date);
    for (int minute = 0; minute < minutes; ++minute) {
        ZSystemClock::setFixed(QDateTime(QDate(2024, 3, 11), QTime(10, 10 + minute, 0, 200)));
        QMetaObject::invokeMethod(clockTimer, "timeout");
        ZSystemClock::setFixed(QDateTime(QDate(2024, 3, 11), QTime(10, 10 + minute, 30)));
        QMetaObject::invokeMethod(dateTimer, "timeout");
        settle();
    }
    line(QStringLiteral("idle minute: clock redraws"),
         QString::number(double(redraws(clock) - clockBefore) / minutes, 'f', 2) + QStringLiteral(" (%1 minutes)").arg(minutes));
    line(QStringLiteral("idle minute: date redraws"),
         QString::number(double(redraws(date) - dateBefore) / minutes, 'f', 2) + QStringLiteral(" (%1 minutes)").arg(minutes));

    // Real time: seconds that cross no minute cause no redraw at all.
    const QDateTime start = QDateTime::currentDateTime();
    ZSystemClock::setOffset(start.secsTo(QDateTime(QDate(2024, 3, 11), QTime(12, 0, 5))));
    QCopChannel::send(VynChannel::System, VynMessage::TimeInfoChanged);
    settle();
    const int clockReal = redraws(clock);
    const int dateReal = redraws(date);
    QElapsedTimer wait;
    wait.start();
    while (wait.elapsed() < 3000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    line(QStringLiteral("3 real seconds mid-minute: redraws"),
         QStringLiteral("clock %1, date %2").arg(redraws(clock) - clockReal).arg(redraws(date) - dateReal));
    host.shutdown();
    return 0;
}
