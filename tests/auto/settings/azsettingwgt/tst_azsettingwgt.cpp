// The Azaan settings screen of the settings library, driven through scripted dialogs: what each
// row shows and stores, which rows are disabled, the framework messages, the closing rule, the
// alert-sound picker and the city row.
#include "testdevice.h"

#include <az_timezone.h>
#include <azaansettings.h>
#include <azsettingwgt.h>
#include <qcopchannel.h>
#include <util_uilocker.h>
#include <zapplication.h>
#include <zdialogscript.h>
#include <zjumpbox.h>
#include <zlistbox.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTimer>

using Values = QMap<QString, QString>;

namespace {

const QStringList keys { "HGM_HSA", "HGM_HSA_PRAYER", "HGM_HSA_MSG", "HGM_HSA_CALENDER", "HGM_HSA_EVENT",
                         "HGM_HSA_MEDIA", "HGM_HSA_PRAYER_METHOD", "HGM_HSA_ALERT", "HGM_HSA_ALERT_PATH",
                         "HGM_HSA_CITY" };

// Row positions on the screen.
enum { Custom, Prayer, Method, City, Alert, Sound, Message, Calendar, Event, Media };

QByteArray settingsFile(const Values &values)
{
    QByteArray text = "[SETTINGS]\n";
    for (const QString &key : keys) {
        if (values.contains(key))
            text += key.toUtf8() + '=' + values.value(key).toUtf8() + '\n';
    }
    return text;
}

Values allOn()
{
    return { { "HGM_HSA", "1" }, { "HGM_HSA_PRAYER", "1" }, { "HGM_HSA_MSG", "1" }, { "HGM_HSA_CALENDER", "1" },
             { "HGM_HSA_EVENT", "1" }, { "HGM_HSA_MEDIA", "1" }, { "HGM_HSA_PRAYER_METHOD", "1" },
             { "HGM_HSA_ALERT", "0" }, { "HGM_HSA_ALERT_PATH", "/usr/data_resource/sound/ui_sounds/ui_countdown_sound_10.wav" },
             { "HGM_HSA_CITY", "Abu Dhabi" } };
}

// A listener in another process: the messages of a channel, one "message<TAB>payload" each.
class Listener
{
public:
    explicit Listener(const QString &channel)
    {
        m_process.start(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"), { "listen", channel, "--timeout", "20000" });
        if (m_process.waitForReadyRead(10000))
            m_ready = m_process.readLine().trimmed() == "listening";
    }
    ~Listener()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    bool isReady() const { return m_ready; }
    QStringList take(int count)
    {
        QStringList lines;
        QDeadlineTimer deadline(10000);
        while (lines.size() < count && !deadline.hasExpired()) {
            if (!m_process.canReadLine())
                m_process.waitForReadyRead(100);
            while (m_process.canReadLine())
                lines << QString::fromUtf8(m_process.readLine().trimmed()).section(QLatin1Char('\t'), 1);
        }
        return lines;
    }

private:
    QProcess m_process;
    bool m_ready = false;
};

} // namespace

class tst_AZSettingWgt : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shownValues_data();
    void shownValues();
    void disabledRowsDoNothing();
    void onOffRows_data();
    void onOffRows();
    void choosersStoreOnlyAChange_data();
    void choosersStoreOnlyAChange();
    void frameworkMessagesAndClosingRule();
    void alertSound_data();
    void alertSound();
    void alertSoundExtensions();
    void screenAnswersKeysAfterAChooser();
    void cityFromTheScreensLoop();

private:
    void store(const Values &values);
    QByteArray file() const { return m_device->readFile(QStringLiteral("/setup/qd_azaan_hs.cfg")); }
    QString value(ZListBox *list, int row) const { return list->item(row)->subItemText(0, 1); }

    std::unique_ptr<TestDevice> m_device;
};

void tst_AZSettingWgt::init()
{
    m_device = std::make_unique<TestDevice>();
    ZDialogScript::start();
}

void tst_AZSettingWgt::cleanup()
{
    ZDialogScript::stop();
    UTIL_UILocker::stopUILocker();
    AzaanSettings::release();
    m_device.reset();
}

