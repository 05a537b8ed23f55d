#include <clocklayout.h>
#include <datelayout.h>
#include <homescreenhost.h>
#include <hsplugin.h>
#include <hspluginlibrary.h>
#include <util_datetime.h>
#include <vynchannels.h>
#include <zglobal.h>
#include <zsystemclock.h>

#include "fakepluginsite.h"
#include "idlehost.h"
#include "testdevice.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <memory>

class tst_HSPluginDate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void midnight_data();
    void midnight();
    void midnightInRealTime();
    void timeSetIntoTheLastMinute();
    void widthFollowsTheText_data();
    void widthFollowsTheText();
    void layout_data();
    void layout();
    void underTheClock();
    void readingWritesNothing();
    void callsInAnyOrder();

private:
    bool startHost(const QStringList &libraries = { QStringLiteral("libdate_plugin.so") });
    void setTime(const QDate &date, const QTime &time) { ZSystemClock::setFixed(QDateTime(date, time)); }
    QObject *plugin() { return IdleHost::pluginObject(*m_host, QStringLiteral("Date")); }
    QTimer *timer(const char *name) { return IdleHost::timer(*m_host, QStringLiteral("Date"), name); }
    QWidget *container() { return m_host->container(QStringLiteral("Date")); }
    QString shownDate() { return plugin()->property("dateText").toString(); }
    int redraws() { return plugin()->property("redrawCount").toInt(); }

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<HomeScreenHost> m_host;
};

void tst_HSPluginDate::init()
{
    m_device = std::make_unique<TestDevice>();
    QVERIFY(m_device->writeFile(UTIL_DateTime::settingsFile(), "[DateTime]\nTimeFormat=24\nDateFormat=yyyy-MM-dd\n"));
    setTime(QDate(2024, 6, 1), QTime(10, 9));
}

void tst_HSPluginDate::cleanup()
{
    m_host.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_device.reset();
}

bool tst_HSPluginDate::startHost(const QStringList &libraries)
{
    if (!IdleHost::writeConfig(*m_device, libraries))
        return false;
    m_host = IdleHost::start();
    return m_host && plugin() && container();
}

void tst_HSPluginDate::midnight_data()
{
    QTest::addColumn<QTime>("shownAt");
    QTest::addColumn<int>("nights");

    QTest::newRow("shown at 23:58:30") << QTime(23, 58, 30) << 1;
    QTest::newRow("shown at 23:59:10") << QTime(23, 59, 10) << 1;
    QTest::newRow("three nights, hidden and shown in the last minute") << QTime(23, 58, 30) << 3;
}

void tst_HSPluginDate::midnight()
{
    QFETCH(QTime, shownAt);
    QFETCH(int, nights);

    QDate today(2024, 2, 28);
    setTime(today, shownAt);
    QVERIFY(startHost());
    QTimer *minute = timer("minuteTimer");
    QTimer *second = timer("secondTimer");
    QVERIFY(minute && second);
    QVERIFY(minute->isActive());
    QCOMPARE(minute->interval(), 60000);
    QCOMPARE(second->isActive(), shownAt >= QTime(23, 59));

    for (int night = 0; night < nights; ++night) {
        const QDate tomorrow = today.addDays(1);
        if (shownAt < QTime(23, 59)) {
            // The minute tick a minute after the show starts the per-second redraws.
            setTime(today, shownAt.addSecs(60));
            QVERIFY(IdleHost::fire(minute));
        }
        QVERIFY(second->isActive());
        QCOMPARE(second->interval(), 1000);
        if (night > 0) {
            // Hidden and shown again, and suspended and resumed, inside the last minute.
            QVERIFY(m_host->hidePlugin(QStringLiteral("Date")));
            QVERIFY(!second->isActive());
            QVERIFY(m_host->showPlugin(QStringLiteral("Date")));
            m_host->setSuspended(true);
            QVERIFY(!second->isActive());
            m_host->setSuspended(false);
            QVERIFY(second->isActive());
        }

        // One redraw a second, however many nights and activations went before.
        setTime(today, QTime(23, 59, 59, 500));
        int before = redraws();
        QVERIFY(IdleHost::fire(second));
        QCOMPARE(redraws(), before + 1);
        QCOMPARE(shownDate(), today.toString(QStringLiteral("yyyy-MM-dd")));
        // The next second tick falls within a second of midnight and shows the new day.
        setTime(tomorrow, QTime(0, 0, 0, 500));
        QVERIFY(IdleHost::fire(second));
        QCOMPARE(redraws(), before + 2);
        QCOMPARE(shownDate(), tomorrow.toString(QStringLiteral("yyyy-MM-dd")));

        // The first minute tick after midnight ends the per-second redraws.
        setTime(tomorrow, QTime(0, 0, shownAt.second()));
        QVERIFY(IdleHost::fire(minute));
        QVERIFY(!second->isActive());
        QVERIFY(minute->isActive());
        before = redraws();
        QTest::qWait(1100);
        QCOMPARE(redraws(), before);

        today = tomorrow;
        shownAt = QTime(23, 58, 30);
        setTime(today, shownAt);
    }
}

