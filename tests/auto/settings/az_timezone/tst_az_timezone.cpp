// The city picker over the world-city data: offsets in the display texts, collation order and
// the jump, what Select and Cancel store, the find box, and pickers with no cities.
#include "testdevice.h"

#include <az_timezone.h>
#include <azaansettings.h>
#include <qcopchannel.h>
#include <sortmethods.h>
#include <worldclock_service.h>
#include <zjumpbox.h>
#include <zlistbox.h>
#include <zresource.h>

#include <QLineEdit>
#include <QSignalSpy>

namespace {

const QByteArray fixtureCities = "Kolkata\tAsia/Kolkata\t22.5\t88.3\tIN\n"
                                 "St. John's\tAmerica/St_Johns\t47.5\t-52.7\tCA\n"
                                 "Kathmandu\tAsia/Kathmandu\t27.7\t85.3\tNP\n"
                                 "London\tEurope/London\t51.5\t-0.1\tGB\n"
                                 "Kiritimati\tPacific/Kiritimati\t1.9\t-157.4\tKI\n"
                                 "Caracas\tAmerica/Caracas\t10.5\t-66.9\tVE\n"
                                 "broken line without fields\n"
                                 "Nowhere\tNot/A_Zone\t0\t0\tXX\n";

QString currentText(const AZ_TimeZone &picker)
{
    return picker.entries().value(picker.listBox()->currentItem()).display;
}

} // namespace

class tst_AZ_TimeZone : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void offsets_data();
    void offsets();
    void offsetParts_data();
    void offsetParts();
    void collationOrderAndJump_data();
    void collationOrderAndJump();
    void selectStoresTheNameOnce();
    void translatedNamesStoreTheStoredForm();
    void cancelStoresNothing();
    void findBox();
    void noCities();

private:
    void useCities(const QByteArray &tsv);
    QByteArray file() const { return m_device->readFile(QStringLiteral("/setup/qd_azaan_hs.cfg")); }

    std::unique_ptr<TestDevice> m_device;
};

void tst_AZ_TimeZone::init()
{
    m_device = std::make_unique<TestDevice>();
    WORLDCLOCK_Service::dispose();
}

void tst_AZ_TimeZone::cleanup()
{
    ZResource::loadLanguage(QStringLiteral("en-us"));
    AzaanSettings::release();
    WORLDCLOCK_Service::dispose();
    m_device.reset();
}

void tst_AZ_TimeZone::useCities(const QByteArray &tsv)
{
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/worldclock/worldcities.tsv"), tsv));
    WORLDCLOCK_Service::dispose();
}

void tst_AZ_TimeZone::offsets_data()
{
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("display");
    const QDateTime winter(QDate(2024, 1, 15), QTime(12, 0), Qt::UTC);
    const QDateTime summer(QDate(2024, 7, 15), QTime(12, 0), Qt::UTC);
    QTest::newRow("+5:30") << winter << "Kolkata" << "Kolkata (GMT +5:30)";
    QTest::newRow("-3:30") << winter << "St. John's" << "St. John's (GMT -3:30)";
    QTest::newRow("-2:30 in summer") << summer << "St. John's" << "St. John's (GMT -2:30)";
    QTest::newRow("+5:45") << winter << "Kathmandu" << "Kathmandu (GMT +5:45)";
    QTest::newRow("+0") << winter << "London" << "London (GMT +0)";
    QTest::newRow("+1 in summer") << summer << "London" << "London (GMT +1)";
    QTest::newRow("+14 shows nothing after GMT") << winter << "Kiritimati" << "Kiritimati (GMT )";
    QTest::newRow("-4") << winter << "Caracas" << "Caracas (GMT -4)";
}

void tst_AZ_TimeZone::offsets()
{
    QFETCH(QDateTime, when);
    QFETCH(QString, city);
    QFETCH(QString, display);
    useCities(fixtureCities);
    ZSystemClock::setFixed(when);
    AZ_TimeZone picker;
    QStringList texts;
    for (const AZ_TimeZone::CityEntry &entry : picker.entries())
        texts << entry.display;
    QVERIFY2(texts.contains(display), qPrintable(texts.join(QLatin1String(", "))));
    // Lines that are not cities are left out; a city without a zone still gets a row.
    QCOMPARE(picker.entries().size(), 7);
}

