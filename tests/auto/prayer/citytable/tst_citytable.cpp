#include <citytable.h>

#include "testdevice.h"

#include <QtTest>

#include <memory>

class tst_CityTable : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_device = std::make_unique<TestDevice>(false); }
    void cleanup() { m_device.reset(); }

    void lookUp_data();
    void lookUp();
    void parseLine_data();
    void parseLine();
    void missingOrBadFile_data();
    void missingOrBadFile();
    void shippedTableCoversTheDefaultCity();

private:
    bool writeTable(const QByteArray &content)
    {
        return m_device->writeFile("/usr/SYSqtapp/homescreen/az_timezone.cfg", content);
    }
    std::unique_ptr<TestDevice> m_device;
};

static const QByteArray fixture = "Cairo, +2:00, a, b, c, 30.03N, 031.15E\n"
                                  "\n"
                                  "Abu Dhabi, +4:00, a, b, c, 24.28N, 054.22E\n"
                                  "Abu Dhabi, +4:00, a, b, c, 99.99N, 999.99E\n"
                                  "NoCommaCity\n"
                                  "  Padded, +1:00,a,b,c,1.00S ,002.00W\n"
                                  "Last, +0:00, a, b, c, 10.10N, 010.10W";

void tst_CityTable::lookUp_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::newRow("default city") << "Abu Dhabi" << true << "24.28N" << "054.22E";
    QTest::newRow("case matters") << "abu dhabi" << false << "" << "";
    QTest::newRow("first of two wins") << "Abu Dhabi" << true << "24.28N" << "054.22E";
    QTest::newRow("no trimming of the name") << "Padded" << false << "" << "";
    QTest::newRow("leading blanks are part of the name") << "  Padded" << true << "1.00S " << "002.00W";
    QTest::newRow("last line without newline") << "Last" << true << "10.10N" << "010.10W";
    QTest::newRow("unknown") << "Atlantis" << false << "" << "";
    QTest::newRow("line without comma") << "NoCommaCity" << true << "" << "NoCommaCity";
}

void tst_CityTable::lookUp()
{
    QFETCH(QString, city);
    QFETCH(bool, found);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    QVERIFY(writeTable(fixture));
    CityTable table;
    QString lat = QStringLiteral("stale");
    QString lon = QStringLiteral("stale");
    QCOMPARE(table.lookUp(city, lat, lon), found);
    QCOMPARE(lat, latitude);
    QCOMPARE(lon, longitude);
}

void tst_CityTable::parseLine_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("seven fields") << "Abu Dhabi, +4:00, a, b, c, 24.28N, 054.22E"
                                  << QStringList { "Abu Dhabi", "+4:00", "a", "b", "c", "24.28N", "054.22E" };
    QTest::newRow("only blanks after commas are skipped") << "X ,\t+1, a,b,   c,1.00N,\t2.00E"
                                  << QStringList { "X ", "\t+1", "a", "b", "c", "1.00N", "\t2.00E" };
    QTest::newRow("extra fields: longitude is after the last comma") << "X, 1, 2, 3, 4, 5, 6, 7, 8"
                                  << QStringList { "X", "1", "2", "3", "4", "5", "8" };
    QTest::newRow("short line keeps earlier fields empty") << "X, 1"
                                  << QStringList { "X", "", "", "", "", "", "1" };
}

void tst_CityTable::parseLine()
{
    QFETCH(QString, line);
    QFETCH(QStringList, fields);
    CityTable table;
    table.parseLine(line);
    const CityRecord &record = table.record;
    const QStringList parsed = { record.name, record.gmtOffsetText, record.countryCode, record.zoneId,
                                 record.population, record.latitudeText, record.longitudeText };
    QCOMPARE(parsed, fields);
}

void tst_CityTable::missingOrBadFile_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << false << QByteArray();
    QTest::newRow("empty") << true << QByteArray();
    QTest::newRow("binary") << true << QByteArray("\x00\x01\x02,\xff\xfe,\n\x00", 9);
    QTest::newRow("truncated") << true << QByteArray("Abu Dh");
}

void tst_CityTable::missingOrBadFile()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, content);
    if (present)
        QVERIFY(writeTable(content));
    CityTable table;
    QString lat;
    QString lon;
    QVERIFY(!table.lookUp(QStringLiteral("Abu Dhabi"), lat, lon));
    QVERIFY(lat.isEmpty());
    QVERIFY(lon.isEmpty());
}

void tst_CityTable::shippedTableCoversTheDefaultCity()
{
    TestDevice withImage;
    CityTable table;
    QString lat;
    QString lon;
    QVERIFY(table.lookUp(QStringLiteral("Abu Dhabi"), lat, lon));
    QCOMPARE(lat, QStringLiteral("24.28N"));
    QCOMPARE(lon, QStringLiteral("054.22E"));
}

QTEST_GUILESS_MAIN(tst_CityTable)
#include "tst_citytable.moc"