void tst_HSPluginDate::midnightInRealTime()
{
    // The platform clock runs, 1.5 seconds before midnight.
    const QDateTime midnight(QDate(2024, 9, 10), QTime(0, 0));
    ZSystemClock::setOffset(QDateTime::currentDateTime().secsTo(midnight) - 2);
    QVERIFY(startHost());
    QVERIFY(timer("secondTimer")->isActive());
    QCOMPARE(shownDate(), QStringLiteral("2024-09-09"));
    QTRY_COMPARE_WITH_TIMEOUT(shownDate(), QStringLiteral("2024-09-10"), 3500);
    // Within a second of midnight on the platform clock.
    QVERIFY(ZSystemClock::currentDateTime() < midnight.addMSecs(1000 + 200));
}

void tst_HSPluginDate::timeSetIntoTheLastMinute()
{
    QVERIFY(startHost());
    QVERIFY(!timer("secondTimer")->isActive());
    // Set by the user (or the network) into the last minute: no waiting for the next minute tick.
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 1), QTime(23, 59, 40)));
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::TimeInfoChanged));
    QVERIFY(timer("secondTimer")->isActive());
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 2), QTime(8, 0)));
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::TimeInfoChanged, "garbage"));
    QVERIFY(!timer("secondTimer")->isActive());
    QCOMPARE(shownDate(), QStringLiteral("2024-06-02"));

    // Hidden, nothing starts: the minute tick that would stop the second timer is off too.
    QVERIFY(m_host->hidePlugin(QStringLiteral("Date")));
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 2), QTime(23, 59, 40)));
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::TimeInfoChanged));
    QVERIFY(!timer("secondTimer")->isActive());
    QVERIFY(!timer("minuteTimer")->isActive());
    // Shown again in the last minute, the per-second redraws start at once.
    QVERIFY(m_host->showPlugin(QStringLiteral("Date")));
    QVERIFY(timer("secondTimer")->isActive());
}

void tst_HSPluginDate::widthFollowsTheText_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QDateTime>("first");
    QTest::addColumn<QByteArray>("nextFormat");
    QTest::addColumn<QDateTime>("next");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Sep 9 to Sep 10") << QByteArray("MMM d, yyyy") << QDateTime(QDate(2024, 9, 9), QTime(23, 59, 59))
                                     << QByteArray() << QDateTime(QDate(2024, 9, 10), QTime(0, 0, 1)) << "Sep 10, 2024";
    QTest::newRow("longer format") << QByteArray("dd.MM.yyyy") << QDateTime(QDate(2024, 9, 9), QTime(12, 0))
                                   << QByteArray("MMM d, yyyy") << QDateTime(QDate(2024, 9, 9), QTime(12, 0)) << "Sep 9, 2024";
    QTest::newRow("shorter format") << QByteArray("MMM d, yyyy") << QDateTime(QDate(2024, 12, 30), QTime(12, 0))
                                    << QByteArray("dd.MM.yyyy") << QDateTime(QDate(2024, 12, 30), QTime(12, 0)) << "30.12.2024";
}

