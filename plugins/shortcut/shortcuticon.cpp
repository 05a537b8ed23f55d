#include "shortcuticon.h"

#include <res_icon_reader.h>

#include <QPainter>
#include <QPainterPath>

QPixmap ShortcutIcon::load(const QString &icon, int size)
{
    if (icon.trimmed().isEmpty())
        return QPixmap();
    const QPixmap image = RES_ICON_Reader::getIcon(icon);
    if (image.isNull())
        return QPixmap();
    if (image.size() == QSize(size, size))
        return image;
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QPixmap ShortcutIcon::placeholder(const QString &name, int size)
{
    QPixmap tile(size, size);
    tile.fill(Qt::transparent);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 5.0, size / 5.0);
    painter.fillPath(shape, QColor(0x55, 0x5e, 0x68, 220));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(size / 2);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QString letter = name.trimmed().isEmpty() ? QStringLiteral("?") : name.trimmed().left(1).toUpper();
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, letter);
    return tile;
}
