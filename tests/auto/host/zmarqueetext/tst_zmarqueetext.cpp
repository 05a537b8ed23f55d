#include <zheadless.h>
#include <zmarqueetext.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QtTest>

namespace {

QFont testFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(16);
    return font;
}

// The bounding box of every pixel that differs from the background.
QRect drawnArea(const QImage &image, QRgb background)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

const QString longText = QStringLiteral("Maghreb 19:12        Eshaa 20:40 and much more text after it");

} // namespace

class tst_ZMarqueeText : public QObject
{
    Q_OBJECT

private slots:
    void keepsItsSettings();
    void showsTextInTheDump();
    void eitherMayGoFirst();
    void scrolls_data();
    void scrolls();
    void sameTextKeepsScrolling();
    void paintsInsideItsRectangle_data();
    void paintsInsideItsRectangle();
    void scrolledTextMoves();
    void alignmentCodes_data();
    void alignmentCodes();
};

void tst_ZMarqueeText::keepsItsSettings()
{
    QWidget parent;
    ZMarqueeText marquee;
    marquee.setParent(&parent);
    marquee.setGeometry(QRect(22, 40, 280, 22));
    marquee.setFont(testFont());
    marquee.setText(QStringLiteral("Fajr 04:12"));
    QCOMPARE(marquee.parentWidget(), &parent);
    QCOMPARE(marquee.geometry(), QRect(22, 40, 280, 22));
    QCOMPARE(marquee.font().pixelSize(), 16);
    QCOMPARE(marquee.text(), QStringLiteral("Fajr 04:12"));
    QVERIFY(marquee.fits());
    QCOMPARE(marquee.maximumOffset(), 0);
}

void tst_ZMarqueeText::showsTextInTheDump()
{
    QWidget parent;
    ZMarqueeText marquee;
    marquee.setText(QStringLiteral("1 New Message"));
    QCOMPARE(marquee.property("vynDumpText").toStringList(), QStringList { QStringLiteral("1 New Message") });
    QVERIFY(ZHeadless::dump(&parent).isEmpty());

    marquee.setParent(&parent);
    QCOMPARE(ZHeadless::dump(&parent), QStringList { QStringLiteral("1 New Message") });
    marquee.setText(QStringLiteral("2 New Messages"));
    QCOMPARE(ZHeadless::dump(&parent), QStringList { QStringLiteral("2 New Messages") });

    // Moving to another widget leaves nothing behind.
    QWidget other;
    marquee.setParent(&other);
    QVERIFY(ZHeadless::dump(&parent).isEmpty());
    QCOMPARE(ZHeadless::dump(&other), QStringList { QStringLiteral("2 New Messages") });
}

void tst_ZMarqueeText::eitherMayGoFirst()
{
    auto parent = std::make_unique<QWidget>();
    {
        ZMarqueeText marquee;
        marquee.setParent(parent.get());
        marquee.setText(QStringLiteral("gone first"));
    }
    QVERIFY(parent->children().isEmpty());

    ZMarqueeText marquee;
    marquee.setParent(parent.get());
    marquee.setGeometry(QRect(0, 0, 40, 20));
    marquee.setText(longText);
    marquee.start(1, 200, 0, 0, true);
    parent.reset();
    QCOMPARE(marquee.parentWidget(), nullptr);
    marquee.advance();
    marquee.setText(QStringLiteral("still fine"));
}

void tst_ZMarqueeText::scrolls_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("startDelay");
    QTest::addColumn<int>("endDelay");
    QTest::addColumn<bool>("loop");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("offset");   // -1: the maximum offset
    QTest::addColumn<bool>("running");

    // Interval 200 ms: a 1000 ms pause is five ticks.
    QTest::newRow("fits: never scrolls") << "Asr 15:30" << 1 << 1000 << 1000 << true << 50 << 0 << false;
    QTest::newRow("waits at the start") << longText << 1 << 1000 << 1000 << true << 5 << 0 << true;
    QTest::newRow("then moves a step a tick") << longText << 1 << 1000 << 1000 << true << 8 << 3 << true;
    QTest::newRow("bigger steps") << longText << 4 << 0 << 0 << true << 3 << 12 << true;
    QTest::newRow("stops at the end without loop") << longText << 1000 << 0 << 0 << false << 5 << -1 << false;
    QTest::newRow("end pause, then back to the start") << longText << 1000 << 0 << 400 << true << 4 << 0 << true;
    QTest::newRow("still at the end during the pause") << longText << 1000 << 0 << 400 << true << 3 << -1 << true;
}

void tst_ZMarqueeText::scrolls()
{
    QFETCH(QString, text);
    QFETCH(int, step);
    QFETCH(int, startDelay);
    QFETCH(int, endDelay);
    QFETCH(bool, loop);
    QFETCH(int, ticks);
    QFETCH(int, offset);
    QFETCH(bool, running);

    ZMarqueeText marquee;
    marquee.setFont(testFont());
    marquee.setGeometry(QRect(0, 0, 120, 20));
    marquee.setText(text);
    QVERIFY(!marquee.isScrolling());
    marquee.start(step, 200, startDelay, endDelay, loop);
    for (int i = 0; i < ticks; ++i)
        marquee.advance();
    QCOMPARE(marquee.offset(), offset < 0 ? marquee.maximumOffset() : offset);
    QCOMPARE(marquee.isScrolling(), running);
}

