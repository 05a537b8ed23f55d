#include <zsystemclock.h>

#include "testdevice.h"

#include <QProcess>
#include <QtTest>

#include <memory>

class tst_SystemClock : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_device = std::make_unique<TestDevice>(false); }
    void cleanup() { m_device.reset(); }

    void fixedAndShifted();
    void deviceClockFollowsOtherProcesses();
    void badSettingsAreRefused();
    void beyond2038();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_SystemClock::fixedAndShifted()
{
    const QDateTime when(QDate(2024, 6, 1), QTime(4, 59), Qt::UTC);
    ZSystemClock::setFixed(when);
    QCOMPARE(ZSystemClock::currentDateTimeUtc(), when);
    QCOMPARE(ZSystemClock::currentSecsSinceEpoch(), when.toSecsSinceEpoch());

    ZSystemClock::setOffset(-3600);
    const qint64 shifted = ZSystemClock::currentSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch();
    QVERIFY(qAbs(shifted + 3600) <= 1);
    ZSystemClock::reset();
    QVERIFY(qAbs(ZSystemClock::currentSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch()) <= 1);
}

void tst_SystemClock::deviceClockFollowsOtherProcesses()
{
    // The control tool sets the clock of the whole device.
    QCOMPARE(QProcess::execute(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"), { "clock", "@2000000000" }), 0);
    QCOMPARE(ZSystemClock::currentSecsSinceEpoch(), Q_INT64_C(2000000000));
    QCOMPARE(QProcess::execute(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"), { "clock", "2024-01-01T10:00:00Z" }), 0);
    QCOMPARE(ZSystemClock::currentDateTimeUtc(), QDateTime(QDate(2024, 1, 1), QTime(10, 0), Qt::UTC));
    // A setting in this process is stronger.
    ZSystemClock::setFixed(QDateTime(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC));
    QCOMPARE(ZSystemClock::currentDateTimeUtc().date(), QDate(2030, 1, 1));
    ZSystemClock::reset();
    QCOMPARE(QProcess::execute(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"), { "clock" }), 0);
    QVERIFY(qAbs(ZSystemClock::currentSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch()) <= 1);
}

void tst_SystemClock::badSettingsAreRefused()
{
    QVERIFY(!ZSystemClock::writeDeviceClock(QStringLiteral("yesterday")));
    QVERIFY(m_device->writeFile("/tmp/vyn_clock.cfg", QByteArray("\x00\xff garbage", 10)));
    QVERIFY(qAbs(ZSystemClock::currentSecsSinceEpoch() - QDateTime::currentSecsSinceEpoch()) <= 1);
}

void tst_SystemClock::beyond2038()
{
    const QDateTime when(QDate(2040, 3, 1), QTime(12, 0), Qt::UTC);
    ZSystemClock::setFixed(when);
    QVERIFY(ZSystemClock::currentSecsSinceEpoch() > Q_INT64_C(2147483647));
    QCOMPARE(ZSystemClock::currentDateTimeUtc(), when);
    ZSystemClock::reset();
}

QTEST_GUILESS_MAIN(tst_SystemClock)
#include "tst_systemclock.moc"
