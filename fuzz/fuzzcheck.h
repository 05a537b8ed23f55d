#ifndef FUZZCHECK_H
#define FUZZCHECK_H

#include <vyndevice.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// A broken property found by a fuzz target: say which, and abort so the engine keeps the input.
#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            fprintf(stderr, "fuzz check failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            abort();                                                                           \
        }                                                                                      \
    } while (false)

namespace Fuzz {

// An application object for targets whose code needs one; made once per process.
inline void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = { name, nullptr };
    new QCoreApplication(argc, argv);
}

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A device root of the process's own, made once; targets write the input where the reader
// under test looks for its file.
inline QString deviceRoot()
{
    static QTemporaryDir root;
    static bool set = false;
    if (!set) {
        set = true;
        qputenv("VYN_DEVICE_ROOT", QFile::encodeName(root.path()));
        VynDevice::setRoot(root.path());
    }
    return root.path();
}

inline void writeDeviceFile(const QString &devicePath, const QByteArray &content)
{
    deviceRoot();
    const QString path = VynDevice::hostPath(devicePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

} // namespace Fuzz

#endif
