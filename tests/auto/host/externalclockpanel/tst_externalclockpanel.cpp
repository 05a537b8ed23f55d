#include <externalclockpanel.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <zheadless.h>

#include "testdevice.h"

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

QTEST_MAIN(tst_ExternalClockPanel)
#include "tst_externalclockpanel.moc"
