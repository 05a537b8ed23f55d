#ifndef AZAANTHEME_H
#define AZAANTHEME_H

#include <homescreentheme.h>

#include <QFont>
#include <QRect>

// What the panel takes from the home-screen theme, and the fixed measures it is drawn with.
namespace AzaanTheme {

// The rows are laid out for this font size whatever the theme says.
const int fontSize = 16;
const int fontLeading = 17;
// A row is the font plus this much, plus the theme's "Spacing_V2".
const int rowExtraHeight = 6;
const int rowX = 22;
const int rowWidth = 280;
// The panel starts this far below the header and the theme's "Spacing_V1".
const int panelOffsetBelowHeader = 68;
const int rowCount = 5;

// Toolkit alignment codes: left or right, vertically centred.
const int alignLeftCentre = 33;
const int alignRightCentre = 34;

struct Theme
{
    IdleLayout layout;
    IdleFontInfo fontInfo;
    QFont font;

    int rowPitch() const { return fontSize + rowExtraHeight + layout.spacingV2; }
};

Theme defaults();
// The "Idle" group and the "Font_IdleStatusStd" font group, read afresh.
Theme read();
// The panel: from "Padding_Left" to the screen's last column, tall enough for all five rows.
QRect panelGeometry(const Theme &theme, int headerHeight);

} // namespace AzaanTheme

#endif
