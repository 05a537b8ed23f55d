// Prints what the settings store and the city table cost per call.
#include <azaansettings.h>
#include <citytable.h>
#include <qcopchannel.h>
#include <vyndevice.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <functional>

namespace {

double microsecondsPerCall(int calls, const std::function<void()> &call)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < calls; ++i)
        call();
    return timer.nsecsElapsed() / 1000.0 / calls;
}

QString lastCityOfTable()
{
    QFile file(VynDevice::hostPath(QStringLiteral("/usr/SYSqtapp/homescreen/az_timezone.cfg")));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString last;
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line)) {
        if (!line.isEmpty())
            last = line.section(QLatin1Char(','), 0, 0);
    }
    return last;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir root;
    VynDevice::setRoot(root.path());
    VynDevice::installImage();

    AzaanSettings *settings = AzaanSettings::instance();
    const QString lastCity = lastCityOfTable();
    int counter = 0;

    const double reader = microsecondsPerCall(2000, [&] { settings->getCity(); });
    const double writer = microsecondsPerCall(300, [&] {
        settings->setPrayerMethod(QString::number(1 + (counter++ % 5)));
        QCoreApplication::processEvents();
    });
    QString lat;
    QString lon;
    const double lookUp = microsecondsPerCall(200, [&] { CityTable().lookUp(lastCity, lat, lon); });

    printf("settings store and city table (%s bus)\n", QCopChannel::isConnectedToBus() ? "session" : "no");
    printf("  reader call (getCity)                    %10.1f us\n", reader);
    printf("  writer call with broadcast (setMethod)   %10.1f us\n", writer);
    printf("  city-table look-up of the last city      %10.1f us  (%s: %s %s)\n", lookUp,
           qPrintable(lastCity), qPrintable(lat), qPrintable(lon));
    AzaanSettings::release();
    return 0;
}
