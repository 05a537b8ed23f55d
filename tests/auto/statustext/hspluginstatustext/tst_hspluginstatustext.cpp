#include <homescreentheme.h>
#include <hsplugin.h>
#include <hspluginlibrary.h>
#include <phone_asyncmsgreceiver.h>
#include <qcopchannel.h>
#include <statustextpainter.h>
#include <vynchannels.h>
#include <vynphone.h>
#include <zheader.h>
#include <zskinservice.h>

#include "fakepluginsite.h"
#include "screendump.h"
#include "testdevice.h"

#include <QBuffer>
#include <QDataStream>
#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

const QRgb textColour = qRgb(255, 0, 255);
const QRgb iconColour = qRgb(0, 255, 0);
const int iconWidth = 24;

// The default theme with a text colour that no wallpaper has.
const QByteArray theme = "[Idle]\nPadding_Left=3\nSpacing_H1=3\n"
                         "[Font_IdleStatusStd]\nSize=16\nLeading=18\nColor=16711935\n";

bool flush()
{
    QCopChannel listener("vyn-test/flush");
    QSignalSpy spy(&listener, &QCopChannel::received);
    QCopChannel::send("vyn-test/flush", "flush");
    return spy.wait(5000);
}

QByteArray png(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return data;
}

bool near(QRgb pixel, QRgb colour)
{
    return qAbs(qRed(pixel) - qRed(colour)) < 40 && qAbs(qGreen(pixel) - qGreen(colour)) < 40
            && qAbs(qBlue(pixel) - qBlue(colour)) < 40;
}

// Columns from first to last where a pixel of the colour shows, within rows [top, bottom).
QPair<int, int> columns(const QImage &image, QRgb colour, int top, int bottom)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = top; y < bottom && y < image.height(); ++y) {
            if (near(image.pixel(x, y), colour)) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
        }
    }
    return { first, last };
}

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

} // namespace

// The plugin library loaded as the host loads it, on the fake site, driven through the
// simulated phone and the idle channels.
class tst_HSPluginStatusText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void geometry_data();
    void geometry();
    void logoOrNetworkName_data();
    void logoOrNetworkName();
    void alignmentWithIcon_data();
    void alignmentWithIcon();
    void burstPaintsOnce();
    void textBoxesStayInside_data();
    void textBoxesStayInside();

private:
    void startPlugin();
    QImage grabContainer();
    QWidget *container() { return m_site->containerWidget(); }
    int lineHeight();

    std::unique_ptr<HSPluginLibrary> m_library;
    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<FakePluginSite> m_site;
    HSPlugin *m_plugin = nullptr;
};

void tst_HSPluginStatusText::initTestCase()
{
    m_library = std::make_unique<HSPluginLibrary>(QStringLiteral(VYN_TEST_LIB_DIR "/libstatustext_plugin.so"));
    QVERIFY2(m_library->isLoaded(), qPrintable(m_library->errorString()));
}

void tst_HSPluginStatusText::cleanupTestCase()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_library.reset();
}

void tst_HSPluginStatusText::init()
{
    m_device = std::make_unique<TestDevice>();
    PHONE_AsyncMsgReceiver::instance()->refresh();
    QVERIFY(m_device->writeFile(HomeScreenTheme::path(), theme));
    m_site = std::make_unique<FakePluginSite>(QStringLiteral("StatusText"));
}

void tst_HSPluginStatusText::cleanup()
{
    if (m_plugin) {
        m_library->destroyInstance(m_plugin);
        m_plugin = nullptr;
    }
    m_site.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_device.reset();
}

void tst_HSPluginStatusText::startPlugin()
{
    m_plugin = m_library->createInstance(m_site.get());
    QVERIFY(m_plugin);
    container()->setGeometry(m_plugin->geometry(FakePluginSite::offeredArea()));
    m_plugin->initialize();
    m_plugin->activate();
    m_site->screen()->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_site->screen()));
}

