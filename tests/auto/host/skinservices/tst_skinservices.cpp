#include <qwallpaper.h>
#include <res_icon_reader.h>
#include <util_language.h>
#include <zglobal.h>
#include <zheader.h>
#include <zheadless.h>
#include <zskinservice.h>

#include "testdevice.h"

#include <QBuffer>
#include <QImage>
#include <QtTest>

#include <cstring>

namespace {

QByteArray png(const QSize &size, const QColor &color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

} // namespace

// The skin and drawing services of the platform: theme files, fonts, wallpaper, icons, screen
// areas, the status header and the display language.
class tst_SkinServices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void themeFile_data();
    void themeFile();
    void skinFont_data();
    void skinFont();
    void wallpaper_data();
    void wallpaper();
    void icons_data();
    void icons();
    void screenAreas_data();
    void screenAreas();
    void header();
    void languageCode_data();
    void languageCode();
    void rightToLeft_data();
    void rightToLeft();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_SkinServices::init()
{
    m_device = std::make_unique<TestDevice>();
}

void tst_SkinServices::cleanup()
{
    m_device.reset();
}

void tst_SkinServices::themeFile_data()
{
    QTest::addColumn<QByteArray>("themeSetting");
    QTest::addColumn<bool>("nightHasFile");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");

    const QString defaultFile = QStringLiteral("/usr/SYSqtapp/skins/default/homescreen.cfg");
    QTest::newRow("no setting") << QByteArray() << true << "homescreen" << defaultFile;
    QTest::newRow("current theme") << QByteArray("night") << true << "homescreen"
                                   << "/usr/SYSqtapp/skins/night/homescreen.cfg";
    QTest::newRow("theme without the file") << QByteArray("night") << false << "homescreen" << defaultFile;
    QTest::newRow("theme name leaving the folder") << QByteArray("../../setup") << true << "homescreen" << defaultFile;
    QTest::newRow("application name leaving the folder")
            << QByteArray("night") << true << "../../../setup/x" << "/usr/SYSqtapp/skins/night/homescreen.cfg";
}

void tst_SkinServices::themeFile()
{
    QFETCH(QByteArray, themeSetting);
    QFETCH(bool, nightHasFile);
    QFETCH(QString, name);
    QFETCH(QString, path);

    if (!themeSetting.isNull())
        QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_theme.cfg"), "[Theme]\nCurrent=" + themeSetting + "\n"));
    if (nightHasFile)
        QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/skins/night/homescreen.cfg"), "[Idle]\n"));
    // An unusable name falls back to the service's own application.
    QCOMPARE(ZSkinService("homescreen").getAppThemeSkinFile(name), path);
    QCOMPARE(ZSkinService("../x").getAppThemeSkinFile(QStringLiteral("../y")), QString());
}

void tst_SkinServices::skinFont_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    QTest::newRow("plain") << 16 << 0 << 16 << false << false;
    QTest::newRow("bold") << 22 << 1 << 22 << true << false;
    QTest::newRow("italic") << 12 << 2 << 12 << false << true;
    QTest::newRow("bold italic") << 12 << 3 << 12 << true << true;
    QTest::newRow("no size") << 0 << 0 << 16 << false << false;
    QTest::newRow("negative size") << -5 << 0 << 16 << false << false;
    QTest::newRow("absurd size") << 100000 << 0 << 256 << false << false;
}

