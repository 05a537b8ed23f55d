#ifndef SETUP_THEME_H
#define SETUP_THEME_H

#include <QString>

// Theme and tone set-up of the device.
class SETUP_THEME
{
public:
    // Whether a file can serve as a ring or alert tone: it exists, is a readable regular file
    // and starts like a sound format the device plays (WAV, MIDI, MP3, AMR, WMA/ASF), with
    // enough of it there to hold the format's header. The extension does not matter.
    static bool isRingTone(const QString &path);

    enum Element {
        WallpaperElement = 11,
    };
    enum ApplyResult {
        Applied = 0,
        UnknownElement = 1,
        NotAnImage = 2,     // missing, unreadable or not a picture the screen can show
        NotStored = 3,
    };
    // Makes a file a part of the theme. The wallpaper (element 11) is stored in
    // "/setup/vyn_theme.cfg" and "showWallPaper" is announced on the launcher channel, so every
    // program draws over the new picture; a file that is not a usable image changes nothing.
    // The element type is the handset's and kept as given.
    static int applyElement(int element, const QString &path, int elementType);
};

#endif
