#ifndef STATUSTEXTPAINTER_H
#define STATUSTEXTPAINTER_H

#include "statustexttheme.h"

#include <QPixmap>
#include <QRect>
#include <QString>

class QWidget;
class ZMarqueeText;

namespace StatusTextPainter {

struct LineRects
{
    QRect lineOne;
    QRect lineTwo;
};

// The two text boxes in a panel `width` wide, beside an icon `iconWidth` wide (0: none) that
// stands at the reading side's start.
LineRects layoutLines(int width, int iconWidth, bool rightToLeft, const StatusTextTheme::Theme &theme);

// Line one as shown: with the logo up the network name gives way to it; otherwise the name
// loses its marker.
QString shownLineOne(const QString &lineOne, bool logoShown);

struct Scene
{
    QPixmap operatorLogo;   // null when the logo is not shown
    QPixmap stkIcon;        // null when the toolkit icon is not shown
    bool rightToLeft = false;
};

// Composes the panel in buffer: the wallpaper under the container, the icons, both lines.
void paint(QPixmap &buffer, QWidget *container, ZMarqueeText &lineOne, ZMarqueeText &lineTwo,
           const Scene &scene, const StatusTextTheme::Theme &theme);

} // namespace StatusTextPainter

#endif
