#include "azaantheme.h"

#include <zglobal.h>

namespace {

// The "Idle" keys the panel reads, with the shared defaults.
IdleReader idleReader()
{
    return IdleReader(IdleReader::CommonKeys | IdleReader::SpacingH1 | IdleReader::SpacingS1);
}

} // namespace

AzaanTheme::Theme AzaanTheme::defaults()
{
    Theme theme;
    theme.layout = idleReader().defaults;
    theme.fontInfo = HomeScreenTheme::idleStatusFontDefaults();
    theme.fontInfo.size = fontSize;
    theme.fontInfo.leading = fontLeading;
    return theme;
}

AzaanTheme::Theme AzaanTheme::read()
{
    Theme theme;
    theme.layout = HomeScreenTheme::readIdleLayout(idleReader());
    theme.fontInfo = HomeScreenTheme::readFontInfo(QStringLiteral("Font_IdleStatusStd"),
                                                   HomeScreenTheme::idleStatusFontDefaults());
    theme.fontInfo.size = fontSize;
    theme.fontInfo.leading = fontLeading;
    theme.font = HomeScreenTheme::skinFont(theme.fontInfo);
    return theme;
}

QRect AzaanTheme::panelGeometry(const Theme &theme, int headerHeight)
{
    // As tall as the rows it can show, so that no row starts above the panel.
    const int left = theme.layout.paddingLeft;
    return QRect(left, headerHeight + theme.layout.spacingV1 + panelOffsetBelowHeader,
                 ZGlobal::ScreenWidth - 1 - left, rowCount * theme.rowPitch());
}
