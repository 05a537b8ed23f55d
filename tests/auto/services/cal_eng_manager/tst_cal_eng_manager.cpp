#include <cal_eng_manager.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <zsystemclock.h>

#include "testdevice.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const char calendarFile[] = "/setup/vyn_calendar.ics";

QByteArray calendar(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + events + "END:VCALENDAR\r\n";
}

QByteArray vevent(const QByteArray &lines)
{
    return "BEGIN:VEVENT\r\n" + lines + "END:VEVENT\r\n";
}

QDateTime at(const char *iso)
{
    return QDateTime::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

// "start|end|subject", local times to the minute.
QStringList describe(const QList<CAL_ENG_Event> &events)
{
    QStringList result;
    for (const CAL_ENG_Event &e : events) {
        result << e.start.toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QLatin1Char('|')
                        + e.end.toString(QStringLiteral("yyyy-MM-dd HH:mm")) + QLatin1Char('|') + e.subject;
    }
    return result;
}

QByteArray noise(int size)
{
    QByteArray bytes(size, '\0');
    quint32 state = 12345;
    for (char &b : bytes) {
        state = state * 1103515245u + 12345u;
        b = char(state >> 16);
    }
    return bytes;
}

} // namespace

// Calendar entries from the iCalendar file, the home-screen alarm, and entries added by tools.
class tst_CAL_ENG_Manager : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_device = std::make_unique<TestDevice>(false); }
    void cleanup() { m_device.reset(); }

    void getEvents_data();
    void getEvents();
    void missingFileAndBadWindow();
    void expansionIsBounded();
    void hsaAlarmStoredAndRemoved();
    void hsaAlarmAnnouncedWhenDue();
    void addedEntriesReadBack();
    void entriesFromAnotherProcess();
    void addEntryRefusals_data();
    void addEntryRefusals();

private:
    static QString ctl() { return QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"); }
    std::unique_ptr<TestDevice> m_device;
};