QImage tst_HSPluginStatusText::grabContainer()
{
    QCoreApplication::processEvents();
    return container()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int tst_HSPluginStatusText::lineHeight()
{
    IdleFontInfo info = HomeScreenTheme::idleStatusFontDefaults();
    info.size = 16;
    return QFontMetrics(HomeScreenTheme::skinFont(info)).height() + 2;
}

void tst_HSPluginStatusText::geometry_data()
{
    QTest::addColumn<QByteArray>("themeFile");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<QRect>("expected");   // height: the gap between lines; filled in below

    QTest::newRow("no theme file") << QByteArray() << QByteArray() << 22 << QRect(3, 0, 200, 0);
    QTest::newRow("theme font") << theme << QByteArray() << 16 << QRect(3, 0, 200, 0);
    QTest::newRow("padding and spacing")
            << QByteArray("[Idle]\nPadding_Left=7\nSpacing_V1=5\nSpacing_V2=3\n") << QByteArray() << 22
            << QRect(7, 5, 200, 3);
    QTest::newRow("small-font build, group missing") << QByteArray() << QByteArray("395=1\n") << 16
                                                     << QRect(3, 0, 200, 0);
    QTest::newRow("small-font build, its own group")
            << QByteArray("[My5_Font_IdleStatusStd]\nSize=12\n[Font_IdleStatusStd]\nSize=30\n")
            << QByteArray("395=1\n") << 12 << QRect(3, 0, 200, 0);
}

void tst_HSPluginStatusText::geometry()
{
    QFETCH(QByteArray, themeFile);
    QFETCH(QByteArray, flags);
    QFETCH(int, fontSize);
    QFETCH(QRect, expected);

    QFile::remove(m_device->hostPath(HomeScreenTheme::path()));
    if (!themeFile.isEmpty())
        QVERIFY(m_device->writeFile(HomeScreenTheme::path(), themeFile));
    QVERIFY(m_device->writeFile("/usr/SYSqtapp/flexbit.cfg", "[FlexBit]\n" + flags));
    IdleFontInfo info = HomeScreenTheme::idleStatusFontDefaults();
    info.size = fontSize;
    const int fontHeight = QFontMetrics(HomeScreenTheme::skinFont(info)).height();

    m_plugin = m_library->createInstance(m_site.get());
    QVERIFY(m_plugin);
    const QRect rect = m_plugin->geometry(FakePluginSite::offeredArea());
    QCOMPARE(rect, QRect(expected.x(), ZHeader::headerSize(ZHeader::Standard).height() + expected.y(), 200,
                         expected.height() + 2 * fontHeight + 4));
}

void tst_HSPluginStatusText::logoOrNetworkName_data()
{
    QTest::addColumn<bool>("logoFlag");
    QTest::addColumn<bool>("iconFile");
    QTest::addColumn<QStringList>("phone");
    QTest::addColumn<QString>("expectedLineOne");
    QTest::addColumn<bool>("expectedLogo");

    QTest::newRow("network name") << true << true << QStringList() << "Vyn Mobile" << false;
    QTest::newRow("logo takes the name's place") << true << true << QStringList { "logo on" } << "" << true;
    QTest::newRow("logo on a build without logos") << false << true << QStringList { "logo on" } << "Vyn Mobile"
                                                   << false;
    // Nothing to put in its place: the name stays.
    QTest::newRow("logo file missing") << true << false << QStringList { "logo on" } << "Vyn Mobile" << false;
    QTest::newRow("SIM name is no network name")
            << true << true << QStringList { "spn Vyn SIM", "spn-display 0", "logo on" } << "Vyn SIM" << true;
}

void tst_HSPluginStatusText::logoOrNetworkName()
{
    QFETCH(bool, logoFlag);
    QFETCH(bool, iconFile);
    QFETCH(QStringList, phone);
    QFETCH(QString, expectedLineOne);
    QFETCH(bool, expectedLogo);

    QVERIFY(m_device->writeFile("/usr/SYSqtapp/flexbit.cfg", logoFlag ? "[FlexBit]\n392=1\n" : "[FlexBit]\n"));
    // In place of the logo the image ships.
    const QString logo = m_device->hostPath(QStringLiteral("/usr/SYSqtapp/icons/carrier_std.png"));
    QFile::remove(logo);
    if (iconFile)
        QVERIFY(m_device->writeFile(logo, png(iconWidth, 12, iconColour)));
    startPlugin();
    for (const QString &step : phone)
        QVERIFY(VynPhone::set(step.section(QLatin1Char(' '), 0, 0), step.section(QLatin1Char(' '), 1)));
    QVERIFY(flush());
    const QImage image = grabContainer();
    QCOMPARE(ScreenDump::childTexts(container(), QStringLiteral("ZMarqueeText")).value(0), expectedLineOne);
    QCOMPARE(near(image.pixel(2, 2), iconColour), expectedLogo);
    // A shown line one is drawn beside the logo, never under it.
    const QPair<int, int> text = columns(image, textColour, 0, lineHeight());
    QCOMPARE(text.first >= 0, !expectedLineOne.isEmpty());
    if (expectedLogo && text.first >= 0)
        QVERIFY2(text.first >= iconWidth + 3 + 2, qPrintable(QString::number(text.first)));
}

void tst_HSPluginStatusText::alignmentWithIcon_data()
{
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("alignMode");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<QString>("expected");   // where line one's text stands: start, end or centre

    QTest::newRow("left to right, icon") << QByteArray("en-us") << QByteArray() << true << "start";
    QTest::newRow("right to left, icon") << QByteArray("ar") << QByteArray() << true << "end";
    QTest::newRow("right to left, no icon") << QByteArray("ar") << QByteArray() << false << "end";
    QTest::newRow("right to left, centred") << QByteArray("ar") << QByteArray("Center") << true << "centre";
    QTest::newRow("left to right, centred") << QByteArray("en-us") << QByteArray("Center") << false << "centre";
}

void tst_HSPluginStatusText::alignmentWithIcon()
{
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, alignMode);
    QFETCH(bool, icon);
    QFETCH(QString, expected);

    QVERIFY(m_device->writeFile("/tmp/vyn_system.cfg", "[SYS_SYSTEM_SET]\nLanguageType=" + language + "\n"));
    QVERIFY(m_device->writeFile("/setup/vyn_idle.cfg", "[StatusTextPlugin]\nAlignMode=" + alignMode + "\n"));
    QVERIFY(m_device->writeFile("/usr/SYSqtapp/flexbit.cfg", "[FlexBit]\n482=1\n"));
    QVERIFY(m_device->writeFile("/tmp/getstkpixmap.png", png(iconWidth, 16, iconColour)));
    startPlugin();
    QVERIFY(VynPhone::set(QStringLiteral("service"), QStringLiteral("Vyn")));
    if (icon) {
        QByteArray data;
        QDataStream stream(&data, QIODevice::WriteOnly);
        stream << qint32(1) << QStringLiteral("Menu") << quint8(1) << qint32(1);
        QCopChannel::send(VynChannel::StatusText, VynMessage::StkIdleText, data);
    }
    QVERIFY(flush());
    const QImage image = grabContainer();
    const bool rightToLeft = language == "ar";
    const int width = container()->width();
    const int iconSpace = icon ? iconWidth + 3 : 0;

    const int iconX = rightToLeft ? width - iconWidth : 0;
    QCOMPARE(near(image.pixel(iconX + 1, 1), iconColour), icon);
    QCOMPARE(near(image.pixel(rightToLeft ? 1 : width - 2, 1), iconColour), false);

    // The text box: the column beside the icon, moved in by 2 and narrowed as much.
    const int boxLeft = (rightToLeft ? 0 : iconSpace) + 2;
    const int boxRight = (rightToLeft ? width - iconSpace : width) - 1;
    const QPair<int, int> text = columns(image, textColour, 0, lineHeight());
    QVERIFY2(text.first >= boxLeft && text.second <= boxRight,
             qPrintable(QStringLiteral("text %1..%2, box %3..%4").arg(text.first).arg(text.second).arg(boxLeft).arg(boxRight)));
    if (expected == QLatin1String("start"))
        QVERIFY(text.first <= boxLeft + 3);
    else if (expected == QLatin1String("end"))
        QVERIFY2(text.second >= boxRight - 3, qPrintable(QString::number(text.second)));
    else
        QVERIFY(qAbs((text.first + text.second) - (boxLeft + boxRight)) <= 6);
    if (icon)
        QCOMPARE(ScreenDump::childTexts(container(), QStringLiteral("ZMarqueeText")).value(1), QStringLiteral("Menu"));
}

