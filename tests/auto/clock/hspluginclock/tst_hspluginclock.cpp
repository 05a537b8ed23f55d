#include <clocklayout.h>
#include <homescreenhost.h>
#include <hsplugin.h>
#include <hspluginlibrary.h>
#include <qcopchannel.h>
#include <util_datetime.h>
#include <vynchannels.h>
#include <zglobal.h>
#include <zsystemclock.h>

#include "fakepluginsite.h"
#include "idlehost.h"
#include "testdevice.h"

#include <QFontMetrics>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

const QDate day(2024, 6, 1);

QByteArray themeWith(const QByteArray &idle, const QByteArray &font = "Size=22\nLeading=22\n")
{
    return "[Idle]\n" + idle + "\n[Font_DigitalClockStd]\n" + font + "Style=1\nColor=16777215\n";
}

} // namespace

class tst_HSPluginClock : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void minuteInterval_data();
    void minuteInterval();
    void advancesAtTheNextMinute();
    void timeChangeWhileStopped_data();
    void timeChangeWhileStopped();
    void noticesLeaveTheTimerAlone_data();
    void noticesLeaveTheTimerAlone();
    void clockText_data();
    void clockText();
    void boxHoldsEveryTime_data();
    void boxHoldsEveryTime();
    void layout_data();
    void layout();
    void styleChangesKeepThePlace();
    void clockFormatChange();
    void callsInAnyOrder();
    void containerGoesFirst();

private:
    bool startHost(const QStringList &libraries = { QStringLiteral("libclock_plugin.so") });
    void setTime(const QTime &time) { ZSystemClock::setFixed(QDateTime(day, time)); }
    QTimer *minuteTimer() { return IdleHost::timer(*m_host, QStringLiteral("Clock"), "minuteTimer"); }
    QWidget *container() { return m_host->container(QStringLiteral("Clock")); }
    QWidget *widget() { return container() ? container()->findChild<QWidget *>(QStringLiteral("ClockWidget")) : nullptr; }
    QString shownTime() { return widget() ? widget()->property("timeText").toString() : QString(); }
    int redraws() { return widget() ? widget()->property("redrawCount").toInt() : -1; }
    HSPlugin *plugin() { return m_host->plugin(QStringLiteral("Clock")); }

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<HomeScreenHost> m_host;
};

void tst_HSPluginClock::init()
{
    m_device = std::make_unique<TestDevice>();
    QVERIFY(m_device->writeFile(UTIL_DateTime::settingsFile(), "[DateTime]\nTimeFormat=24\n"));
    setTime(QTime(10, 9, 30));
}

void tst_HSPluginClock::cleanup()
{
    m_host.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_device.reset();
}

bool tst_HSPluginClock::startHost(const QStringList &libraries)
{
    if (!IdleHost::writeConfig(*m_device, libraries))
        return false;
    m_host = IdleHost::start();
    return m_host && plugin() && widget() && minuteTimer();
}

void tst_HSPluginClock::minuteInterval_data()
{
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("interval");

    QTest::newRow("hh:mm:00") << 0 << 60200;
    QTest::newRow("hh:mm:30") << 30 << 30200;
    QTest::newRow("hh:mm:59") << 59 << 1200;
}

void tst_HSPluginClock::minuteInterval()
{
    QFETCH(int, second);
    QFETCH(int, interval);

    setTime(QTime(10, 9, second));
    QVERIFY(startHost());
    QTimer *timer = minuteTimer();
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), interval);

    // Each firing re-arms from the clock's seconds, not from the last interval.
    setTime(QTime(10, 10, (second + 1) % 60));
    QVERIFY(IdleHost::fire(timer));
    QCOMPARE(timer->interval(), (59 - second % 60) * 1000 + 200 + (second == 59 ? 60000 : 0));
    QCOMPARE(shownTime(), QStringLiteral("10:10"));
}

void tst_HSPluginClock::advancesAtTheNextMinute()
{
    // Real time, half a second before a minute ends: the timer alone brings the next minute.
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime target(day, QTime(10, 9, 59));
    ZSystemClock::setOffset(now.secsTo(target));
    QVERIFY(startHost());
    const QString before = shownTime();
    QVERIFY(before == QLatin1String("10:09") || before == QLatin1String("10:10"));
    QTRY_COMPARE_WITH_TIMEOUT(shownTime(), QStringLiteral("10:10"), 2500);
    QVERIFY(minuteTimer()->isActive());
    QVERIFY(minuteTimer()->interval() > 55000);
}