void tst_CAL_ENG_Manager::getEvents_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QDateTime>("from");
    QTest::addColumn<QDateTime>("to");
    QTest::addColumn<QStringList>("expected");

    const QDateTime now = at("2024-06-01T10:30:00");
    const QDateTime endOfDay = at("2024-06-01T23:59:59");
    const QByteArray meeting = vevent("DTSTART:20240601T100000\r\nDTEND:20240601T110000\r\nSUMMARY:Meeting\r\n");

    QTest::newRow("meeting under way") << calendar(meeting) << now << endOfDay
                                       << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Meeting" };
    QTest::newRow("ended and later days left out")
            << calendar(vevent("DTSTART:20240601T080000\r\nDTEND:20240601T090000\r\nSUMMARY:Breakfast\r\n") + meeting
                        + vevent("DTSTART:20240602T100000\r\nDTEND:20240602T110000\r\nSUMMARY:Tomorrow\r\n"))
            << now << endOfDay << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Meeting" };
    QTest::newRow("ordered by start")
            << calendar(vevent("DTSTART:20240601T180000\r\nDTEND:20240601T190000\r\nSUMMARY:Dinner\r\n") + meeting)
            << now << endOfDay
            << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Meeting", "2024-06-01 18:00|2024-06-01 19:00|Dinner" };
    QTest::newRow("utc") << calendar(vevent("DTSTART:20240601T060000Z\r\nDTEND:20240601T070000Z\r\nSUMMARY:Call\r\n"))
                         << now << endOfDay << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Call" };
    QTest::newRow("named zone")
            << calendar(vevent("DTSTART;TZID=Europe/London:20240601T070000\r\n"
                              "DTEND;TZID=Europe/London:20240601T080000\r\nSUMMARY:London\r\n"))
            << now << endOfDay << QStringList { "2024-06-01 10:00|2024-06-01 11:00|London" };
    QTest::newRow("unknown zone reads as local")
            << calendar(vevent("DTSTART;TZID=\"Nowhere/../../etc\":20240601T100000\r\nDTEND:20240601T110000\r\n"
                              "SUMMARY:Somewhere\r\n"))
            << now << endOfDay << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Somewhere" };
    QTest::newRow("all day") << calendar(vevent("DTSTART;VALUE=DATE:20240601\r\nSUMMARY:Holiday\r\n")) << now << endOfDay
                             << QStringList { "2024-06-01 00:00|2024-06-02 00:00|Holiday" };
    QTest::newRow("several days")
            << calendar(vevent("DTSTART;VALUE=DATE:20240530\r\nDTEND;VALUE=DATE:20240603\r\nSUMMARY:Trip\r\n"))
            << now << endOfDay << QStringList { "2024-05-30 00:00|2024-06-03 00:00|Trip" };
    QTest::newRow("duration")
            << calendar(vevent("DTSTART:20240601T100000\r\nDURATION:PT1H30M\r\nSUMMARY:Talk\r\n")) << now << endOfDay
            << QStringList { "2024-06-01 10:00|2024-06-01 11:30|Talk" };
    QTest::newRow("end before start")
            << calendar(vevent("DTSTART:20240601T110000\r\nDTEND:20240601T100000\r\nSUMMARY:Odd\r\n")) << now
            << endOfDay << QStringList { "2024-06-01 11:00|2024-06-01 11:00|Odd" };

    QTest::newRow("weekly on two days, four times")
            << calendar(vevent("DTSTART:20240603T100000\r\nDTEND:20240603T110000\r\nSUMMARY:Class\r\n"
                              "RRULE:FREQ=WEEKLY;BYDAY=MO,WE;COUNT=4\r\n"))
            << at("2024-06-01T00:00:00") << at("2024-06-30T23:59:59")
            << QStringList { "2024-06-03 10:00|2024-06-03 11:00|Class", "2024-06-05 10:00|2024-06-05 11:00|Class",
                             "2024-06-10 10:00|2024-06-10 11:00|Class", "2024-06-12 10:00|2024-06-12 11:00|Class" };
    QTest::newRow("fortnightly until")
            << calendar(vevent("DTSTART:20240603T100000\r\nDTEND:20240603T110000\r\nSUMMARY:Review\r\n"
                              "RRULE:FREQ=WEEKLY;INTERVAL=2;UNTIL=20240701T000000Z\r\n"))
            << at("2024-06-01T00:00:00") << at("2024-07-31T23:59:59")
            << QStringList { "2024-06-03 10:00|2024-06-03 11:00|Review", "2024-06-17 10:00|2024-06-17 11:00|Review" };
    QTest::newRow("daily since long ago")
            << calendar(vevent("DTSTART:20000101T100000\r\nDTEND:20000101T110000\r\nSUMMARY:Standup\r\n"
                              "RRULE:FREQ=DAILY\r\n"))
            << now << endOfDay << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Standup" };
    QTest::newRow("daily count used up")
            << calendar(vevent("DTSTART:20240501T100000\r\nDTEND:20240501T110000\r\nSUMMARY:Course\r\n"
                              "RRULE:FREQ=DAILY;COUNT=10\r\n"))
            << now << endOfDay << QStringList();
    QTest::newRow("weekdays only")
            << calendar(vevent("DTSTART:20240531T100000\r\nDTEND:20240531T110000\r\nSUMMARY:Work\r\n"
                              "RRULE:FREQ=DAILY;BYDAY=MO,TU,WE,TH,FR\r\n"))
            << at("2024-06-01T00:00:00") << at("2024-06-03T23:59:59")
            << QStringList { "2024-06-03 10:00|2024-06-03 11:00|Work" };
    QTest::newRow("monthly on the 31st")
            << calendar(vevent("DTSTART:20240131T090000\r\nDTEND:20240131T093000\r\nSUMMARY:Rent\r\n"
                              "RRULE:FREQ=MONTHLY\r\n"))
            << at("2024-02-01T00:00:00") << at("2024-06-30T23:59:59")
            << QStringList { "2024-03-31 09:00|2024-03-31 09:30|Rent", "2024-05-31 09:00|2024-05-31 09:30|Rent" };
    QTest::newRow("yearly all day")
            << calendar(vevent("DTSTART;VALUE=DATE:20200601\r\nSUMMARY:Birthday\r\nRRULE:FREQ=YEARLY\r\n")) << now
            << endOfDay << QStringList { "2024-06-01 00:00|2024-06-02 00:00|Birthday" };
    QTest::newRow("rule not understood: first occurrence only")
            << calendar(vevent("DTSTART:20240611T100000\r\nDTEND:20240611T110000\r\nSUMMARY:Board\r\n"
                              "RRULE:FREQ=MONTHLY;BYDAY=2TU\r\n"))
            << at("2024-06-01T00:00:00") << at("2024-08-31T23:59:59")
            << QStringList { "2024-06-11 10:00|2024-06-11 11:00|Board" };

    QTest::newRow("folded and escaped subject")
            << calendar(vevent("DTSTART:20240601T100000\r\nDTEND:20240601T110000\r\n"
                              "SUMMARY:Caf\xc3\r\n \xa9\\, talk\\; plan\\\\\r\n\tnow\\nnext\r\n"))
            << now << endOfDay << QStringList { QString::fromUtf8("2024-06-01 10:00|2024-06-01 11:00|Café, talk; plan\\now\nnext") };
    QTest::newRow("plain line ends, lower-case names")
            << QByteArray("begin:vcalendar\nbegin:vevent\ndtstart:20240601T100000\ndtend:20240601T110000\n"
                          "summary:Quiet\nend:vevent\nend:vcalendar\n")
            << now << endOfDay << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Quiet" };
    QTest::newRow("alarm inside is not the entry")
            << calendar(vevent("DTSTART:20240601T100000\r\nDTEND:20240601T110000\r\n"
                              "BEGIN:VALARM\r\nSUMMARY:Reminder\r\nDTSTART:20240601T090000\r\nEND:VALARM\r\n"
                              "SUMMARY:Meeting\r\n"))
            << now << endOfDay << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Meeting" };
    QTest::newRow("cancelled and startless entries skipped")
            << calendar(vevent("DTSTART:20240601T120000\r\nSTATUS:CANCELLED\r\nSUMMARY:Off\r\n")
                        + vevent("DTEND:20240601T110000\r\nSUMMARY:No start\r\n")
                        + vevent("DTSTART:2024-06-01 13:00\r\nSUMMARY:Bad start\r\n") + meeting)
            << now << endOfDay << QStringList { "2024-06-01 10:00|2024-06-01 11:00|Meeting" };

    QTest::newRow("not a calendar") << QByteArray("hello\n" + meeting) << now << endOfDay << QStringList();
    QTest::newRow("binary") << noise(64 * 1024) << now << endOfDay << QStringList();
    QTest::newRow("binary after a header") << QByteArray("BEGIN:VCALENDAR\r\n" + noise(4096)) << now << endOfDay
                                           << QStringList();
    QTest::newRow("cut short") << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20240601T100000\r\n") << now
                               << endOfDay << QStringList();
    QTest::newRow("nested too deep") << QByteArray("BEGIN:VCALENDAR\r\n").repeated(500) + meeting << now << endOfDay
                                     << QStringList();
}

