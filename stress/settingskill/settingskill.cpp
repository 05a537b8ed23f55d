// settings_kill: writers of the Azaan settings, "vyn_idle.cfg" and the alarm registry, killed
// with SIGKILL at random moments (commits included), and a check of every file after each kill.
//
// The program runs a few copies of itself as writers. A writer loops forever: it picks a file,
// announces the write ("B ..."), commits it and reports it ("C ..."). Every value it writes names
// its writer and carries a check sum, so a value no writer wrote (torn, mixed, garbage) shows.
// After each kill the files must parse and round-trip, hold only such values, keep every key a
// reported commit put there and never go back behind a reported commit of a writer's own keys.
#include <am_alarmserver.h>
#include <azaansettings.h>
#include <setup_set_manager.h>
#include <vyndevice.h>

#include "inifile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

const char idleFile[] = "/setup/vyn_idle.cfg";
const char idleGroup[] = "stress";
// The Azaan keys the writers change, next to the values a new file starts with.
const char *const azaanKeys[] = { "HGM_HSA_CITY", "HGM_HSA_MSG", "HGM_HSA_ALERT_PATH" };
const char *const azaanAllKeys[] = { "HGM_HSA", "HGM_HSA_PRAYER", "HGM_HSA_MSG", "HGM_HSA_CALENDER",
                                     "HGM_HSA_EVENT", "HGM_HSA_MEDIA", "HGM_HSA_PRAYER_METHOD",
                                     "HGM_HSA_ALERT", "HGM_HSA_ALERT_PATH", "HGM_HSA_CITY" };

QString checkSum(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    return QString::number(qChecksum(QByteArrayView(bytes)), 16);
}

// "w<writer>.<sequence>.<sum of both and the key>"
QString makeValue(int writer, qint64 sequence, const QString &key)
{
    const QString head = QStringLiteral("w%1.%2").arg(writer).arg(sequence);
    return head + QLatin1Char('.') + checkSum(head + QLatin1Char('|') + key);
}

// The writer and sequence of a value some writer wrote for the key; false for anything else.
bool readValue(const QString &value, const QString &key, int *writer, qint64 *sequence)
{
    const QStringList parts = value.split(QLatin1Char('.'));
    if (parts.size() != 3 || !parts.at(0).startsWith(QLatin1Char('w')))
        return false;
    bool writerOk = false;
    bool sequenceOk = false;
    *writer = parts.at(0).mid(1).toInt(&writerOk);
    *sequence = parts.at(1).toLongLong(&sequenceOk);
    return writerOk && sequenceOk && value == makeValue(*writer, *sequence, key);
}

QUuid writerApp(int writer)
{
    return QUuid::fromString(QStringLiteral("5e1f0000-0000-4000-8000-%1").arg(writer, 12, 10, QLatin1Char('0')));
}

void report(const QByteArray &line)
{
    // One write per line, shorter than a pipe's atomic size: lines never interleave or tear.
    const QByteArray text = line + '\n';
    if (::write(STDOUT_FILENO, text.constData(), size_t(text.size())) < 0)
        _exit(3);
}

[[noreturn]] void runWriter(int writer, quint32 seed, qint64 firstSequence)
{
    QRandomGenerator random(seed);
    for (qint64 sequence = firstSequence;; ++sequence) {
        const int choice = random.bounded(10);
        if (choice < 4) {
            const char *key = azaanKeys[random.bounded(int(std::size(azaanKeys)))];
            const QString value = makeValue(writer, sequence, QString::fromLatin1(key));
            report("B azaan " + QByteArray(key));
            AzaanSettings *settings = AzaanSettings::instance();
            const bool ok = qstrcmp(key, "HGM_HSA_CITY") == 0 ? settings->setCity(value)
                    : qstrcmp(key, "HGM_HSA_MSG") == 0        ? settings->setMessage(value)
                                                              : settings->setAlertPath(value);
            if (ok)
                report("C azaan " + QByteArray(key) + ' ' + value.toLatin1());
        } else if (choice < 8) {
            // Keys of its own (rollback shows) and keys every writer shares (lost keys show).
            const QString key = random.bounded(2) ? QStringLiteral("own%1_%2").arg(writer).arg(random.bounded(8))
                                                  : QStringLiteral("shared%1").arg(random.bounded(8));
            const QString value = makeValue(writer, sequence, key);
            report("B idle " + key.toLatin1());
            SETUP_SET_Manager file(QString::fromLatin1(idleFile));
            file.setSettingInfo(QString::fromLatin1(idleGroup), key, value);
            if (file.commit())
                report("C idle " + key.toLatin1() + ' ' + value.toLatin1());
        } else if (choice < 9 || sequence % 5 != 0) {
            const QString value = makeValue(writer, sequence, QStringLiteral("alarm"));
            report("B alarm " + QByteArray::number(sequence));
            if (AM_AlarmServer::addAlarm(writerApp(writer), QDateTime(QDate(2030, 1, 1), QTime(0, 0)).addSecs((sequence % 1000000) * 60),
                                         int(sequence % 1000000), 0, value.toLatin1(), QUuid())
                == 0)
                report("C alarm " + QByteArray::number(sequence) + ' ' + value.toLatin1());
        } else {
            report("B unalarm");
            if (AM_AlarmServer::removeAlarm(writerApp(writer)) == 0 && AM_AlarmServer::flush() == 0)
                report("C unalarm");
        }
    }
}

