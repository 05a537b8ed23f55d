#include <am_alarmserver.h>
#include <am_global.h>
#include <azaansettings.h>
#include <cal_eng_manager.h>
#include <homescreentheme.h>
#include <hsplugin.h>
#include <hspluginhost.h>
#include <msgctr_eng_statusapi.h>
#include <prayertimecalculator.h>
#include <qcopchannel.h>
#include <qwallpaper.h>
#include <setup_set_manager.h>
#include <zheader.h>
#include <zheadless.h>
#include <zresource.h>

#include "fakepluginsite.h"
#include "screendump.h"
#include "testdevice.h"

#include <hspluginlibrary.h>

#include <QDataStream>
#include <QImage>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <ctime>
#include <memory>

namespace {

const char prayerAppId[] = "d7c961e1-43c2-4e34-aa93-360e6e83163d";
const char messagesAppId[] = "220072c6-9008-468e-9968-11f3c50fa95e";
const char calendarAppId[] = "1e6b9963-24cc-41f8-bbee-a23ae761ff81";
const char mediaAppId[] = "df0581bc-7bb1-43be-98db-1940d7cb8746";
const char secondAlarmId[] = "b0cb22e0-645e-4242-a454-9c0bf4a99b54";

const QRgb lineColour = qRgb(30, 30, 30);

// Texts of the five rows, in row order, as the headless dump sees them.
QStringList rowTexts(QWidget *container)
{
    return ScreenDump::childTexts(container, QStringLiteral("ZMarqueeText"));
}

QString rowText(QWidget *container, int row)
{
    return rowTexts(container).value(row);
}

// Sends a message and returns once every listener of this process has had it.
bool sendAndWait(const QCString &channel, const QCString &message)
{
    QCopChannel listener(channel);
    QSignalSpy spy(&listener, &QCopChannel::received);
    QCopChannel::send(channel, message);
    return spy.wait(5000);
}

QList<AM_Alarm> prayerAlarms()
{
    QList<AM_Alarm> result;
    const QList<AM_Alarm> all = AM_AlarmServer::alarms();
    for (const AM_Alarm &alarm : all) {
        if (alarm.appId == QUuid(QString::fromLatin1(prayerAppId)))
            result << alarm;
    }
    return result;
}

// Row switches as five characters, "1" on and "0" off, top row first.
void storeRows(const QString &rows)
{
    AzaanSettings *settings = AzaanSettings::instance();
    settings->setPrayer(rows.mid(0, 1));
    settings->setMessage(rows.mid(1, 1));
    settings->setCalendar(rows.mid(2, 1));
    settings->setEvent(rows.mid(3, 1));
    settings->setMedia(rows.mid(4, 1));
}

// Writes settings behind the view's back: no broadcast.
void storeSilently(const char *key, const QString &value)
{
    SETUP_SET_Manager file(AzaanSettings::filePath(), false);
    file.setSettingInfo(QStringLiteral("SETTINGS"), QString::fromLatin1(key), value);
    QVERIFY(file.commit());
}

} // namespace

class tst_HSPluginAzaan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void rowsFollowLanguageChange();

    void isActivated_data();
    void isActivated();
    void geometry_data();
    void geometry();
    void prayerRow_data();
    void prayerRow();
    void keysLaunchRows_data();
    void keysLaunchRows();
    void keyResults_data();
    void keyResults();
    void messageRow_data();
    void messageRow();
    void calendarRow_data();
    void calendarRow();
    void calendarNoticeWhileHidden();
    void minuteTimer_data();
    void minuteTimer();
    void switchesFollowSettingsNotTime();
    void paintBandAndLines();
    void rowAlignmentFollowsLanguage_data();
    void rowAlignmentFollowsLanguage();
    void alarmCleanUp_data();
    void alarmCleanUp();
    void prayerAfterMidnight_data();
    void prayerAfterMidnight();
    void newDayRefreshesEveryRow();
    void unknownCity();

private:
    HSPlugin *startPlugin();
    QWidget *container() { return m_site->containerWidget(); }
    QObject *pluginObject() { return dynamic_cast<QObject *>(m_plugin); }
    int press(int key, int phase = 0);
    QStringList launchSelected();
    void setTimeZone(const QByteArray &zone);

    std::unique_ptr<HSPluginLibrary> m_library;
    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<FakePluginSite> m_site;
    HSPlugin *m_plugin = nullptr;
    QByteArray m_originalZone;
};

void tst_HSPluginAzaan::initTestCase()
{
    // Launches are only announced on the launcher channel.
    qputenv("VYN_LAUNCH_DRY_RUN", "1");
    m_originalZone = qgetenv("TZ");
    const QString path = QStringLiteral(VYN_TEST_LIB_DIR "/libazaan_plugin.so");
    m_library = std::make_unique<HSPluginLibrary>(path);
    QVERIFY2(m_library->isLoaded(), qPrintable(m_library->errorString()));
}