void tst_CAL_ENG_Manager::getEvents()
{
    QFETCH(QByteArray, file);
    QFETCH(QDateTime, from);
    QFETCH(QDateTime, to);
    QFETCH(QStringList, expected);
    QVERIFY(m_device->writeFile(calendarFile, file));
    CAL_ENG_Manager manager;
    QList<CAL_ENG_Event> events { { "stale", QDateTime(), QDateTime() } };
    QCOMPARE(manager.getEvents(from, to, events), 0);
    QCOMPARE(describe(events), expected);
}

void tst_CAL_ENG_Manager::missingFileAndBadWindow()
{
    CAL_ENG_Manager manager;
    QList<CAL_ENG_Event> events;
    QCOMPARE(manager.getEvents(at("2024-06-01T10:30:00"), at("2024-06-01T23:59:59"), events), 0);
    QVERIFY(events.isEmpty());
    QVERIFY(m_device->writeFile(calendarFile, calendar(vevent("DTSTART:20240601T100000\r\nSUMMARY:x\r\n"))));
    QVERIFY(manager.getEvents(at("2024-06-01T23:00:00"), at("2024-06-01T10:00:00"), events) != 0);
    QVERIFY(manager.getEvents(QDateTime(), at("2024-06-01T10:00:00"), events) != 0);
    QVERIFY(events.isEmpty());
}

