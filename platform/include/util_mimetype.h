#ifndef UTIL_MIMETYPE_H
#define UTIL_MIMETYPE_H

#include <QStringList>

// File types of the device's players, from "/usr/SYSqtapp/mediaplayer.cfg": group
// "SupportedExtensions", one key per MIME-type number (3: audio), extensions separated by ";".
class UTIL_MimeType
{
public:
    // Lower-case extensions without dots; empty when the file or key is missing.
    static QStringList queryMpSupportedExtensions(int mimeType);
};

#endif