void tst_HSPluginStatusText::burstPaintsOnce()
{
    startPlugin();
    PaintCounter counter;
    container()->installEventFilter(&counter);
    QVERIFY(flush());
    QCoreApplication::processEvents();
    counter.paints = 0;

    // Every change reaches the engine and the view; the view draws when the pass is over.
    const int changes = 40;
    for (int i = 0; i < changes; ++i) {
        QVERIFY(VynPhone::set(QStringLiteral("network"), QString::number(i % 2 ? 3 : 1)));
        QVERIFY(VynPhone::set(QStringLiteral("level"), QString::number(i % 5)));
    }
    QVERIFY(flush());
    QCoreApplication::processEvents();
    QVERIFY2(counter.paints >= 1 && counter.paints <= 2, qPrintable(QString::number(counter.paints)));
    QCOMPARE(ScreenDump::childTexts(container(), QStringLiteral("ZMarqueeText")).value(0), QStringLiteral("Vyn Mobile"));
    container()->removeEventFilter(&counter);
}

void tst_HSPluginStatusText::textBoxesStayInside_data()
{
    QTest::addColumn<int>("icon");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<int>("spacingV2");
    QTest::addColumn<QRect>("expectedLineOne");   // height filled in below

    QTest::newRow("no icon") << 0 << false << 0 << QRect(2, 0, 198, 0);
    QTest::newRow("no icon, right to left") << 0 << true << 0 << QRect(2, 0, 198, 0);
    QTest::newRow("icon") << 24 << false << 0 << QRect(29, 0, 171, 0);
    QTest::newRow("icon, right to left") << 24 << true << 3 << QRect(2, 0, 171, 0);
    QTest::newRow("icon wider than the panel") << 250 << false << 0 << QRect(255, 0, 0, 0);
}