void tst_AZSettingWgt::store(const Values &values)
{
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/qd_azaan_hs.cfg"), settingsFile(values)));
}

void tst_AZSettingWgt::shownValues_data()
{
    QTest::addColumn<Values>("stored");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("enabled");

    QTest::newRow("new file") << Values()
                              << QStringList { "Off", "Off", "Muslim World League", "Abu Dhabi", "Off",
                                               "ui_countdown_sound_10.wav", "Off", "Off", "Off", "Off" }
                              << "1000000000";
    Values set = allOn();
    set["HGM_HSA_PRAYER_METHOD"] = "5";
    set["HGM_HSA_ALERT"] = "3";
    set["HGM_HSA_ALERT_PATH"] = "/usr/data_resource/sound/alerts/soft_bell.wav";
    set["HGM_HSA_CITY"] = "Cairo";
    QTest::newRow("all on") << set
                            << QStringList { "On", "On", "Umm Al Qurah", "Cairo", "At prayer time", "soft_bell.wav",
                                             "On", "On", "On", "On" }
                            << "1111111111";
    set["HGM_HSA_PRAYER"] = "0";
    set["HGM_HSA_MSG"] = "0";
    QTest::newRow("prayer off") << set
                                << QStringList { "On", "Off", "Umm Al Qurah", "Cairo", "At prayer time",
                                                 "soft_bell.wav", "Off", "On", "On", "On" }
                                << "1100001111";
    // What the view and the calculator apply to values out of range.
    set = allOn();
    set["HGM_HSA_PRAYER_METHOD"] = "6";
    set["HGM_HSA_ALERT"] = "x";
    set["HGM_HSA_MSG"] = "7";
    set["HGM_HSA_ALERT_PATH"] = "";
    QTest::newRow("out of range") << set
                                  << QStringList { "On", "On", "Muslim World League", "Abu Dhabi", "At prayer time",
                                                   "", "On", "On", "On", "On" }
                                  << "1111111111";
    set["HGM_HSA_PRAYER_METHOD"] = "";
    set["HGM_HSA_ALERT"] = "-1";
    QTest::newRow("empty and negative") << set
                                        << QStringList { "On", "On", "Muslim World League", "Abu Dhabi",
                                                         "At prayer time", "", "On", "On", "On", "On" }
                                        << "1111111111";
}

void tst_AZSettingWgt::shownValues()
{
    QFETCH(Values, stored);
    QFETCH(QStringList, values);
    QFETCH(QString, enabled);
    if (!stored.isEmpty())
        store(stored);
    const QByteArray before = file();
    AZSettingWgt screen;
    ZListBox *list = screen.listBox();
    QCOMPARE(list->count(), 10);
    QStringList shown;
    QString states;
    for (int row = 0; row < list->count(); ++row) {
        shown << value(list, row);
        states += list->item(row)->isEnabled() ? '1' : '0';
    }
    QCOMPARE(shown, values);
    QCOMPARE(states, enabled);
    QCOMPARE(list->item(Method)->subItemText(0, 0), QStringLiteral("Prayer Method"));
    // Showing never rewrites what is stored.
    if (!stored.isEmpty())
        QCOMPARE(file(), before);
}

void tst_AZSettingWgt::disabledRowsDoNothing()
{
    Values set = allOn();
    set["HGM_HSA"] = "0";
    store(set);
    const QByteArray before = file();
    AZSettingWgt screen;
    for (int row = Prayer; row <= Media; ++row) {
        ZDialogScript::accept(1);
        screen.slotCommandDispatcher(row);
    }
    QCOMPARE(ZDialogScript::shown().size(), 0);
    QCOMPARE(file(), before);
}

void tst_AZSettingWgt::onOffRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("key");
    QTest::newRow("custom home screen") << int(Custom) << "HGM_HSA";
    QTest::newRow("prayer time") << int(Prayer) << "HGM_HSA_PRAYER";
    QTest::newRow("message inbox") << int(Message) << "HGM_HSA_MSG";
    QTest::newRow("calendar") << int(Calendar) << "HGM_HSA_CALENDER";
    QTest::newRow("islamic calendar") << int(Event) << "HGM_HSA_EVENT";
    QTest::newRow("media finder") << int(Media) << "HGM_HSA_MEDIA";
}

