#include <msgctr_eng_statusapi.h>
#include <setup_set_manager.h>

#include "testdevice.h"

#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {
const char statusFile[] = "/setup/vyn_messages.cfg";
} // namespace

// Unread counts of the message centre, and their change signal across processes.
class tst_MSGCTR_ENG_StatusApi : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_device = std::make_unique<TestDevice>(false); }
    void cleanup() { m_device.reset(); }

    void counts_data();
    void counts();
    void updatedByAnotherProcess();
    void oneSignalPerChange();

private:
    static QString ctl() { return QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"); }
    std::unique_ptr<TestDevice> m_device;
};

void tst_MSGCTR_ENG_StatusApi::counts_data()
{
    QTest::addColumn<QByteArray>("file");   // empty: no file at all
    QTest::addColumn<bool>("smsOk");
    QTest::addColumn<int>("sms");
    QTest::addColumn<bool>("mmsOk");
    QTest::addColumn<int>("mms");
    QTest::newRow("no file") << QByteArray() << true << 0 << true << 0;
    QTest::newRow("both counts") << QByteArray("[Unread]\nSMS=3\nMMS=2\n") << true << 3 << true << 2;
    QTest::newRow("missing key counts zero") << QByteArray("[Unread]\nSMS=1\n") << true << 1 << true << 0;
    QTest::newRow("sms query fails") << QByteArray("[Unread]\nSMS=5\nMMS=1\nSMSFail=true\nMMSFail=false\n") << false
                                     << 0 << true << 1;
    QTest::newRow("mms query fails") << QByteArray("[Unread]\nSMS=5\nMMS=1\nMMSFail=true\n") << true << 5 << false << 0;
    QTest::newRow("not a number") << QByteArray("[Unread]\nSMS=many\nMMS= 4 \n") << false << 0 << true << 4;
    QTest::newRow("negative") << QByteArray("[Unread]\nSMS=-2\nMMS=99999999999\n") << false << 0 << false << 0;
    QTest::newRow("binary file") << QByteArray("\x00\xff\x01[Unread\x00SMS=7", 17) << true << 0 << true << 0;
}

void tst_MSGCTR_ENG_StatusApi::counts()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, smsOk);
    QFETCH(int, sms);
    QFETCH(bool, mmsOk);
    QFETCH(int, mms);
    if (!file.isEmpty())
        QVERIFY(m_device->writeFile(statusFile, file));
    MSGCTR_ENG_StatusApi api;
    int count = -1;
    QCOMPARE(api.getUnreadSmsCount(count) == 0, smsOk);
    QCOMPARE(count, sms);
    count = -1;
    QCOMPARE(api.getUnreadMmsCount(count) == 0, mmsOk);
    QCOMPARE(count, mms);
}

void tst_MSGCTR_ENG_StatusApi::updatedByAnotherProcess()
{
    MSGCTR_ENG_StatusApi api;
    QSignalSpy spy(&api, &MSGCTR_ENG_StatusApi::sigDataUpdated);
    QCOMPARE(QProcess::execute(ctl(), { "unread", "4", "2" }), 0);
    QVERIFY(spy.count() > 0 || spy.wait(20000));
    int sms = 0;
    int mms = 0;
    QCOMPARE(api.getUnreadSmsCount(sms), 0);
    QCOMPARE(api.getUnreadMmsCount(mms), 0);
    QCOMPARE(sms, 4);
    QCOMPARE(mms, 2);

    spy.clear();
    QCOMPARE(QProcess::execute(ctl(), { "unread", "4", "2", "--fail", "sms" }), 0);
    QVERIFY(spy.count() > 0 || spy.wait(20000));
    QVERIFY(api.getUnreadSmsCount(sms) != 0);
    QCOMPARE(api.getUnreadMmsCount(mms), 0);
    QCOMPARE(mms, 2);

    QVERIFY(QProcess::execute(ctl(), { "unread", "4", "lots" }) != 0);
    QVERIFY(QProcess::execute(ctl(), { "unread", "4", "2", "--fail", "fax" }) != 0);
    QVERIFY(m_device->readFile(statusFile).contains("SMSFail=true"));
}

void tst_MSGCTR_ENG_StatusApi::oneSignalPerChange()
{
    MSGCTR_ENG_StatusApi api;
    QSignalSpy spy(&api, &MSGCTR_ENG_StatusApi::sigDataUpdated);
    QCopChannel channel(MSGCTR_ENG_StatusApi::channelName());
    QSignalSpy notices(&channel, &QCopChannel::received);

    SETUP_SET_Manager file(statusFile);
    file.setSettingInfo("Unread", "SMS", 1);
    QVERIFY(file.commit());
    QCopChannel::send(MSGCTR_ENG_StatusApi::channelName(), "countsChanged");
    QTRY_COMPARE(spy.count(), 1);

    // The watcher and the notice both report that one change; a notice without a change is quiet.
    QCopChannel::send(MSGCTR_ENG_StatusApi::channelName(), "countsChanged");
    QCopChannel::send(MSGCTR_ENG_StatusApi::channelName(), "marker");
    QTRY_COMPARE(notices.count(), 3);
    QCOMPARE(spy.count(), 1);
    int sms = 0;
    QCOMPARE(api.getUnreadSmsCount(sms), 0);
    QCOMPARE(sms, 1);
}

QTEST_GUILESS_MAIN(tst_MSGCTR_ENG_StatusApi)
#include "tst_msgctr_eng_statusapi.moc"