void tst_CAL_ENG_Manager::expansionIsBounded()
{
    // Every minute-long daily entry over two centuries, and a rule counting far past the window.
    QVERIFY(m_device->writeFile(calendarFile,
                                calendar(vevent("DTSTART:19000101T000000\r\nDTEND:19000101T000100\r\n"
                                               "SUMMARY:Often\r\nRRULE:FREQ=DAILY\r\n")
                                         + vevent("DTSTART:19000101T000000\r\nSUMMARY:Counted\r\n"
                                                 "RRULE:FREQ=DAILY;COUNT=2000000000\r\n"))));
    CAL_ENG_Manager manager;
    QList<CAL_ENG_Event> events;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(manager.getEvents(at("1900-01-01T00:00:00"), at("2100-01-01T00:00:00"), events), 0);
    QVERIFY(!events.isEmpty());
    QVERIFY(events.size() < 73000);
    QCOMPARE(events.first().start, at("1900-01-01T00:00:00"));
    QCOMPARE(manager.getEvents(at("2900-01-01T00:00:00"), at("2900-01-02T00:00:00"), events), 0);
    QVERIFY(timer.elapsed() < 60000);
}

void tst_CAL_ENG_Manager::hsaAlarmStoredAndRemoved()
{
    CAL_ENG_Manager manager;
    QVERIFY(!manager.hsaAlarmTime().isValid());
    QCOMPARE(manager.addHSAAlarm(at("2024-06-01T11:00:00")), 0);
    QCOMPARE(CAL_ENG_Manager().hsaAlarmTime(), at("2024-06-01T11:00:00"));
    QVERIFY(m_device->readFile("/setup/vyn_calendar_hsa.cfg").contains("2024-06-01T07:00:00"));
    QVERIFY(manager.addHSAAlarm(QDateTime()) != 0);
    QCOMPARE(manager.hsaAlarmTime(), at("2024-06-01T11:00:00"));
    QCOMPARE(manager.removeHSAAlarm(), 0);
    QVERIFY(!CAL_ENG_Manager().hsaAlarmTime().isValid());
    QCOMPARE(manager.removeHSAAlarm(), 0);
}

void tst_CAL_ENG_Manager::hsaAlarmAnnouncedWhenDue()
{
    QCopChannel channel(CAL_ENG_Manager::hsaChannel());
    QSignalSpy spy(&channel, &QCopChannel::received);
    ZSystemClock::setFixed(at("2024-06-01T10:30:00"));
    CAL_ENG_Manager manager;
    QCOMPARE(manager.addHSAAlarm(at("2024-06-01T11:00:00")), 0);
    // Not yet due: only the marker comes through.
    QCopChannel::send(CAL_ENG_Manager::hsaChannel(), "marker");
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.takeFirst().at(0).toByteArray(), QByteArray("marker"));
    QCOMPARE(manager.hsaAlarmTime(), at("2024-06-01T11:00:00"));

    // The clock reaches the alarm; the time notice makes the engine look again.
    ZSystemClock::setFixed(at("2024-06-01T11:00:00"));
    QCopChannel::send(VynChannel::System, VynMessage::TimeInfoChanged);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("HSAAlarm"));
    QVERIFY(!manager.hsaAlarmTime().isValid());

    // An alarm already due when it is asked for is announced at once.
    QCOMPARE(manager.addHSAAlarm(at("2024-06-01T10:59:00")), 0);
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toByteArray(), QByteArray("HSAAlarm"));
}

