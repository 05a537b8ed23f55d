#include "azaanpainter.h"

#include "azaanrowmodel.h"

#include <qwallpaper.h>
#include <zglobal.h>
#include <zmarqueetext.h>

#include <QPainter>
#include <QPixmap>
#include <QWidget>

void AzaanPainter::layoutRows(QWidget *container, const AzaanRowModel &model, ZMarqueeText *rows,
                              const AzaanTheme::Theme &theme)
{
    int top = container->height();
    for (int row = AzaanRowModel::RowCount - 1; row >= 0; --row) {
        if (!model.isVisible(row))
            continue;
        top -= theme.rowPitch();
        rows[row].setGeometry(QRect(AzaanTheme::rowX, top, AzaanTheme::rowWidth,
                                    AzaanTheme::fontSize + AzaanTheme::rowExtraHeight));
        rows[row].setFont(theme.font);
    }
}

void AzaanPainter::paint(QPixmap &buffer, QWidget *container, const AzaanRowModel &model, ZMarqueeText *rows,
                         const AzaanTheme::Theme &theme)
{
    QPainter painter(&buffer);

    // The idle screen's wallpaper is screen-sized at the top-level window's origin.
    const QPixmap wallpaper = QWallpaper::wallpaper();
    if (wallpaper.isNull()) {
        painter.fillRect(buffer.rect(), ZGlobal::backgroundColor());
    } else {
        const QPoint origin = container->mapTo(container->window(), QPoint(0, 0));
        painter.drawPixmap(QPoint(0, 0), wallpaper, QRect(origin, buffer.size()));
    }

    const int height = container->height();
    const int width = container->width();
    const int pitch = theme.rowPitch();
    const QColor lineColor = ZGlobal::separatorColor();
    const int selected = model.selectedRow();

    int y = height - 1;
    for (int row = AzaanRowModel::RowCount - 1; row >= selected; --row) {
        if (model.isVisible(row))
            y -= pitch;
    }
    // A half-tone band: the wallpaper shows through the highlight.
    if (model.isVisible(selected))
        painter.fillRect(QRect(0, y, ZGlobal::ScreenWidth, pitch), QBrush(lineColor, Qt::Dense4Pattern));

    painter.setPen(lineColor);
    painter.drawLine(0, height - 1, width, height - 1);

    const int alignment = HomeScreenTheme::isRightToLeft() ? AzaanTheme::alignRightCentre
                                                           : AzaanTheme::alignLeftCentre;
    const QPen textPen(QColor(QRgb(theme.fontInfo.color)), 0, Qt::SolidLine);
    y = height - 1;
    for (int row = AzaanRowModel::RowCount - 1; row >= 0; --row) {
        if (!model.isVisible(row))
            continue;
        y -= pitch;
        painter.setPen(textPen);
        rows[row].paint(&painter, alignment, QStringLiteral("..."), nullptr, true, Qt::black, 1);
        painter.setPen(lineColor);
        painter.drawLine(0, y, width, y);
    }
}
