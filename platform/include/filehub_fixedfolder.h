#ifndef FILEHUB_FIXEDFOLDER_H
#define FILEHUB_FIXEDFOLDER_H

#include <QString>

// The file browser's well-known folders of the user, by key: "image" (pictures), "audio",
// "video". Device paths.
class FILEHUB_FixedFolder
{
public:
    // Empty for an unknown key. With create, a missing folder is made first.
    static QString getPathByKey(const QString &key, bool create = false);
};

#endif
