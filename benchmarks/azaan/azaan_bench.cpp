// azaan_bench: cost of the Azaan view's minute tick and of one paint of the view, in µs per
// operation, and the resident memory the plugin adds to a bare host.
#include <azaansettings.h>
#include <fakepluginsite.h>
#include <hsplugin.h>
#include <hspluginhost.h>
#include <hspluginlibrary.h>
#include <vyndevice.h>
#include <zsystemclock.h>

#include <QApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QHash>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

#include <functional>
#include <sys/stat.h>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    // /proc files report no size: read them whole, not up to their end.
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

void settle()
{
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

// Every file under the device root with what changes when it is written (replaced files get
// a new inode).
QHash<QString, QByteArray> fileStamps(const QString &root)
{
    QHash<QString, QByteArray> stamps;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        struct stat info;
        if (stat(QFile::encodeName(path).constData(), &info) != 0)
            continue;
        stamps.insert(path, QByteArray::number(qulonglong(info.st_ino)) + ':'
                                    + QByteArray::number(qlonglong(info.st_mtim.tv_sec)) + '.'
                                    + QByteArray::number(qlonglong(info.st_mtim.tv_nsec)) + ':'
                                    + QByteArray::number(qlonglong(info.st_size)));
    }
    return stamps;
}

int changedFiles(const QHash<QString, QByteArray> &before, const QHash<QString, QByteArray> &after)
{
    int changed = 0;
    for (auto it = after.constBegin(); it != after.constEnd(); ++it) {
        if (before.value(it.key()) != it.value())
            ++changed;
    }
    return changed;
}

void report(const char *name, int iterations, const std::function<void()> &operation)
{
    operation(); // warm-up: files, caches, lazy instances
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < iterations; ++i)
        operation();
    const double micros = timer.nsecsElapsed() / 1000.0 / iterations;
    QTextStream(stdout) << QStringLiteral("%1 %2 µs/op (%3 ops)\n").arg(QLatin1String(name), -36).arg(micros, 10, 'f', 2).arg(iterations);
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

    // Every row on, the alert too: a tick does all its work.
    AzaanSettings *settings = AzaanSettings::instance();
    for (auto setter : { &AzaanSettings::setEnabled, &AzaanSettings::setPrayer, &AzaanSettings::setMessage,
                         &AzaanSettings::setCalendar, &AzaanSettings::setEvent, &AzaanSettings::setMedia })
        (settings->*setter)(QStringLiteral("1"));
    settings->setAlert(QStringLiteral("3"));
    ZSystemClock::setFixed(QDateTime(QDate(2024, 3, 11), QTime(13, 10, 0)));
    settle();

    FakePluginSite site;
    site.screen()->show();
    site.containerWidget()->show();
    settle();
    const long bareKiB = residentKiB();

    HSPluginLibrary library(QStringLiteral(VYN_BENCH_LIB_DIR "/libazaan_plugin.so"));
    if (!library.isLoaded()) {
        QTextStream(stderr) << "azaan_bench: " << library.errorString() << "\n";
        return 1;
    }
    HSPlugin *plugin = library.createInstance(&site);
    QWidget *container = site.containerWidget();
    container->setGeometry(plugin->geometry(QRect(0, 0, 320, 214)));
    plugin->initialize();
    plugin->activate();
    container->repaint();
    settle();
    const long activeKiB = residentKiB();

    QObject *object = dynamic_cast<QObject *>(plugin);
    report("minute tick (slotUpdatePerMin)", 200, [object] {
        QMetaObject::invokeMethod(object, "slotUpdatePerMin");
    });
    report("paint of the view (repaint)", 2000, [container] { container->repaint(); });

    // An idle minute changes nothing, so it should write nothing: ticks within one hour.
    const int ticks = 20;
    int written = 0;
    for (int i = 0; i < ticks; ++i) {
        ZSystemClock::setFixed(QDateTime(QDate(2024, 3, 11), QTime(13, 20 + i, 0)));
        const QHash<QString, QByteArray> before = fileStamps(root.path());
        QMetaObject::invokeMethod(object, "slotUpdatePerMin");
        settle();
        written += changedFiles(before, fileStamps(root.path()));
    }
    QTextStream(stdout) << QStringLiteral("%1 %2 files/tick (%3 ticks)\n")
                                   .arg(QStringLiteral("files written per idle minute tick"), -36)
                                   .arg(double(written) / ticks, 10, 'f', 2)
                                   .arg(ticks);

    QTextStream(stdout) << QStringLiteral("resident memory, bare host            %1 KiB\n").arg(bareKiB)
                        << QStringLiteral("resident memory, Azaan active         %1 KiB (+%2 KiB)\n")
                                   .arg(activeKiB)
                                   .arg(activeKiB - bareKiB);

    plugin->deactivate();
    library.destroyInstance(plugin);
    return 0;
}
