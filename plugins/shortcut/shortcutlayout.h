#ifndef SHORTCUTLAYOUT_H
#define SHORTCUTLAYOUT_H

#include <QRect>

#include <array>

// Where one shortcut icon sits: its normal and its highlighted (larger) rectangle, relative to
// the plugin's own rectangle, so they can be drawn straight into a buffer of the container.
struct ShortcutPosition
{
    QRect normal;
    QRect highlighted;
};

// The cross of four icons (left, right, up, down) for an offered area.
struct ShortcutLayout
{
    static constexpr int IconSize = 34;
    static constexpr int HighlightSize = IconSize * 105 / 100;

    // The plugin's rectangle in the area's coordinates: centred when the area is large enough,
    // else at its top-left corner.
    QRect rect;
    std::array<ShortcutPosition, 4> positions;

    // spacing: "Idle" / "Spacing_S1" of the theme.
    static ShortcutLayout compute(const QRect &area, int spacing);
};

#endif
