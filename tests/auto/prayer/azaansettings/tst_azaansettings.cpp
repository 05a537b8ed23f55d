#include <azaansettings.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <setup_set_manager.h>

#include "testdevice.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Getter = QString (AzaanSettings::*)() const;
using Setter = bool (AzaanSettings::*)(const QString &);
Q_DECLARE_METATYPE(Getter)
Q_DECLARE_METATYPE(Setter)

class tst_AzaanSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void firstUseCreatesTheFile();
    void existingFileIsLeftAlone();
    void writers_data();
    void writers();
    void broadcastsReachAnotherProcess();
    void missingKeysReadAsDefaults_data();
    void missingKeysReadAsDefaults();
    void badFilesReadAsDefaults_data();
    void badFilesReadAsDefaults();
    void readersSeeOtherWriters();

private:
    static QString settingsPath() { return QStringLiteral("/setup/qd_azaan_hs.cfg"); }
    std::unique_ptr<TestDevice> m_device;
};

static const QByteArray newFile = "[SETTINGS]\n"
                                  "HGM_HSA=0\n"
                                  "HGM_HSA_PRAYER=0\n"
                                  "HGM_HSA_MSG=0\n"
                                  "HGM_HSA_CALENDER=0\n"
                                  "HGM_HSA_EVENT=0\n"
                                  "HGM_HSA_MEDIA=0\n"
                                  "HGM_HSA_PRAYER_METHOD=1\n"
                                  "HGM_HSA_ALERT=0\n"
                                  "HGM_HSA_ALERT_PATH=/usr/data_resource/sound/ui_sounds/ui_countdown_sound_10.wav\n"
                                  "HGM_HSA_CITY=Abu Dhabi\n";

void tst_AzaanSettings::init()
{
    AzaanSettings::release();
    m_device = std::make_unique<TestDevice>(false);
}

void tst_AzaanSettings::cleanup()
{
    AzaanSettings::release();
    m_device.reset();
}

void tst_AzaanSettings::firstUseCreatesTheFile()
{
    QCopChannel broadcast(VynChannel::SystemSetupBroadcast);
    QSignalSpy spy(&broadcast, &QCopChannel::received);
    QVERIFY(!QFile::exists(m_device->hostPath(settingsPath())));

    AzaanSettings *settings = AzaanSettings::instance();
    QCOMPARE(AzaanSettings::instance(), settings);
    QCOMPARE(m_device->readFile(settingsPath()), newFile);
    QCOMPARE(settings->getCity(), QStringLiteral("Abu Dhabi"));

    // Creating the file announces nothing: a marker sent afterwards is all that arrives.
    QCopChannel::send(VynChannel::SystemSetupBroadcast, "marker");
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray("marker"));
}

void tst_AzaanSettings::existingFileIsLeftAlone()
{
    const QByteArray existing = "[SETTINGS]\nHGM_HSA_CITY=Cairo\n";
    QVERIFY(m_device->writeFile(settingsPath(), existing));
    AzaanSettings *settings = AzaanSettings::instance();
    QCOMPARE(m_device->readFile(settingsPath()), existing);
    QCOMPARE(settings->getCity(), QStringLiteral("Cairo"));
    QCOMPARE(settings->getPrayerMethod(), QStringLiteral("1"));

    // A second store in a later run does not touch it either.
    AzaanSettings::release();
    AzaanSettings::instance();
    QCOMPARE(m_device->readFile(settingsPath()), existing);
}

void tst_AzaanSettings::writers_data()
{
    QTest::addColumn<Setter>("setter");
    QTest::addColumn<Getter>("getter");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("broadcasts");
    QTest::newRow("enabled") << Setter(&AzaanSettings::setEnabled) << Getter(&AzaanSettings::getEnabled) << "HGM_HSA" << "1" << 1;
    QTest::newRow("prayer") << Setter(&AzaanSettings::setPrayer) << Getter(&AzaanSettings::getPrayer) << "HGM_HSA_PRAYER" << "1" << 1;
    QTest::newRow("message") << Setter(&AzaanSettings::setMessage) << Getter(&AzaanSettings::getMessage) << "HGM_HSA_MSG" << "1" << 1;
    QTest::newRow("calendar") << Setter(&AzaanSettings::setCalendar) << Getter(&AzaanSettings::getCalendar) << "HGM_HSA_CALENDER" << "1" << 1;
    QTest::newRow("event") << Setter(&AzaanSettings::setEvent) << Getter(&AzaanSettings::getEvent) << "HGM_HSA_EVENT" << "1" << 1;
    QTest::newRow("media") << Setter(&AzaanSettings::setMedia) << Getter(&AzaanSettings::getMedia) << "HGM_HSA_MEDIA" << "1" << 1;
    QTest::newRow("method") << Setter(&AzaanSettings::setPrayerMethod) << Getter(&AzaanSettings::getPrayerMethod) << "HGM_HSA_PRAYER_METHOD" << "5" << 1;
    QTest::newRow("alert") << Setter(&AzaanSettings::setAlert) << Getter(&AzaanSettings::getAlert) << "HGM_HSA_ALERT" << "3" << 1;
    QTest::newRow("alert path, silent") << Setter(&AzaanSettings::setAlertPath) << Getter(&AzaanSettings::getAlertPath) << "HGM_HSA_ALERT_PATH" << "/usr/data_resource/sound/a, b.wav" << 0;
    QTest::newRow("city") << Setter(&AzaanSettings::setCity) << Getter(&AzaanSettings::getCity) << "HGM_HSA_CITY" << "Washington D.C." << 1;
}

