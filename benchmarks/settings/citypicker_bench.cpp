// Prints how long the city picker takes to open over the full world-city data (read the cities
// and their offsets, sort them, build the rows, first paint) and to jump for a typed text.
#include <az_timezone.h>
#include <azaansettings.h>
#include <vyndevice.h>
#include <worldclock_service.h>
#include <zlistbox.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTemporaryDir root;
    VynDevice::setRoot(root.path());
    VynDevice::installImage();
    AzaanSettings::instance();

    const int rounds = 15;
    std::vector<double> opens;
    std::vector<double> jumps;
    int cities = 0;
    const QStringList texts { "c", "Dub", "kath", "z", "Abu", "Mos", "ny", "Sao" };
    for (int round = 0; round < rounds; ++round) {
        WORLDCLOCK_Service::dispose();
        QElapsedTimer timer;
        timer.start();
        AZ_TimeZone picker;
        picker.show();
        const QPixmap frame = picker.grab();
        opens.push_back(timer.nsecsElapsed() / 1e6);
        cities = picker.entries().size();
        for (const QString &text : texts) {
            timer.restart();
            picker.slotTextChanged(text);
            jumps.push_back(timer.nsecsElapsed() / 1e3);
        }
        if (frame.isNull())
            return 1;
    }
    printf("city picker over %d cities, median of %d rounds\n", cities, rounds);
    printf("  open (cities, offsets, sort, rows, first paint): %.1f ms  (goal < 50 ms)\n", median(opens));
    printf("  one jump: %.1f us  (goal < 1000 us)\n", median(jumps));
    return 0;
}