void tst_SkinServices::skinFont()
{
    QFETCH(int, size);
    QFETCH(int, style);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    ZFontInfo info;
    info.size = size;
    info.style = style;
    const QFont font = ZSkinService("homescreen").getSkinFont(info);
    QCOMPARE(font.family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(font.bold(), bold);
    QCOMPARE(font.italic(), italic);
}

void tst_SkinServices::wallpaper_data()
{
    QTest::addColumn<QByteArray>("setting");   // null: no setting
    QTest::addColumn<QByteArray>("file");      // written at /pictures/mine.png when not null
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QColor>("centre");        // invalid: the shipped picture, any colour

    const QString shipped = QString::fromLatin1(QWallpaper::DefaultPath);
    const QString mine = QStringLiteral("/pictures/mine.png");
    const QByteArray red = png(QSize(100, 50), Qt::red);
    QTest::newRow("shipped") << QByteArray() << QByteArray() << 240 << shipped << QColor();
    QTest::newRow("own picture, scaled up") << mine.toUtf8() << red << 240 << mine << QColor(Qt::red);
    QTest::newRow("taller screen") << mine.toUtf8() << red << 300 << mine << QColor(Qt::red);
    QTest::newRow("missing picture") << mine.toUtf8() << QByteArray() << 240 << shipped << QColor();
    QTest::newRow("broken picture") << mine.toUtf8() << QByteArray("not a picture") << 240 << shipped << QColor();
    QTest::newRow("relative path") << QByteArray("pictures/mine.png") << red << 240 << shipped << QColor();
}

void tst_SkinServices::wallpaper()
{
    QFETCH(QByteArray, setting);
    QFETCH(QByteArray, file);
    QFETCH(int, screenHeight);
    QFETCH(QString, path);
    QFETCH(QColor, centre);

    if (!setting.isNull())
        QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_theme.cfg"), "[Wallpaper]\nPath=" + setting + "\n"));
    if (!file.isNull())
        QVERIFY(m_device->writeFile(QStringLiteral("/pictures/mine.png"), file));
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_device.cfg"),
                                "[Screen]\nHeight=" + QByteArray::number(screenHeight) + "\n"));

    QCOMPARE(QWallpaper::wallpaperPath(), path);
    const QPixmap pixmap = QWallpaper::wallpaper();
    QCOMPARE(pixmap.size(), QSize(320, screenHeight));
    const QImage image = pixmap.toImage();
    if (centre.isValid())
        QCOMPARE(image.pixelColor(160, screenHeight / 2), centre);
    else
        QVERIFY(image.pixelColor(160, screenHeight / 2) != QColor(Qt::red));
}

void tst_SkinServices::icons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");

    QTest::newRow("plain name") << "star.png" << "/usr/SYSqtapp/icons/star.png";
    QTest::newRow("platform name") << "star.g" << "/usr/SYSqtapp/icons/star.png";
    QTest::newRow("device path") << "/pictures/own.png" << "/pictures/own.png";
    QTest::newRow("missing") << "nosuchicon.g" << QString();
    QTest::newRow("empty") << "" << QString();
    QTest::newRow("leaving the folder") << "../icons/star.png" << QString();
    QTest::newRow("not a picture") << "broken.g" << "/usr/SYSqtapp/icons/broken.g";
}

void tst_SkinServices::icons()
{
    QFETCH(QString, name);
    QFETCH(QString, path);

    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/icons/star.png"), png(QSize(34, 34), Qt::yellow)));
    QVERIFY(m_device->writeFile(QStringLiteral("/pictures/own.png"), png(QSize(10, 10), Qt::green)));
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/icons/broken.g"), "garbage"));

    QCOMPARE(RES_ICON_Reader::iconPath(name), path);
    const QPixmap icon = RES_ICON_Reader::getIcon(name);
    const bool readable = !path.isEmpty() && !path.endsWith(QLatin1String("broken.g"));
    QCOMPARE(icon.isNull(), !readable);
}

void tst_SkinServices::screenAreas_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<int>("height");

    QTest::newRow("default") << QByteArray() << 240;
    QTest::newRow("taller") << QByteArray("320") << 320;
    QTest::newRow("not a number") << QByteArray("tall") << 240;
    QTest::newRow("negative") << QByteArray("-5") << 240;
    QTest::newRow("absurd") << QByteArray("99999") << 240;
}

void tst_SkinServices::screenAreas()
{
    QFETCH(QByteArray, setting);
    QFETCH(int, height);

    if (!setting.isNull())
        QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_device.cfg"), "[Screen]\nHeight=" + setting + "\n"));
    QCOMPARE(ZGlobal::getScreenR(), QRect(0, 0, 320, height));
    const QRect softKeys = ZGlobal::getCstR();
    QCOMPARE(softKeys.bottom(), height - 1);
    QCOMPARE(softKeys.width(), 320);
    QVERIFY(softKeys.height() > 0);
    QCOMPARE(ZGlobal::getHeaderR(), QRect(0, 0, 320, 20));
    QCOMPARE(ZHeader::headerSize(ZHeader::Standard), QSize(320, 20));
}

