// vyn-clockfacegen FILE: draws the analog clock face the device ships
// (data/device/usr/SYSqtapp/icons/analog_clock_face.png): a 96 x 96 dial with hour marks.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        fprintf(stderr, "usage: vyn-clockfacegen FILE\n");
        return 2;
    }
    const int size = 96;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient dial(size / 2.0, size / 2.0, size / 2.0);
    dial.setColorAt(0.0, QColor(0x24, 0x3b, 0x55));
    dial.setColorAt(1.0, QColor(0x0e, 0x1a, 0x2a));
    painter.setBrush(dial);
    painter.setPen(QPen(QColor(0xc8, 0xd2, 0xdc), 2));
    painter.drawEllipse(QRectF(1.5, 1.5, size - 3, size - 3));
    for (int mark = 0; mark < 12; ++mark) {
        const qreal angle = qDegreesToRadians(mark * 30.0);
        const qreal outer = size / 2.0 - 6;
        const qreal inner = outer - (mark % 3 == 0 ? 9 : 5);
        const QPointF centre(size / 2.0, size / 2.0);
        const QPointF direction(qSin(angle), -qCos(angle));
        painter.setPen(QPen(QColor(0xe8, 0xee, 0xf2), mark % 3 == 0 ? 3 : 1.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre + direction * inner, centre + direction * outer);
    }
    painter.setBrush(QColor(0xe8, 0xee, 0xf2));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(size / 2.0, size / 2.0), 3, 3);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
