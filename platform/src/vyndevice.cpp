#include "vyndevice.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cstdlib>

namespace {

QString &currentRoot()
{
    static QString root;
    return root;
}

bool variableSetByPlatform = false;

void defaultWritePaths(const QString &root)
{
    // Both variables name the same folder, as on the device.
    bool setAny = false;
    for (const char *name : { "VYN_APP_WRITE_PATH", "VYN_LOCAL_APP_WRITE_PATH" }) {
        if (variableSetByPlatform || qEnvironmentVariableIsEmpty(name)) {
            qputenv(name, QFile::encodeName(root));
            setAny = true;
        }
    }
    variableSetByPlatform = variableSetByPlatform || setAny;
}

QString initialRoot()
{
    QString root = qEnvironmentVariable("VYN_DEVICE_ROOT");
    if (root.isEmpty()) {
        QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (base.isEmpty())
            base = QDir::tempPath();
        root = base + QStringLiteral("/vyn-device");
    }
    return QDir::cleanPath(QDir(root).absolutePath());
}

// The write-path variables must hold before any deliverable calls getenv.
void initialiseDevice()
{
    currentRoot() = initialRoot();
    QDir().mkpath(currentRoot());
    const bool appSet = !qEnvironmentVariableIsEmpty("VYN_APP_WRITE_PATH");
    const bool localSet = !qEnvironmentVariableIsEmpty("VYN_LOCAL_APP_WRITE_PATH");
    if (!appSet || !localSet)
        defaultWritePaths(currentRoot());
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(initialiseDevice)

QString VynDevice::root()
{
    if (currentRoot().isEmpty())
        initialiseDevice();
    return currentRoot();
}

void VynDevice::setRoot(const QString &hostFolder)
{
    currentRoot() = QDir::cleanPath(QDir(hostFolder).absolutePath());
    QDir().mkpath(currentRoot());
    qputenv("VYN_DEVICE_ROOT", QFile::encodeName(currentRoot()));
    defaultWritePaths(currentRoot());
}

QString VynDevice::hostPath(const QString &devicePath)
{
    if (devicePath.isEmpty() || !devicePath.startsWith(QLatin1Char('/')))
        return devicePath;
    const QString base = root();
    const QString clean = QDir::cleanPath(devicePath);
    if (clean == base || clean.startsWith(base + QLatin1Char('/')))
        return clean;
    return QDir::cleanPath(base + clean);
}

QStringList VynDevice::defaultImageFolders()
{
    const QString fromEnv = qEnvironmentVariable("VYN_IMAGE_DIR");
    if (!fromEnv.isEmpty())
        return fromEnv.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    // An installed program finds the image installed beside it; a built one, the build's.
    const QString programFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    const QString installed = QDir::cleanPath(programFolder + QStringLiteral("/" VYN_IMAGE_FROM_BIN));
    if (!programFolder.isEmpty() && QFileInfo(installed).isDir())
        return { installed };
    return { QStringLiteral(VYN_DEFAULT_IMAGE_DIR), QStringLiteral(VYN_BUILD_IMAGE_DIR) };
}

namespace {

bool sameContent(const QString &a, const QString &b)
{
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size())
        return false;
    return first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly) && first.readAll() == second.readAll();
}

} // namespace

bool VynDevice::installImage(const QString &imageFolders)
{
    const QStringList sources = imageFolders.isEmpty() ? defaultImageFolders()
                                                       : imageFolders.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    if (sources.isEmpty())
        return false;
    bool ok = true;
    for (const QString &source : sources) {
        const QDir sourceDir(source);
        if (!sourceDir.exists()) {
            ok = false;
            continue;
        }
        QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString relative = sourceDir.relativeFilePath(file);
            const QString target = root() + QLatin1Char('/') + relative;
            if (QFileInfo::exists(target)) {
                // Settings and user files stay; the system part ("/usr") follows the image, so a
                // newer build's texts and city data reach a root made by an older one.
                if (!relative.startsWith(QLatin1String("usr/")) || sameContent(file, target))
                    continue;
                QFile::remove(target);
            }
            QDir().mkpath(QFileInfo(target).absolutePath());
            ok = QFile::copy(file, target) && ok;
            QFile::setPermissions(target, QFile::permissions(target) | QFile::WriteOwner);
        }
    }
    return ok;
}

QByteArray VynDevice::readCapped(QFile &file, qint64 limit)
{
    // Files that report no size (pipes, /proc) are read in small steps up to the limit.
    const qint64 size = file.size();
    if (size <= 0) {
        QByteArray result;
        while (result.size() <= limit) {
            const QByteArray chunk = file.read(std::min<qint64>(64 * 1024, limit + 1 - result.size()));
            if (chunk.isEmpty())
                break;
            result += chunk;
        }
        return result;
    }
    return file.read(std::min(size, limit) + 1);
}