void tst_HSPluginDate::widthFollowsTheText()
{
    QFETCH(QByteArray, format);
    QFETCH(QDateTime, first);
    QFETCH(QByteArray, nextFormat);
    QFETCH(QDateTime, next);
    QFETCH(QString, expected);

    QVERIFY(m_device->writeFile(UTIL_DateTime::settingsFile(), "[DateTime]\nDateFormat=" + format + "\n"));
    ZSystemClock::setFixed(first);
    QVERIFY(startHost());
    const int rightEdge = container()->x() + container()->width();

    ZSystemClock::setFixed(next);
    if (nextFormat.isEmpty()) {
        QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::LcdOn));
    } else {
        QVERIFY(m_device->writeFile(UTIL_DateTime::settingsFile(), "[DateTime]\nDateFormat=" + nextFormat + "\n"));
        QVERIFY(IdleHost::sendAndWait(VynChannel::DateTimeFormat, VynMessage::DateFormatChanged));
    }
    QCOMPARE(shownDate(), expected);
    // The whole text fits, right-aligned as before.
    const QFont font = DateLayout::read().font;
    QCOMPARE(container()->width(), DateLayout::textWidth(font, expected));
    QVERIFY(QFontMetrics(font).horizontalAdvance(expected) < container()->width());
    QCOMPARE(container()->x() + container()->width(), rightEdge);
}

void tst_HSPluginDate::layout_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("theme");
    QTest::addColumn<QStringList>("plugins");
    // Where the date's bottom edge ends above the soft keys; -1: under the clock; -2: empty.
    QTest::addColumn<int>("gapAboveSoftKeys");
    QTest::addColumn<int>("x");

    const QByteArray corner = "[Framework]\nLayoutMgrType=1\n";
    const QByteArray theme = "[Idle]\nPadding_Right=3\nPadding_Bottom=4\nSpacing_V3=1\nSpacing_V4=3\n";
    const QStringList none;
    const QStringList two { "IdleMusicPlayer", "Clock", "Screen3" };

    QTest::newRow("under the clock") << QByteArray() << theme << none << -1 << 3;
    QTest::newRow("layout read as text") << QByteArray("[Framework]\nLayoutMgrType=rectangle\n") << theme << none << -1 << 3;
    QTest::newRow("corner, no players") << corner << theme << none << 4 << 3;
    QTest::newRow("corner, no Padding_Bottom") << corner << QByteArray("[Idle]\n") << none << 3 << 3;
    QTest::newRow("corner, one player") << corner << theme << QStringList { "IdleMusicPlayer" } << 20 + 1 << 3;
    QTest::newRow("corner, two players") << corner << theme << two << 40 + 1 << 3;
    QTest::newRow("corner, clock at the bottom") << corner + "[ClockPlugin]\nPos_Clock=1\n" << theme << two << 3 << 3;
    QTest::newRow("corner, unknown clock place") << corner + "[ClockPlugin]\nPos_Clock=9\n" << theme << none << -3 << 0;
    QTest::newRow("unknown layout") << QByteArray("[Framework]\nLayoutMgrType=7\n") << theme << none << -2 << 0;
    QTest::newRow("negative spacing") << corner << QByteArray("[Idle]\nPadding_Right=-50\nPadding_Bottom=-9\n") << none << 3 << 3;
    QTest::newRow("huge spacing") << corner << QByteArray("[Idle]\nPadding_Right=1000000\nPadding_Bottom=99999999999999\n") << none << 3 << 3;
}

