#ifndef ZSCREEN_H
#define ZSCREEN_H

#include <QRect>
#include <QSize>

// Geometry of the handset display. The width is fixed by the hardware; the height of the
// area given to full-screen windows is a platform setting ("/setup/vyn_device.cfg", group
// "Screen", key "Height") so the simulator can stand in for handsets of other sizes.
class ZScreen
{
public:
    static constexpr int Width = 320;
    static constexpr int DefaultHeight = 240;
    static constexpr int MinimumHeight = 160;
    static constexpr int MaximumHeight = 1280;

    static int width();
    static int height();
    static QSize size();
    static QRect rect();

    // Heights of the title bar and of the soft-key bar of a full-screen window.
    static int titleBarHeight();
    static int softKeyBarHeight();
};

#endif