void tst_HSPluginAzaan::cleanupTestCase()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_library.reset();
}

void tst_HSPluginAzaan::init()
{
    m_device = std::make_unique<TestDevice>();
    // The store keeps its file open: it must follow the new device root.
    AzaanSettings::release();
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_datetime.cfg"), "[DateTime]\nTimeFormat=24\n"));
    AzaanSettings *settings = AzaanSettings::instance();
    settings->setEnabled(QStringLiteral("1"));
    settings->setCity(QStringLiteral("Abu Dhabi"));
    settings->setPrayerMethod(QStringLiteral("1"));
    settings->setAlert(QStringLiteral("0"));
    storeRows(QStringLiteral("11111"));
    ZSystemClock::setFixed(QDateTime(QDate(2024, 1, 15), QTime(12, 0)));
    // The broadcasts of the writes above reach nobody yet.
    QCoreApplication::processEvents();
    m_site = std::make_unique<FakePluginSite>();
}

void tst_HSPluginAzaan::cleanup()
{
    if (m_plugin) {
        m_plugin->deactivate();
        m_library->destroyInstance(m_plugin);
        m_plugin = nullptr;
    }
    m_site.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    setTimeZone(m_originalZone);
    AzaanSettings::release();
    m_device.reset();
}

void tst_HSPluginAzaan::setTimeZone(const QByteArray &zone)
{
    if (qgetenv("TZ") == zone)
        return;
    qputenv("TZ", zone);
    tzset();
}

HSPlugin *tst_HSPluginAzaan::startPlugin()
{
    QCoreApplication::processEvents();
    m_plugin = m_library->createInstance(m_site.get());
    if (!m_plugin)
        return nullptr;
    container()->setGeometry(m_plugin->geometry(QRect(0, 0, 320, 214)));
    m_plugin->initialize();
    m_plugin->activate();
    return m_plugin;
}

int tst_HSPluginAzaan::press(int key, int phase)
{
    return m_plugin->keyEvent(phase, key);
}

// Presses select; the application id and argument text of the launch it made.
QStringList tst_HSPluginAzaan::launchSelected()
{
    QCopChannel launcher(AM_Global::getLauncherChannel());
    QSignalSpy spy(&launcher, &QCopChannel::received);
    if (press(HSKeySelect) != 0)
        return { QStringLiteral("select not consumed") };
    for (int i = 0; i < 10; ++i) {
        if (spy.isEmpty() && !spy.wait(5000))
            break;
        const QList<QVariant> message = spy.takeFirst();
        if (message.at(0).toByteArray() != "launched(QString)")
            continue;
        QDataStream stream(message.at(1).toByteArray());
        QString id;
        QString arguments;
        stream >> id >> arguments;
        return { id, arguments };
    }
    return { QStringLiteral("no launch") };
}

void tst_HSPluginAzaan::isActivated_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("expected");

    QTest::newRow("no file") << QByteArray() << 0;
    QTest::newRow("master on, every row off")
            << QByteArray("HGM_HSA=1\nHGM_HSA_PRAYER=0\nHGM_HSA_MSG=0\nHGM_HSA_CALENDER=0\nHGM_HSA_EVENT=0\n"
                          "HGM_HSA_MEDIA=0\n")
            << 0;
    QTest::newRow("a row on, master off") << QByteArray("HGM_HSA=0\nHGM_HSA_PRAYER=1\n") << 0;
    QTest::newRow("master on, media row only") << QByteArray("HGM_HSA=1\nHGM_HSA_MEDIA=1\n") << 1;
    QTest::newRow("master on, calendar row only") << QByteArray("HGM_HSA=1\nHGM_HSA_CALENDER=1\n") << 1;
    QTest::newRow("garbled master") << QByteArray("HGM_HSA=maybe\nHGM_HSA_PRAYER=1\n") << 0;
}

void tst_HSPluginAzaan::isActivated()
{
    QFETCH(QByteArray, settings);
    QFETCH(int, expected);

    // The check reads the file under VYN_APP_WRITE_PATH, not through the store.
    QFile::remove(AzaanSettings::filePath());
    if (!settings.isEmpty()) {
        const QString path = qEnvironmentVariable("VYN_APP_WRITE_PATH") + QStringLiteral("/setup/qd_azaan_hs.cfg");
        QVERIFY(m_device->writeFile(path, "[SETTINGS]\n" + settings));
    }
    QCOMPARE(m_library->isActivated(), expected);
}

