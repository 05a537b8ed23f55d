#include <citytable.h>
#include <worldclock_service.h>
#include <zresource.h>

#include "testdevice.h"

#include <QRegularExpression>
#include <QtTest>

class tst_WorldClock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void offsets_data();
    void offsets();
    void unknownCityLeavesTheRecord();
    void everyCityIsInTheCityTable();
    void missingDataGivesNoCities();
    void namesInTheDisplayLanguage_data();
    void namesInTheDisplayLanguage();

private:
    TestDevice m_device;
};

void tst_WorldClock::initTestCase()
{
    WORLDCLOCK_Service::dispose();
    QVERIFY(WORLDCLOCK_Service::getInstance());
    QVERIFY(WORLDCLOCK_Service::getInstance()->getAllCityNames().size() >= 1000);
}

void tst_WorldClock::cleanupTestCase()
{
    WORLDCLOCK_Service::dispose();
}

void tst_WorldClock::offsets_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    const QDateTime winter(QDate(2024, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime summer(QDate(2024, 7, 15), QTime(12, 0), Qt::UTC);
    QTest::newRow("Abu Dhabi") << "Abu Dhabi" << summer << 4 << 0;
    QTest::newRow("London winter") << "London" << winter << 0 << 0;
    QTest::newRow("London summer") << "London" << summer << 1 << 0;
    QTest::newRow("Sydney southern summer") << "Sydney" << winter << 11 << 0;
    QTest::newRow("Sydney southern winter") << "Sydney" << summer << 10 << 0;
    QTest::newRow("New York winter") << "New York" << winter << -5 << 0;
    QTest::newRow("New York summer") << "New York" << summer << -4 << 0;
    QTest::newRow("half hour") << "Kolkata" << summer << 5 << 30;
    QTest::newRow("quarter hour") << "Kathmandu" << summer << 5 << 45;
    // Around the change itself: 31 March 2024, 01:00 UTC in Europe.
    QTest::newRow("Paris just before") << "Paris" << QDateTime(QDate(2024, 3, 31), QTime(0, 59), Qt::UTC) << 1 << 0;
    QTest::newRow("Paris just after") << "Paris" << QDateTime(QDate(2024, 3, 31), QTime(1, 0), Qt::UTC) << 2 << 0;
    QTest::newRow("after 2038") << "London" << QDateTime(QDate(2040, 7, 1), QTime(12, 0), Qt::UTC) << 1 << 0;
}

void tst_WorldClock::offsets()
{
    QFETCH(QString, city);
    QFETCH(QDateTime, when);
    QFETCH(int, hours);
    QFETCH(int, minutes);
    ZSystemClock::setFixed(when);
    WORLDCLOCK_CityInfo info;
    QVERIFY(WORLDCLOCK_Service::getInstance()->getCityInfo(city, info));
    QCOMPARE(info.gmtHours, hours);
    QCOMPARE(info.gmtMinutes, minutes);
    QCOMPARE(info.gmtSeconds, 0);
    QCOMPARE(info.name, city);
    ZSystemClock::reset();
}

void tst_WorldClock::unknownCityLeavesTheRecord()
{
    WORLDCLOCK_CityInfo info;
    QVERIFY(!WORLDCLOCK_Service::getInstance()->getCityInfo(QStringLiteral("Atlantis"), info));
    QCOMPARE(info.gmtHours, -14);
    QCOMPARE(info.gmtMinutes, 0);
    QCOMPARE(info.gmtSeconds, 0);
    QVERIFY(!WORLDCLOCK_Service::getInstance()->getCityInfo(QStringLiteral("abu dhabi"), info));
}

void tst_WorldClock::everyCityIsInTheCityTable()
{
    // The picker offers world-clock names; the calculator finds each in the city table.
    const QRegularExpression latitude(QStringLiteral("^\\d{1,2}\\.[0-5]\\d[NS]$"));
    const QRegularExpression longitude(QStringLiteral("^\\d{3}\\.[0-5]\\d[EW]$"));
    const QStringList names = WORLDCLOCK_Service::getInstance()->getAllCityNames();
    QSet<QString> seen;
    for (const QString &name : names) {
        QVERIFY2(!name.contains(QLatin1Char(',')) && !name.contains(QLatin1Char('(')), qPrintable(name));
        QVERIFY2(!seen.contains(name), qPrintable(name));
        seen.insert(name);
        WORLDCLOCK_CityInfo info;
        QVERIFY2(WORLDCLOCK_Service::getInstance()->getCityInfo(name, info), qPrintable(name));
        CityTable table;
        QString lat;
        QString lon;
        QVERIFY2(table.lookUp(name, lat, lon), qPrintable(name));
        QVERIFY2(latitude.match(lat).hasMatch(), qPrintable(name + ": " + lat));
        QVERIFY2(longitude.match(lon).hasMatch(), qPrintable(name + ": " + lon));
    }
}

void tst_WorldClock::missingDataGivesNoCities()
{
    WORLDCLOCK_Service::dispose();
    {
        TestDevice empty(false);
        WORLDCLOCK_CityInfo info;
        QVERIFY(WORLDCLOCK_Service::getInstance()->getAllCityNames().isEmpty());
        QVERIFY(!WORLDCLOCK_Service::getInstance()->getCityInfo(QStringLiteral("Abu Dhabi"), info));
        WORLDCLOCK_Service::dispose();
    }
    VynDevice::setRoot(m_device.root());
}

void tst_WorldClock::namesInTheDisplayLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("display");

    QTest::newRow("arabic") << "ar" << "Cairo" << QString::fromUtf8("القاهرة");
    QTest::newRow("arabic with a region") << "ar-ae" << "Abu Dhabi" << QString::fromUtf8("أبوظبي");
    QTest::newRow("french") << "fr" << "Cairo" << "Le Caire";
    QTest::newRow("empty field keeps English") << "fr" << "Abu Dhabi" << "Abu Dhabi";
    QTest::newRow("short line keeps English") << "ar" << "Nowhere" << "Nowhere";
    QTest::newRow("no column for the language") << "de" << "Cairo" << "Cairo";
    QTest::newRow("english") << "en-us" << "Cairo" << "Cairo";
}

