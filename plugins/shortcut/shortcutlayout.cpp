#include "shortcutlayout.h"

ShortcutLayout ShortcutLayout::compute(const QRect &area, int spacing)
{
    const int width = IconSize + 2 * HighlightSize + 2 * spacing;
    const int height = IconSize + 2 * spacing + 2 * HighlightSize;
    const int x1 = area.left();
    const int y1 = area.top();
    const int x2 = area.right();
    const int y2 = area.bottom();
    const int x0 = x2 >= x1 + width ? x1 + (x2 - x1 - width) / 2 : x1;
    const int y0 = y2 >= y1 + height ? y1 + (y2 - y1 - height) / 2 : y1;

    ShortcutLayout layout;
    layout.rect = QRect(QPoint(x0, y0), QPoint(x0 + width - 1, y0 + height - 1));
    // Relative to the rectangle: the container the host moves there is drawn from its own origin.
    const int normalMidY = (height - IconSize) / 2;
    const int highMidY = (height - HighlightSize) / 2;
    layout.positions[0] = { QRect(1, normalMidY, IconSize, IconSize),
                            QRect(0, highMidY, HighlightSize, HighlightSize) };
    layout.positions[1] = { QRect(width - HighlightSize, normalMidY, IconSize, IconSize),
                            QRect(width - HighlightSize, highMidY, HighlightSize, HighlightSize) };
    layout.positions[2] = { QRect((width - IconSize) / 2, 1, IconSize, IconSize),
                            QRect((width - HighlightSize) / 2, 0, HighlightSize, HighlightSize) };
    layout.positions[3] = { QRect((width - IconSize) / 2, height - HighlightSize, IconSize, IconSize),
                            QRect((width - HighlightSize) / 2, height - HighlightSize, HighlightSize, HighlightSize) };
    return layout;
}