void tst_AZSettingWgt::onOffRows()
{
    QFETCH(int, row);
    QFETCH(QString, key);
    store(allOn());
    AZSettingWgt screen;
    QCopChannel broadcast("/systemsetup/broadcast");
    QSignalSpy changes(&broadcast, &QCopChannel::received);

    ZDialogScript::accept(1);
    screen.slotCommandDispatcher(row);
    const ZDialogScript::Shown dialog = ZDialogScript::shown().value(0);
    QCOMPARE(dialog.kind, QStringLiteral("ZSingleSelectDlg"));
    QCOMPARE(dialog.items, QStringList({ "On", "Off" }));
    QCOMPARE(dialog.checked, 0);
    QVERIFY(file().contains((key + "=0\n").toUtf8()));
    QCOMPARE(value(screen.listBox(), row), QStringLiteral("Off"));
    QTRY_COMPARE(changes.size(), 1);

    ZDialogScript::accept(0);
    screen.slotCommandDispatcher(row);
    QVERIFY(file().contains((key + "=1\n").toUtf8()));
    QCOMPARE(value(screen.listBox(), row), QStringLiteral("On"));
    QCOMPARE(ZDialogScript::shown().value(1).checked, 1);
    // One announcement per change, none left to reach the next case.
    QTRY_COMPARE(changes.size(), 2);
}

void tst_AZSettingWgt::choosersStoreOnlyAChange_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("storedValue");
    QTest::addColumn<int>("answer"); // -1 cancel, -2 accepted without a choice
    QTest::addColumn<QString>("expected"); // empty: the file stays as it was
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("checked");

    const QStringList methods { "Muslim World League", "Egyptian General", "Islamic Sciences", "Islamic Society",
                                "Umm Al Qurah" };
    const QStringList alerts { "Off", "10 minutes before", "5 minutes before", "At prayer time", "5 minutes after",
                               "10 minutes after" };
    QTest::newRow("Umm Al Qurah stores 5") << int(Method) << "1" << 4 << "HGM_HSA_PRAYER_METHOD=5" << methods << 0;
    QTest::newRow("method cancelled") << int(Method) << "2" << -1 << "" << methods << 1;
    QTest::newRow("method unchanged") << int(Method) << "3" << 2 << "" << methods << 2;
    QTest::newRow("method accepted with none") << int(Method) << "3" << -2 << "" << methods << 2;
    QTest::newRow("bad method kept unless chosen") << int(Method) << "9" << 0 << "" << methods << 0;
    QTest::newRow("bad method replaced when chosen") << int(Method) << "9" << 1 << "HGM_HSA_PRAYER_METHOD=2"
                                                     << methods << 0;
    QTest::newRow("At prayer time stores 3") << int(Alert) << "0" << 3 << "HGM_HSA_ALERT=3" << alerts << 0;
    QTest::newRow("alert off stores 0") << int(Alert) << "5" << 0 << "HGM_HSA_ALERT=0" << alerts << 5;
    QTest::newRow("alert accepted with none") << int(Alert) << "2" << -2 << "" << alerts << 2;
    QTest::newRow("bad alert checks at prayer time") << int(Alert) << "abc" << 3 << "" << alerts << 3;
    QTest::newRow("on/off cancelled") << int(Message) << "1" << -1 << "" << QStringList { "On", "Off" } << 0;
    QTest::newRow("on/off accepted with none") << int(Message) << "1" << -2 << "" << QStringList { "On", "Off" } << 0;
}

