// shortcut_bench: cost of loading the four shortcuts over a registry of 200 applications (the
// first load reads every desktop entry; later loads read the file and the feature flag afresh
// and take the applications from the watched registry), of a reload on the settings notice, of
// one repaint of the cross and of a key that launches, in ms.
#include <hspluginshortcutsetup.h>
#include <hsscpluginwidget.h>
#include <am_appregistry.h>
#include <vynchannels.h>
#include <vyndevice.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUuid>
#include <QWidget>

#include <functional>

namespace {

const int registeredApps = 200;

void report(const char *name, int iterations, const std::function<void()> &operation)
{
    operation(); // warm-up
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i)
        operation();
    const double millis = timer.nsecsElapsed() / 1e6 / iterations;
    QTextStream(stdout) << QStringLiteral("%1 %2 ms/op (%3 ops)\n").arg(QLatin1String(name), -44).arg(millis, 9, 'f', 3).arg(iterations);
}

bool fillRegistry(const QString &root)
{
    QDir folder(root + QStringLiteral("/usr/SYSqtapp/registry"));
    const int shipped = int(folder.entryList({ QStringLiteral("*.desktop") }, QDir::Files).size());
    for (int i = shipped; i < registeredApps; ++i) {
        QFile entry(folder.filePath(QStringLiteral("bench%1.desktop").arg(i)));
        if (!entry.open(QIODevice::WriteOnly))
            return false;
        entry.write(QStringLiteral("[Desktop Entry]\nType=Application\nName=Application %1\nExec=vyn-placeholder App%1\n"
                                   "Icon=settings_std.g\nX-Vyn-AppId=%2\n")
                            .arg(i)
                            .arg(QUuid::createUuid().toString(QUuid::WithoutBraces))
                            .toUtf8());
    }
    return int(folder.entryList({ QStringLiteral("*.desktop") }, QDir::Files).size()) >= registeredApps;
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
    if (!fillRegistry(root.path())) {
        fprintf(stderr, "shortcut_bench: cannot write the registry\n");
        return 1;
    }

    QFile idle(root.filePath(QStringLiteral("setup/vyn_idle.cfg")));
    if (!QDir().mkpath(root.filePath(QStringLiteral("setup"))) || !idle.open(QIODevice::WriteOnly))
        return 1;
    idle.write("[ClockPlugin]\nClockMode=Digital\n[CustomizeSetting]\nAzaan=true\n[NaviKeyPlugin]\nShowIcons=true\n"
               "ShortcutID1=d3d37ef2-cf9e-4d24-a625-90257dfa9368\nShortcutID3=11111111-2222-3333-4444-555555555555\n");
    idle.close();

    QTextStream(stdout) << "registered applications: " << registeredApps << "\n";
    report("registry read alone (getAllAppObjects)", 50, [] { AM_AppRegistry::getAllAppObjects(); });
    report("registry instance (read and watched)", 50, [] { AM_AppRegistry registry; });
    // The first user builds the shared object: the registry is read once, then watched. Giving
    // it back (closing the watch) is timed apart: a plugin pays it when it goes, not when it
    // first shows.
    {
        QElapsedTimer build;
        QElapsedTimer release;
        qint64 built = 0;
        qint64 released = 0;
        const int rounds = 50;
        for (int i = 0; i <= rounds; ++i) {
            build.start();
            HSPluginShortcutSetup::getInstance();
            const qint64 b = build.nsecsElapsed();
            release.start();
            HSPluginShortcutSetup::releaseInstance();
            const qint64 r = release.nsecsElapsed();
            if (i > 0) { // the first round warms up
                built += b;
                released += r;
            }
        }
        QTextStream(stdout) << QStringLiteral("%1 %2 ms/op (%3 ops)\n").arg(QLatin1String("first load (registry read and watched)"), -44).arg(built / 1e6 / rounds, 9, 'f', 3).arg(rounds)
                            << QStringLiteral("%1 %2 ms/op (%3 ops)\n").arg(QLatin1String("last user gone (watch closed)"), -44).arg(released / 1e6 / rounds, 9, 'f', 3).arg(rounds);
    }
    HSPluginShortcutSetup *setup = HSPluginShortcutSetup::getInstance();
    report("load shortcuts (file, flag, registry)", 200, [setup] { setup->loadShortcuts(); });
    report("settings notice: reload and repaint signal", 200, [setup] {
        setup->slotUpdateShortcut(VynMessage::ShortcutUpdate, QByteArray());
    });

    QWidget screen;
    screen.setFixedSize(320, 240);
    QWidget container(&screen);
    container.setGeometry(setup->layout(QRect(0, 0, 320, 204)));
    HSSCQuadStylePluginWidget widget(&container);
    screen.show();
    QApplication::processEvents();
    report("repaint of the cross (buffer and paint)", 1000, [&widget] {
        widget.slotRePaint();
        widget.repaint();
    });
    int phase = 0;
    qputenv("VYN_LAUNCH_DRY_RUN", "1");
    report("key: highlight, repaint and launch", 200, [&widget, &phase] { widget.keyEvent(phase, 4115); });
    return 0;
}
