#include "statustexttheme.h"

#include <setup_utility.h>

#include <QFontMetrics>

namespace {

// The status text reads "Padding_Bottom" as 2 when the theme lacks it.
IdleReader idleReader()
{
    IdleLayout defaults;
    defaults.paddingBottom = 2;
    return IdleReader(IdleReader::CommonKeys | IdleReader::SpacingH1 | IdleReader::SpacingS1, defaults);
}

} // namespace

int StatusTextTheme::Theme::lineHeight() const
{
    return QFontMetrics(font).height() + lineExtraHeight;
}

QString StatusTextTheme::fontGroup()
{
    bool smallFont = false;
    SETUP_Utility::getFlexBit(smallFontFlag, smallFont);
    return smallFont ? QStringLiteral("My5_Font_IdleStatusStd") : QStringLiteral("Font_IdleStatusStd");
}

IdleFontInfo StatusTextTheme::fontDefaults(bool smallFont)
{
    IdleFontInfo info = HomeScreenTheme::idleStatusFontDefaults();
    info.size = smallFont ? 16 : 22;
    info.leading = smallFont ? 16 : 24;
    info.outlineColor = 0;
    info.outlineSize = 1;
    return info;
}

StatusTextTheme::Theme StatusTextTheme::defaults()
{
    Theme theme;
    theme.layout = idleReader().defaults;
    theme.fontInfo = fontDefaults(false);
    theme.font = HomeScreenTheme::skinFont(theme.fontInfo);
    return theme;
}

StatusTextTheme::Theme StatusTextTheme::read()
{
    Theme theme;
    theme.layout = HomeScreenTheme::readIdleLayout(idleReader());
    const QString group = fontGroup();
    theme.fontInfo = HomeScreenTheme::readFontInfo(group, fontDefaults(group.startsWith(QLatin1String("My5"))));
    theme.font = HomeScreenTheme::skinFont(theme.fontInfo);
    theme.alignMode = HomeScreenTheme::readIdleConfig(HomeScreenTheme::AppWritePath, QStringLiteral("StatusTextPlugin"),
                                                      QStringLiteral("AlignMode"), QStringLiteral("Left/Right"));
    return theme;
}

QRect StatusTextTheme::panelGeometry(const Theme &theme, int headerHeight)
{
    const int fontHeight = QFontMetrics(theme.font).height();
    return QRect(theme.layout.paddingLeft, headerHeight + theme.layout.spacingV1, panelWidth,
                 theme.layout.spacingV2 + 2 * fontHeight + panelExtraHeight);
}

int StatusTextTheme::alignment(const Theme &theme, bool rightToLeft)
{
    if (theme.alignMode == QLatin1String(centreMode))
        return alignCentre;
    return rightToLeft ? alignRight : alignLeft;
}
