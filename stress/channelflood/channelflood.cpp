// channel_flood: floods a running home screen with channel messages and checks that it stays
// responsive and gives its memory back.
//
// Each burst: random, malformed, oversized and valid-but-expensive messages and plugin
// activate/deactivate toggles, then a run of "TimeInfoChanged". After the burst, once the host
// has gone quiet, it must answer a notice (the clock's "myFavesUIShow" -> "ClockFormatChange")
// within a second, and its resident memory must come back within the allowed growth of where it
// started. Prints one line of figures per burst; exits with 1 on the first failure.
#include <qcopchannel.h>
#include <vynchannels.h>
#include <vyndevice.h>
#include <zmsg.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

const char busPath[] = "/vyn/channel";
const char busInterface[] = "org.vyn.Channel";
const char busSignal[] = "message";

struct ProcessFigures
{
    long residentKiB = -1;
    qulonglong cpuTicks = 0;
};

ProcessFigures figures(qint64 pid)
{
    ProcessFigures result;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        // /proc files report no size: read them whole.
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmRSS:"))
                result.residentKiB = line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        // The command name may hold spaces: count the fields after its closing parenthesis.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        result.cpuTicks = fields.value(11).toULongLong() + fields.value(12).toULongLong();
    }
    return result;
}

void pump(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (timer.elapsed() < milliseconds)
            QThread::msleep(2);
    } while (timer.elapsed() < milliseconds);
}

// Waits until everything sent so far has left this process: the bus answers calls in order.
void flush()
{
    QDBusConnection::sessionBus().interface()->isServiceRegistered(QStringLiteral("org.freedesktop.DBus"));
}

class Flooder
{
public:
    explicit Flooder(quint32 seed)
        : m_random(seed)
    {
    }

    QByteArray randomBytes(int size)
    {
        QByteArray bytes(size, Qt::Uninitialized);
        for (char &c : bytes)
            c = char(m_random.bounded(256));
        return bytes;
    }

    QString randomText(int size)
    {
        QString text;
        for (int i = 0; i < size; ++i)
            text += QChar(char16_t(m_random.bounded(0x20, 0x3000)));
        return text;
    }

    static void raw(const QList<QVariant> &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(busPath), QString::fromLatin1(busInterface),
                                                         QString::fromLatin1(busSignal));
        signal.setArguments(arguments);
        QDBusConnection::sessionBus().send(signal);
    }

    static QByteArray name(const QString &plugin)
    {
        QByteArray data;
        QDataStream stream(&data, QIODevice::WriteOnly);
        stream << plugin;
        return data;
    }

    // One message of the mixed part of a burst.
    void mixed()
    {
        static const char *const channels[] = {
            VynChannel::HomeScreenFramework, VynChannel::System, VynChannel::DateTimeFormat,
            VynChannel::CalendarHomeScreen, VynChannel::Launcher, VynChannel::ClockPlugin,
            VynChannel::ClockCli, VynChannel::MyFaves, VynChannel::StatusText, VynChannel::PhoneToIdle,
            VynChannel::Phone, VynChannel::SystemSetupBroadcast, VynChannel::MessageCenter,
        };
        static const char *const messages[] = {
            VynMessage::ActivatePlugin, VynMessage::DeactivatePlugin, VynMessage::ApplyStyle,
            VynMessage::TimeInfoChanged, VynMessage::CellBroadcast, VynMessage::StkIdleText,
            VynMessage::KeypadLock, VynMessage::TapiEvent, VynMessage::PhoneStateChanged,
            VynMessage::ShowWallPaper, VynMessage::Digital, VynMessage::Analog,
            VynMessage::TimeFormatChanged, VynMessage::CalendarAlarm, VynMessage::AzaanSettingsChanged,
        };
        static const char *const plugins[] = { "Clock", "Date", "Azaan", "StatusText", "Shortcut", "" };
        const QString channel = QString::fromLatin1(channels[m_random.bounded(int(std::size(channels)))]);
        const QString message = QString::fromLatin1(messages[m_random.bounded(int(std::size(messages)))]);
        switch (m_random.bounded(10)) {
        case 0: // wrong argument types and counts
            switch (m_random.bounded(4)) {
            case 0:
                raw({ channel, message });
                break;
            case 1:
                raw({ m_random.bounded(1000), message, randomBytes(8) });
                break;
            case 2:
                raw({ channel, message, randomText(8) });
                break;
            default:
                raw({ channel, message, randomBytes(4), randomBytes(4) });
            }
            ++malformed;
            break;
        case 1: // random names
            raw({ randomText(m_random.bounded(1, 64)), randomText(m_random.bounded(1, 64)),
                  randomBytes(m_random.bounded(64)) });
            ++randomCount;
            break;
        case 2: // known names, garbage payloads
        case 3:
            raw({ channel, message, randomBytes(m_random.bounded(256)) });
            ++randomCount;
            break;
        case 4: // plugin toggles
            raw({ QString::fromLatin1(VynChannel::HomeScreenFramework),
                  QString::fromLatin1(m_random.bounded(2) ? VynMessage::ActivatePlugin : VynMessage::DeactivatePlugin),
                  name(QString::fromLatin1(plugins[m_random.bounded(int(std::size(plugins)))])) });
            ++toggles;
            break;
        case 5: // valid and expensive: new theme, new formats, settings changed
            switch (m_random.bounded(4)) {
            case 0:
                raw({ QString::fromLatin1(VynChannel::System), QString::fromLatin1(VynMessage::ApplyStyle), QByteArray() });
                break;
            case 1:
                raw({ QString::fromLatin1(VynChannel::DateTimeFormat), QString::fromLatin1(VynMessage::TimeFormatChanged),
                      QByteArray() });
                break;
            case 2:
                raw({ QString::fromLatin1(VynChannel::SystemSetupBroadcast),
                      QString::fromLatin1(VynMessage::AzaanSettingsChanged), QByteArray() });
                break;
            default:
                raw({ QString::fromLatin1(VynChannel::Phone), QString::fromLatin1(VynMessage::PhoneStateChanged),
                      QByteArray() });
            }
            ++expensive;
            break;
        case 6: // rarely, payloads at and over the largest a receiver accepts
            if (m_random.bounded(20) == 0) {
                raw({ channel, message, randomBytes(1024 * 1024 + int(m_random.bounded(2))) });
                ++oversized;
                break;
            }
            Q_FALLTHROUGH();
        default: // unknown messages on known channels
            raw({ channel, randomText(m_random.bounded(1, 32)), QByteArray() });
            ++randomCount;
        }
    }

    static void valid()
    {
        QCopChannel::send(VynChannel::System, VynMessage::TimeInfoChanged);
    }

    static void activateAll()
    {
        for (const char *plugin : { "StatusText", "Clock", "Date", "Azaan", "Shortcut" })
            raw({ QString::fromLatin1(VynChannel::HomeScreenFramework), QString::fromLatin1(VynMessage::ActivatePlugin),
                  name(QString::fromLatin1(plugin)) });
    }

    int malformed = 0;
    int randomCount = 0;
    int toggles = 0;
    int expensive = 0;
    int oversized = 0;

