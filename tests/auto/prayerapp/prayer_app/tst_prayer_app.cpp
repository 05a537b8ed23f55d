#include <azaan_islamic_events.h>
#include <azaan_prayer_time.h>
#include <prayertimecalculator.h>

#include <setup_set_manager.h>
#include <testdevice.h>
#include <worldclock_service.h>
#include <zapplication.h>
#include <zheadless.h>
#include <zsoftkey.h>

#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

struct Run
{
    int exitCode = -1;
    QStringList dump;
    QSize shotSize;
};

} // namespace

class tst_PrayerApp : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void screenChoice_data();
    void screenChoice();
    void calendarRows_data();
    void calendarRows();
    void prayerRows_data();
    void prayerRows();
    void missingTimes();
    void timeText_data();
    void timeText();
    void back_data();
    void back();

private:
    void setSettings(const QString &city, const QString &timeFormat);
    Run runProgram(const QStringList &arguments);

    std::unique_ptr<TestDevice> m_device;
    QTemporaryDir m_out;
};

void tst_PrayerApp::init()
{
    m_device = std::make_unique<TestDevice>();
    QVERIFY(m_out.isValid());
}

void tst_PrayerApp::cleanup()
{
    WORLDCLOCK_Service::dispose();
    m_device.reset();
}

void tst_PrayerApp::setSettings(const QString &city, const QString &timeFormat)
{
    SETUP_SET_Manager azaan(QStringLiteral("/setup/qd_azaan_hs.cfg"));
    azaan.setSettingInfo(QStringLiteral("SETTINGS"), QStringLiteral("HGM_HSA_CITY"), city);
    QVERIFY(azaan.commit());
    SETUP_SET_Manager formats(QStringLiteral("/setup/vyn_datetime.cfg"));
    formats.setSettingInfo(QStringLiteral("DateTime"), QStringLiteral("TimeFormat"), timeFormat);
    formats.setSettingInfo(QStringLiteral("DateTime"), QStringLiteral("DateFormat"), "dd/MM/yyyy");
    QVERIFY(formats.commit());
}

Run tst_PrayerApp::runProgram(const QStringList &arguments)
{
    static int runs = 0;
    const QString prefix = m_out.filePath(QStringLiteral("run%1").arg(++runs));
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYN_HEADLESS_OUTPUT"), prefix);
    environment.insert(QStringLiteral("VYN_HEADLESS_DELAY"), QStringLiteral("20"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QStringLiteral(VYN_TEST_BIN_DIR "/prayer_app"), arguments);

    Run run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    QFile text(prefix + QStringLiteral(".txt"));
    if (text.open(QIODevice::ReadOnly))
        run.dump = QString::fromUtf8(text.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    run.shotSize = QImage(prefix + QStringLiteral(".png")).size();
    return run;
}

void tst_PrayerApp::screenChoice_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("calendar");

    QTest::newRow("no argument") << QStringList() << false;
    QTest::newRow("event") << QStringList({ QStringLiteral("event") }) << true;
    QTest::newRow("event x") << QStringList({ QStringLiteral("event"), QStringLiteral("x") }) << false;
    QTest::newRow("Event") << QStringList({ QStringLiteral("Event") }) << false;
    QTest::newRow("event with a blank") << QStringList({ QStringLiteral("event ") }) << false;
    QTest::newRow("empty argument") << QStringList({ QString() }) << false;
}

void tst_PrayerApp::screenChoice()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, calendar);

    const Run run = runProgram(arguments);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.shotSize.width(), 320);
    QVERIFY(run.dump.size() >= 2);
    QCOMPARE(run.dump.first(), calendar ? QStringLiteral("Islamic Calendar") : QStringLiteral("Prayer Times"));
    QCOMPARE(run.dump.last(), QStringLiteral("[] ... [Back]"));
    const int rows = int(run.dump.size()) - 2;
    QCOMPARE(rows, calendar ? 7 : 5);
    if (!calendar) {
        QStringList names;
        for (int i = 1; i <= rows; ++i)
            names << run.dump.at(i).section(QLatin1Char('\t'), 0, 0);
        QCOMPARE(names, QStringList({ QStringLiteral("Fajr"), QStringLiteral("Dhuhr"), QStringLiteral("Asr"),
                                      QStringLiteral("Maghrib"), QStringLiteral("Ishaa") }));
    }
}

