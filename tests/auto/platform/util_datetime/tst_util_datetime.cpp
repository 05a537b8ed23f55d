#include <testdevice.h>
#include <util_datetime.h>

#include <QLocale>
#include <QTest>

#include <memory>

class tst_UTIL_DateTime : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void timeToString_data();
    void timeToString();
    void getTimeFormat_data();
    void getTimeFormat();
    void dateToString_data();
    void dateToString();

private:
    void writeFormats(const QString &timeFormat, const QString &dateFormat);

    std::unique_ptr<TestDevice> m_device;
};

void tst_UTIL_DateTime::init()
{
    m_device = std::make_unique<TestDevice>();
}

void tst_UTIL_DateTime::cleanup()
{
    m_device.reset();
}

void tst_UTIL_DateTime::writeFormats(const QString &timeFormat, const QString &dateFormat)
{
    QByteArray content("[DateTime]\n");
    if (!timeFormat.isNull())
        content += "TimeFormat=" + timeFormat.toUtf8() + '\n';
    if (!dateFormat.isNull())
        content += "DateFormat=" + dateFormat.toUtf8() + '\n';
    QVERIFY(m_device->writeFile(UTIL_DateTime::settingsFile(), content));
}

void tst_UTIL_DateTime::timeToString_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<int>("accuracy");
    QTest::addColumn<QString>("expected");

    QTest::newRow("12h seconds morning") << "12" << QTime(5, 12) << 1 << "05:12:00 AM";
    QTest::newRow("12h seconds evening") << "12" << QTime(17, 40, 9) << 1 << "05:40:09 PM";
    QTest::newRow("12h midnight") << "12" << QTime(0, 0) << 1 << "12:00:00 AM";
    QTest::newRow("12h noon") << "12" << QTime(12, 0) << 0 << "12:00 PM";
    QTest::newRow("12h minutes") << "12" << QTime(23, 59, 59) << 0 << "11:59 PM";
    QTest::newRow("24h seconds") << "24" << QTime(17, 40) << 1 << "17:40:00";
    QTest::newRow("24h midnight") << "24" << QTime(0, 0) << 1 << "00:00:00";
    QTest::newRow("24h minutes") << "24" << QTime(5, 7, 30) << 0 << "05:07";
    QTest::newRow("unknown accuracy is minutes") << "24" << QTime(5, 7, 30) << 7 << "05:07";
    QTest::newRow("invalid time") << "24" << QTime() << 1 << "";
}

void tst_UTIL_DateTime::timeToString()
{
    QFETCH(QString, format);
    QFETCH(QTime, time);
    QFETCH(int, accuracy);
    QFETCH(QString, expected);

    writeFormats(format, QString());
    QCOMPARE(UTIL_DateTime::timeToString(time, accuracy), expected);
}

void tst_UTIL_DateTime::getTimeFormat_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("twelveHour");

    const bool localeTwelve = QLocale::system().timeFormat(QLocale::ShortFormat).contains(QLatin1String("ap"),
                                                                                          Qt::CaseInsensitive);
    QTest::newRow("12") << "12" << true;
    QTest::newRow("24") << "24" << false;
    QTest::newRow("blanks around") << " 12 " << true;
    QTest::newRow("missing key") << QString() << localeTwelve;
    QTest::newRow("garbage") << "13" << localeTwelve;
    QTest::newRow("empty") << "" << localeTwelve;
}

void tst_UTIL_DateTime::getTimeFormat()
{
    QFETCH(QString, stored);
    QFETCH(bool, twelveHour);

    writeFormats(stored, QString());
    QCOMPARE(UTIL_DateTime::getTimeFormat(), twelveHour);
}

void tst_UTIL_DateTime::dateToString_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected");

    const QDate date(2024, 3, 11);
    const QString localeText = QLocale().toString(date, QLocale().dateFormat(QLocale::ShortFormat));
    QTest::newRow("day first") << "dd/MM/yyyy" << date << "11/03/2024";
    QTest::newRow("month first") << "MM/dd/yyyy" << date << "03/11/2024";
    QTest::newRow("iso") << "yyyy-MM-dd" << date << "2024-03-11";
    QTest::newRow("dots") << "dd.MM.yyyy" << QDate(2024, 12, 1) << "01.12.2024";
    QTest::newRow("missing gives locale") << QString() << date << localeText;
    // A stored text outside the choices would print stray letters: the locale's form instead.
    QTest::newRow("foreign format gives locale") << "'hacked' yyyy" << date << localeText;
    QTest::newRow("invalid date") << "dd/MM/yyyy" << QDate() << "";
}

void tst_UTIL_DateTime::dateToString()
{
    QFETCH(QString, stored);
    QFETCH(QDate, date);
    QFETCH(QString, expected);

    writeFormats(QString(), stored);
    QCOMPARE(UTIL_DateTime::dateToString(date, 0), expected);
    QCOMPARE(UTIL_DateTime::toString(date), expected);
}

QTEST_GUILESS_MAIN(tst_UTIL_DateTime)
#include "tst_util_datetime.moc"