void tst_HSPluginClock::timeChangeWhileStopped_data()
{
    QTest::addColumn<bool>("suspended");

    QTest::newRow("hidden") << false;
    QTest::newRow("suspended") << true;
}

void tst_HSPluginClock::timeChangeWhileStopped()
{
    QFETCH(bool, suspended);

    QVERIFY(startHost());
    QTimer *timer = minuteTimer();
    if (suspended)
        m_host->setSuspended(true);
    else
        QVERIFY(m_host->hidePlugin(QStringLiteral("Clock")));
    QVERIFY(!timer->isActive());

    setTime(QTime(18, 44, 59));
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::TimeInfoChanged));
    // Redrawn and running again, hidden or not.
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 1200);
    QCOMPARE(shownTime(), QStringLiteral("18:44"));

    if (suspended)
        m_host->setSuspended(false);
    else
        QVERIFY(m_host->showPlugin(QStringLiteral("Clock")));
    setTime(QTime(18, 45, 0, 200));
    QVERIFY(IdleHost::fire(minuteTimer()));
    QCOMPARE(shownTime(), QStringLiteral("18:45"));
    QCOMPARE(minuteTimer()->interval(), 60200);

    // Resuming or showing again re-arms from the wall clock, whatever ran before.
    m_host->setSuspended(true);
    setTime(QTime(18, 50, 59));
    m_host->setSuspended(false);
    QCOMPARE(minuteTimer()->interval(), 1200);
    QCOMPARE(shownTime(), QStringLiteral("18:50"));
}

void tst_HSPluginClock::noticesLeaveTheTimerAlone_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("redrawn");

    QTest::newRow("LCDOn") << QByteArray(VynMessage::LcdOn) << QByteArray() << true;
    QTest::newRow("dimmed") << QByteArray(VynMessage::BacklightDimmed) << QByteArray() << true;
    QTest::newRow("restored") << QByteArray(VynMessage::BacklightRestored) << QByteArray("\xff\x01garbage") << true;
    QTest::newRow("unknown notice") << QByteArray("SomethingElse") << QByteArray() << false;
}

void tst_HSPluginClock::noticesLeaveTheTimerAlone()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, payload);
    QFETCH(bool, redrawn);

    QVERIFY(startHost());
    QTimer *timer = minuteTimer();
    QCOMPARE(timer->interval(), 30200);
    const int before = redraws();
    // A re-arm would now pick 1 200 ms.
    setTime(QTime(10, 9, 59));
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, message, payload));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 30200);
    QCOMPARE(redraws(), before + (redrawn ? 1 : 0));

    // Nor do they start a stopped one.
    m_host->setSuspended(true);
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, message, payload));
    QVERIFY(!timer->isActive());
}

void tst_HSPluginClock::clockText_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("showXM");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("expected");

    QTest::newRow("12 h, marker shown") << QByteArray("12") << QByteArray("1") << QTime(22, 9) << "10:09 PM";
    QTest::newRow("12 h, marker hidden") << QByteArray("12") << QByteArray("0") << QTime(22, 9) << "10:09";
    QTest::newRow("12 h, midnight, hidden") << QByteArray("12") << QByteArray("0") << QTime(0, 1) << "12:01";
    QTest::newRow("12 h, ShowXM missing") << QByteArray("12") << QByteArray() << QTime(9, 5) << "09:05 AM";
    QTest::newRow("12 h, ShowXM garbled") << QByteArray("12") << QByteArray("x") << QTime(9, 5) << "09:05 AM";
    QTest::newRow("24 h, marker hidden") << QByteArray("24") << QByteArray("0") << QTime(22, 9) << "22:09";
    QTest::newRow("24 h, marker shown") << QByteArray("24") << QByteArray("1") << QTime(22, 9) << "22:09";
}

void tst_HSPluginClock::clockText()
{
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, showXM);
    QFETCH(QTime, time);
    QFETCH(QString, expected);

    QVERIFY(m_device->writeFile(UTIL_DateTime::settingsFile(), "[DateTime]\nTimeFormat=" + format + "\n"));
    if (!showXM.isNull())
        QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_idle.cfg"), "[ClockPlugin]\nShowXM=" + showXM + "\n"));
    setTime(time);
    QCOMPARE(ClockLayout::is12Hour(), format == "12");
    QVERIFY(startHost());
    QCOMPARE(shownTime(), expected);

    // The format notice redraws at once.
    const bool twelve = format == "12";
    QVERIFY(m_device->writeFile(UTIL_DateTime::settingsFile(),
                                QByteArray("[DateTime]\nTimeFormat=") + (twelve ? "24" : "12") + "\n"));
    QVERIFY(IdleHost::sendAndWait(VynChannel::DateTimeFormat, VynMessage::TimeFormatChanged));
    QCOMPARE(shownTime(), ClockLayout::clockText(UTIL_DateTime::timeToString(time), showXM != "0", !twelve));
    QCOMPARE(shownTime().contains(QLatin1String(" PM")) || shownTime().contains(QLatin1String(" AM")),
             !twelve && showXM != "0");

    // Nothing to cut without a ':'.
    QCOMPARE(ClockLayout::clockText(QStringLiteral("10h09 PM"), false, true), QStringLiteral("10h09 PM"));
    QCOMPARE(ClockLayout::clockText(QString(), false, true), QString());
}

