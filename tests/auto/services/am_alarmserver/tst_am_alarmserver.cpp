#include <am_alarmserver.h>
#include <setup_set_manager.h>

#include "testdevice.h"

#include <QProcess>
#include <QtTest>

#include <memory>

namespace {
const QUuid prayerApp("d7c961e1-43c2-4e34-aa93-360e6e83163d");
const QUuid secondId("b0cb22e0-645e-4242-a454-9c0bf4a99b54");
const QUuid otherApp("1e6b9963-24cc-41f8-bbee-a23ae761ff81");
const char alarmFile[] = "/setup/vyn_alarms.cfg";
} // namespace

// The alarm registry: what goes in comes back, in time order, in every process.
class tst_AM_AlarmServer : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_device = std::make_unique<TestDevice>(false); }
    void cleanup() { m_device.reset(); }

    void addListAndRemove();
    void keepsTimesBeyond2038();
    void sameAlarmAgainWritesNothing();
    void refusesBadAlarms_data();
    void refusesBadAlarms();
    void damagedRecordsAreSkipped();
    void secondProcessSeesTheAlarms();
    void concurrentWritersKeepEveryAlarm();

private:
    static QString ctl() { return QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"); }
    static QDateTime at(const char *iso) { return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate); }
    std::unique_ptr<TestDevice> m_device;
};

void tst_AM_AlarmServer::addListAndRemove()
{
    const QByteArray payload("line\nwith=equals\0and a zero", 27);
    QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at("2024-06-01T15:20:00"), 3, 8, QByteArray(), secondId), 0);
    QCOMPARE(AM_AlarmServer::addAlarm(otherApp, at("2024-06-01T11:00:00Z"), 0, 1, payload, QUuid()), 0);
    QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at("2024-06-01T05:00:00"), 0, 8, QByteArray(), secondId), 0);

    QList<AM_Alarm> alarms = AM_AlarmServer::alarms();
    QCOMPARE(alarms.size(), 3);
    QCOMPARE(alarms.at(0).time, at("2024-06-01T05:00:00"));
    QCOMPARE(alarms.at(0).index, 0);
    QCOMPARE(alarms.at(1).appId, otherApp);
    QCOMPARE(alarms.at(1).time, at("2024-06-01T15:00:00")); // 11:00 UTC in Dubai
    QCOMPARE(alarms.at(1).data, payload);
    QVERIFY(alarms.at(1).secondId.isNull());
    QCOMPARE(alarms.at(2).appId, prayerApp);
    QCOMPARE(alarms.at(2).time, at("2024-06-01T15:20:00"));
    QCOMPARE(alarms.at(2).index, 3);
    QCOMPARE(alarms.at(2).type, 8);
    QCOMPARE(alarms.at(2).secondId, secondId);

    QCOMPARE(AM_AlarmServer::removeAlarm(prayerApp), 0);
    alarms = AM_AlarmServer::alarms();
    QCOMPARE(alarms.size(), 1);
    QCOMPARE(alarms.at(0).appId, otherApp);
    // Nothing left to withdraw is not an error.
    QCOMPARE(AM_AlarmServer::removeAlarm(prayerApp), 0);
    QCOMPARE(AM_AlarmServer::alarms().size(), 1);
}

void tst_AM_AlarmServer::keepsTimesBeyond2038()
{
    // Past the 32-bit time_t and unsigned 32-bit second limits: the handset runs for years.
    for (const char *iso : { "2038-01-19T07:14:08", "2040-03-01T05:00:00", "2106-02-07T10:28:16" }) {
        QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at(iso), 0, 8, QByteArray(), secondId), 0);
        const QList<AM_Alarm> alarms = AM_AlarmServer::alarms();
        QCOMPARE(alarms.size(), 1);
        QCOMPARE(alarms.first().time, at(iso));
        QCOMPARE(AM_AlarmServer::removeAlarm(prayerApp), 0);
    }
}

void tst_AM_AlarmServer::sameAlarmAgainWritesNothing()
{
    const QString path = m_device->hostPath(QString::fromLatin1(alarmFile));
    QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at("2024-06-01T15:20:00"), 3, 8, QByteArray(), secondId), 0);
    const QByteArray before = [&] { QFile f(path); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    // Withdrawn and registered again in one pass: the file is not touched (a rewrite would give
    // the alarm a new group name).
    QCOMPARE(AM_AlarmServer::removeAlarm(prayerApp), 0);
    QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at("2024-06-01T15:20:00"), 3, 8, QByteArray(), secondId), 0);
    QCoreApplication::processEvents();
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);

    // A different alarm replaces the old one in one write.
    QCOMPARE(AM_AlarmServer::removeAlarm(prayerApp), 0);
    QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at("2024-06-01T18:30:00"), 4, 8, QByteArray(), secondId), 0);
    QList<AM_Alarm> alarms = AM_AlarmServer::alarms();
    QCOMPARE(alarms.size(), 1);
    QCOMPARE(alarms.first().index, 4);

    // A withdrawal alone reaches the file at the end of the event-loop pass.
    QCOMPARE(AM_AlarmServer::removeAlarm(prayerApp), 0);
    QCoreApplication::processEvents();
    const SETUP_SET_Manager reader(QString::fromLatin1(alarmFile), true);
    QVERIFY(!reader.groups().join(QLatin1Char(' ')).contains(QLatin1String("Alarm-")));
}

