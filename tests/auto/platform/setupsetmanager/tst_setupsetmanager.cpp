#include <setup_set_manager.h>
#include <setup_utility.h>
#include <zconfig.h>

#include "testdevice.h"

#include <QProcess>
#include <QtTest>

#include <memory>

class tst_SetupSetManager : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_device = std::make_unique<TestDevice>(false); }
    void cleanup() { m_device.reset(); }

    void textsRoundTrip_data();
    void textsRoundTrip();
    void keepsWriteOrder();
    void numbersAndBooleans_data();
    void numbersAndBooleans();
    void badFilesReadAsDefaults_data();
    void badFilesReadAsDefaults();
    void commitMergesOtherWriters();
    void commitKeepsWhatItCannotParse();
    void readOnlyManagerDoesNotWrite();
    void deviceRootMapping();
    void flexBits();
    void concurrentProcessesLoseNothing();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_SetupSetManager::textsRoundTrip_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "SETTINGS" << "Abu Dhabi";
    QTest::newRow("commas stay one text") << "SETTINGS" << "a, b,c";
    QTest::newRow("equals sign") << "SETTINGS" << "x=y";
    QTest::newRow("surrounding blanks") << "SETTINGS" << "  padded  ";
    QTest::newRow("quotes") << "SETTINGS" << "\"quoted\"";
    QTest::newRow("line breaks") << "SETTINGS" << "one\ntwo\\three";
    QTest::newRow("unicode") << "SETTINGS" << QString::fromUtf8("أبو ظبي");
    QTest::newRow("empty") << "SETTINGS" << "";
    QTest::newRow("General group is a group like others") << "General" << "x";
}

void tst_SetupSetManager::textsRoundTrip()
{
    QFETCH(QString, group);
    QFETCH(QString, value);
    const QString path = QStringLiteral("/setup/roundtrip.cfg");
    SETUP_SET_Manager writer(path);
    writer.setSettingInfo(group, QStringLiteral("Key"), value);
    QVERIFY(writer.commit());

    const SETUP_SET_Manager reader(path, true);
    QString read;
    QVERIFY(reader.getSettingInfo(group, QStringLiteral("Key"), read, QStringLiteral("default")));
    QCOMPARE(read, value);
    QCOMPARE(ZConfig(path, true).readEntry(group, QStringLiteral("Key")), value);
}

void tst_SetupSetManager::keepsWriteOrder()
{
    const QString path = QStringLiteral("/setup/order.cfg");
    SETUP_SET_Manager writer(path);
    const QStringList keys = { "Zulu", "Alpha", "Mike", "Bravo" };
    for (const QString &key : keys)
        writer.setSettingInfo(QStringLiteral("G"), key, key.toLower());
    QVERIFY(writer.commit());
    QCOMPARE(m_device->readFile(path), QByteArray("[G]\nZulu=zulu\nAlpha=alpha\nMike=mike\nBravo=bravo\n"));
    QCOMPARE(SETUP_SET_Manager(path, true).keys(QStringLiteral("G")), keys);
}

void tst_SetupSetManager::numbersAndBooleans_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("boolean");
    QTest::newRow("one") << QByteArray("1") << 1 << true;
    QTest::newRow("zero") << QByteArray("0") << 0 << false;
    QTest::newRow("true") << QByteArray("true") << -7 << true;
    QTest::newRow("False") << QByteArray("False") << -7 << false;
    QTest::newRow("negative") << QByteArray("-3") << -3 << true;
    QTest::newRow("garbage") << QByteArray("x1") << -7 << true;
    QTest::newRow("empty") << QByteArray("") << -7 << true;
}

void tst_SetupSetManager::numbersAndBooleans()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, number);
    QFETCH(bool, boolean);
    QVERIFY(m_device->writeFile("/setup/n.cfg", "[G]\nK=" + stored + "\n"));
    const SETUP_SET_Manager manager(QStringLiteral("/setup/n.cfg"), true);
    int readNumber = 0;
    manager.getSettingInfo(QStringLiteral("G"), QStringLiteral("K"), readNumber, -7);
    QCOMPARE(readNumber, number);
    bool readBool = false;
    // Texts that are no boolean fall back to the default (true here).
    manager.getSettingInfo(QStringLiteral("G"), QStringLiteral("K"), readBool, true);
    QCOMPARE(readBool, boolean);
}

void tst_SetupSetManager::badFilesReadAsDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe[\x01=\x02\n\x7f", 9);
    QTest::newRow("truncated") << QByteArray("[SETTINGS]\nHGM_HSA_CI");
    QTest::newRow("no group") << QByteArray("Key=orphan\n");
    QTest::newRow("unterminated group") << QByteArray("[SETTINGS\nKey=x\n");
}

void tst_SetupSetManager::badFilesReadAsDefaults()
{
    QFETCH(QByteArray, content);
    const QString path = QStringLiteral("/setup/bad.cfg");
    QVERIFY(m_device->writeFile(path, content));
    const SETUP_SET_Manager manager(path, true);
    QString value;
    QVERIFY(!manager.getSettingInfo(QStringLiteral("SETTINGS"), QStringLiteral("Key"), value,
                                    QStringLiteral("fallback")));
    QCOMPARE(value, QStringLiteral("fallback"));

    // A missing file too.
    const SETUP_SET_Manager missing(QStringLiteral("/setup/none.cfg"), true);
    QVERIFY(!missing.getSettingInfo(QStringLiteral("SETTINGS"), QStringLiteral("Key"), value, QString()));
    QVERIFY(value.isEmpty());
}