void tst_HSPluginDate::layout()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, theme);
    QFETCH(QStringList, plugins);
    QFETCH(int, gapAboveSoftKeys);
    QFETCH(int, x);

    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_idle.cfg"), settings));
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/skins/default/homescreen.cfg"), theme));
    HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/libdate_plugin.so"));
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));
    FakePluginSite site(QStringLiteral("Date"));
    site.setPluginNames(plugins);
    HSPlugin *date = library.createInstance(&site);
    QVERIFY(date);
    const QRect before = site.containerWidget()->geometry();
    const QRect rect = date->geometry(FakePluginSite::offeredArea());
    // Before the first show the rectangle is only an answer.
    QCOMPARE(site.containerWidget()->geometry(), before);
    library.destroyInstance(date);

    if (gapAboveSoftKeys == -2) {
        QCOMPARE(rect, QRect(0, 0, 0, 0));
        return;
    }
    const DateLayout::Theme read = DateLayout::read();
    const QSize box(DateLayout::textWidth(read.font, QStringLiteral("2024-06-01")), QFontMetrics(read.font).height() + 2);
    QCOMPARE(rect.size(), box);
    if (gapAboveSoftKeys == -3) {
        QCOMPARE(rect.topLeft(), QPoint(0, 0));
        return;
    }
    QCOMPARE(rect.left() + rect.width(), 320 - x);
    if (gapAboveSoftKeys == -1) {
        const int clockHeight = QFontMetrics(HomeScreenTheme::skinFont(ClockLayout::boxFontInfo())).height();
        QCOMPARE(rect.top(), 20 + clockHeight + 2);
        return;
    }
    QCOMPARE(rect.top() + rect.height(), ZGlobal::getCstR().top() - gapAboveSoftKeys);
}

void tst_HSPluginDate::underTheClock()
{
    QVERIFY(startHost({ QStringLiteral("libclock_plugin.so"), QStringLiteral("libdate_plugin.so"),
                        QStringLiteral("libazaan_plugin.so") }));
    const QRect clock = m_host->container(QStringLiteral("Clock"))->geometry();
    const QRect date = container()->geometry();
    QVERIFY(!clock.intersects(date));
    QVERIFY(date.top() > clock.top());
    QCOMPARE(date.left() + date.width(), clock.left() + clock.width());
    QCOMPARE(m_host->shownPlugins(), QStringList({ "Clock", "Date" }));
}

void tst_HSPluginDate::readingWritesNothing()
{
    const QString idle = m_device->hostPath(QStringLiteral("/setup/vyn_idle.cfg"));
    HSPluginLibrary date(QStringLiteral(VYN_TEST_LIB_DIR "/libdate_plugin.so"));
    HSPluginLibrary clock(QStringLiteral(VYN_TEST_LIB_DIR "/libclock_plugin.so"));
    QVERIFY(date.isLoaded() && clock.isLoaded());
    QCOMPARE(date.isActivated(), 1);
    QCOMPARE(clock.isActivated(), 1);
    QVERIFY(!QFileInfo::exists(idle));

    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_idle.cfg"), "[idle_date]\nidle_date_mode=1\n"));
    const QDateTime written = QFileInfo(idle).lastModified();
    const QByteArray content = m_device->readFile(QStringLiteral("/setup/vyn_idle.cfg"));
    QTest::qWait(20);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(date.isActivated(), 0);
        QCOMPARE(clock.isActivated(), 1);
    }
    QCOMPARE(QFileInfo(idle).lastModified(), written);
    QCOMPARE(m_device->readFile(QStringLiteral("/setup/vyn_idle.cfg")), content);
    QVERIFY(!QFileInfo::exists(idle + QStringLiteral(".lock")));
}

void tst_HSPluginDate::callsInAnyOrder()
{
    HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/libdate_plugin.so"));
    QVERIFY(library.isLoaded());
    FakePluginSite site(QStringLiteral("Date"));
    HSPlugin *date = library.createInstance(&site);
    QVERIFY(date);
    date->deactivate();
    date->suspend(true);
    date->suspend(false);
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::TimeInfoChanged));
    QVERIFY(site.containerWidget()->children().isEmpty());
    date->activate();
    date->activate();
    date->initialize();
    auto *object = dynamic_cast<QObject *>(date);
    QCOMPARE(object->findChildren<QTimer *>().size(), 2);
    library.destroyInstance(date);
}

QTEST_MAIN(tst_HSPluginDate)
#include "tst_hsplugindate.moc"