void tst_AZ_TimeZone::offsetParts_data()
{
    QTest::addColumn<int>("hours");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("each part signed") << -3 << -30 << 0 << "-3:30";
    QTest::newRow("minutes only, negative") << 0 << -30 << 0 << "-0:30";
    QTest::newRow("seconds") << 5 << 30 << 15 << "+5:30:15";
    QTest::newRow("-12") << -12 << 0 << 0 << "-12";
    QTest::newRow("+13") << 13 << 0 << 0 << "+13";
    QTest::newRow("+14") << 14 << 0 << 0 << "";
    QTest::newRow("unknown city record") << -14 << 0 << 0 << "";
}

void tst_AZ_TimeZone::offsetParts()
{
    QFETCH(int, hours);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QString, text);
    WORLDCLOCK_CityInfo info;
    info.gmtHours = hours;
    info.gmtMinutes = minutes;
    info.gmtSeconds = seconds;
    QCOMPARE(AZ_TimeZone::offsetText(info), text);
}

void tst_AZ_TimeZone::collationOrderAndJump_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("startsWith");
    QTest::newRow("c") << "en-us" << "c" << "C";
    QTest::newRow("C") << "en-us" << "C" << "C";
    QTest::newRow("cair") << "en-us" << "cair" << "Cairo (";
    QTest::newRow("Dub") << "en-us" << "Dub" << "Dubai (";
    QTest::newRow("after the last") << "en-us" << "zzzz" << "";
    // Arabic names from the world-city data, in Arabic order, found with Arabic letters.
    QTest::newRow("arabic") << "ar" << QString::fromUtf8("القاه") << QString::fromUtf8("القاهرة (");
    QTest::newRow("arabic, one letter") << "ar" << QString::fromUtf8("د") << QString::fromUtf8("د");
    QTest::newRow("french") << "fr" << "Le C" << "Le Caire (";
}

void tst_AZ_TimeZone::collationOrderAndJump()
{
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, startsWith);
    ZResource::loadLanguage(language);
    AZ_TimeZone picker;
    const QList<AZ_TimeZone::CityEntry> &entries = picker.entries();
    QVERIFY(entries.size() > 1000);
    for (int i = 1; i < entries.size(); ++i)
        QVERIFY2(sortmethods_str_cmp(entries.at(i - 1).display, entries.at(i).display) <= 0,
                 qPrintable(entries.at(i - 1).display + " > " + entries.at(i).display));

    // Typed through the keys: the first letter opens the find box, the rest go into it.
    const auto type = [](QWidget *widget, QChar letter) {
        const Qt::Key key = letter.isLetter() && letter.unicode() < 128 ? Qt::Key(letter.toUpper().unicode())
                                                                          : Qt::Key(letter.unicode());
        QTest::sendKeyEvent(QTest::Click, widget, key, QString(letter), Qt::NoModifier);
    };
    type(picker.listBox(), typed.at(0));
    QVERIFY(picker.jumpBox() && !picker.jumpBox()->isHidden());
    for (const QChar letter : typed.mid(1))
        type(picker.jumpBox()->getLineEdit(), letter);
    const int row = picker.listBox()->currentItem();
    if (startsWith.isEmpty()) {
        QCOMPARE(row, entries.size() - 1);
        return;
    }
    QVERIFY2(currentText(picker).startsWith(startsWith), qPrintable(currentText(picker)));
    // The first city at or after the text.
    QVERIFY(row == 0 || sortmethods_str_cmp(entries.at(row - 1).display, typed) < 0);
    QVERIFY(sortmethods_str_cmp(entries.at(row).display, typed) >= 0);
}

