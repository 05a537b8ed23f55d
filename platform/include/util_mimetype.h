#ifndef UTIL_MIMETYPE_H
#define UTIL_MIMETYPE_H

#include <QStringList>

// File types of the device's players, from "/usr/SYSqtapp/mediaplayer.cfg": group
// "SupportedExtensions", one key per MIME-type number (3: audio, 4: image), extensions separated
// by ";". Images are those Qt can read: a listed image extension without a reader is dropped,
// and without a key every readable format counts, the common ones first.
class UTIL_MimeType
{
public:
    // Lower-case extensions without dots; empty when the file or key is missing.
    enum MimeType {
        Audio = 3,
        Image = 4,
    };
    static QStringList queryMpSupportedExtensions(int mimeType);
};

#endif