private:
    QRandomGenerator m_random;
};

// Sends the notice and waits for the clock's answer; the time it took, or -1.
qint64 probe(QCopChannel &answers, int timeoutMs)
{
    bool answered = false;
    const QMetaObject::Connection connection
            = QObject::connect(&answers, &QCopChannel::received, [&answered](const QCString &message) {
                  if (message == VynMessage::ClockFormatChange)
                      answered = true;
              });
    QElapsedTimer timer;
    timer.start();
    QCopChannel::send(VynChannel::MyFaves, VynMessage::MyFavesShown);
    while (!answered && timer.elapsed() < timeoutMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!answered)
            QThread::msleep(1);
    }
    QObject::disconnect(connection);
    return answered ? timer.elapsed() : -1;
}

// Waits until the host used no CPU for a while (it has read and handled everything), at most
// the given time; the milliseconds it took.
qint64 waitQuiet(qint64 pid, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    qulonglong last = figures(pid).cpuTicks;
    int quiet = 0;
    while (timer.elapsed() < timeoutMs && quiet < 3) {
        pump(100);
        const qulonglong now = figures(pid).cpuTicks;
        quiet = now == last ? quiet + 1 : 0;
        last = now;
    }
    return timer.elapsed();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("channel_flood"));
    // Figures appear as they come, also when a pipe reads them.
    setvbuf(stdout, nullptr, _IOLBF, 0);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Floods vyn-homescreen with channel messages; prints figures per burst."));
    parser.addHelpOption();
    const QCommandLineOption burstsOption(QStringLiteral("bursts"), QStringLiteral("Number of bursts."), QStringLiteral("N"),
                                          QStringLiteral("4"));
    const QCommandLineOption mixedOption(QStringLiteral("mixed"), QStringLiteral("Random, malformed and expensive messages per burst."),
                                         QStringLiteral("N"), QStringLiteral("20000"));
    const QCommandLineOption validOption(QStringLiteral("valid"), QStringLiteral("\"TimeInfoChanged\" messages per burst."),
                                         QStringLiteral("N"), QStringLiteral("5000"));
    const QCommandLineOption memoryOption(QStringLiteral("memory-slack"),
                                          QStringLiteral("Allowed growth of the host's memory after a burst, in MB."),
                                          QStringLiteral("MB"), QStringLiteral("10"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("N"),
                                        QStringLiteral("1"));
    const QCommandLineOption hostOption(QStringLiteral("host"), QStringLiteral("The host program."), QStringLiteral("PATH"),
                                        QStringLiteral(VYN_STRESS_BIN_DIR "/vyn-homescreen"));
    parser.addOptions({ burstsOption, mixedOption, validOption, memoryOption, seedOption, hostOption });
    parser.process(app);

    if (!QDBusConnection::sessionBus().isConnected()) {
        fprintf(stderr, "channel_flood: no session bus (run under dbus-run-session)\n");
        return 2;
    }
    QTemporaryDir root;
    VynDevice::setRoot(root.path());
    VynDevice::installImage();

    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYN_DEVICE_ROOT"), root.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("VYN_HEADLESS_OUTPUT"));
    // Every rejected message is logged: that is the host's business, not this program's output.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.warning=false"));
    host.setProcessEnvironment(environment);
    host.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    host.setStandardOutputFile(QProcess::nullDevice());
    host.start(parser.value(hostOption), {});
    if (!host.waitForStarted()) {
        fprintf(stderr, "channel_flood: cannot start %s\n", qPrintable(parser.value(hostOption)));
        return 2;
    }
    const qint64 pid = host.processId();
    QCopChannel answers(VynChannel::ClockPlugin);
    // Up when the clock answers.
    qint64 started = -1;
    for (int attempt = 0; attempt < 60 && started < 0; ++attempt)
        started = probe(answers, 500);
    if (started < 0) {
        fprintf(stderr, "channel_flood: the host never answered\n");
        host.kill();
        return 2;
    }
    waitQuiet(pid, 10000);
    const long baseline = figures(pid).residentKiB;
    printf("host pid %lld, resident %.1f MB at start\n", qlonglong(pid), baseline / 1024.0);
    printf("burst  mixed  malformed  toggles  expensive  oversized  valid  send-ms  peak-MB  quiet-ms  answer-ms  after-MB\n");

    Flooder flooder(parser.value(seedOption).toUInt());
    const int bursts = parser.value(burstsOption).toInt();
    const int mixed = parser.value(mixedOption).toInt();
    const int valid = parser.value(validOption).toInt();
    const long slackKiB = parser.value(memoryOption).toLong() * 1024;
    int failures = 0;
    for (int burst = 1; burst <= bursts; ++burst) {
        flooder = Flooder(parser.value(seedOption).toUInt() + quint32(burst));
        long peak = baseline;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < mixed; ++i) {
            flooder.mixed();
            if (i % 1000 == 999) {
                flush();
                peak = std::max(peak, figures(pid).residentKiB);
            }
        }
        for (int i = 0; i < valid; ++i) {
            Flooder::valid();
            if (i % 1000 == 999) {
                flush();
                peak = std::max(peak, figures(pid).residentKiB);
            }
        }
        Flooder::activateAll();
        flush();
        const qint64 sendMs = timer.elapsed();
        // Whatever the host still has to read and handle: wait until it is done, watching its memory.
        QElapsedTimer quietTimer;
        quietTimer.start();
        waitQuiet(pid, 120000);
        const qint64 quietMs = quietTimer.elapsed();
        peak = std::max(peak, figures(pid).residentKiB);
        const qint64 answer = probe(answers, 1000);
        // Memory given back may take the host a moment (its allocator, deferred deletions).
        long after = figures(pid).residentKiB;
        for (int i = 0; i < 20 && after - baseline > slackKiB; ++i) {
            pump(100);
            after = figures(pid).residentKiB;
        }
        printf("%5d  %5d  %9d  %7d  %9d  %9d  %5d  %7lld  %7.1f  %8lld  %9lld  %8.1f\n", burst,
               flooder.randomCount, flooder.malformed, flooder.toggles, flooder.expensive, flooder.oversized, valid,
               qlonglong(sendMs), peak / 1024.0, qlonglong(quietMs), qlonglong(answer), after / 1024.0);
        fflush(stdout);
        if (host.state() != QProcess::Running) {
            printf("FAIL: the host %s (exit code %d)\n",
                   host.exitStatus() == QProcess::CrashExit ? "crashed" : "ended", host.exitCode());
            return 1;
        }
        if (answer < 0) {
            printf("FAIL: the host did not answer within a second after burst %d\n", burst);
            ++failures;
        }
        if (after - baseline > slackKiB) {
            printf("FAIL: the host kept %.1f MB after burst %d\n", (after - baseline) / 1024.0, burst);
            ++failures;
        }
        if (failures)
            break;
    }
    host.terminate();
    if (!host.waitForFinished(5000))
        host.kill();
    printf("%s\n", failures ? "FAILED" : "ok");
    return failures ? 1 : 0;
}
