#ifndef IDLEHOST_H
#define IDLEHOST_H

#include <homescreenhost.h>
#include <hsplugin.h>
#include <qcopchannel.h>

#include "testdevice.h"

#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <memory>

// The real home-screen host in this process, loading the built plugin libraries named in a host
// configuration that the test writes into its device root.
namespace IdleHost {

const char configPath[] = "/usr/SYSqtapp/homescreen/test_hsframework.cfg";

// "libclock_plugin.so" and the like, in loading order; framework names as the host derives them.
inline bool writeConfig(const TestDevice &device, const QStringList &libraries)
{
    const QByteArray text = "[Plugins]\nList=" + libraries.join(QLatin1Char(';')).toUtf8() + "\n[Frame]\nShowHeader=true\n";
    return device.writeFile(QString::fromLatin1(configPath), text);
}

// Started and shown; null when the window never appeared.
inline std::unique_ptr<HomeScreenHost> start()
{
    auto host = std::make_unique<HomeScreenHost>(
            HomeScreenHost::Options { QString::fromLatin1(configPath), QStringLiteral(VYN_TEST_LIB_DIR) });
    host->start();
    host->show();
    if (!QTest::qWaitForWindowExposed(host.get()))
        return nullptr;
    return host;
}

inline QObject *pluginObject(const HomeScreenHost &host, const QString &name)
{
    return dynamic_cast<QObject *>(host.plugin(name));
}

inline QTimer *timer(const HomeScreenHost &host, const QString &plugin, const char *timerName)
{
    QObject *object = pluginObject(host, plugin);
    return object ? object->findChild<QTimer *>(QString::fromLatin1(timerName)) : nullptr;
}

// Sends a message and returns once every listener of this process has had it.
inline bool sendAndWait(const QCString &channel, const QCString &message, const QByteArray &data = QByteArray())
{
    QCopChannel listener(channel);
    QSignalSpy spy(&listener, &QCopChannel::received);
    QCopChannel::send(channel, message, data);
    return spy.wait(5000);
}

// A timer's firing, through its own connections, without waiting for it.
inline bool fire(QTimer *timer)
{
    return timer && QMetaObject::invokeMethod(timer, "timeout");
}

} // namespace IdleHost

#endif