void tst_PrayerApp::calendarRows_data()
{
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("1 January 2024") << "2024-01-01T10:00:00"
                                    << QStringList({
                                               QStringLiteral("Start of Ramadan\t11/03/2024"),
                                               QStringLiteral("Eid Al Fitr\t10/04/2024"),
                                               QStringLiteral("Waqfat Arafa\t16/06/2024"),
                                               QStringLiteral("Eid al Adha\t17/06/2024"),
                                               QStringLiteral("Hijra New Year\t08/07/2024"),
                                               QStringLiteral("Ashura\t17/07/2024"),
                                               QStringLiteral("Mawlid an Nabi\t16/09/2024"),
                                       });
    const QStringList fromRamadan = {
        QStringLiteral("Eid Al Fitr\t10/04/2024"),    QStringLiteral("Waqfat Arafa\t16/06/2024"),
        QStringLiteral("Eid al Adha\t17/06/2024"),    QStringLiteral("Hijra New Year\t08/07/2024"),
        QStringLiteral("Ashura\t17/07/2024"),         QStringLiteral("Mawlid an Nabi\t16/09/2024"),
        QStringLiteral("Start of Ramadan\t01/03/2025"),
    };
    // An event on today itself is not listed; the list wraps into the next year.
    QTest::newRow("day of an event") << "2024-03-11T10:00:00" << fromRamadan;
    // Still 10 March in UTC, already 11 March on the phone's local clock.
    QTest::newRow("local date counts") << "2024-03-10T22:30:00Z" << fromRamadan;
}

void tst_PrayerApp::calendarRows()
{
    QFETCH(QString, clock);
    QFETCH(QStringList, rows);

    setSettings(QStringLiteral("Abu Dhabi"), QStringLiteral("24"));
    QVERIFY(ZSystemClock::writeDeviceClock(clock));
    const Run run = runProgram({ QStringLiteral("event") });
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.dump.mid(1, 7), rows);
}

void tst_PrayerApp::prayerRows_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("clock");
    QTest::addColumn<QString>("timeFormat");

    QTest::newRow("Abu Dhabi, 24 hours") << "Abu Dhabi" << "2024-01-01T10:00:00" << "24";
    QTest::newRow("Abu Dhabi, 12 hours") << "Abu Dhabi" << "2024-06-21T10:00:00" << "12";
    QTest::newRow("London, 12 hours") << "London" << "2024-03-20T08:00:00" << "12";
    QTest::newRow("Tromso in the polar night") << "Tromso" << "2024-12-15T12:00:00" << "24";
    QTest::newRow("Oslo at midsummer") << "Oslo" << "2024-06-21T12:00:00" << "24";
}

void tst_PrayerApp::prayerRows()
{
    QFETCH(QString, city);
    QFETCH(QString, clock);
    QFETCH(QString, timeFormat);

    setSettings(city, timeFormat);
    QVERIFY(ZSystemClock::writeDeviceClock(clock));

    // Each row shows its own prayer's time from the calculator, or "--:--" when it has none.
    PrayerTimeCalculator calculator;
    calculator.loadSettings();
    using Getter = bool (PrayerTimeCalculator::*)(HourMinute &);
    const Getter getters[] = { &PrayerTimeCalculator::getFajr, &PrayerTimeCalculator::getDhuhr,
                               &PrayerTimeCalculator::getAsr, &PrayerTimeCalculator::getMaghrib,
                               &PrayerTimeCalculator::getIshaa };
    QStringList expected;
    for (Getter getter : getters) {
        HourMinute time;
        time.hour = 99;
        if (!(calculator.*getter)(time)) {
            expected << QStringLiteral("--:--");
        } else if (timeFormat == QLatin1String("24")) {
            expected << QString::asprintf("%02d:%02d", time.hour, time.minute);
        } else {
            const int hour = time.hour % 12 == 0 ? 12 : time.hour % 12;
            expected << QString::asprintf("%02d:%02d %s", hour, time.minute, time.hour < 12 ? "AM" : "PM");
        }
    }

    const Run run = runProgram({});
    QCOMPARE(run.exitCode, 0);
    QStringList shown;
    for (const QString &line : run.dump.mid(1, 5))
        shown << line.section(QLatin1Char('\t'), 1);
    QCOMPARE(shown, expected);
}