struct Writer
{
    std::unique_ptr<QProcess> process;
    QByteArray pending;       // output not yet split into lines
    bool inCommit = false;    // last line was a "B"
    QString pendingRemoval;   // a withdrawal announced and not yet reported
};

class Checker
{
public:
    // What the reported commits promise.
    QHash<QString, QPair<int, qint64>> ownIdle;   // own key -> (writer, sequence)
    QSet<QString> idleKeys;                       // every key a commit put there
    QHash<int, QSet<qint64>> alarms;               // writer -> alarms that must be there
    QHash<int, QSet<qint64>> maybeGone;            // withdrawn, perhaps not yet written
    bool azaanCommitted = false;
    qint64 commits = 0;

    void line(int writer, Writer &state, const QByteArray &text)
    {
        const QList<QByteArray> fields = text.split(' ');
        if (fields.value(0) == "B") {
            state.inCommit = true;
            if (fields.value(1) == "unalarm")
                maybeGone[writer].unite(alarms.take(writer));
            return;
        }
        if (fields.value(0) != "C")
            return;
        state.inCommit = false;
        ++commits;
        const QByteArray what = fields.value(1);
        if (what == "azaan") {
            azaanCommitted = true;
        } else if (what == "idle") {
            const QString key = QString::fromLatin1(fields.value(2));
            idleKeys.insert(key);
            int who = 0;
            qint64 sequence = 0;
            if (key.startsWith(QLatin1String("own")) && readValue(QString::fromLatin1(fields.value(3)), key, &who, &sequence))
                ownIdle.insert(key, { who, sequence });
        } else if (what == "alarm") {
            alarms[writer].insert(fields.value(2).toLongLong());
        } else if (what == "unalarm") {
            maybeGone.remove(writer);
        }
    }

    // Faults found in the files now; each one described. The alarms present go to present:
    // a withdrawal announced while the files were read excuses a missing alarm (see lostAlarms).
    QStringList check(const QString &root, QHash<int, QSet<qint64>> *present) const
    {
        QStringList faults;
        checkIdle(root, &faults);
        checkAzaan(root, &faults);
        checkAlarms(root, &faults, present);
        return faults;
    }

    // Alarms promised before the files were read, still promised now, and not in the file.
    QStringList lostAlarms(const QHash<int, QSet<qint64>> &promised, const QHash<int, QSet<qint64>> &present) const
    {
        QStringList faults;
        for (auto it = promised.constBegin(); it != promised.constEnd(); ++it) {
            for (qint64 sequence : it.value()) {
                if (alarms.value(it.key()).contains(sequence) && !present.value(it.key()).contains(sequence))
                    faults.append(QStringLiteral("vyn_alarms.cfg: committed alarm %1 of writer %2 lost").arg(sequence).arg(it.key()));
            }
        }
        return faults;
    }

private:
    static bool parsesWhole(const QString &path, QByteArray *content, QStringList *faults)
    {
        QFile file(path);
        if (!file.exists())
            return false;
        if (!file.open(QIODevice::ReadOnly)) {
            faults->append(path + QStringLiteral(": unreadable"));
            return false;
        }
        *content = file.readAll();
        // Written whole, a file reads back to the same bytes; a torn one does not.
        if (IniFile::parse(*content).serialise() != *content) {
            faults->append(path + QStringLiteral(": does not parse back to itself (%1 bytes)").arg(content->size()));
            return false;
        }
        return true;
    }