void tst_HSPluginClock::boxHoldsEveryTime_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("showXM");
    QTest::addColumn<QByteArray>("font");
    QTest::addColumn<int>("fontSize");

    QTest::newRow("12 h, markers") << QByteArray("12") << QByteArray("1") << QByteArray("Size=22\nLeading=22\n") << 22;
    QTest::newRow("12 h, no markers") << QByteArray("12") << QByteArray("0") << QByteArray("Size=22\nLeading=22\n") << 22;
    QTest::newRow("24 h, no markers") << QByteArray("24") << QByteArray("0") << QByteArray("Size=30\nLeading=30\n") << 30;
    QTest::newRow("font missing") << QByteArray("12") << QByteArray("1") << QByteArray() << 22;
    QTest::newRow("font size 0") << QByteArray("12") << QByteArray("1") << QByteArray("Size=0\nLeading=0\n") << 22;
    QTest::newRow("font size 500") << QByteArray("12") << QByteArray("1") << QByteArray("Size=500\nLeading=500\n") << 22;
    QTest::newRow("font size text") << QByteArray("24") << QByteArray("0") << QByteArray("Size=big\n") << 22;
}

void tst_HSPluginClock::boxHoldsEveryTime()
{
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, showXM);
    QFETCH(QByteArray, font);
    QFETCH(int, fontSize);

    QVERIFY(m_device->writeFile(UTIL_DateTime::settingsFile(), "[DateTime]\nTimeFormat=" + format + "\n"));
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_idle.cfg"), "[ClockPlugin]\nShowXM=" + showXM + "\n"));
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/skins/default/homescreen.cfg"), themeWith("", font)));

    QCOMPARE(ClockLayout::boxFontInfo().size, fontSize);
    const QSize box = ClockLayout::currentBoxSize();
    const QFont boxFont = HomeScreenTheme::skinFont(ClockLayout::boxFontInfo());
    QCOMPARE(box.height(), QFontMetrics(boxFont).height() + 2);
    // Every hour with minutes that put each digit in each place, as drawn, fits inside the box:
    // never cut, never an ellipsis.
    const QFontMetrics drawn(HomeScreenTheme::skinFont(ClockLayout::drawFontInfo()));
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute : { 0, 11, 22, 33, 44, 55, 6, 17, 28, 39, 48, 59 }) {
            const QString text = ClockLayout::clockText(UTIL_DateTime::timeToString(QTime(hour, minute)),
                                                        showXM != "0", format == "12");
            QVERIFY2(drawn.horizontalAdvance(text) <= box.width() - 2, qPrintable(text));
        }
    }
    // Without markers the box is no wider than the digits need.
    if (showXM == "0")
        QCOMPARE(box.width(), QFontMetrics(boxFont).horizontalAdvance(QStringLiteral("00:00")) + 2);

    // The host gives the clock exactly that box.
    QVERIFY(startHost());
    QCOMPARE(container()->size(), box);
    QCOMPARE(widget()->size(), box);
}