void tst_AzaanSettings::writers()
{
    QFETCH(Setter, setter);
    QFETCH(Getter, getter);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, broadcasts);

    AzaanSettings *settings = AzaanSettings::instance();
    QCopChannel broadcast(VynChannel::SystemSetupBroadcast);
    QSignalSpy spy(&broadcast, &QCopChannel::received);
    QVERIFY((settings->*setter)(value));

    // On disk at once, read back by a fresh reader.
    const SETUP_SET_Manager disk(qEnvironmentVariable("VYN_LOCAL_APP_WRITE_PATH") + settingsPath(), true);
    QString stored;
    QVERIFY(disk.getSettingInfo(QStringLiteral("SETTINGS"), key, stored, QString()));
    QCOMPARE(stored, value);
    QCOMPARE((settings->*getter)(), value);
    QCOMPARE(disk.keys(QStringLiteral("SETTINGS")).size(), 10);

    QCopChannel::send(VynChannel::SystemSetupBroadcast, "marker");
    QTRY_VERIFY(!spy.isEmpty() && spy.last().at(0).toByteArray() == "marker");
    QCOMPARE(spy.count(), broadcasts + 1);
    if (broadcasts)
        QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray(VynMessage::AzaanSettingsChanged));
}

void tst_AzaanSettings::broadcastsReachAnotherProcess()
{
    AzaanSettings *settings = AzaanSettings::instance();
    QProcess listener;
    listener.start(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"),
                   { "listen", VynChannel::SystemSetupBroadcast, "--count", "10", "--timeout", "20000" });
    QVERIFY(listener.waitForReadyRead(10000));
    QCOMPARE(listener.readLine().trimmed(), QByteArray("listening"));

    settings->setEnabled("1");
    settings->setPrayer("1");
    settings->setMessage("1");
    settings->setCalendar("1");
    settings->setEvent("1");
    settings->setMedia("1");
    settings->setPrayerMethod("2");
    settings->setAlert("1");
    settings->setAlertPath("/tmp/x.wav");
    settings->setCity("Cairo");
    QCopChannel::send(VynChannel::SystemSetupBroadcast, "marker");

    QVERIFY(listener.waitForFinished(20000));
    const QList<QByteArray> lines = listener.readAll().chopped(1).split('\n');
    QCOMPARE(lines.size(), 10);
    for (int i = 0; i < 9; ++i)
        QCOMPARE(lines.at(i), QByteArray("/systemsetup/broadcast\tazaansettingschange\t"));
    QCOMPARE(lines.at(9), QByteArray("/systemsetup/broadcast\tmarker\t"));
}

void tst_AzaanSettings::missingKeysReadAsDefaults_data()
{
    QTest::addColumn<Getter>("getter");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    QTest::newRow("method") << Getter(&AzaanSettings::getPrayerMethod) << "HGM_HSA_PRAYER_METHOD" << "1";
    QTest::newRow("city") << Getter(&AzaanSettings::getCity) << "HGM_HSA_CITY" << "Abu Dhabi";
    QTest::newRow("enabled") << Getter(&AzaanSettings::getEnabled) << "HGM_HSA" << "0";
    QTest::newRow("alert path") << Getter(&AzaanSettings::getAlertPath) << "HGM_HSA_ALERT_PATH"
                                << "/usr/data_resource/sound/ui_sounds/ui_countdown_sound_10.wav";
}

void tst_AzaanSettings::missingKeysReadAsDefaults()
{
    QFETCH(Getter, getter);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    AzaanSettings *settings = AzaanSettings::instance();
    settings->setPrayerMethod("3");
    settings->setCity("Cairo");
    settings->setEnabled("1");
    SETUP_SET_Manager editor(AzaanSettings::filePath());
    editor.removeSettingInfo(QStringLiteral("SETTINGS"), key);
    QVERIFY(editor.commit());
    QCOMPARE((settings->*getter)(), expected);
}

void tst_AzaanSettings::badFilesReadAsDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("truncated") << newFile.left(40);
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR", 16);
}

void tst_AzaanSettings::badFilesReadAsDefaults()
{
    QFETCH(QByteArray, content);
    QVERIFY(m_device->writeFile(settingsPath(), content));
    AzaanSettings *settings = AzaanSettings::instance();
    QCOMPARE(settings->getCity(), QStringLiteral("Abu Dhabi"));
    QCOMPARE(settings->getPrayerMethod(), QStringLiteral("1"));
    QCOMPARE(settings->getMedia(), QStringLiteral("0"));
    // Writing still works and keeps what the file did hold.
    QVERIFY(settings->setCity("Oslo"));
    QCOMPARE(settings->getCity(), QStringLiteral("Oslo"));
    if (content.startsWith("[SETTINGS]\nHGM_HSA=0"))
        QCOMPARE(SETUP_SET_Manager(AzaanSettings::filePath(), true).keys("SETTINGS").first(), QStringLiteral("HGM_HSA"));
}

void tst_AzaanSettings::readersSeeOtherWriters()
{
    AzaanSettings *settings = AzaanSettings::instance();
    QCOMPARE(settings->getCity(), QStringLiteral("Abu Dhabi"));
    // Another program changes the file behind the store's back.
    SETUP_SET_Manager other(AzaanSettings::filePath());
    other.setSettingInfo(QStringLiteral("SETTINGS"), QStringLiteral("HGM_HSA_CITY"), QStringLiteral("Mecca"));
    QVERIFY(other.commit());
    QCOMPARE(settings->getCity(), QStringLiteral("Mecca"));
    // And the store's own writes do not undo it.
    QVERIFY(settings->setAlert("2"));
    QCOMPARE(settings->getCity(), QStringLiteral("Mecca"));
}

QTEST_GUILESS_MAIN(tst_AzaanSettings)
#include "tst_azaansettings.moc"
