#ifndef CLOCKLAYOUT_H
#define CLOCKLAYOUT_H

#include <homescreentheme.h>

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTime>

// The clock's measures, texts and place on the idle screen, apart from any widget so that tests
// and the date plugin (which sits under the clock) can use them.
namespace ClockLayout {

// The minute timer fires this long after a minute starts.
const int minuteDelayMs = 200;
// The "absolute" bottom corner sits this much higher than the soft keys and spacing alone say.
const int absoluteLift = 27;
// Toolkit alignment code: right, vertically centred.
const int alignRightCentre = 0x22;

// Milliseconds from now to just after the next minute boundary, from the seconds of the
// platform clock: 60 200 at hh:mm:00, 1 200 at hh:mm:59.
int minuteInterval(const QTime &now);

// Whether the user chose the 12-hour format.
bool is12Hour();
// The time as the clock shows it: without ShowXM the AM/PM marker is cut, but only in 12-hour
// format and only when there is a ':' to cut after.
QString clockText(const QString &formatted, bool showMarker, bool twelveHour);
// The platform clock's time in the user's format, with the stored "ShowXM".
QString currentText();

// "My5_Font_DigitalClockStd" when feature flag 395 is on, else "Font_DigitalClockStd".
QString fontGroup();
// The font the clock draws with (Size and Leading 20/22, or 16/16 in the "My5_" group).
IdleFontInfo drawFontInfo();
// The font the clock's box and the date's place are measured with (22/22, or 16/16).
IdleFontInfo boxFontInfo();
// Wide enough for "00:00" and the wider of the two markers as the formatter writes them, or for
// "00:00" alone; as high as the font; 2 pixels to spare each way.
QSize boxSize(const QFont &font, bool showMarker);
// boxSize with the theme's box font and the stored "ShowXM".
QSize currentBoxSize();

// What the clock's rectangle depends on.
struct Placement
{
    QString layoutType = QStringLiteral("rectangle");
    int corner = 0;
    int paddingRight = 3;
    int spacingV1 = 0;
    int spacingV3 = 3;
    QSize box;
    QRect screen;
    int headerHeight = 0;
    int softKeyHeight = 0;
    // The area the host offers ("rectangle" layout, corner 1).
    QRect area;
    // A music player or the third screen is shown ("rectangle" layout, corner 1).
    bool lifted = false;
};

// Whether the rectangle depends on the host's plugin list.
bool needsPluginList(const Placement &placement);
// The clock's rectangle; the empty rectangle for an unknown layout type or corner.
QRect layoutRect(const Placement &placement);
// Placement from the settings, the theme and the screen; area and lifted are left to the caller.
Placement readPlacement();

// A theme value that is negative or larger than the screen falls back to the default.
int saneThemeValue(int value, int fallback);

} // namespace ClockLayout

#endif