void tst_HSPluginClock::layout_data()
{
    QTest::addColumn<QByteArray>("idleSettings");
    QTest::addColumn<QByteArray>("localSettings");
    QTest::addColumn<QByteArray>("themeIdle");
    QTest::addColumn<QStringList>("plugins");
    // Gap between the clock's right edge and the screen's, and its top; with fromBottom, y is
    // where its bottom edge ends relative to the soft keys (absolute) or the offered area.
    QTest::addColumn<int>("rightGap");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("fromBottom");
    QTest::addColumn<bool>("empty");

    const QByteArray shipped = "Padding_Right=3\nSpacing_V1=0\nSpacing_V3=1\n";
    const QByteArray absolute = "[Framework]\nLayoutMgrType=absolute\n";
    const QByteArray rectangle = "[Framework]\nLayoutMgrType=rectangle\n";
    const QStringList none;

    QTest::newRow("absolute, top") << absolute << QByteArray("[ClockPlugin]\nIconPositon=0\n") << shipped << none << 3 << 20 << false << false;
    QTest::newRow("absolute, top, no Spacing_V1") << absolute << QByteArray() << QByteArray("Padding_Right=5\n") << none << 5 << 23 << false << false;
    QTest::newRow("rectangle, top, no Spacing_V1") << rectangle << QByteArray() << QByteArray() << none << 3 << 20 << false << false;
    QTest::newRow("no layout type, top") << QByteArray() << QByteArray() << shipped << none << 3 << 20 << false << false;
    // 27 pixels above what the soft keys and Spacing_V3 alone give.
    QTest::newRow("absolute, bottom") << absolute << QByteArray("[ClockPlugin]\nIconPositon=1\n") << shipped << none << 3 << -(1 + 27) << true << false;
    QTest::newRow("absolute, bottom, no Spacing_V3") << absolute << QByteArray("[ClockPlugin]\nIconPositon=1\n") << QByteArray() << none << 3 << -(3 + 27) << true << false;
    QTest::newRow("rectangle, bottom") << rectangle << QByteArray("[ClockPlugin]\nIconPositon=1\n") << shipped << QStringList { "Clock", "Azaan" } << 3 << 0 << true << false;
    QTest::newRow("rectangle, bottom, music player") << rectangle << QByteArray("[ClockPlugin]\nIconPositon=1\n") << shipped << QStringList { "IdleMusicPlayer" } << 3 << -1 << true << false;
    QTest::newRow("rectangle, bottom, third screen") << rectangle << QByteArray("[ClockPlugin]\nIconPositon=1\n") << QByteArray("Spacing_V3=6\n") << QStringList { "Azaan", "Screen3" } << 3 << -6 << true << false;
    QTest::newRow("unknown layout type") << QByteArray("[Framework]\nLayoutMgrType=grid\n") << QByteArray() << shipped << none << 0 << 0 << false << true;
    QTest::newRow("corner 2") << absolute << QByteArray("[ClockPlugin]\nIconPositon=2\n") << shipped << none << 0 << 0 << false << true;
    QTest::newRow("corner -1") << rectangle << QByteArray("[ClockPlugin]\nIconPositon=-1\n") << shipped << none << 0 << 0 << false << true;
    QTest::newRow("corner not a number") << rectangle << QByteArray("[ClockPlugin]\nIconPositon=left\n") << shipped << none << 3 << 20 << false << false;
    QTest::newRow("negative padding") << absolute << QByteArray() << QByteArray("Padding_Right=-40\nSpacing_V1=-7\n") << none << 3 << 23 << false << false;
    QTest::newRow("huge padding") << rectangle << QByteArray() << QByteArray("Padding_Right=2000000000\nSpacing_V1=99999999999\n") << none << 3 << 20 << false << false;
}

void tst_HSPluginClock::layout()
{
    QFETCH(QByteArray, idleSettings);
    QFETCH(QByteArray, localSettings);
    QFETCH(QByteArray, themeIdle);
    QFETCH(QStringList, plugins);
    QFETCH(int, rightGap);
    QFETCH(int, y);
    QFETCH(bool, fromBottom);
    QFETCH(bool, empty);

    // Both idle files are the same file in a test root; the local one is written last.
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_idle.cfg"), idleSettings + localSettings));
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/skins/default/homescreen.cfg"), themeWith(themeIdle)));

    HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/libclock_plugin.so"));
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));
    FakePluginSite site(QStringLiteral("Clock"));
    site.setPluginNames(plugins);
    HSPlugin *clock = library.createInstance(&site);
    QVERIFY(clock);
    const QRect area = FakePluginSite::offeredArea();
    const QRect rect = clock->geometry(area);
    library.destroyInstance(clock);

    if (empty) {
        QCOMPARE(rect, QRect(0, 0, 0, 0));
        return;
    }
    const QSize box = ClockLayout::currentBoxSize();
    QCOMPARE(rect.size(), box);
    QCOMPARE(rect.left() + rect.width(), 320 - rightGap);
    if (!fromBottom) {
        QCOMPARE(rect.top(), y);
        return;
    }
    // From the bottom: the offered area ends where the soft keys start.
    const bool absoluteLayout = idleSettings.contains("absolute");
    const int bottom = absoluteLayout ? 240 - ZGlobal::getCstR().height() : area.top() + area.height();
    QCOMPARE(rect.top() + rect.height(), bottom + y);
    QCOMPARE(site.requests().contains(QStringLiteral("listPlugins")), !absoluteLayout);
}

