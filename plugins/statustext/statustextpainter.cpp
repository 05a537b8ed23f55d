#include "statustextpainter.h"

#include "statustextinfoengine.h"

#include <qwallpaper.h>
#include <zglobal.h>
#include <zmarqueetext.h>

#include <QPainter>
#include <QWidget>

StatusTextPainter::LineRects StatusTextPainter::layoutLines(int width, int iconWidth, bool rightToLeft,
                                                            const StatusTextTheme::Theme &theme)
{
    int x = 0;
    int columnWidth = width;
    if (iconWidth > 0) {
        columnWidth = width - iconWidth - theme.layout.spacingH1;
        if (!rightToLeft)
            x = iconWidth + theme.layout.spacingH1;
    }
    // The box moves in by the inset, so it is narrowed as much to end where the column does.
    const int boxWidth = qMax(0, columnWidth - StatusTextTheme::textInset);
    const int height = theme.lineHeight();
    LineRects rects;
    rects.lineOne = QRect(x + StatusTextTheme::textInset, 0, boxWidth, height);
    rects.lineTwo = QRect(x + StatusTextTheme::textInset, theme.layout.spacingV2 + height, boxWidth, height);
    return rects;
}

QString StatusTextPainter::shownLineOne(const QString &lineOne, bool logoShown)
{
    const QLatin1String marker(StatusTextInfoEngine::NetworkNameMarker);
    if (!lineOne.startsWith(marker))
        return lineOne;
    return logoShown ? QString() : lineOne.mid(marker.size());
}

void StatusTextPainter::paint(QPixmap &buffer, QWidget *container, ZMarqueeText &lineOne, ZMarqueeText &lineTwo,
                              const Scene &scene, const StatusTextTheme::Theme &theme)
{
    QPainter painter(&buffer);
    const QPixmap wallpaper = QWallpaper::wallpaper();
    if (wallpaper.isNull()) {
        painter.fillRect(buffer.rect(), ZGlobal::backgroundColor());
    } else {
        const QPoint origin = container->mapTo(container->window(), QPoint(0, 0));
        painter.drawPixmap(QPoint(0, 0), wallpaper, QRect(origin, buffer.size()));
    }

    const int width = container->width();
    for (const QPixmap *icon : { &scene.operatorLogo, &scene.stkIcon }) {
        if (!icon->isNull())
            painter.drawPixmap(scene.rightToLeft ? width - icon->width() : 0, 0, *icon);
    }

    painter.setPen(QPen(QColor(QRgb(theme.fontInfo.color)), 0, Qt::SolidLine));
    const int alignment = StatusTextTheme::alignment(theme, scene.rightToLeft);
    const QColor outline = QColor(QRgb(theme.fontInfo.outlineColor));
    for (ZMarqueeText *line : { &lineOne, &lineTwo })
        line->paint(&painter, alignment, QStringLiteral("..."), nullptr, true, outline, 1);
}