void tst_HSPluginAzaan::geometry_data()
{
    QTest::addColumn<QByteArray>("theme");
    QTest::addColumn<QRect>("expected");

    const int header = ZHeader::headerSize(ZHeader::Standard).height();
    QTest::newRow("no theme file") << QByteArray() << QRect(3, header + 68, 316, 110);
    QTest::newRow("padding and spacing")
            << QByteArray("[Idle]\nPadding_Left=7\nSpacing_V1=4\nSpacing_V2=2\n[Font_IdleStatusStd]\nSize=30\n")
            << QRect(7, header + 4 + 68, 312, 5 * (16 + 6 + 2));
}

void tst_HSPluginAzaan::geometry()
{
    QFETCH(QByteArray, theme);
    QFETCH(QRect, expected);

    const QString themeFile = HomeScreenTheme::path();
    if (theme.isEmpty())
        QFile::remove(m_device->hostPath(themeFile));
    else
        QVERIFY(m_device->writeFile(themeFile, theme));

    m_plugin = m_library->createInstance(m_site.get());
    QCOMPARE(m_plugin->geometry(QRect(0, 0, 320, 214)), expected);
    // Before activation the call is a pure query.
    QVERIFY(container()->children().isEmpty());

    container()->setGeometry(expected);
    m_plugin->activate();
    QCOMPARE(container()->grab().size(), expected.size());
    QCOMPARE(m_plugin->geometry(QRect()), expected);
}

void tst_HSPluginAzaan::prayerRow_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QDate>("date");
    // The clock: minutes after prayer `anchor` (0 to 4), or after midnight when anchor is -1.
    QTest::addColumn<int>("anchor");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<QString>("alert");
    QTest::addColumn<QList<int>>("missing");
    // {n} stands for the time of prayer n.
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("alarmPrayer");
    QTest::addColumn<bool>("alarmNextDay");

    const QByteArray dubai("Asia/Dubai");
    const QDate winter(2024, 1, 15);
    const QList<int> none;
    const QString gap(8, QLatin1Char(' '));

    QTest::newRow("a minute before Fajr")
            << dubai << "Abu Dhabi" << "1" << winter << 0 << -1 << "3" << none << "Fajr{0}" << 0 << false;
    QTest::newRow("at Fajr") << dubai << "Abu Dhabi" << "1" << winter << 0 << 0 << "3" << none
                             << "Fajr{0}" + gap + "Dhohr{1}" << 1 << false;
    QTest::newRow("alert 10 minutes early skips a passed Asr")
            << dubai << "Abu Dhabi" << "1" << winter << 2 << -5 << "1" << none << "Dhohr{1}" + gap + "Asr{2}" << 3
            << false;
    QTest::newRow("alert 10 minutes late still rings for Asr")
            << dubai << "Abu Dhabi" << "1" << winter << 2 << 5 << "5" << none << "Asr{2}" + gap + "Maghreb{3}" << 2
            << false;
    QTest::newRow("after Eshaa") << dubai << "Abu Dhabi" << "1" << winter << 4 << 1 << "3" << none << "Eshaa{4}" + gap
                                 << -1 << false;
    QTest::newRow("last minute of the day")
            << dubai << "Abu Dhabi" << "1" << winter << -1 << 23 * 60 + 59 << "2" << none << "Eshaa{4}" + gap << -1
            << false;
    QTest::newRow("alert off") << dubai << "Abu Dhabi" << "1" << winter << 1 << 1 << "0" << none
                               << "Dhohr{1}" + gap + "Asr{2}" << -1 << false;

    // Summer in Paris: Ishaa falls after midnight, so its clock time is earlier than Maghrib's.
    const QByteArray paris("Europe/Paris");
    const QDate june(2024, 6, 5);
    QTest::newRow("Paris: Ishaa after midnight is next after Maghrib")
            << paris << "Paris" << "3" << june << 3 << 60 << "3" << none << "Maghreb{3}" + gap + "Eshaa{4}" << 4
            << true;
    QTest::newRow("Paris: Ishaa after midnight is not current at night")
            << paris << "Paris" << "3" << june << 0 << -30 << "3" << none << "Fajr{0}" << 0 << false;

    // Polar days: sunset itself may fall after midnight, or the calculator has no time for
    // some prayers.
    const QByteArray oslo("Europe/Oslo");
    QTest::newRow("Tromso: Maghrib after midnight is next after Asr")
            << oslo << "Tromso" << "1" << QDate(2024, 5, 17) << -1 << 23 * 60 << "3" << none
            << "Asr{2}" + gap + "Maghreb{3}" << 3 << true;
    QTest::newRow("Tromso, polar night: Dhuhr at the transit, no Asr or Maghrib")
            << oslo << "Tromso" << "1" << QDate(2024, 12, 15) << -1 << 12 * 60 << "3" << QList<int> { 2, 3 }
            << "Dhohr{1}" + gap + "Eshaa{4}" << 4 << false;
    QTest::newRow("Tromso, no Asr") << oslo << "Tromso" << "1" << QDate(2024, 1, 15) << -1 << 12 * 60 << "3"
                                    << QList<int> { 2 } << "Dhohr{1}" + gap + "Maghreb{3}" << 3 << false;
    QTest::newRow("Reykjavik, sunset just after midnight")
            << QByteArray("Atlantic/Reykjavik") << "Reykjavik" << "1" << QDate(2024, 6, 15) << -1 << 12 * 60 << "5"
            << none << "Fajr{0}" + gap + "Dhohr{1}" << 1 << false;
}

