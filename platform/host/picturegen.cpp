// vyn-picturegen FOLDER: draws the sample pictures of the phone's image folder into FOLDER
// (data/device/vynlocal/download/picture): landscapes in flat colours, one in a subfolder, so the
// wallpaper setting has something to offer. Run by scripts/gen-pictures.sh.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

namespace {

const int width = 480;
const int height = 480;

QImage canvas(const QColor &top, const QColor &bottom)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    painter.fillRect(image.rect(), sky);
    return image;
}

QPainterPath hills(qreal base, qreal amplitude, qreal phase)
{
    QPainterPath path(QPointF(0, height));
    for (int x = 0; x <= width; x += 8) {
        const qreal t = qreal(x) / width;
        path.lineTo(x, base - amplitude * (0.6 * qSin(6.28 * (t + phase)) + 0.4 * qSin(15.7 * t + phase)));
    }
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

QImage dunes()
{
    QImage image = canvas(QColor(0xf6, 0xc9, 0x7a), QColor(0xe0, 0x8a, 0x4a));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf2, 0xc0));
    painter.drawEllipse(QPointF(340, 120), 46, 46);
    painter.setBrush(QColor(0xd4, 0x8a, 0x3c));
    painter.drawPath(hills(300, 40, 0.1));
    painter.setBrush(QColor(0xb8, 0x6a, 0x2a));
    painter.drawPath(hills(380, 30, 0.55));
    return image;
}

QImage sea()
{
    QImage image = canvas(QColor(0x2c, 0x3e, 0x70), QColor(0xf0, 0x90, 0x60));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    QRadialGradient sun(QPointF(240, 280), 70);
    sun.setColorAt(0, QColor(0xff, 0xe0, 0x90));
    sun.setColorAt(1, QColor(0xff, 0xa0, 0x60, 0));
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(240, 280), 70, 70);
    QLinearGradient water(0, 290, 0, height);
    water.setColorAt(0, QColor(0x1f, 0x4e, 0x79));
    water.setColorAt(1, QColor(0x0b, 0x1f, 0x3a));
    painter.fillRect(QRect(0, 290, width, height - 290), water);
    painter.setPen(QPen(QColor(0xff, 0xc8, 0x80, 140), 3));
    for (int y = 300; y < height; y += 18)
        painter.drawLine(240 - (y - 280) / 2, y, 240 + (y - 280) / 2, y);
    return image;
}

QImage garden()
{
    QImage image = canvas(QColor(0x8e, 0xc5, 0xe8), QColor(0xd8, 0xee, 0xf7));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5f, 0xa8, 0x4a));
    painter.drawPath(hills(330, 35, 0.3));
    painter.setBrush(QColor(0x3d, 0x7d, 0x34));
    painter.drawPath(hills(400, 25, 0.8));
    for (int i = 0; i < 5; ++i) {
        const qreal x = 60 + i * 90;
        painter.setBrush(QColor(0x6b, 0x4a, 0x2a));
        painter.drawRect(QRectF(x - 5, 330, 10, 50));
        painter.setBrush(QColor(0x2e, 0x6b, 0x2a));
        painter.drawEllipse(QPointF(x, 320), 30, 34);
    }
    return image;
}

QImage lattice()
{
    QImage image = canvas(QColor(0x10, 0x1c, 0x3a), QColor(0x2a, 0x1a, 0x4a));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xd4, 0xaf, 0x37, 90), 2));
    for (int y = -40; y < height + 40; y += 60) {
        for (int x = -40; x < width + 40; x += 60) {
            QPainterPath star;
            star.addRect(QRectF(x - 14, y - 14, 28, 28));
            painter.drawPath(star);
            painter.save();
            painter.translate(x, y);
            painter.rotate(45);
            painter.drawRect(QRectF(-14, -14, 28, 28));
            painter.restore();
        }
    }
    return image;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path, nullptr, 85))
        return true;
    fprintf(stderr, "vyn-picturegen: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: vyn-picturegen FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.filePath(QStringLiteral("Camera"))))
        return 1;
    bool ok = save(dunes(), folder.filePath(QStringLiteral("desert_dunes.jpg")));
    ok = save(sea(), folder.filePath(QStringLiteral("sunset_sea.jpg"))) && ok;
    ok = save(garden(), folder.filePath(QStringLiteral("garden.png"))) && ok;
    ok = save(lattice(), folder.filePath(QStringLiteral("Camera/night_lattice.jpg"))) && ok;
    return ok ? 0 : 1;
}
