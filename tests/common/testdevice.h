#ifndef TESTDEVICE_H
#define TESTDEVICE_H

#include <vyndevice.h>
#include <zsystemclock.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A fresh device root filled from the image, for one test or one test function.
class TestDevice
{
public:
    explicit TestDevice(bool withImage = true)
    {
        VynDevice::setRoot(m_dir.path());
        if (withImage)
            VynDevice::installImage(QStringLiteral(VYN_TEST_IMAGE_DIR));
        ZSystemClock::reset();
    }
    ~TestDevice() { ZSystemClock::reset(); }

    QString root() const { return m_dir.path(); }
    QString hostPath(const QString &devicePath) const { return VynDevice::hostPath(devicePath); }

    bool writeFile(const QString &devicePath, const QByteArray &content) const
    {
        const QString path = hostPath(devicePath);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
    }

    QByteArray readFile(const QString &devicePath) const
    {
        QFile file(hostPath(devicePath));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};

#endif