void tst_PrayerApp::missingTimes()
{
    // No sunrise in Tromso in mid-December: Dhuhr is the sun's transit, there is no Asr or
    // Maghrib, and no stand-in time.
    setSettings(QStringLiteral("Tromso"), QStringLiteral("24"));
    QVERIFY(ZSystemClock::writeDeviceClock(QStringLiteral("2024-12-15T12:00:00")));
    {
        Azaan_Prayer_Time screen(nullptr, "");
        const QStringList dump = ZHeadless::dump(&screen);
        QCOMPARE(dump.size(), 7);
        QVERIFY(!dump.at(1).endsWith(QLatin1String("--:--")));
        QCOMPARE(dump.at(2), QStringLiteral("Dhuhr\t11:39"));
        QCOMPARE(dump.at(3), QStringLiteral("Asr\t--:--"));
        QCOMPARE(dump.at(4), QStringLiteral("Maghrib\t--:--"));
        QVERIFY(!dump.at(5).endsWith(QLatin1String("--:--")));
    }

    // A stored city that no longer exists anywhere: no times, rather than made-up ones.
    setSettings(QStringLiteral("Atlantis"), QStringLiteral("24"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Atlantis")));
    Azaan_Prayer_Time screen(nullptr, "");
    const QStringList dump = ZHeadless::dump(&screen);
    QCOMPARE(dump.mid(1, 5), QStringList({ "Fajr\t--:--", "Dhuhr\t--:--", "Asr\t--:--", "Maghrib\t--:--",
                                           "Ishaa\t--:--" }));
}

void tst_PrayerApp::timeText_data()
{
    QTest::addColumn<QString>("timeFormat");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("expected");

    QTest::newRow("12h morning") << "12" << true << 5 << 12 << "05:12 AM";
    QTest::newRow("12h evening") << "12" << true << 17 << 40 << "05:40 PM";
    QTest::newRow("12h midnight") << "12" << true << 0 << 0 << "12:00 AM";
    QTest::newRow("24h evening") << "24" << true << 17 << 40 << "17:40";
    QTest::newRow("24h midnight") << "24" << true << 0 << 0 << "00:00";
    QTest::newRow("not found") << "24" << false << 0 << 0 << "--:--";
    QTest::newRow("out of range") << "12" << true << 24 << 0 << "--:--";
}

void tst_PrayerApp::timeText()
{
    QFETCH(QString, timeFormat);
    QFETCH(bool, found);
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, expected);

    setSettings(QStringLiteral("Abu Dhabi"), timeFormat);
    QCOMPARE(Azaan_Prayer_Time::timeText(found, hour, minute), expected);
}

void tst_PrayerApp::back_data()
{
    QTest::addColumn<bool>("calendar");
    QTest::addColumn<bool>("tap");

    QTest::newRow("prayer times, F2") << false << false;
    QTest::newRow("prayer times, tap") << false << true;
    QTest::newRow("calendar, F2") << true << false;
    QTest::newRow("calendar, tap") << true << true;
}

void tst_PrayerApp::back()
{
    QFETCH(bool, calendar);
    QFETCH(bool, tap);

    auto *app = qobject_cast<ZApplication *>(qApp);
    QVERIFY(app);
    std::unique_ptr<ZKbMainWidget> screen;
    if (calendar)
        screen = std::make_unique<Azaan_Islamic_Events>(nullptr, "event");
    else
        screen = std::make_unique<Azaan_Prayer_Time>(nullptr, "");
    app->setMainWidget(screen.get());
    screen->show();

    // The left key has no action: F1 leaves the screen open and the loop ends only later,
    // with its own result; "Back" ends it with the quit result.
    QTimer::singleShot(0, this, [&] { QTest::keyClick(screen.get(), Qt::Key_F1); });
    QTimer::singleShot(10, this, [] { QCoreApplication::exit(7); });
    QCOMPARE(app->exec(), 7);

    QTimer::singleShot(0, this, [&] {
        if (tap)
            QTest::mouseClick(screen->getSoftKey()->findChild<QPushButton *>(QStringLiteral("rightSoftKey")),
                              Qt::LeftButton);
        else
            QTest::keyClick(screen.get(), Qt::Key_F2);
    });
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, this, [] { QCoreApplication::exit(9); });
    guard.start(5000);
    QCOMPARE(app->exec(), 0);
    app->setMainWidget(nullptr);
}

int main(int argc, char **argv)
{
    ZApplication app(argc, argv);
    tst_PrayerApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_prayer_app.moc"
