#ifndef VYNDEVICE_H
#define VYNDEVICE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFile;

// The device's file system lives under one root folder on the host, so the system runs
// unprivileged and every test can use a root of its own.
class VynDevice
{
public:
    // Host folder that stands for "/" on the device ($VYN_DEVICE_ROOT, or a per-user default).
    static QString root();
    // Points the device at another root and gives the write-path variables their default
    // (the root itself) unless the caller set them.
    static void setRoot(const QString &hostFolder);
    // Maps a device path to the host; a path already inside the root is returned unchanged.
    static QString hostPath(const QString &devicePath);
    // Copies image folders (a list separated by ':', by default defaultImageFolders()) into the
    // root, in order. Existing files are kept, except under "/usr", the read-only system part,
    // which is replaced where the image differs.
    static bool installImage(const QString &imageFolders = QString());
    // $VYN_IMAGE_DIR; else the image installed beside the program; else the build's folders
    // (data/device, then what the build adds, such as compiled translations).
    static QStringList defaultImageFolders();

    // Reads an open file whole, or at most limit + 1 bytes, so a caller can tell a file over
    // the limit. The buffer follows the file's size, not the limit: asking QIODevice for the
    // limit would allocate all of it on every read.
    static QByteArray readCapped(QFile &file, qint64 limit);
};

#endif