// The boxes start 2 pixels into their column and end where it ends: a right-aligned line or
// the ellipsis of a long one is never cut at the container's edge or under the icon.
void tst_HSPluginStatusText::textBoxesStayInside()
{
    QFETCH(int, icon);
    QFETCH(bool, rightToLeft);
    QFETCH(int, spacingV2);
    QFETCH(QRect, expectedLineOne);

    StatusTextTheme::Theme theme = StatusTextTheme::defaults();
    theme.layout.spacingV2 = spacingV2;
    const int height = theme.lineHeight();
    const StatusTextPainter::LineRects rects = StatusTextPainter::layoutLines(200, icon, rightToLeft, theme);
    expectedLineOne.setHeight(height);
    QCOMPARE(rects.lineOne, expectedLineOne);
    QCOMPARE(rects.lineTwo, expectedLineOne.translated(0, spacingV2 + height));
    const int iconSpace = icon > 0 ? icon + theme.layout.spacingH1 : 0;
    if (rects.lineOne.width() > 0) {
        QVERIFY(rects.lineOne.right() < (rightToLeft ? 200 - iconSpace : 200));
        QVERIFY(rects.lineOne.left() >= (rightToLeft ? 0 : iconSpace));
    }
}

QTEST_MAIN(tst_HSPluginStatusText)
#include "tst_hspluginstatustext.moc"
