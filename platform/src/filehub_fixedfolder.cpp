#include "filehub_fixedfolder.h"
#include "vyndevice.h"

#include <QDir>

QString FILEHUB_FixedFolder::getPathByKey(const QString &key, bool create)
{
    QString path;
    if (key == QLatin1String("image"))
        path = QStringLiteral("/vynlocal/download/picture");
    else if (key == QLatin1String("audio"))
        path = QStringLiteral("/vynlocal/download/audio");
    else if (key == QLatin1String("video"))
        path = QStringLiteral("/vynlocal/download/video");
    if (!path.isEmpty() && create)
        QDir().mkpath(VynDevice::hostPath(path));
    return path;
}