    void checkIdle(const QString &root, QStringList *faults) const
    {
        const QString path = root + QLatin1String(idleFile);
        QByteArray content;
        if (!parsesWhole(path, &content, faults)) {
            if (!idleKeys.isEmpty() && !QFile::exists(path))
                faults->append(QStringLiteral("vyn_idle.cfg: gone after commits"));
            return;
        }
        const IniFile ini = IniFile::parse(content);
        const QString group = QString::fromLatin1(idleGroup);
        for (const QString &key : ini.keys(group)) {
            QString value;
            ini.value(group, key, &value);
            int writer = 0;
            qint64 sequence = 0;
            if (!readValue(value, key, &writer, &sequence)) {
                faults->append(QStringLiteral("vyn_idle.cfg: %1=%2 was never written").arg(key, value));
                continue;
            }
            const auto promised = ownIdle.constFind(key);
            if (promised != ownIdle.constEnd() && sequence < promised->second)
                faults->append(QStringLiteral("vyn_idle.cfg: %1 went back from %2 to %3").arg(key).arg(promised->second).arg(sequence));
        }
        for (const QString &key : idleKeys) {
            QString value;
            if (!ini.value(group, key, &value))
                faults->append(QStringLiteral("vyn_idle.cfg: committed key %1 lost").arg(key));
        }
    }

    void checkAzaan(const QString &root, QStringList *faults) const
    {
        const QString path = root + QStringLiteral("/setup/qd_azaan_hs.cfg");
        QByteArray content;
        if (!parsesWhole(path, &content, faults)) {
            if (azaanCommitted && !QFile::exists(path))
                faults->append(QStringLiteral("qd_azaan_hs.cfg: gone after commits"));
            return;
        }
        const IniFile ini = IniFile::parse(content);
        const QString group = QStringLiteral("SETTINGS");
        for (const char *key : azaanAllKeys) {
            QString value;
            if (!ini.value(group, QString::fromLatin1(key), &value)) {
                faults->append(QStringLiteral("qd_azaan_hs.cfg: key %1 lost").arg(QLatin1String(key)));
                continue;
            }
            if (!std::count_if(std::begin(azaanKeys), std::end(azaanKeys), [key](const char *k) { return qstrcmp(k, key) == 0; }))
                continue;
            int writer = 0;
            qint64 sequence = 0;
            // A new file's value, or one a writer wrote.
            const bool initial = value == QLatin1String("0") || value == QLatin1String("Abu Dhabi")
                    || value.startsWith(QLatin1String("/usr/data_resource/"));
            if (!initial && !readValue(value, QString::fromLatin1(key), &writer, &sequence))
                faults->append(QStringLiteral("qd_azaan_hs.cfg: %1=%2 was never written").arg(QLatin1String(key), value));
        }
    }

