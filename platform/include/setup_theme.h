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
};

#endif