void tst_HSPluginAzaan::prayerRow()
{
    QFETCH(QByteArray, zone);
    QFETCH(QString, city);
    QFETCH(QString, method);
    QFETCH(QDate, date);
    QFETCH(int, anchor);
    QFETCH(int, minutes);
    QFETCH(QString, alert);
    QFETCH(QList<int>, missing);
    QFETCH(QString, expected);
    QFETCH(int, alarmPrayer);
    QFETCH(bool, alarmNextDay);

    setTimeZone(zone);
    AzaanSettings *settings = AzaanSettings::instance();
    settings->setCity(city);
    settings->setPrayerMethod(method);
    settings->setAlert(alert);

    // Today's times, from a calculator of our own.
    ZSystemClock::setFixed(QDateTime(date, QTime(12, 0)));
    PrayerTimeCalculator calculator;
    calculator.loadSettings();
    HourMinute times[5];
    const bool found[5] = { calculator.getFajr(times[0]), calculator.getDhuhr(times[1]), calculator.getAsr(times[2]),
                            calculator.getMaghrib(times[3]), calculator.getIshaa(times[4]) };
    for (int prayer = 0; prayer < 5; ++prayer) {
        QCOMPARE(found[prayer], !missing.contains(prayer));
        expected.replace(QStringLiteral("{%1}").arg(prayer),
                         QTime(times[prayer].hour, times[prayer].minute).toString(QStringLiteral(" HH:mm")));
    }
    if (alarmNextDay)
        QVERIFY2(QTime(times[alarmPrayer].hour, times[alarmPrayer].minute) < QTime(times[1].hour, times[1].minute),
                 "the case needs an evening prayer after midnight");

    const QDateTime now = anchor < 0
            ? QDateTime(date, QTime(0, 0)).addSecs(minutes * 60)
            : QDateTime(date, QTime(times[anchor].hour, times[anchor].minute)).addSecs(minutes * 60);
    QCOMPARE(now.date(), date);
    ZSystemClock::setFixed(now);

    QVERIFY(startPlugin());
    QCOMPARE(rowText(container(), 0), expected);

    const QList<AM_Alarm> alarms = prayerAlarms();
    if (alarmPrayer < 0) {
        QVERIFY(alarms.isEmpty());
        return;
    }
    QCOMPARE(alarms.size(), 1);
    const AM_Alarm &alarm = alarms.first();
    const QDateTime alarmTime = QDateTime(alarmNextDay ? date.addDays(1) : date,
                                          QTime(times[alarmPrayer].hour, times[alarmPrayer].minute))
                                        .addSecs(60 * QList<int> { 0, -10, -5, 0, 5, 10 }.at(alert.toInt()));
    QCOMPARE(alarm.time, alarmTime);
    QCOMPARE(alarm.index, alarmPrayer);
    QCOMPARE(alarm.type, 8);
    QVERIFY(alarm.data.isEmpty());
    QCOMPARE(alarm.secondId, QUuid(QString::fromLatin1(secondAlarmId)));
}

void tst_HSPluginAzaan::keysLaunchRows_data()
{
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("appId");
    QTest::addColumn<QString>("arguments");

    const int up = HSKeyUp;
    const int down = HSKeyDown;
    QTest::newRow("prayer row") << "11111" << QList<int>() << prayerAppId << "";
    QTest::newRow("messages row") << "11111" << QList<int> { down } << messagesAppId << "";
    QTest::newRow("calendar row") << "11111" << QList<int> { down, down } << calendarAppId << " --view=2";
    QTest::newRow("event row") << "11111" << QList<int> { down, down, down } << prayerAppId << "event";
    QTest::newRow("up wraps to the media row") << "11111" << QList<int> { up } << mediaAppId << "";
    QTest::newRow("down wraps to the prayer row")
            << "11111" << QList<int> { down, down, down, down, down } << prayerAppId << "";
    QTest::newRow("hidden rows are skipped") << "10101" << QList<int> { down } << calendarAppId << " --view=2";
    QTest::newRow("only the calendar row: up stays") << "00100" << QList<int> { up } << calendarAppId << " --view=2";
    QTest::newRow("only the calendar row: down stays")
            << "00100" << QList<int> { down, down } << calendarAppId << " --view=2";
    QTest::newRow("hidden first row: selection starts below") << "00010" << QList<int>() << prayerAppId << "event";
}