void tst_AM_AlarmServer::refusesBadAlarms_data()
{
    QTest::addColumn<QUuid>("appId");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QByteArray>("data");
    QTest::newRow("no application") << QUuid() << at("2024-06-01T05:00:00") << QByteArray();
    QTest::newRow("no time") << prayerApp << QDateTime() << QByteArray();
    QTest::newRow("oversized data") << prayerApp << at("2024-06-01T05:00:00") << QByteArray(1024 * 1024, 'x');
    // The registry could not write it down, and would never read it back.
    QTest::newRow("after the year 9999") << prayerApp << at("2024-06-01T05:00:00").addYears(8000) << QByteArray();
}

void tst_AM_AlarmServer::refusesBadAlarms()
{
    QFETCH(QUuid, appId);
    QFETCH(QDateTime, time);
    QFETCH(QByteArray, data);
    QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at("2024-06-01T04:00:00"), 0, 8, QByteArray(), secondId), 0);
    QVERIFY(AM_AlarmServer::addAlarm(appId, time, 1, 8, data, secondId) != 0);
    QCOMPARE(AM_AlarmServer::alarms().size(), 1);
    QVERIFY(AM_AlarmServer::removeAlarm(QUuid()) != 0);
    QCOMPARE(AM_AlarmServer::alarms().size(), 1);
}

void tst_AM_AlarmServer::damagedRecordsAreSkipped()
{
    QVERIFY(m_device->writeFile(alarmFile,
                                "\x01\x02 garbage \xff\n"
                                "[Alarm-1]\nAppId=d7c961e1-43c2-4e34-aa93-360e6e83163d\nTime=2024-06-01T01:00:00.000Z\n"
                                "Index=4\nType=8\n"
                                "[Alarm-2]\nAppId=d7c961e1-43c2-4e34-aa93-360e6e83163d\nTime=tomorrow\n"
                                "[Alarm-3]\nAppId=not-a-uuid\nTime=2024-06-01T02:00:00.000Z\n"
                                "[Other]\nAppId=d7c961e1-43c2-4e34-aa93-360e6e83163d\nTime=2024-06-01T03:00:00.000Z\n"));
    QList<AM_Alarm> alarms = AM_AlarmServer::alarms();
    QCOMPARE(alarms.size(), 1);
    QCOMPARE(alarms.at(0).time, at("2024-06-01T05:00:00"));
    QCOMPARE(alarms.at(0).index, 4);

    // Writing next to damaged records keeps the good one.
    QCOMPARE(AM_AlarmServer::addAlarm(otherApp, at("2024-06-01T06:00:00"), 0, 1, QByteArray(), QUuid()), 0);
    alarms = AM_AlarmServer::alarms();
    QCOMPARE(alarms.size(), 2);
    QCOMPARE(alarms.at(0).appId, prayerApp);
}

void tst_AM_AlarmServer::secondProcessSeesTheAlarms()
{
    QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at("2024-06-01T15:20:00"), 3, 8, QByteArray(), secondId), 0);
    QCOMPARE(AM_AlarmServer::addAlarm(otherApp, at("2024-06-01T09:00:00"), 1, 2, QByteArray(), QUuid()), 0);

    QProcess list;
    list.start(ctl(), { "alarms" });
    QVERIFY(list.waitForFinished(20000));
    QCOMPARE(list.exitCode(), 0);
    QCOMPARE(list.readAllStandardOutput(),
             QByteArray("2024-06-01T09:00:00\t1e6b9963-24cc-41f8-bbee-a23ae761ff81\t1\t2\n"
                        "2024-06-01T15:20:00\td7c961e1-43c2-4e34-aa93-360e6e83163d\t3\t8\n"));

    QCOMPARE(QProcess::execute(ctl(), { "alarms", "remove", "{D7C961E1-43C2-4E34-AA93-360E6E83163D}" }), 0);
    const QList<AM_Alarm> alarms = AM_AlarmServer::alarms();
    QCOMPARE(alarms.size(), 1);
    QCOMPARE(alarms.at(0).appId, otherApp);
}

void tst_AM_AlarmServer::concurrentWritersKeepEveryAlarm()
{
    const int processes = 4;
    const int ownAlarms = 20;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int i = 0; i < processes; ++i) {
        writers.push_back(std::make_unique<QProcess>());
        writers.back()->start(ctl(), { "alarms", "add", otherApp.toString(), "2024-06-01T12:00:00",
                                       "--index", QString::number(100 + i), "--type", "8" });
    }
    for (int i = 0; i < ownAlarms; ++i)
        QCOMPARE(AM_AlarmServer::addAlarm(prayerApp, at("2024-06-01T10:00:00").addSecs(i), i, 8, QByteArray(), secondId), 0);
    for (const auto &writer : writers) {
        QVERIFY(writer->waitForFinished(20000));
        QCOMPARE(writer->exitCode(), 0);
    }

    QSet<int> indexes;
    for (const AM_Alarm &alarm : AM_AlarmServer::alarms())
        indexes.insert(alarm.index);
    QCOMPARE(indexes.size(), processes + ownAlarms);
    for (int i = 0; i < processes; ++i)
        QVERIFY(indexes.contains(100 + i));
}

QTEST_GUILESS_MAIN(tst_AM_AlarmServer)
#include "tst_am_alarmserver.moc"
