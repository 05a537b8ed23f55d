#ifndef STATUSTEXTTHEME_H
#define STATUSTEXTTHEME_H

#include <homescreentheme.h>

#include <QFont>
#include <QRect>
#include <QString>

// What the status lines take from the home-screen theme and the idle settings, and the fixed
// measures they are drawn with.
namespace StatusTextTheme {

// Feature flags: the smaller status font, and operator logos.
const unsigned int smallFontFlag = 395;
const unsigned int operatorLogoFlag = 392;

const int panelWidth = 200;
// A line is the font's height plus this much.
const int lineExtraHeight = 2;
// The panel is two lines, the theme's "Spacing_V2" and this much.
const int panelExtraHeight = 4;
// Text starts this far inside its column; the box is narrowed by as much so it ends inside.
const int textInset = 2;

// Toolkit alignment codes, vertically centred.
const int alignLeft = 0x21;
const int alignRight = 0x22;
const int alignCentre = 0x24;

// The marquee: pixels per step, ms per step, pauses at both ends in ms, looping.
const int scrollStep = 1;
const int scrollInterval = 200;
const int scrollStartDelay = 1000;
const int scrollEndDelay = 1000;

// The "AlignMode" value that centres both lines; anything else aligns to the reading side.
const char centreMode[] = "Center";

struct Theme
{
    IdleLayout layout;
    IdleFontInfo fontInfo;
    QFont font;
    QString alignMode = QStringLiteral("Left/Right");

    int lineHeight() const;
};

Theme defaults();
// The "Idle" group, the status font group and "AlignMode", read afresh.
Theme read();
// "My5_Font_IdleStatusStd" on builds with the small font, else "Font_IdleStatusStd".
QString fontGroup();
IdleFontInfo fontDefaults(bool smallFont);
// Under the header, from "Padding_Left", always 200 wide, two lines high.
QRect panelGeometry(const Theme &theme, int headerHeight);
// The toolkit alignment of both lines.
int alignment(const Theme &theme, bool rightToLeft);

} // namespace StatusTextTheme

#endif