void tst_HSPluginAzaan::keysLaunchRows()
{
    QFETCH(QString, rows);
    QFETCH(QList<int>, keys);
    QFETCH(QString, appId);
    QFETCH(QString, arguments);

    storeRows(rows);
    QVERIFY(startPlugin());
    for (int key : keys)
        QCOMPARE(press(key), 0);
    QCOMPARE(launchSelected(), QStringList({ appId, arguments }));
}

void tst_HSPluginAzaan::keyResults_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");

    QTest::newRow("left swallowed") << 0 << int(HSKeyLeft) << 0;
    QTest::newRow("right swallowed") << 0 << int(HSKeyRight) << 0;
    QTest::newRow("right on repeat") << 2 << int(HSKeyRight) << 0;
    QTest::newRow("down on repeat") << 2 << int(HSKeyDown) << 0;
    QTest::newRow("other key") << 0 << int(Qt::Key_Space) << 1;
    QTest::newRow("phase 1 select") << 1 << int(HSKeySelect) << 1;
    QTest::newRow("phase 1 down") << 1 << int(HSKeyDown) << 1;
    QTest::newRow("phase 3 left") << 3 << int(HSKeyLeft) << 1;
}

void tst_HSPluginAzaan::keyResults()
{
    QFETCH(int, phase);
    QFETCH(int, key);
    QFETCH(int, expected);

    QVERIFY(startPlugin());
    QCOMPARE(press(key, phase), expected);
    // Left, right and passed-on keys leave the selection alone.
    if (key != HSKeyDown || expected != 0)
        QCOMPARE(launchSelected(), QStringList({ prayerAppId, QString() }));
}

void tst_HSPluginAzaan::messageRow_data()
{
    QTest::addColumn<QByteArray>("unread");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no file") << QByteArray() << "0 New Messages";
    QTest::newRow("one SMS") << QByteArray("SMS=1\nMMS=0\n") << "1 New Message";
    QTest::newRow("failed SMS query, one MMS") << QByteArray("SMS=4\nSMSFail=true\nMMS=1\n") << "1 New Message";
    QTest::newRow("damaged MMS count") << QByteArray("SMS=1\nMMS=lots\n") << "1 New Message";
    QTest::newRow("both counted") << QByteArray("SMS=2\nMMS=3\n") << "5 New Messages";
}

void tst_HSPluginAzaan::rowsFollowLanguageChange()
{
    QVERIFY(startPlugin());
    QCOMPARE(rowText(container(), 4), QStringLiteral("Media Finder"));
    QVERIFY(rowText(container(), 3).endsWith(QStringLiteral("Start of Ramadan")));

    // The platform loads another language's texts: every row is written afresh, not only at
    // the rows' own next update.
    QVERIFY(ZResource::loadLanguage(QStringLiteral("ar")));
    QTRY_COMPARE(rowText(container(), 4), QString::fromUtf8("مستكشف الوسائط"));
    QVERIFY2(rowText(container(), 3).endsWith(QString::fromUtf8("بداية رمضان")), qPrintable(rowText(container(), 3)));
    QVERIFY(QString(rowTexts(container()).join(QLatin1Char('|'))).contains(QString::fromUtf8("الظهر")));
    ZResource::loadLanguage(QString());
    QTRY_COMPARE(rowText(container(), 4), QStringLiteral("Media Finder"));
}

void tst_HSPluginAzaan::messageRow()
{
    QFETCH(QByteArray, unread);
    QFETCH(QString, expected);

    if (!unread.isEmpty())
        QVERIFY(m_device->writeFile(MSGCTR_ENG_StatusApi::statusFile(), "[Unread]\n" + unread));
    QVERIFY(startPlugin());
    // Counts wait for the first minute tick.
    QCOMPARE(rowText(container(), 1), QStringLiteral("0 New Messages"));
    QVERIFY(QMetaObject::invokeMethod(pluginObject(), "slotUpdatePerMin"));
    QCOMPARE(rowText(container(), 1), expected);
}