    void checkAlarms(const QString &root, QStringList *faults, QHash<int, QSet<qint64>> *presentOut) const
    {
        const QString path = root + QStringLiteral("/setup/vyn_alarms.cfg");
        QByteArray content;
        if (!parsesWhole(path, &content, faults))
            return;
        QHash<int, QSet<qint64>> &present = *presentOut;
        for (const AM_Alarm &alarm : AM_AlarmServer::alarms()) {
            int writer = 0;
            qint64 sequence = 0;
            if (!readValue(QString::fromLatin1(alarm.data), QStringLiteral("alarm"), &writer, &sequence)
                || alarm.appId != writerApp(writer)) {
                faults->append(QStringLiteral("vyn_alarms.cfg: alarm data %1 was never written").arg(QString::fromLatin1(alarm.data)));
                continue;
            }
            present[writer].insert(sequence);
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("settings_kill"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Kills settings writers with SIGKILL at random moments and checks the files after each kill."));
    parser.addHelpOption();
    const QCommandLineOption roundsOption(QStringLiteral("rounds"), QStringLiteral("Kills to deliver."), QStringLiteral("N"),
                                          QStringLiteral("10000"));
    const QCommandLineOption writersOption(QStringLiteral("writers"), QStringLiteral("Writers running at once."),
                                           QStringLiteral("N"), QStringLiteral("3"));
    const QCommandLineOption seedOption(QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("N"),
                                        QStringLiteral("1"));
    const QCommandLineOption writerOption(QStringLiteral("writer"), QStringLiteral("Run as writer N (used internally)."),
                                          QStringLiteral("N"));
    const QCommandLineOption firstOption(QStringLiteral("first"), QStringLiteral("First sequence number of a writer (used internally)."),
                                         QStringLiteral("N"), QStringLiteral("1"));
    parser.addOptions({ roundsOption, writersOption, seedOption, writerOption, firstOption });
    parser.process(app);

    if (parser.isSet(writerOption))
        runWriter(parser.value(writerOption).toInt(), parser.value(seedOption).toUInt(),
                  parser.value(firstOption).toLongLong());

    QTemporaryDir root;
    VynDevice::setRoot(root.path());
    QRandomGenerator random(parser.value(seedOption).toUInt());
    const int rounds = parser.value(roundsOption).toInt();
    const int writerCount = std::max(1, parser.value(writersOption).toInt());

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYN_DEVICE_ROOT"), root.path());
    environment.insert(QStringLiteral("VYN_LOCAL_APP_WRITE_PATH"), root.path());
    environment.insert(QStringLiteral("VYN_APP_WRITE_PATH"), root.path());
    // The writers' announcements stay inside each writer: only the files matter here.
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("unix:path=/nonexistent/bus"));
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.warning=false"));

    Checker checker;
    std::vector<Writer> writers(static_cast<size_t>(writerCount));
    int nextSeed = int(random.bounded(1000000));
    // A writer started again goes on from a later sequence, so "went back" means lost.
    qint64 lives = 0;
    auto start = [&](int index) {
        Writer &writer = writers[size_t(index)];
        writer.process = std::make_unique<QProcess>();
        writer.process->setProcessEnvironment(environment);
        writer.process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList arguments { QStringLiteral("--writer"), QString::number(index + 1), QStringLiteral("--seed"),
                                QString::number(++nextSeed), QStringLiteral("--first"),
                                QString::number(++lives * 1000000000LL) };
        // Under an emulator the writers run through it too (the emulator's pid is the writer's).
        QStringList command = QProcess::splitCommand(qEnvironmentVariable("VYN_EXEC_WRAPPER"));
        command << QCoreApplication::applicationFilePath() << arguments;
        writer.process->start(command.takeFirst(), command);
        writer.process->waitForStarted();
        writer.pending.clear();
        writer.inCommit = false;
    };
    auto drain = [&](int index) {
        Writer &writer = writers[size_t(index)];
        writer.pending += writer.process->readAllStandardOutput();
        qsizetype end;
        while ((end = writer.pending.indexOf('\n')) >= 0) {
            checker.line(index + 1, writer, writer.pending.left(end));
            writer.pending.remove(0, end + 1);
        }
    };
    for (int i = 0; i < writerCount; ++i)
        start(i);

    qint64 kills = 0;
    qint64 killsInCommit = 0;
    qint64 faults = 0;
    for (int round = 1; round <= rounds; ++round) {
        // Random moments: from right after a writer starts to well into its work.
        QThread::usleep(random.bounded(30000));
        const int victim = random.bounded(writerCount);
        Writer &writer = writers[size_t(victim)];
        if (writer.process->state() != QProcess::Running) {
            printf("round %d: writer %d ended on its own (exit code %d)\n", round, victim + 1, writer.process->exitCode());
            ++faults;
        }
        if (writer.process->processId() > 0)
            ::kill(pid_t(writer.process->processId()), SIGKILL);
        writer.process->waitForFinished(10000);
        ++kills;
        for (int i = 0; i < writerCount; ++i) {
            writers[size_t(i)].process->waitForReadyRead(0);
            drain(i);
        }
        if (writer.inCommit)
            ++killsInCommit;
        const QHash<int, QSet<qint64>> promised = checker.alarms;
        QHash<int, QSet<qint64>> present;
        QStringList found = checker.check(root.path(), &present);
        // What the running writers announced while the files were read.
        for (int i = 0; i < writerCount; ++i) {
            writers[size_t(i)].process->waitForReadyRead(0);
            drain(i);
        }
        found += checker.lostAlarms(promised, present);
        for (const QString &fault : found)
            printf("round %d: %s\n", round, qPrintable(fault));
        faults += found.size();
        if (faults > 20)
            break;
        start(victim);
        if (round % 1000 == 0) {
            printf("%d rounds, %lld kills (%lld inside a write), %lld commits, %lld faults\n", round, qlonglong(kills),
                   qlonglong(killsInCommit), qlonglong(checker.commits), qlonglong(faults));
            fflush(stdout);
        }
    }
    for (Writer &writer : writers) {
        if (writer.process->processId() > 0)
            ::kill(pid_t(writer.process->processId()), SIGKILL);
        writer.process->waitForFinished(10000);
    }
    printf("rounds %d, kills %lld, kills inside a write %lld, commits %lld, faults %lld\n",
           std::min<int>(rounds, int(kills)), qlonglong(kills), qlonglong(killsInCommit), qlonglong(checker.commits),
           qlonglong(faults));
    return faults ? 1 : 0;
}