void tst_HSPluginClock::styleChangesKeepThePlace()
{
    QVERIFY(startHost({ QStringLiteral("libclock_plugin.so"), QStringLiteral("libdate_plugin.so") }));
    const QRect place = container()->geometry();
    QCOMPARE(place.left() + place.width(), 317);
    for (int i = 0; i < 20; ++i)
        QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::ApplyStyle));
    QCOMPARE(container()->geometry(), place);
    QCOMPARE(widget()->geometry(), QRect(QPoint(0, 0), place.size()));

    // A theme with a larger clock font: the box grows leftwards, the right edge stays, and the
    // date under it makes room.
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/skins/default/homescreen.cfg"),
                                themeWith("Padding_Right=3\n", "Size=30\nLeading=30\n")));
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::ApplyStyle));
    const QSize grown = ClockLayout::currentBoxSize();
    QVERIFY(grown.width() > place.width());
    QCOMPARE(container()->geometry(), QRect(QPoint(317 - grown.width(), place.top()), grown));
    QCOMPARE(widget()->size(), grown);
    const QRect date = m_host->container(QStringLiteral("Date"))->geometry();
    QVERIFY(!date.intersects(container()->geometry()));
    QCOMPARE(date.top(), container()->geometry().bottom() + 1);
    QCOMPARE(shownTime(), QStringLiteral("10:09"));
    const QFontMetrics drawn(HomeScreenTheme::skinFont(ClockLayout::drawFontInfo()));
    QVERIFY(drawn.horizontalAdvance(shownTime()) <= widget()->width());
}

void tst_HSPluginClock::clockFormatChange()
{
    QVERIFY(startHost());
    const QRect place = container()->geometry();
    const int before = redraws();
    // Shown: re-laid out at the same place and redrawn.
    QVERIFY(IdleHost::sendAndWait(VynChannel::ClockPlugin, VynMessage::ClockFormatChange, "junk"));
    QCOMPARE(container()->geometry(), place);
    QCOMPARE(redraws(), before + 1);
    // The carrier's favourites bar asks for the same through the clock's own channel.
    QVERIFY(IdleHost::sendAndWait(VynChannel::MyFaves, VynMessage::MyFavesShown));
    QTRY_COMPARE(redraws(), before + 2);

    // Switched off by the framework, the host keeps it off.
    QVERIFY(m_host->hidePlugin(QStringLiteral("Clock")));
    QVERIFY(IdleHost::sendAndWait(VynChannel::ClockPlugin, VynMessage::ClockFormatChange));
    QVERIFY(container()->isHidden());
    QVERIFY(m_host->showPlugin(QStringLiteral("Clock")));
    QVERIFY(!container()->isHidden());
    QCOMPARE(container()->geometry(), place);
    QCOMPARE(shownTime(), QStringLiteral("10:09"));
}

void tst_HSPluginClock::callsInAnyOrder()
{
    HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/libclock_plugin.so"));
    QVERIFY(library.isLoaded());
    FakePluginSite site(QStringLiteral("Clock"));
    HSPlugin *clock = library.createInstance(&site);
    QVERIFY(clock);
    // Before any widget exists.
    clock->deactivate();
    clock->suspend(true);
    clock->suspend(false);
    QVERIFY(clock->geometry(FakePluginSite::offeredArea()).isValid());
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::TimeInfoChanged));
    QVERIFY(IdleHost::sendAndWait(VynChannel::ClockPlugin, VynMessage::ClockFormatChange));
    QVERIFY(site.containerWidget()->children().isEmpty());
    // Activated without initialize, twice, then initialized late.
    clock->activate();
    clock->activate();
    clock->initialize();
    QCOMPARE(site.containerWidget()->findChildren<QWidget *>(QStringLiteral("ClockWidget")).size(), 1);
    auto *object = dynamic_cast<QObject *>(clock);
    QCOMPARE(object->findChildren<QTimer *>().size(), 1);
    library.destroyInstance(clock);
    QVERIFY(site.containerWidget()->children().isEmpty());
}

void tst_HSPluginClock::containerGoesFirst()
{
    QVERIFY(startHost());
    QPointer<QWidget> clockWidget = widget();
    delete container();
    QVERIFY(clockWidget.isNull());
    // The plugin still gets notices and is destroyed afterwards without touching the widget.
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::TimeInfoChanged));
    QVERIFY(IdleHost::sendAndWait(VynChannel::System, VynMessage::ApplyStyle));
    plugin()->suspend(false);
    m_host->shutdown();
}

QTEST_MAIN(tst_HSPluginClock)
#include "tst_hspluginclock.moc"