void tst_HSPluginAzaan::calendarRow_data()
{
    QTest::addColumn<QByteArray>("timeFormat");
    QTest::addColumn<QTime>("start");
    QTest::addColumn<QTime>("end");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QTime>("alarm");

    QTest::newRow("24-hour clock") << QByteArray("24") << QTime(10, 0) << QTime(11, 0) << "10:00-11:00   Meeting"
                                   << QTime(11, 0);
    QTest::newRow("12-hour clock") << QByteArray("12") << QTime(10, 0) << QTime(11, 0)
                                   << "10:00 AM-11:00 AM   Meeting" << QTime(11, 0);
    // An end already reached would be due at once and bring its notice straight back.
    QTest::newRow("entry ending now: no alarm")
            << QByteArray("24") << QTime(10, 30) << QTime(10, 30) << "10:30-10:30   Meeting" << QTime();
}

void tst_HSPluginAzaan::calendarRow()
{
    QFETCH(QByteArray, timeFormat);
    QFETCH(QTime, start);
    QFETCH(QTime, end);
    QFETCH(QString, expected);
    QFETCH(QTime, alarm);

    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_datetime.cfg"), "[DateTime]\nTimeFormat=" + timeFormat));
    const QDate today(2024, 1, 15);
    ZSystemClock::setFixed(QDateTime(today, QTime(10, 30)));
    QVERIFY(startPlugin());
    QCOMPARE(rowText(container(), 2), QStringLiteral("0 calendar events"));

    CAL_ENG_Manager calendar;
    QCOMPARE(calendar.addEntry(QStringLiteral("Meeting"), QDateTime(today, start), QDateTime(today, end)), 0);
    QTRY_COMPARE(rowText(container(), 2), expected);
    QCOMPARE(calendar.hsaAlarmTime(), alarm.isValid() ? QDateTime(today, alarm) : QDateTime());

    // The view withdraws the calendar's home-screen alarm when it goes.
    m_plugin->deactivate();
    QVERIFY(!calendar.hsaAlarmTime().isValid());
}

void tst_HSPluginAzaan::calendarNoticeWhileHidden()
{
    storeRows(QStringLiteral("11011"));
    const QDate today(2024, 1, 15);
    ZSystemClock::setFixed(QDateTime(today, QTime(10, 30)));
    QVERIFY(startPlugin());
    QCOMPARE(CAL_ENG_Manager().addEntry(QStringLiteral("Meeting"), QDateTime(today, QTime(10, 0)),
                                        QDateTime(today, QTime(11, 0))),
             0);
    QVERIFY(sendAndWait(CAL_ENG_Manager::hsaChannel(), "entryChanged"));
    QCOMPARE(rowText(container(), 2), QStringLiteral("0 calendar events"));
    QVERIFY(!CAL_ENG_Manager().hsaAlarmTime().isValid());
}

void tst_HSPluginAzaan::minuteTimer_data()
{
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("interval");

    QTest::newRow("second 0") << 0 << 60200;
    QTest::newRow("second 30") << 30 << 30200;
    QTest::newRow("second 59") << 59 << 1200;
}

void tst_HSPluginAzaan::minuteTimer()
{
    QFETCH(int, second);
    QFETCH(int, interval);

    QVERIFY(startPlugin());
    auto *timer = pluginObject()->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 30000);

    ZSystemClock::setFixed(QDateTime(QDate(2024, 1, 15), QTime(13, 14, second)));
    QVERIFY(QMetaObject::invokeMethod(pluginObject(), "slotUpdatePerMin"));
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), interval);

    // A second activation keeps the running timer.
    m_plugin->deactivate();
    m_plugin->activate();
    QCOMPARE(timer->interval(), interval);
    QCOMPARE(pluginObject()->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
}

void tst_HSPluginAzaan::switchesFollowSettingsNotTime()
{
    QVERIFY(startPlugin());
    storeSilently("HGM_HSA_MSG", QStringLiteral("0"));

    // The time notice refreshes the prayer row but keeps the switches it had.
    const QString before = rowText(container(), 0);
    ZSystemClock::setFixed(QDateTime(QDate(2024, 1, 15), QTime(23, 0)));
    QVERIFY(sendAndWait("VYN/System", "TimeInfoChanged"));
    QVERIFY(rowText(container(), 0) != before);
    QCOMPARE(press(HSKeyDown), 0);
    QCOMPARE(launchSelected(), QStringList({ messagesAppId, QString() }));

    QCOMPARE(press(HSKeyUp), 0);
    QVERIFY(sendAndWait("/systemsetup/broadcast", "azaansettingschange"));
    QCOMPARE(press(HSKeyDown), 0);
    QCOMPARE(launchSelected(), QStringList({ calendarAppId, QStringLiteral(" --view=2") }));
}