void tst_AZ_TimeZone::selectStoresTheNameOnce()
{
    AzaanSettings::instance();
    const QByteArray before = file();
    AZ_TimeZone picker;
    QCOMPARE(currentText(picker).left(9), QStringLiteral("Abu Dhabi"));
    QVERIFY(picker.listBox()->isChecked(picker.listBox()->currentItem()));

    QCopChannel broadcast("/systemsetup/broadcast");
    QSignalSpy changes(&broadcast, &QCopChannel::received);
    picker.slotTextChanged(QStringLiteral("Cairo"));
    QCOMPARE(currentText(picker).left(7), QStringLiteral("Cairo ("));
    QTest::keyClick(picker.listBox(), Qt::Key_Return);
    QVERIFY(!picker.isVisible());
    QByteArray expected = before;
    expected.replace("HGM_HSA_CITY=Abu Dhabi", "HGM_HSA_CITY=Cairo");
    QCOMPARE(file(), expected);
    QCopChannel::send("/systemsetup/broadcast", "mark");
    QTRY_COMPARE(changes.size(), 2);
    QCOMPARE(changes.at(0).at(0).toByteArray(), QByteArray("azaansettingschange"));

    // A new picker checks the city now stored.
    AZ_TimeZone again;
    QCOMPARE(currentText(again).left(7), QStringLiteral("Cairo ("));
    QVERIFY(again.listBox()->isChecked(again.listBox()->currentItem()));
}

void tst_AZ_TimeZone::translatedNamesStoreTheStoredForm()
{
    // A translated city name, and a GMT format without "(": the stored form is still the
    // untranslated name.
    const QString folder = m_device->hostPath(QStringLiteral("/usr/SYSqtapp/translations"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::copy(QStringLiteral(TEST_QM_DIR "/citytest_ar.qm"), folder + QStringLiteral("/citytest_ar.qm")));
    QVERIFY(ZResource::loadLanguage(QStringLiteral("ar")));
    AzaanSettings::instance();
    AZ_TimeZone picker;
    const QString cairo = QString::fromUtf8("القاهرة");
    int row = -1;
    for (int i = 0; i < picker.entries().size(); ++i) {
        if (picker.entries().at(i).display.startsWith(cairo))
            row = i;
    }
    QVERIFY(row >= 0);
    QVERIFY(!picker.entries().at(row).display.contains(QLatin1Char('(')));
    picker.listBox()->setCurrentItem(row);
    picker.slotSelect();
    QVERIFY(file().contains("HGM_HSA_CITY=Cairo\n"));
}

void tst_AZ_TimeZone::cancelStoresNothing()
{
    AzaanSettings::instance();
    const QByteArray before = file();
    AZ_TimeZone picker;
    picker.slotTextChanged(QStringLiteral("Dubai"));
    QTest::keyClick(&picker, Qt::Key_F2);
    QVERIFY(!picker.isVisible());
    QCOMPARE(file(), before);
}

void tst_AZ_TimeZone::findBox()
{
    AzaanSettings::instance();
    const QByteArray before = file();
    AZ_TimeZone picker;
    picker.QWidget::show();
    picker.listBox()->setCurrentItem(40);
    QTest::keyClick(picker.listBox(), Qt::Key_5);
    ZJumpBox *box = picker.jumpBox();
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->text(), QStringLiteral("5"));
    // Editing it empty hides it and goes back to the first city.
    QTest::keyClick(box->getLineEdit(), Qt::Key_Backspace);
    QVERIFY(!box->isVisible());
    QCOMPARE(picker.listBox()->currentItem(), 0);

    // The Return that closes the find box does not select; the next one does.
    QTest::keyClick(picker.listBox(), 'D');
    QTest::keyClicks(box->getLineEdit(), QStringLiteral("ub"));
    QTest::keyClick(box->getLineEdit(), Qt::Key_Return);
    QVERIFY(!box->isVisible());
    QVERIFY(picker.isVisible());
    QCOMPARE(file(), before);
    QTest::keyClick(picker.listBox(), Qt::Key_Return);
    QVERIFY(!picker.isVisible());
    QVERIFY(file().contains("HGM_HSA_CITY=Dubai\n"));
}

void tst_AZ_TimeZone::noCities()
{
    for (const QByteArray &tsv : { QByteArray(), QByteArray("only junk\n\t\t\n") }) {
        useCities(tsv);
        AzaanSettings::instance();
        const QByteArray before = file();
        AZ_TimeZone picker;
        QCOMPARE(picker.listBox()->count(), 0);
        picker.slotTextChanged(QStringLiteral("c"));
        QTest::keyClick(picker.listBox(), 'c');
        picker.slotClearAllText();
        picker.slotSelect();
        QCOMPARE(file(), before);
        AzaanSettings::release();
    }
}

QTEST_MAIN(tst_AZ_TimeZone)
#include "tst_az_timezone.moc"
