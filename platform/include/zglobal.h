#ifndef ZGLOBAL_H
#define ZGLOBAL_H

#include <QColor>
#include <QRect>

#include "zscreen.h"

// Screen areas and colours of the idle screen. The width is the hardware's; the height is
// "/setup/vyn_device.cfg", group "Screen", key "Height" (default 240 for the home screen).
class ZGlobal
{
public:
    static constexpr int ScreenWidth = 320;
    static constexpr int DefaultScreenHeight = ZScreen::DefaultHeight;

    static int screenWidth();
    static int screenHeight();
    static QRect getScreenR();
    // The soft-key area at the bottom of the screen.
    static QRect getCstR();
    // The status header at the top of the screen.
    static QRect getHeaderR();

    static QColor textColor();
    static QColor backgroundColor();
    static QColor highlightColor();
    static QColor separatorColor();
};

#endif