void tst_HSPluginAzaan::paintBandAndLines()
{
    QVERIFY(startPlugin());
    const QImage wallpaper = QWallpaper::wallpaper().toImage();
    const QPoint origin = container()->pos();
    const int height = container()->height();
    const int pitch = 22;

    // Left of the texts, inside the band of a row: half the dots are the band's, the others the
    // wallpaper's.
    auto bandDots = [&](int row, int &wallpaperDots) {
        const QImage image = container()->grab().toImage();
        const int top = height - (5 - row) * pitch;
        int dots = 0;
        wallpaperDots = 0;
        for (int y = top + 2; y < top + pitch - 3; ++y) {
            for (int x = 0; x < 20; ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (pixel == lineColour)
                    ++dots;
                else if (pixel == wallpaper.pixel(origin + QPoint(x, y)))
                    ++wallpaperDots;
            }
        }
        return dots;
    };
    const int area = 20 * (pitch - 5);
    int wallpaperDots = 0;
    QCOMPARE(bandDots(0, wallpaperDots), area / 2);
    QCOMPARE(wallpaperDots, area / 2);
    QCOMPARE(bandDots(1, wallpaperDots), 0);
    QCOMPARE(wallpaperDots, area);

    QCOMPARE(press(HSKeyDown), 0);
    QCOMPARE(bandDots(0, wallpaperDots), 0);
    QCOMPARE(bandDots(1, wallpaperDots), area / 2);

    // A line under the panel and one above each row.
    const QImage image = container()->grab().toImage();
    for (int line = 0; line <= 4; ++line) {
        const int y = height - 1 - line * pitch;
        for (int x : { 0, 5, container()->width() - 1 })
            QCOMPARE(image.pixel(x, y), lineColour);
    }
}

void tst_HSPluginAzaan::rowAlignmentFollowsLanguage_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<bool>("rightToLeft");

    QTest::newRow("English") << QByteArray("en-us") << false;
    QTest::newRow("Arabic") << QByteArray("ar") << true;
}

void tst_HSPluginAzaan::rowAlignmentFollowsLanguage()
{
    QFETCH(QByteArray, language);
    QFETCH(bool, rightToLeft);

    QVERIFY(m_device->writeFile(QStringLiteral("/tmp/vyn_system.cfg"),
                                "[SYS_SYSTEM_SET]\nLanguageType=" + language + "\n"));
    storeRows(QStringLiteral("00001"));
    QVERIFY(startPlugin());
    QCOMPARE(rowText(container(), 4), QStringLiteral("Media Finder"));

    // Where "Media Finder" is drawn: the pixels of the row that are neither wallpaper nor band.
    const QImage image = container()->grab().toImage();
    const QImage wallpaper = QWallpaper::wallpaper().toImage();
    const QPoint origin = container()->pos();
    const int height = container()->height();
    int left = image.width();
    int right = -1;
    for (int y = height - 20; y < height - 3; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel != lineColour && pixel != wallpaper.pixel(origin + QPoint(x, y))) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
        }
    }
    QVERIFY(right > left);
    if (rightToLeft) {
        QVERIFY2(right >= 295 && right <= 304, qPrintable(QString::number(right)));
        QVERIFY(left > 160);
    } else {
        QVERIFY2(left >= 19 && left <= 26, qPrintable(QString::number(left)));
        QVERIFY(right < 160);
    }
}

void tst_HSPluginAzaan::alarmCleanUp_data()
{
    QTest::addColumn<QString>("enabledAtEnd");
    QTest::addColumn<QString>("alertAtEnd");
    QTest::addColumn<bool>("alarmStays");

    QTest::newRow("view and alert on") << "1" << "3" << true;
    QTest::newRow("alert switched off") << "1" << "0" << false;
    QTest::newRow("view switched off") << "0" << "3" << false;
}

void tst_HSPluginAzaan::alarmCleanUp()
{
    QFETCH(QString, enabledAtEnd);
    QFETCH(QString, alertAtEnd);
    QFETCH(bool, alarmStays);

    AzaanSettings::instance()->setAlert(QStringLiteral("3"));
    QVERIFY(startPlugin());
    QCOMPARE(prayerAlarms().size(), 1);

    storeSilently("HGM_HSA", enabledAtEnd);
    storeSilently("HGM_HSA_ALERT", alertAtEnd);
    m_plugin->deactivate();
    QCOMPARE(prayerAlarms().size(), alarmStays ? 1 : 0);

    // The destructor cleans up the same way.
    m_plugin->activate();
    storeSilently("HGM_HSA_ALERT", QStringLiteral("3"));
    QVERIFY(QMetaObject::invokeMethod(pluginObject(), "slotUpdatePerMin"));
    QCOMPARE(prayerAlarms().size(), 1);
    storeSilently("HGM_HSA_ALERT", alertAtEnd);
    m_library->destroyInstance(m_plugin);
    m_plugin = nullptr;
    QCOMPARE(prayerAlarms().size(), alarmStays ? 1 : 0);
}

