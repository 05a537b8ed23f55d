#include "datelayout.h"

#include <clocklayout.h>
#include <setup_utility.h>
#include <util_datetime.h>
#include <zglobal.h>
#include <zheader.h>
#include <zsystemclock.h>

#include <QFontMetrics>

namespace {

const unsigned int my5FontFlag = 395;
// Beyond this the date no longer fits the screen: such a theme value counts as missing.
const int largestFontSize = 64;

bool my5Font()
{
    bool on = false;
    return SETUP_Utility::getFlexBit(my5FontFlag, on) && on;
}

IdleReader idleReader()
{
    // The date reads the common keys and "Spacing_V4", with the shared defaults.
    return IdleReader(IdleReader::CommonKeys | IdleReader::SpacingV4);
}

int sane(int value, int fallback)
{
    return ClockLayout::saneThemeValue(value, fallback);
}

} // namespace

QString DateLayout::fontGroup()
{
    return my5Font() ? QStringLiteral("My5_Font_DateStd") : QStringLiteral("Font_DateStd");
}

DateLayout::Theme DateLayout::read()
{
    Theme theme;
    const IdleReader reader = idleReader();
    const IdleLayout read = HomeScreenTheme::readIdleLayout(reader);
    const IdleLayout &d = reader.defaults;
    theme.layout = read;
    theme.layout.paddingRight = sane(read.paddingRight, d.paddingRight);
    theme.layout.paddingTop = sane(read.paddingTop, d.paddingTop);
    theme.layout.paddingBottom = sane(read.paddingBottom, d.paddingBottom);
    theme.layout.spacingV1 = sane(read.spacingV1, d.spacingV1);
    theme.layout.spacingV2 = sane(read.spacingV2, d.spacingV2);
    theme.layout.spacingV3 = sane(read.spacingV3, d.spacingV3);
    theme.layout.spacingV4 = sane(read.spacingV4, d.spacingV4);

    IdleFontInfo defaults;
    defaults.size = my5Font() ? 16 : 22;
    defaults.leading = defaults.size;
    defaults.style = 1;
    defaults.color = 0xffffff;
    defaults.align = 2;
    defaults.outlineColor = 0;
    defaults.outlineSize = 1;
    theme.fontInfo = HomeScreenTheme::readFontInfo(fontGroup(), defaults);
    if (theme.fontInfo.size <= 0 || theme.fontInfo.size > largestFontSize)
        theme.fontInfo.size = defaults.size;
    if (theme.fontInfo.leading <= 0 || theme.fontInfo.leading > largestFontSize)
        theme.fontInfo.leading = defaults.leading;
    theme.font = HomeScreenTheme::skinFont(theme.fontInfo);
    theme.clockFontHeight = QFontMetrics(HomeScreenTheme::skinFont(ClockLayout::boxFontInfo())).height();
    return theme;
}

int DateLayout::textWidth(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    int width = metrics.horizontalAdvance(text) + 2;
    if (!text.isEmpty()) {
        width += qAbs(metrics.leftBearing(text.at(0)));
        width += qAbs(metrics.rightBearing(text.at(text.size() - 1)));
    }
    return width;
}

QString DateLayout::currentText()
{
    return UTIL_DateTime::toString(ZSystemClock::currentDateTime().date());
}

bool DateLayout::needsPluginList(const Placement &placement)
{
    return placement.layoutType == 1 && placement.clockPosition == 0;
}

QRect DateLayout::layoutRect(const Placement &p)
{
    const int w = p.box.width();
    const int h = p.box.height();
    const IdleLayout &l = p.layout;
    if (p.layoutType == 0) {
        const int x = qMax(0, p.screen.width() - l.paddingRight - w);
        const int y = qMax(0, p.headerHeight + l.paddingTop + l.spacingV1 + p.clockFontHeight + l.spacingV2 + 2);
        return QRect(x, y, w, h);
    }
    if (p.layoutType != 1)
        return QRect(0, 0, 0, 0);
    const int bottom = p.screen.height() - p.softKeyHeight;
    const int x = p.screen.width() - w - l.paddingRight;
    if (p.clockPosition == 0) {
        if (p.liftingPlugins > 0)
            return QRect(x, bottom - p.liftingPlugins * pluginLift - l.spacingV3 - h, w, h);
        return QRect(x, bottom - l.paddingBottom - h, w, h);
    }
    if (p.clockPosition == 1)
        return QRect(x, bottom - l.spacingV4 - h, w, h);
    return QRect(0, 0, w, h);
}

DateLayout::Placement DateLayout::readPlacement(const Theme &theme, const QSize &box)
{
    Placement p;
    p.layoutType = HomeScreenTheme::readIdleConfigInt(HomeScreenTheme::AppWritePath, QStringLiteral("Framework"),
                                                      QStringLiteral("LayoutMgrType"), 0);
    p.clockPosition = HomeScreenTheme::readIdleConfigInt(HomeScreenTheme::AppWritePath, QStringLiteral("ClockPlugin"),
                                                         QStringLiteral("Pos_Clock"), 0);
    p.layout = theme.layout;
    p.box = box;
    p.screen = ZGlobal::getScreenR();
    p.headerHeight = ZHeader::headerSize(ZHeader::Standard).height();
    p.softKeyHeight = ZGlobal::getCstR().height();
    p.clockFontHeight = theme.clockFontHeight;
    return p;
}

bool DateLayout::inLastMinute(const QTime &time)
{
    return time >= QTime(23, 59);
}
