#ifndef DATELAYOUT_H
#define DATELAYOUT_H

#include <homescreentheme.h>

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTime>

// The date's font, measures and place on the idle screen, apart from any widget.
namespace DateLayout {

const int minuteIntervalMs = 60000;
const int secondIntervalMs = 1000;
// Each music player or third screen shown lifts the bottom-corner date this much.
const int pluginLift = 20;
// Toolkit alignment code: left, vertically centred.
const int alignLeftCentre = 0x21;

struct Theme
{
    IdleLayout layout;
    IdleFontInfo fontInfo;
    QFont font;
    // Height of the clock's font, which the date sits under.
    int clockFontHeight = 0;
};

// "My5_Font_DateStd" when feature flag 395 is on, else "Font_DateStd".
QString fontGroup();
// The "Idle" group and both fonts, read afresh; out-of-range theme values give the defaults.
Theme read();

// The text's single-line width plus the overhang of its first and last glyphs, plus 2.
int textWidth(const QFont &font, const QString &text);
// Today's date of the platform clock in the user's format.
QString currentText();

struct Placement
{
    // "Framework"/"LayoutMgrType" read as a number: 0 under the clock, 1 bottom right.
    int layoutType = 0;
    // "ClockPlugin"/"Pos_Clock": the corner in layout 1.
    int clockPosition = 0;
    IdleLayout layout;
    QSize box;
    QRect screen;
    int headerHeight = 0;
    int softKeyHeight = 0;
    int clockFontHeight = 0;
    // How many of the host's shown plugins are a music player or the third screen.
    int liftingPlugins = 0;
};

bool needsPluginList(const Placement &placement);
// The date's rectangle; the empty one for an unknown layout type.
QRect layoutRect(const Placement &placement);
// Placement from the settings and the screen for a text box; liftingPlugins is the caller's.
Placement readPlacement(const Theme &theme, const QSize &box);

// From 23:59:00 on the date is redrawn every second, so it turns promptly at midnight.
bool inLastMinute(const QTime &time);

} // namespace DateLayout

#endif