void tst_HSPluginAzaan::prayerAfterMidnight_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QDateTime>("alarm");
    QTest::addColumn<int>("alarmPrayer");

    // Paris in early June (method 3): the evening's Ishaa falls at 01:09 the next morning.
    const QString gap(8, QLatin1Char(' '));
    const QDate june6(2024, 6, 6);
    QTest::newRow("23:59:30") << QTime(23, 59, 30) << "Maghreb 21:50" + gap + "Eshaa 01:09"
                              << QDateTime(june6, QTime(1, 9)) << 4;
    QTest::newRow("00:00:30") << QTime(0, 0, 30) << "Maghreb 21:50" + gap + "Eshaa 01:09"
                              << QDateTime(june6, QTime(1, 9)) << 4;
    QTest::newRow("01:08:30") << QTime(1, 8, 30) << "Maghreb 21:50" + gap + "Eshaa 01:09"
                              << QDateTime(june6, QTime(1, 9)) << 4;
    QTest::newRow("01:09:30") << QTime(1, 9, 30) << "Fajr 02:25" << QDateTime(june6, QTime(2, 25)) << 0;
}

void tst_HSPluginAzaan::prayerAfterMidnight()
{
    QFETCH(QTime, time);
    QFETCH(QString, row);
    QFETCH(QDateTime, alarm);
    QFETCH(int, alarmPrayer);

    setTimeZone("Europe/Paris");
    AzaanSettings *settings = AzaanSettings::instance();
    settings->setCity(QStringLiteral("Paris"));
    settings->setPrayerMethod(QStringLiteral("3"));
    settings->setAlert(QStringLiteral("3"));

    // The view runs from the evening before, and the minute ticks carry it across midnight.
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 5), QTime(23, 59, 30)));
    QVERIFY(startPlugin());
    const QDateTime now(time.hour() < 12 ? QDate(2024, 6, 6) : QDate(2024, 6, 5), time);
    ZSystemClock::setFixed(now);
    QVERIFY(QMetaObject::invokeMethod(pluginObject(), "slotUpdatePerMin"));

    QCOMPARE(rowText(container(), 0), row);
    const QList<AM_Alarm> alarms = prayerAlarms();
    QCOMPARE(alarms.size(), 1);
    // Built again in the zone now in force: a local time made under the test's starting zone
    // may keep that zone's offset (32-bit Qt caches it).
    QCOMPARE(alarms.first().time, QDateTime(alarm.date(), alarm.time()));
    QCOMPARE(alarms.first().index, alarmPrayer);
}

void tst_HSPluginAzaan::newDayRefreshesEveryRow()
{
    // Abu Dhabi, 16 June 2024: Eid al Adha is tomorrow; past midnight the next event is the
    // Hijra new year.
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 16), QTime(23, 59, 45)));
    QVERIFY(startPlugin());
    QVERIFY2(rowText(container(), 3).endsWith(QLatin1String("Eid al Adha")), qPrintable(rowText(container(), 3)));

    // A tick in the same day keeps the event row; the first tick of the next day renews it.
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 16), QTime(23, 59, 50)));
    QVERIFY(QMetaObject::invokeMethod(pluginObject(), "slotUpdatePerMin"));
    QVERIFY(rowText(container(), 3).endsWith(QLatin1String("Eid al Adha")));
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 17), QTime(0, 0, 30)));
    QVERIFY(QMetaObject::invokeMethod(pluginObject(), "slotUpdatePerMin"));
    QVERIFY2(rowText(container(), 3).endsWith(QLatin1String("Hijra New Year")), qPrintable(rowText(container(), 3)));
    // The counts of the other rows are read again too.
    QCOMPARE(rowText(container(), 1), QStringLiteral("0 New Messages"));
}

void tst_HSPluginAzaan::unknownCity()
{
    // A city the phone no longer knows: no made-up times and no alert for them, and the
    // stored text stays for the user to correct.
    AzaanSettings::instance()->setAlert(QStringLiteral("3"));
    QVERIFY(startPlugin());
    QCOMPARE(prayerAlarms().size(), 1);

    storeSilently("HGM_HSA_CITY", QStringLiteral("Atlantis"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Atlantis")));
    QVERIFY(sendAndWait("/systemsetup/broadcast", "azaansettingschange"));
    QCOMPARE(rowText(container(), 0), QStringLiteral("Prayer time not found"));
    QVERIFY(prayerAlarms().isEmpty());
    QCOMPARE(AzaanSettings::instance()->getCity(), QStringLiteral("Atlantis"));
}

QTEST_MAIN(tst_HSPluginAzaan)
#include "tst_hspluginazaan.moc"
