#ifndef RES_ICON_READER_H
#define RES_ICON_READER_H

#include <QPixmap>
#include <QString>

// Icons of the platform, by file name, from "/usr/SYSqtapp/icons/". The platform's names end
// in ".g"; such a name is found as the same name or with ".png" in its place. A device path
// (starting with "/") is loaded as it is.
class RES_ICON_Reader
{
public:
    // A null pixmap when the icon is missing, unreadable or its name leaves the icon folder.
    static QPixmap getIcon(const QString &fileName);
    // Device path of the icon's file; empty when there is none.
    static QString iconPath(const QString &fileName);

    static const char *const IconFolder;
};

#endif