void tst_ZMarqueeText::sameTextKeepsScrolling()
{
    ZMarqueeText marquee;
    marquee.setFont(testFont());
    marquee.setGeometry(QRect(0, 0, 120, 20));
    marquee.setText(longText);
    marquee.start(2, 200, 0, 0, true);
    marquee.advance();
    marquee.advance();
    QCOMPARE(marquee.offset(), 4);
    // Plugins set their texts again on every refresh.
    marquee.setText(longText);
    QCOMPARE(marquee.offset(), 4);
    marquee.setText(QStringLiteral("short"));
    QCOMPARE(marquee.offset(), 0);
    QVERIFY(!marquee.isScrolling());
    marquee.setGeometry(QRect(0, 0, 20, 20));
    QVERIFY(marquee.isScrolling());
}

void tst_ZMarqueeText::paintsInsideItsRectangle_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("outline");
    QTest::addColumn<bool>("leftHalf");   // the text stays in the left half of the rectangle

    QTest::newRow("left") << "Fajr 04:12" << 0x21 << false << true;
    QTest::newRow("right") << "Fajr 04:12" << 0x22 << false << false;
    QTest::newRow("outlined") << "Fajr 04:12" << 0x21 << true << true;
    QTest::newRow("too long, elided") << longText << 0x21 << true << false;
}

void tst_ZMarqueeText::paintsInsideItsRectangle()
{
    QFETCH(QString, text);
    QFETCH(int, alignment);
    QFETCH(bool, outline);
    QFETCH(bool, leftHalf);

    const QRect rect(20, 30, 200, 24);
    QImage image(320, 100, QImage::Format_ARGB32);
    const QRgb background = qRgb(0, 0, 255);
    image.fill(background);

    ZMarqueeText marquee;
    marquee.setFont(testFont());
    marquee.setGeometry(rect);
    marquee.setText(text);
    QPainter painter(&image);
    painter.setPen(Qt::white);
    marquee.paint(&painter, alignment, QStringLiteral("..."), nullptr, outline, Qt::black, 1);
    painter.end();

    const QRect drawn = drawnArea(image, background);
    QVERIFY(!drawn.isEmpty());
    QVERIFY2(rect.contains(drawn), qPrintable(QStringLiteral("drawn at %1,%2 %3x%4")
                                                     .arg(drawn.x()).arg(drawn.y()).arg(drawn.width()).arg(drawn.height())));
    QCOMPARE(drawn.right() < rect.center().x(), leftHalf);
    // White text, and black outline only when asked for.
    bool sawWhite = false;
    bool sawBlack = false;
    for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
        for (int x = drawn.left(); x <= drawn.right(); ++x) {
            sawWhite = sawWhite || image.pixel(x, y) == qRgb(255, 255, 255);
            sawBlack = sawBlack || image.pixel(x, y) == qRgb(0, 0, 0);
        }
    }
    QVERIFY(sawWhite);
    QCOMPARE(sawBlack, outline);
}

void tst_ZMarqueeText::scrolledTextMoves()
{
    const QRect rect(10, 0, 100, 24);
    ZMarqueeText marquee;
    marquee.setFont(testFont());
    marquee.setGeometry(rect);
    marquee.setText(longText);
    marquee.start(30, 200, 0, 0, true);

    QImage before(200, 24, QImage::Format_ARGB32);
    before.fill(Qt::black);
    QImage after = before;
    {
        QPainter painter(&before);
        painter.setPen(Qt::white);
        marquee.paint(&painter, 0x21, QStringLiteral("..."), nullptr, false, Qt::black, 0);
    }
    marquee.advance();
    QCOMPARE(marquee.offset(), 30);
    {
        QPainter painter(&after);
        painter.setPen(Qt::white);
        // A clip narrower than the rectangle cuts the drawing further.
        const QRect clip(10, 0, 60, 24);
        marquee.paint(&painter, 0x21, QStringLiteral("..."), &clip, false, Qt::black, 0);
    }
    QVERIFY(before != after);
    const QRect drawn = drawnArea(after, qRgb(0, 0, 0));
    QVERIFY(QRect(10, 0, 60, 24).contains(drawn));
}

void tst_ZMarqueeText::alignmentCodes_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("alignment");

    QTest::newRow("0x21 left") << 0x21 << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("0x22 right") << 0x22 << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("0x24 centre") << 0x24 << int(Qt::AlignHCenter | Qt::AlignVCenter);
    QTest::newRow("1 left") << 1 << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("0x12 bottom right") << 0x12 << int(Qt::AlignRight | Qt::AlignBottom);
    QTest::newRow("0x0c top centre") << 0x0c << int(Qt::AlignHCenter | Qt::AlignTop);
}

void tst_ZMarqueeText::alignmentCodes()
{
    QFETCH(int, code);
    QFETCH(int, alignment);
    // Left stays left in a right-to-left layout too.
    QCOMPARE(int(ZMarqueeText::toQtAlignment(code)), alignment | Qt::AlignAbsolute);
}

QTEST_MAIN(tst_ZMarqueeText)
#include "tst_zmarqueetext.moc"