void tst_SkinServices::header()
{
    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 1), QTime(17, 40, 30)));
    QVERIFY(m_device->writeFile(QStringLiteral("/tmp/vyn_phone.cfg"),
                                "[Network]\nOperatorName=Etisalat\nSignal=9\n[Battery]\nLevel=-1\nCharging=true\n"));
    ZHeader header(ZHeader::Standard, nullptr, "header");
    QCOMPARE(header.objectName(), QStringLiteral("header"));
    QCOMPARE(header.size(), QSize(320, 20));
    QCOMPARE(header.operatorName(), QStringLiteral("Etisalat"));
    // Out-of-range levels are clamped to what the glyphs can show.
    QCOMPARE(header.signalLevel(), 5);
    QCOMPARE(header.batteryLevel(), 0);
    QVERIFY(header.isCharging());
    QCOMPARE(header.timeText(), QStringLiteral("17:40"));
    QCOMPARE(ZHeadless::dump(&header), QStringList({ "Etisalat", "17:40" }));

    ZSystemClock::setFixed(QDateTime(QDate(2024, 6, 1), QTime(17, 41, 0)));
    QVERIFY(QFile::remove(m_device->hostPath(QStringLiteral("/tmp/vyn_phone.cfg"))));
    header.refresh();
    QCOMPARE(header.timeText(), QStringLiteral("17:41"));
    QCOMPARE(header.operatorName(), QStringLiteral("Vyn Mobile"));

    const QImage shot = header.grab().toImage();
    QCOMPARE(shot.size(), QSize(320, 20));
    QVERIFY(shot.pixelColor(2, 10) != shot.pixelColor(300, 10));
}

void tst_SkinServices::languageCode_data()
{
    QTest::addColumn<QByteArray>("stored");   // null: no file
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<QString>("systemCode");

    QTest::newRow("english") << QByteArray("en-us") << 1 << QByteArray("en-us") << "en-us";
    QTest::newRow("arabic") << QByteArray("ar") << 1 << QByteArray("ar") << "ar";
    QTest::newRow("ten characters fit") << QByteArray("zh-hant-tw") << 1 << QByteArray("zh-hant-tw") << "zh-hant-tw";
    QTest::newRow("eleven do not") << QByteArray("zh-hant-twx") << 0 << QByteArray() << "en-us";
    QTest::newRow("not a code") << QByteArray("a/../b") << 0 << QByteArray() << "en-us";
    QTest::newRow("nothing stored") << QByteArray() << 0 << QByteArray() << "en-us";
}

void tst_SkinServices::languageCode()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, result);
    QFETCH(QByteArray, buffer);
    QFETCH(QString, systemCode);

    if (!stored.isNull())
        QVERIFY(m_device->writeFile(QStringLiteral("/tmp/vyn_system.cfg"),
                                    "[SYS_SYSTEM_SET]\nLanguageType=" + stored + "\n"));
    // A guard byte after the 11-byte buffer must stay untouched.
    char bytes[UTIL_Language::CodeBufferSize + 1];
    std::memset(bytes, 0, sizeof bytes);
    bytes[UTIL_Language::CodeBufferSize] = 'G';
    QCOMPARE(UTIL_GetLanguageCode(bytes), result);
    QCOMPARE(QByteArray(bytes), buffer);
    QCOMPARE(bytes[UTIL_Language::CodeBufferSize], 'G');
    QCOMPARE(UTIL_Language::getSystemLanguageCode(), systemCode);
    QCOMPARE(UTIL_GetLanguageCode(nullptr), 0);
}

void tst_SkinServices::rightToLeft_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("rightToLeft");

    QTest::newRow("ar") << "ar" << true;
    QTest::newRow("ar-ae") << "ar-ae" << true;
    QTest::newRow("he") << "he" << true;
    QTest::newRow("fa") << "fa" << true;
    QTest::newRow("ur_PK") << "ur_PK" << true;
    QTest::newRow("AR upper case") << "AR" << true;
    QTest::newRow("en-us") << "en-us" << false;
    QTest::newRow("fr") << "fr" << false;
    QTest::newRow("arn, not Arabic") << "arn" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_SkinServices::rightToLeft()
{
    QFETCH(QString, code);
    QFETCH(bool, rightToLeft);
    QCOMPARE(UTIL_Language::isRtlLanguage(code), rightToLeft);
}

QTEST_MAIN(tst_SkinServices)
#include "tst_skinservices.moc"