void tst_AZSettingWgt::choosersStoreOnlyAChange()
{
    QFETCH(int, row);
    QFETCH(QString, storedValue);
    QFETCH(int, answer);
    QFETCH(QString, expected);
    QFETCH(QStringList, items);
    QFETCH(int, checked);
    Values set = allOn();
    set[keys.value(row == Method ? 6 : row == Alert ? 7 : 2)] = storedValue;
    store(set);
    const QByteArray before = file();
    AZSettingWgt screen;
    if (answer == -1)
        ZDialogScript::cancel();
    else if (answer == -2)
        ZDialogScript::acceptNone();
    else
        ZDialogScript::accept(answer);
    screen.slotCommandDispatcher(row);
    QCOMPARE(ZDialogScript::shown().value(0).items, items);
    QCOMPARE(ZDialogScript::shown().value(0).checked, checked);
    if (expected.isEmpty()) {
        QCOMPARE(file(), before);
    } else {
        QVERIFY2(file().contains(expected.toUtf8() + '\n'), file().constData());
        QCOMPARE(value(screen.listBox(), row), items.at(answer));
    }
}

void tst_AZSettingWgt::frameworkMessagesAndClosingRule()
{
    Values set = allOn();
    set["HGM_HSA_MSG"] = "0";
    set["HGM_HSA_CALENDER"] = "0";
    set["HGM_HSA_EVENT"] = "0";
    store(set);
    Listener listener(QStringLiteral("VYN/HSFRAMEWORK"));
    QVERIFY(listener.isReady());

    auto *screen = new AZSettingWgt;
    QPointer<AZSettingWgt> guard(screen);
    ZListBox *list = screen->listBox();
    QString statesAfterPrayerOff;
    QTimer::singleShot(0, screen, [&] {
        // Prayer off: its four rows go grey; the media row keeps the view wanted.
        ZDialogScript::accept(1);
        list->setCurrentItem(Prayer);
        list->selectCurrent();
        for (int row = 0; row < list->count(); ++row)
            statesAfterPrayerOff += list->item(row)->isEnabled() ? '1' : '0';
        // The last row off: the view is not wanted any more.
        ZDialogScript::accept(1);
        screen->slotCommandDispatcher(Media);
        screen->slotRightSFKey();
    });
    screen->show();
    QVERIFY(!guard);
    QCOMPARE(statesAfterPrayerOff, QStringLiteral("1100001111"));
    QCOMPARE(listener.take(2), QStringList({ "activePlugIn()\tAzaan", "deactivePlugIn()\tAzaan" }));
    // Leaving with nothing on switches the custom home screen off.
    QVERIFY(file().contains("HGM_HSA=0\n"));
}

void tst_AZSettingWgt::alertSound_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("valid");
    QTest::newRow("shipped wave") << QByteArray() << true;
    QTest::newRow("midi") << QByteArray("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk", 18) << true;
    QTest::newRow("mp3 with ID3") << QByteArray("ID3\x04\0\0\0\0\0\x10", 10) + QByteArray(64, '\0') << true;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("truncated wave") << QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16) << false;
    QTest::newRow("text") << QByteArray("not a sound at all, just words in a file") << false;
}

void tst_AZSettingWgt::alertSound()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, valid);
    store(allOn());
    QString path = QStringLiteral("/usr/data_resource/sound/alerts/soft_bell.wav");
    if (!content.isNull()) {
        path = QStringLiteral("/vynlocal/download/audio/deep/er/candidate.wav");
        QVERIFY(m_device->writeFile(path, content));
    }
    AZSettingWgt screen;
    QCopChannel broadcast("/systemsetup/broadcast");
    QSignalSpy changes(&broadcast, &QCopChannel::received);
    // Announcements of earlier cases still on the bus arrive before this mark.
    const auto passMark = [&](const QCString &mark) {
        QCopChannel::send("/systemsetup/broadcast", mark);
        QTRY_VERIFY(!changes.isEmpty() && changes.last().at(0).toByteArray() == mark);
    };
    passMark("mark");
    changes.clear();
    const QByteArray before = file();

    // A refused file keeps the picker open for another choice, which here is a cancel.
    ZDialogScript::pick(path);
    ZDialogScript::cancel();
    screen.slotCommandDispatcher(Sound);
    const QList<ZDialogScript::Shown> shown = ZDialogScript::shown();
    QCOMPARE(shown.value(0).kind, QStringLiteral("MediaFilePicker"));
    QVERIFY(shown.value(0).items.contains(QStringLiteral("/usr/data_resource/sound/alerts/azaan_chime.wav")));
    if (valid) {
        QCOMPARE(shown.size(), 1);
        QCOMPARE(ZDialogScript::pending(), 1);
        QVERIFY(file().contains("HGM_HSA_ALERT_PATH=" + path.toUtf8() + '\n'));
        QCOMPARE(value(screen.listBox(), Sound), path.section(QLatin1Char('/'), -1));
    } else {
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(1).kind, QStringLiteral("ZMessageDlg"));
        QCOMPARE(shown.at(1).title, QStringLiteral("Invalid File"));
        QCOMPARE(shown.at(1).text,
                 QStringLiteral("Because this file is invalid: %1, it cannot be selected.").arg(path));
        QCOMPARE(file(), before);
        QCOMPARE(value(screen.listBox(), Sound), QStringLiteral("ui_countdown_sound_10.wav"));
    }
    QCOMPARE(screen.mainWidgetTitle(), QStringLiteral("Custom Home Screen"));
    // The alert sound is stored without an announcement.
    passMark("end");
    QCOMPARE(changes.size(), 1);
}

