#ifndef ZFONTINFO_H
#define ZFONTINFO_H

// A font description of the skin: what a theme's font group holds. The skin service turns it
// into a QFont (ZSkinService::getSkinFont).
struct ZFontInfo
{
    enum StyleBits {
        Bold = 0x1,
        Italic = 0x2,
    };

    int size = 22;           // pixels
    int leading = 24;        // line distance in pixels
    int style = 0;           // StyleBits
    int color = 0xffffff;    // RGB: red in bits 16 to 23, green 8 to 15, blue 0 to 7
    int align = 1;           // toolkit alignment code
    int outlineColor = 0;    // RGB
    int outlineSize = 1;
};

#endif