void tst_SetupSetManager::commitMergesOtherWriters()
{
    const QString path = QStringLiteral("/setup/merge.cfg");
    SETUP_SET_Manager first(path);
    SETUP_SET_Manager second(path);
    first.setSettingInfo(QStringLiteral("G"), QStringLiteral("A"), QStringLiteral("1"));
    second.setSettingInfo(QStringLiteral("G"), QStringLiteral("B"), QStringLiteral("2"));
    QVERIFY(first.commit());
    QVERIFY(second.commit());

    const ZConfig config(path, true);
    QCOMPARE(config.readEntry(QStringLiteral("G"), QStringLiteral("A")), QStringLiteral("1"));
    QCOMPARE(config.readEntry(QStringLiteral("G"), QStringLiteral("B")), QStringLiteral("2"));
}

void tst_SetupSetManager::commitKeepsWhatItCannotParse()
{
    // Keys another writer stored stay, even around lines that make no sense.
    const QString path = QStringLiteral("/setup/partial.cfg");
    QVERIFY(m_device->writeFile(path, "[SETTINGS]\nKeep=me\n\x01\x02 junk\n"));
    SETUP_SET_Manager writer(path);
    writer.setSettingInfo(QStringLiteral("SETTINGS"), QStringLiteral("New"), QStringLiteral("x"));
    QVERIFY(writer.commit());
    const ZConfig config(path, true);
    QCOMPARE(config.readEntry(QStringLiteral("SETTINGS"), QStringLiteral("Keep")), QStringLiteral("me"));
    QCOMPARE(config.readEntry(QStringLiteral("SETTINGS"), QStringLiteral("New")), QStringLiteral("x"));
}

void tst_SetupSetManager::readOnlyManagerDoesNotWrite()
{
    SETUP_SET_Manager manager(QStringLiteral("/setup/ro.cfg"), true);
    manager.setSettingInfo(QStringLiteral("G"), QStringLiteral("K"), QStringLiteral("v"));
    QVERIFY(!manager.commit());
    QVERIFY(!QFile::exists(m_device->hostPath("/setup/ro.cfg")));
}

void tst_SetupSetManager::deviceRootMapping()
{
    const QString root = VynDevice::root();
    QCOMPARE(VynDevice::hostPath("/setup/x.cfg"), root + "/setup/x.cfg");
    // Idempotent: a host path inside the root stays as it is.
    QCOMPARE(VynDevice::hostPath(root + "/setup/x.cfg"), root + "/setup/x.cfg");
    QCOMPARE(VynDevice::hostPath("relative/x.cfg"), QStringLiteral("relative/x.cfg"));
    // The write-path variables name the root, never the host's real "/setup".
    QCOMPARE(qEnvironmentVariable("VYN_APP_WRITE_PATH"), root);
    QCOMPARE(qEnvironmentVariable("VYN_LOCAL_APP_WRITE_PATH"), root);
    SETUP_SET_Manager manager(qEnvironmentVariable("VYN_LOCAL_APP_WRITE_PATH") + "/setup/mapped.cfg");
    manager.setSettingInfo(QStringLiteral("G"), QStringLiteral("K"), 5);
    QVERIFY(manager.commit());
    QVERIFY(QFile::exists(root + "/setup/mapped.cfg"));
}

void tst_SetupSetManager::flexBits()
{
    QVERIFY(m_device->writeFile("/usr/SYSqtapp/flexbit.cfg", "[FlexBit]\n195=1\n395=0\n"));
    bool value = false;
    QVERIFY(SETUP_Utility::getFlexBit(195, value));
    QVERIFY(value);
    QVERIFY(SETUP_Utility::getFlexBit(395, value));
    QVERIFY(!value);
    value = true;
    QVERIFY(!SETUP_Utility::getFlexBit(482, value));
    QVERIFY(!value);
}

void tst_SetupSetManager::concurrentProcessesLoseNothing()
{
    const int count = 200;
    const QString path = QStringLiteral("/setup/shared.cfg");
    SETUP_SET_Manager seed(path);
    seed.setSettingInfo(QStringLiteral("Seed"), QStringLiteral("Sentinel"), QStringLiteral("present"));
    QVERIFY(seed.commit());

    const QString program = QStringLiteral(VYN_TEST_BIN_DIR "/settings_hammer");
    QProcess first;
    QProcess second;
    first.start(program, { path, QStringLiteral("first"), QString::number(count) });
    second.start(program, { path, QStringLiteral("second"), QString::number(count) });
    QVERIFY(first.waitForStarted());
    QVERIFY(second.waitForStarted());

    // Meanwhile a reader never sees a half-written file.
    int reads = 0;
    while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
        const ZConfig config(path, true);
        QCOMPARE(config.readEntry(QStringLiteral("Seed"), QStringLiteral("Sentinel")), QStringLiteral("present"));
        ++reads;
        first.waitForFinished(5);
        second.waitForFinished(1);
    }
    QVERIFY(reads > 0);
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);

    const SETUP_SET_Manager result(path, true);
    for (const QString &name : { QStringLiteral("first"), QStringLiteral("second") }) {
        int last = 0;
        result.getSettingInfo(QStringLiteral("Writers"), name, last, 0);
        QCOMPARE(last, count);
        for (int i = 1; i <= count; ++i) {
            QString value;
            QVERIFY2(result.getSettingInfo(QStringLiteral("Keys"), QStringLiteral("%1_%2").arg(name).arg(i), value, QString()),
                     qPrintable(QStringLiteral("lost %1_%2").arg(name).arg(i)));
            QCOMPARE(value, QStringLiteral("value, with a comma"));
        }
    }
}

QTEST_GUILESS_MAIN(tst_SetupSetManager)
#include "tst_setupsetmanager.moc"