void tst_CAL_ENG_Manager::addedEntriesReadBack()
{
    QCopChannel channel(CAL_ENG_Manager::hsaChannel());
    QSignalSpy spy(&channel, &QCopChannel::received);
    const QString subject = QString::fromUtf8("Tea, cake; and \\ more\nsecond line ") + QString(80, QChar(0x0645));
    CAL_ENG_Manager manager;
    QCOMPARE(manager.addEntry(subject, at("2024-06-03T10:00:00"), at("2024-06-03T11:00:00"),
                              "FREQ=WEEKLY;BYDAY=MO,WE;COUNT=4"), 0);
    QCOMPARE(manager.addEntry("Holiday", at("2024-06-05T00:00:00"), at("2024-06-05T00:00:00"), QString(), true), 0);
    QCOMPARE(manager.addEntry("Call", at("2024-06-05T06:00:00Z"), at("2024-06-05T06:30:00Z")), 0);
    QTRY_COMPARE(spy.count(), 3);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("entryChanged"));

    QList<CAL_ENG_Event> events;
    QCOMPARE(manager.getEvents(at("2024-06-05T00:00:00"), at("2024-06-05T23:59:59"), events), 0);
    QCOMPARE(describe(events), (QStringList { "2024-06-05 00:00|2024-06-06 00:00|Holiday",
                                              "2024-06-05 10:00|2024-06-05 10:30|Call",
                                              "2024-06-05 10:00|2024-06-05 11:00|" + subject }));
    QCOMPARE(manager.getEvents(at("2024-06-01T00:00:00"), at("2024-06-30T23:59:59"), events), 0);
    QCOMPARE(events.size(), 6);
    // Long lines are folded to the width iCalendar allows.
    for (const QByteArray &line : m_device->readFile(calendarFile).split('\n'))
        QVERIFY(line.size() <= 76);
}

void tst_CAL_ENG_Manager::entriesFromAnotherProcess()
{
    QCopChannel channel(CAL_ENG_Manager::hsaChannel());
    QSignalSpy spy(&channel, &QCopChannel::received);
    QCOMPARE(QProcess::execute(ctl(), { "calendar", "add", "--start", "2024-06-01T10:00:00", "--end",
                                        "2024-06-01T11:00:00", "--subject", "Meeting" }),
             0);
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("entryChanged"));

    CAL_ENG_Manager manager;
    QCOMPARE(manager.addEntry("Prayer", at("2024-06-01T12:30:00"), at("2024-06-01T12:45:00")), 0);
    QProcess list;
    list.start(ctl(), { "calendar", "list", "--from", "2024-06-01T10:30:00", "--to", "2024-06-01T23:59:59" });
    QVERIFY(list.waitForFinished(20000));
    QCOMPARE(list.exitCode(), 0);
    QCOMPARE(list.readAllStandardOutput(), QByteArray("2024-06-01T10:00:00\t2024-06-01T11:00:00\tMeeting\n"
                                                      "2024-06-01T12:30:00\t2024-06-01T12:45:00\tPrayer\n"));
}

void tst_CAL_ENG_Manager::addEntryRefusals_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<QString>("rule");
    QTest::addColumn<int>("result");
    const QByteArray good = calendar(vevent("DTSTART:20240601T100000\r\nSUMMARY:Kept\r\n"));
    QTest::newRow("line break in rule") << good << at("2024-06-01T11:00:00")
                                        << "FREQ=DAILY\r\nSUMMARY:Injected" << 1;
    QTest::newRow("rule not understood") << good << at("2024-06-01T11:00:00") << "FREQ=SOMETIMES" << 1;
    QTest::newRow("end before start") << good << at("2024-06-01T09:00:00") << QString() << 1;
    QTest::newRow("file is not a calendar") << noise(2048) << at("2024-06-01T11:00:00") << QString() << 3;
    QTest::newRow("calendar never closed") << QByteArray("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n")
                                           << at("2024-06-01T11:00:00") << QString() << 3;
}

void tst_CAL_ENG_Manager::addEntryRefusals()
{
    QFETCH(QByteArray, existing);
    QFETCH(QDateTime, end);
    QFETCH(QString, rule);
    QFETCH(int, result);
    QVERIFY(m_device->writeFile(calendarFile, existing));
    CAL_ENG_Manager manager;
    QCOMPARE(manager.addEntry("New", at("2024-06-01T10:00:00"), end, rule), result);
    QCOMPARE(m_device->readFile(calendarFile), existing);
}

QTEST_GUILESS_MAIN(tst_CAL_ENG_Manager)
#include "tst_cal_eng_manager.moc"
