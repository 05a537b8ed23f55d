#ifndef AZAANPAINTER_H
#define AZAANPAINTER_H

#include "azaantheme.h"

class AzaanRowModel;
class QPixmap;
class QWidget;
class ZMarqueeText;

namespace AzaanPainter {

// Places the shown rows' marquees upwards from the container's bottom edge; hidden rows take
// no space.
void layoutRows(QWidget *container, const AzaanRowModel &model, ZMarqueeText *rows, const AzaanTheme::Theme &theme);

// Composes the panel in buffer: the wallpaper under the container, the half-tone band of the
// highlighted row, the rows and their separator lines.
void paint(QPixmap &buffer, QWidget *container, const AzaanRowModel &model, ZMarqueeText *rows,
           const AzaanTheme::Theme &theme);

} // namespace AzaanPainter

#endif
