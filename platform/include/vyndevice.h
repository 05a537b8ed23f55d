#ifndef VYNDEVICE_H
#define VYNDEVICE_H

#include <QString>

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
    // Copies an image folder (such as data/device) into the root, never overwriting a file.
    static bool installImage(const QString &imageFolder = QString());
    // The image folder the build was made with.
    static QString defaultImageFolder();
};

#endif