void tst_AZSettingWgt::alertSoundExtensions()
{
    store(allOn());
    AZSettingWgt screen;
    ZDialogScript::cancel();
    screen.slotCommandDispatcher(Sound);
    QCOMPARE(ZDialogScript::shown().value(0).extensions, QStringList({ "wav", "mid", "midi", "mp3", "amr" }));

    // No answer from the platform: the five of the fallback, in order.
    QVERIFY(QFile::remove(m_device->hostPath(QStringLiteral("/usr/SYSqtapp/mediaplayer.cfg"))));
    ZDialogScript::clearShown();
    ZDialogScript::cancel();
    screen.slotCommandDispatcher(Sound);
    QCOMPARE(ZDialogScript::shown().value(0).extensions, QStringList({ "mid", "midi", "mp3", "wav", "wma" }));
    QVERIFY(ZDialogScript::shown().value(0).items.contains(QStringLiteral("/usr/data_resource/sound/alerts/two_tones.mid")));
}

void tst_AZSettingWgt::screenAnswersKeysAfterAChooser()
{
    store(allOn());
    AZSettingWgt screen;
    screen.QWidget::show();
    ZDialogScript::cancel();
    screen.slotCommandDispatcher(Method);
    QVERIFY(!UTIL_UILocker::isUILocked());
    screen.listBox()->setCurrentItem(0, false);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(screen.listBox(), &down);
    QCOMPARE(screen.listBox()->currentItem(), 1);
}

void tst_AZSettingWgt::cityFromTheScreensLoop()
{
    // The picker opens inside the screen's own nested loop and still waits for the user.
    store(allOn());
    auto *screen = new AZSettingWgt;
    QString pickerTitle;
    QTimer::singleShot(0, screen, [&] {
        QTimer::singleShot(0, [&] {
            AZ_TimeZone *picker = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (auto *found = qobject_cast<AZ_TimeZone *>(window); found && found->isVisible())
                    picker = found;
            }
            if (!picker) {
                ZApplication::exit_loop();
                return;
            }
            pickerTitle = picker->mainWidgetTitle();
            // The first letter opens the find box, which takes the rest; its Return closes it
            // on the city found, the next one selects.
            QTest::keyClick(picker->listBox(), 'C');
            QTest::keyClicks(picker->jumpBox()->getLineEdit(), QStringLiteral("air"));
            QTest::keyClick(picker->jumpBox()->getLineEdit(), Qt::Key_Return);
            QTest::keyClick(picker->listBox(), Qt::Key_Return);
        });
        screen->slotCommandDispatcher(City);
        QCOMPARE(screen->rowForCode(21)->value(), QStringLiteral("Cairo"));
        screen->slotRightSFKey();
    });
    screen->show();
    QCOMPARE(pickerTitle, QStringLiteral("City"));
    QVERIFY(file().contains("HGM_HSA_CITY=Cairo\n"));
}

QTEST_MAIN(tst_AZSettingWgt)
#include "tst_azsettingwgt.moc"
