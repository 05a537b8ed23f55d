#include "clocklayout.h"

#include "clockconfig.h"

#include <setup_utility.h>
#include <util_datetime.h>
#include <zglobal.h>
#include <zheader.h>
#include <zresource.h>
#include <zsystemclock.h>

#include <QFontMetrics>

namespace {

const unsigned int my5FontFlag = 395;
// Beyond this the clock no longer fits a 320-pixel screen: such a theme value counts as missing.
const int largestFontSize = 64;

bool my5Font()
{
    bool on = false;
    return SETUP_Utility::getFlexBit(my5FontFlag, on) && on;
}

IdleFontInfo fontDefaults(int size, int leading)
{
    IdleFontInfo info;
    info.size = size;
    info.leading = leading;
    info.style = 1;
    info.color = 0xffffff;
    info.align = 2;
    info.outlineColor = 0;
    info.outlineSize = 1;
    return info;
}

IdleFontInfo readClockFont(int size, int leading)
{
    const IdleFontInfo defaults = my5Font() ? fontDefaults(16, 16) : fontDefaults(size, leading);
    IdleFontInfo info = HomeScreenTheme::readFontInfo(ClockLayout::fontGroup(), defaults);
    if (info.size <= 0 || info.size > largestFontSize)
        info.size = defaults.size;
    if (info.leading <= 0 || info.leading > largestFontSize)
        info.leading = defaults.leading;
    return info;
}

} // namespace

int ClockLayout::minuteInterval(const QTime &now)
{
    const int second = now.isValid() ? now.second() : 0;
    return (60 - second) * 1000 + minuteDelayMs;
}

bool ClockLayout::is12Hour()
{
    // The platform answers true for the 12-hour format.
    return UTIL_DateTime::getTimeFormat();
}

QString ClockLayout::clockText(const QString &formatted, bool showMarker, bool twelveHour)
{
    if (showMarker || !twelveHour)
        return formatted;
    const int colon = formatted.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return formatted;
    return formatted.left(colon + 3);
}

QString ClockLayout::currentText()
{
    const QString formatted = UTIL_DateTime::timeToString(ZSystemClock::currentDateTime().time(), 0);
    return clockText(formatted, ClockConfig::instance()->showXM() != 0, is12Hour());
}

QString ClockLayout::fontGroup()
{
    return my5Font() ? QStringLiteral("My5_Font_DigitalClockStd") : QStringLiteral("Font_DigitalClockStd");
}

IdleFontInfo ClockLayout::drawFontInfo()
{
    return readClockFont(20, 22);
}

IdleFontInfo ClockLayout::boxFontInfo()
{
    return readClockFont(22, 22);
}

QSize ClockLayout::boxSize(const QFont &font, bool showMarker)
{
    const QFontMetrics metrics(font);
    const QString digits = QStringLiteral("00:00");
    int width = metrics.horizontalAdvance(digits);
    if (showMarker) {
        // Measured as the formatter writes the time, marker after a space, so it is never cut.
        const QString am = ZResource::text("UTIL_DateTime", "TXT_RID_STANDARD_AM", "AM");
        const QString pm = ZResource::text("UTIL_DateTime", "TXT_RID_STANDARD_PM", "PM");
        width = qMax(metrics.horizontalAdvance(digits + QLatin1Char(' ') + am),
                     metrics.horizontalAdvance(digits + QLatin1Char(' ') + pm));
    }
    return QSize(width + 2, metrics.height() + 2);
}

QSize ClockLayout::currentBoxSize()
{
    return boxSize(HomeScreenTheme::skinFont(boxFontInfo()), ClockConfig::instance()->showXM() != 0);
}

bool ClockLayout::needsPluginList(const Placement &placement)
{
    return placement.layoutType == QLatin1String("rectangle") && placement.corner == 1;
}

QRect ClockLayout::layoutRect(const Placement &p)
{
    const int w = p.box.width();
    const int h = p.box.height();
    const bool absolute = p.layoutType == QLatin1String("absolute");
    const bool rectangle = p.layoutType == QLatin1String("rectangle");
    if ((!absolute && !rectangle) || (p.corner != 0 && p.corner != 1))
        return QRect(0, 0, 0, 0);

    const int right = p.screen.width() - p.paddingRight - w;
    if (p.corner == 0)
        return QRect(right, p.headerHeight + p.spacingV1, w, h);
    if (absolute)
        return QRect(right, p.screen.height() - p.spacingV3 - p.softKeyHeight - h - absoluteLift, w, h);
    // Against the offered area's outer edges: left + width, not right(), which is one short.
    const int x = p.area.left() + p.area.width() - p.paddingRight - w;
    int y = p.area.top() + p.area.height() - h;
    if (p.lifted)
        y -= p.spacingV3;
    return QRect(x, y, w, h);
}

int ClockLayout::saneThemeValue(int value, int fallback)
{
    const int limit = qMax(ZGlobal::screenWidth(), ZGlobal::screenHeight());
    return value < 0 || value > limit ? fallback : value;
}

ClockLayout::Placement ClockLayout::readPlacement()
{
    Placement p;
    const ClockConfig *config = ClockConfig::instance();
    p.layoutType = config->layoutType();
    p.corner = config->iconPosition();

    IdleLayout defaults;
    defaults.paddingRight = 3;
    defaults.spacingV1 = p.layoutType == QLatin1String("absolute") ? 3 : 0;
    defaults.spacingV3 = 3;
    const IdleLayout theme = HomeScreenTheme::readIdleLayout(
            IdleReader(IdleReader::PaddingRight | IdleReader::SpacingV1 | IdleReader::SpacingV3, defaults));
    p.paddingRight = saneThemeValue(theme.paddingRight, defaults.paddingRight);
    p.spacingV1 = saneThemeValue(theme.spacingV1, defaults.spacingV1);
    p.spacingV3 = saneThemeValue(theme.spacingV3, defaults.spacingV3);

    p.box = currentBoxSize();
    p.screen = ZGlobal::getScreenR();
    p.headerHeight = ZHeader::headerSize(ZHeader::Standard).height();
    p.softKeyHeight = ZGlobal::getCstR().height();
    return p;
}
