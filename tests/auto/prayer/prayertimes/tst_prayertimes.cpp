#include "testdevice.h"

#include <QProcess>
#include <QtTest>

#include <memory>

// The prayertimes developer tool, run as a separate process on a device root of its own.
class tst_PrayerTimes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void batch();
    void byCityInstallsTheImage();
    void hijri();
    void events();
    void badInput_data();
    void badInput();

private:
    struct Result
    {
        int exitCode = -1;
        QProcess::ExitStatus exitStatus = QProcess::CrashExit;
        QString out;
        QString err;
    };
    Result run(const QStringList &arguments, const QByteArray &input = QByteArray());

    std::unique_ptr<TestDevice> m_device;
};

tst_PrayerTimes::Result tst_PrayerTimes::run(const QStringList &arguments, const QByteArray &input)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYN_DEVICE_ROOT"), m_device->root());
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VYN_TEST_BIN_DIR "/prayertimes"), arguments);
    Result result;
    if (!process.waitForStarted())
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000))
        return result;
    result.exitCode = process.exitCode();
    result.exitStatus = process.exitStatus();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

void tst_PrayerTimes::initTestCase()
{
    // No image: the tool must install it itself when it needs the city data.
    m_device = std::make_unique<TestDevice>(false);
}

void tst_PrayerTimes::batch()
{
    // Abu Dhabi on 11 March 2024 (league), 65 N in June (Umm al-Qurah, high-latitude rules)
    // and Tromso under the midnight sun (Dhuhr at the transit); expected times as computed
    // independently for the calculator's own test.
    const QByteArray input = "24.28N\t054.22E\t14400\t1\t1710144000\n"
                             "65.00N\t025.00E\t7200\t5\t1718964000\n"
                             "69.38N\t019.00E\t7200\t\t1718964000\n";
    const Result result = run({ QStringLiteral("--batch") }, input);
    QCOMPARE(result.exitStatus, QProcess::NormalExit);
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QStringLiteral("05:20\t06:35\t12:32\t15:57\t18:30\t19:41\n"
                                        "01:04\t01:21\t12:22\t17:18\t23:23\t00:53\n"
                                        "--:--\t--:--\t12:46\t17:58\t--:--\t--:--\n"));
}

void tst_PrayerTimes::byCityInstallsTheImage()
{
    const Result result = run({ QStringLiteral("--city"), QStringLiteral("Abu Dhabi"), QStringLiteral("--date"),
                                QStringLiteral("2024-03-11") });
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(result.out.contains(QStringLiteral("2024-03-11 05:20   06:35   12:32   15:57   18:30   19:41   14400")),
             qPrintable(result.out));
    QVERIFY(QFile::exists(m_device->hostPath(QStringLiteral("/usr/SYSqtapp/worldclock/worldcities.tsv"))));
}

void tst_PrayerTimes::hijri()
{
    const Result result = run({ QStringLiteral("--hijri"), QStringLiteral("2024-03-11") });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QStringLiteral("2024-03-11 1 Ramadan 1445\n"));
}

void tst_PrayerTimes::events()
{
    const Result result = run({ QStringLiteral("--events"), QStringLiteral("2024-06-16"), QStringLiteral("--count"),
                                QStringLiteral("3") });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QStringLiteral("2024-06-17 Eid al Adha\n"
                                        "2024-07-08 Hijra New Year\n"
                                        "2024-07-17 Ashura\n"));
}

void tst_PrayerTimes::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("message");

    QTest::newRow("unknown option") << QStringList{ "--frobnicate" } << QByteArray() << 1 << "" << "frobnicate";
    QTest::newRow("bad date") << QStringList{ "--hijri", "2024-02-30" } << QByteArray() << 1 << "" << "bad date";
    QTest::newRow("unknown city") << QStringList{ "--city", "Atlantis" } << QByteArray() << 1 << "" << "unknown city";
    QTest::newRow("latitude out of range") << QStringList{ "--lat", "91.00N", "--lon", "000.00E", "--offset", "0" }
                                           << QByteArray() << 1 << "" << "bad latitude";
    QTest::newRow("missing offset") << QStringList{ "--lat", "24.28N", "--lon", "054.22E" } << QByteArray() << 1 << ""
                                    << "go together";
    QTest::newRow("unknown method") << QStringList{ "--city", "Abu Dhabi", "--method", "9" } << QByteArray() << 1 << ""
                                    << "unknown method";
    QTest::newRow("bad count") << QStringList{ "--events", "--count", "-3" } << QByteArray() << 1 << "" << "bad --count";
    QTest::newRow("reversed range") << QStringList{ "--city", "Abu Dhabi", "--from", "2024-03-02", "--to", "2024-03-01" }
                                    << QByteArray() << 1 << "" << "before";
    // A bad batch line is reported in place; the good ones still get their times.
    QTest::newRow("bad batch lines") << QStringList{ "--batch" }
                                     << QByteArray("24.28N\t054.22E\n"
                                                   "24.28N\t054.22E\tnan\t1\t1710144000\n"
                                                   "24.28N\t054.22E\t14400\t1\t99999999999999999999\n"
                                                   "24.28N\t054.22E\t14400\t1\t1710144000\n")
                                     << 2 << "error\nerror\nerror\n05:20\t06:35\t12:32\t15:57\t18:30\t19:41\n"
                                     << "line 3: bad Unix time";
    // Blank lines too: output and input must stay line for line.
    QTest::newRow("blank batch lines") << QStringList{ "--batch" }
                                       << QByteArray("\n\t\t\n24.28N\t054.22E\t14400\t1\t1710144000\n \n")
                                       << 2 << "error\nerror\n05:20\t06:35\t12:32\t15:57\t18:30\t19:41\nerror\n"
                                       << "line 2: empty line";
    // No ISO date after 9999-12-31: the list ends with a message instead of empty dates.
    QTest::newRow("events past the last date") << QStringList{ "--events", "9999-12-01", "--count", "5" }
                                               << QByteArray() << 3 << "9999-12-11 Mawlid an Nabi\n"
                                               << "no further event";
}

void tst_PrayerTimes::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, message);

    const Result result = run(arguments, input);
    QCOMPARE(result.exitStatus, QProcess::NormalExit);
    QCOMPARE(result.exitCode, exitCode);
    QCOMPARE(result.out, output);
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

QTEST_GUILESS_MAIN(tst_PrayerTimes)
#include "tst_prayertimes.moc"
