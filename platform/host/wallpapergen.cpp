// vyn-wallpapergen FILE: draws the wallpaper the device ships, a night sky over a skyline with
// a faint star lattice. 640 x 480, so it scales to 320 x 240 whole and crops for taller screens.
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

namespace {

const int width = 640;
const int height = 480;

QPainterPath eightPointStar(const QPointF &centre, qreal radius)
{
    // Two squares, one turned by 45 degrees.
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int square = 0; square < 2; ++square) {
        QPolygonF polygon;
        for (int corner = 0; corner < 4; ++corner) {
            const qreal angle = qDegreesToRadians(45.0 * square + 90.0 * corner + 22.5);
            polygon << centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        }
        polygon << polygon.first();
        path.addPolygon(polygon);
    }
    return path;
}

void drawSky(QPainter &painter)
{
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0.0, QColor(0x08, 0x14, 0x2e));
    sky.setColorAt(0.55, QColor(0x12, 0x3a, 0x5c));
    sky.setColorAt(1.0, QColor(0x1b, 0x6a, 0x6c));
    painter.fillRect(0, 0, width, height, sky);

    QRadialGradient glow(QPointF(430, 120), 220);
    glow.setColorAt(0.0, QColor(255, 236, 190, 70));
    glow.setColorAt(1.0, QColor(255, 236, 190, 0));
    painter.fillRect(0, 0, width, height, glow);
}

void drawLattice(QPainter &painter)
{
    const int step = 64;
    for (int row = 0; row * step / 2 <= height + step; ++row) {
        for (int column = -1; column * step <= width + step; ++column) {
            const QPointF centre(column * step + (row % 2 ? step / 2 : 0), row * step / 2);
            // Fades out towards the top, so the sky stays clear.
            const int alpha = int(4 + 16 * centre.y() / height);
            painter.setPen(QPen(QColor(255, 255, 255, alpha), 1.0));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(eightPointStar(centre, step * 0.36));
        }
    }
}

void drawStars(QPainter &painter)
{
    // A fixed sequence, so the picture is the same every time.
    quint32 seed = 20240601;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 90; ++i) {
        const qreal x = next() % width;
        const qreal y = next() % (height / 2);
        const qreal size = 0.6 + (next() % 100) / 80.0;
        painter.setBrush(QColor(255, 255, 255, 90 + int(next() % 140)));
        painter.drawEllipse(QPointF(x, y), size, size);
    }
}

void drawMoon(QPainter &painter)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(430, 112), 36, 36);
    QPainterPath bite;
    bite.addEllipse(QPointF(446, 100), 32, 32);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf6, 0xe9, 0xc0));
    painter.drawPath(disc.subtracted(bite));
    painter.drawPath(eightPointStar(QPointF(392, 128), 6));
}

void drawSkyline(QPainter &painter)
{
    const QColor near(0x07, 0x22, 0x2c);
    const QColor far(0x0c, 0x35, 0x42);
    painter.setPen(Qt::NoPen);

    // Far hills, then the building: a dome between two minarets.
    QPainterPath hills;
    hills.moveTo(0, height);
    hills.lineTo(0, 410);
    hills.cubicTo(160, 370, 260, 420, 360, 395);
    hills.cubicTo(460, 370, 560, 400, width, 385);
    hills.lineTo(width, height);
    hills.closeSubpath();
    painter.setBrush(far);
    painter.drawPath(hills);

    QPainterPath building;
    building.setFillRule(Qt::WindingFill);
    building.addRect(QRectF(250, 400, 140, 80));
    building.addEllipse(QPointF(320, 400), 52, 46);
    building.addRect(QRectF(312, 340, 16, 14));
    for (const qreal x : { 220.0, 408.0 }) {
        building.addRect(QRectF(x, 330, 12, 150));
        QPolygonF tip;
        tip << QPointF(x - 2, 332) << QPointF(x + 6, 306) << QPointF(x + 14, 332);
        building.addPolygon(tip);
        building.addRect(QRectF(x - 3, 360, 18, 4));
    }
    QPainterPath foreground;
    foreground.moveTo(0, height);
    foreground.lineTo(0, 455);
    foreground.cubicTo(200, 440, 440, 470, width, 448);
    foreground.lineTo(width, height);
    foreground.closeSubpath();
    painter.setBrush(near);
    painter.drawPath(building.united(foreground));
}

} // namespace

int main(int argc, char **argv)
{
    // Draws into an image only: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: vyn-wallpapergen FILE.png\n");
        return 2;
    }
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawSky(painter);
    drawLattice(painter);
    drawStars(painter);
    drawMoon(painter);
    drawSkyline(painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        fprintf(stderr, "vyn-wallpapergen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
