#include "res_icon_reader.h"
#include "vyndevice.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

const char *const RES_ICON_Reader::IconFolder = "/usr/SYSqtapp/icons/";

namespace {

const int largestSide = 2048;

bool isFile(const QString &devicePath)
{
    return QFileInfo(VynDevice::hostPath(devicePath)).isFile();
}

} // namespace

QString RES_ICON_Reader::iconPath(const QString &fileName)
{
    const QString name = fileName.trimmed();
    if (name.isEmpty() || name.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        return QString();
    if (name.startsWith(QLatin1Char('/')))
        return isFile(name) ? name : QString();

    const QString path = QString::fromLatin1(IconFolder) + name;
    if (isFile(path))
        return path;
    // The platform's ".g" graphics are stored as PNG here.
    const QString base = name.endsWith(QLatin1String(".g")) ? path.chopped(2) : path;
    const QString png = base + QStringLiteral(".png");
    return isFile(png) ? png : QString();
}

QPixmap RES_ICON_Reader::getIcon(const QString &fileName)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QPixmap();
    const QString path = iconPath(fileName);
    if (path.isEmpty())
        return QPixmap();
    QImageReader reader(VynDevice::hostPath(path));
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > largestSide || size.height() > largestSide))
        return QPixmap();
    return QPixmap::fromImage(reader.read());
}
