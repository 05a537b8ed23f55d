#include "zglobal.h"
#include "zconfig.h"
#include "zheader.h"
#include "zscreen.h"

int ZGlobal::screenWidth()
{
    return ScreenWidth;
}

int ZGlobal::screenHeight()
{
    // One screen: the same height setting as every full-screen window.
    return ZScreen::height();
}

QRect ZGlobal::getScreenR()
{
    return QRect(0, 0, screenWidth(), screenHeight());
}

QRect ZGlobal::getCstR()
{
    const int height = ZScreen::softKeyBarHeight();
    return QRect(0, screenHeight() - height, screenWidth(), height);
}

QRect ZGlobal::getHeaderR()
{
    return QRect(QPoint(0, 0), ZHeader::headerSize(ZHeader::Standard));
}

QColor ZGlobal::textColor()
{
    return QColor(Qt::white);
}

QColor ZGlobal::backgroundColor()
{
    return QColor(0x10, 0x1c, 0x2c);
}

QColor ZGlobal::highlightColor()
{
    return QColor(0x2f, 0x8f, 0xc8);
}

QColor ZGlobal::separatorColor()
{
    return QColor(30, 30, 30);
}