void tst_WorldClock::namesInTheDisplayLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, city);
    QFETCH(QString, display);
    WORLDCLOCK_Service::dispose();
    {
        TestDevice device(false);
        QVERIFY(device.writeFile("/usr/SYSqtapp/worldclock/worldcities.tsv",
                                 "# name\tzone\tlatitude\tlongitude\tcountry\tname_ar\tname_fr\n"
                                 "Abu Dhabi\tAsia/Dubai\t24.4667\t54.3666\tAE\t\xd8\xa3\xd8\xa8\xd9\x88\xd8\xb8\xd8\xa8\xd9\x8a\t\n"
                                 "Cairo\tAfrica/Cairo\t30.0500\t31.2500\tEG\t\xd8\xa7\xd9\x84\xd9\x82\xd8\xa7\xd9\x87\xd8\xb1\xd8\xa9\tLe Caire\n"
                                 "Nowhere\tAsia/Dubai\t1.0000\t1.0000\n"));
        ZResource::loadLanguage(language);
        WORLDCLOCK_Service *service = WORLDCLOCK_Service::getInstance();
        // One city looked up before any list is read, then from the index.
        QCOMPARE(service->translateCityName(city), display);
        QCOMPARE(service->fromTranslateCityName(display), city);
        QCOMPARE(service->translateCityName(city), display);
        WORLDCLOCK_Service::dispose();
        ZResource::loadLanguage(QString());
    }
    VynDevice::setRoot(m_device.root());
}

QTEST_GUILESS_MAIN(tst_WorldClock)
#include "tst_worldclock.moc"
