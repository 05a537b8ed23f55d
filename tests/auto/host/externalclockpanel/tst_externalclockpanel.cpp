#include <externalclockpanel.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <zheadless.h>
#include <zsystemclock.h>

#include "testdevice.h"

#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

// The simulator's external display: the analog hands and the style the clock settings announce.
class tst_ExternalClockPanel : public QObject
{
    Q_OBJECT

private slots:
    void hands_data();
    void hands();
    void followsTheAnnouncedStyle_data();
    void followsTheAnnouncedStyle();
    void analogWithoutTheFaceIcon();
};

void tst_ExternalClockPanel::hands_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QPoint>("hour");
    QTest::addColumn<QPoint>("minute");

    // A 96-pixel face: centre (48, 48), hour hand 16 pixels, minute hand 29.
    QTest::newRow("12:00") << QTime(12, 0) << QPoint(48, 32) << QPoint(48, 19);
    QTest::newRow("03:00, clockwise") << QTime(3, 0) << QPoint(64, 48) << QPoint(48, 19);
    QTest::newRow("18:30") << QTime(18, 30) << QPoint(43, 63) << QPoint(48, 77);
    QTest::newRow("09:45") << QTime(9, 45) << QPoint(33, 42) << QPoint(19, 48);
}

void tst_ExternalClockPanel::hands()
{
    QFETCH(QTime, time);
    QFETCH(QPoint, hour);
    QFETCH(QPoint, minute);

    const QSize face(96, 96);
    QCOMPARE(ExternalClockPanel::hourHand(face, time.hour(), time.minute()), hour);
    QCOMPARE(ExternalClockPanel::minuteHand(face, time.minute()), minute);
}

void tst_ExternalClockPanel::followsTheAnnouncedStyle_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("initial");

    QTest::newRow("nothing stored") << QByteArray() << int(ExternalClockPanel::Digital);
    QTest::newRow("Analog stored") << QByteArray("Analog") << int(ExternalClockPanel::Analog);
    QTest::newRow("Stylish stored") << QByteArray("Stylish") << int(ExternalClockPanel::Digital);
}

void tst_ExternalClockPanel::followsTheAnnouncedStyle()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, initial);

    TestDevice device;
    if (!stored.isEmpty())
        QVERIFY(device.writeFile(QStringLiteral("/setup/vyn_idle.cfg"), "[ClockPlugin]\nClockMode=" + stored + "\n"));
    ExternalClockPanel panel;
    QCOMPARE(int(panel.style()), initial);

    QCopChannel cli(VynChannel::ClockCli);
    QSignalSpy spy(&cli, &QCopChannel::received);
    const char *messages[] = { "analog", "bogus", "digital", "analog" };
    const ExternalClockPanel::Style expected[] = { ExternalClockPanel::Analog, ExternalClockPanel::Analog,
                                                   ExternalClockPanel::Digital, ExternalClockPanel::Analog };
    for (int i = 0; i < 4; ++i) {
        QCopChannel::send(VynChannel::ClockCli, messages[i], "payload nobody reads");
        QVERIFY(spy.wait(5000));
        QCOMPARE(panel.style(), expected[i]);
    }
    QVERIFY(panel.property(ZHeadless::DumpProperty).toStringList().value(0).startsWith(QLatin1String("External display: analog")));
}

void tst_ExternalClockPanel::analogWithoutTheFaceIcon()
{
    TestDevice device;
    QVERIFY(QFile::remove(device.hostPath(QStringLiteral("/usr/SYSqtapp/icons/analog_clock_face.png"))));
    QVERIFY(device.writeFile(QStringLiteral("/setup/vyn_idle.cfg"), "[ClockPlugin]\nClockMode=Analog\n"));
    QVERIFY(device.writeFile(QStringLiteral("/usr/SYSqtapp/skins/default/homescreen.cfg"),
                             "[Idle]\nAnalogClockHands_Color=16711680\nAnalogClockHands_Width=999\n"));
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 1), QTime(3, 0)));
    ExternalClockPanel panel;
    panel.resize(panel.sizeHint());
    const QImage image = panel.grab().toImage();
    // A plain dial, and the hands in the theme's colour from its centre: the minute hand up,
    // the hour hand to the right.
    const QPoint centre(160, 14 + (120 - 14) / 2);
    QCOMPARE(QColor(image.pixel(centre + QPoint(0, -20))).red(), 255);
    QCOMPARE(QColor(image.pixel(centre + QPoint(10, 0))).red(), 255);
    QCOMPARE(QColor(image.pixel(centre + QPoint(-10, 0))).red(), 0x0b);
}

QTEST_MAIN(tst_ExternalClockPanel)
#include "tst_externalclockpanel.moc"
