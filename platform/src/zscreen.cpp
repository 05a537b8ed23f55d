#include "zscreen.h"
#include "zconfig.h"

int ZScreen::width()
{
    return Width;
}

int ZScreen::height()
{
    const int value = ZConfig(QStringLiteral("/setup/vyn_device.cfg"), true)
                              .readNumEntry(QStringLiteral("Screen"), QStringLiteral("Height"), DefaultHeight);
    // A damaged setting must not give a window no one can use.
    if (value < MinimumHeight || value > MaximumHeight)
        return DefaultHeight;
    return value;
}

QSize ZScreen::size()
{
    return QSize(width(), height());
}

QRect ZScreen::rect()
{
    return QRect(QPoint(0, 0), size());
}

int ZScreen::titleBarHeight()
{
    return 32;
}

int ZScreen::softKeyBarHeight()
{
    return 36;
}
