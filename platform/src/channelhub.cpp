#include "channelhub.h"
#include "qcopchannel.h"
#include "zmsg.h"
#include "zlog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QMetaObject>

namespace {
const char busPath[] = "/vyn/channel";
const char busInterface[] = "org.vyn.Channel";
const char busSignal[] = "message";
// Larger payloads are not ours; drop them rather than hold them.
const int maximumPayload = 1024 * 1024;
} // namespace

namespace {
// Goes with the application object, before the bus connection does.
QPointer<ChannelHub> hub;
}

ChannelHub *ChannelHub::existing()
{
    return hub;
}

ChannelHub *ChannelHub::instance()
{
    if (!hub) {
        hub = new ChannelHub;
        if (QCoreApplication::instance())
            hub->setParent(QCoreApplication::instance());
    }
    return hub;
}

ChannelHub::ChannelHub()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        m_ownName = bus.baseService();
        m_busConnected = bus.connect(QString(), QString::fromLatin1(busPath),
                                     QString::fromLatin1(busInterface), QString::fromLatin1(busSignal),
                                     this, SLOT(busMessage(QDBusMessage)));
    }
    if (!m_busConnected)
        qCWarning(zlog("platform")) << "no session bus: channel messages stay inside this process";
}

void ChannelHub::attach(QCopChannel *listener)
{
    m_listeners.insert(listener->channel(), listener);
}

void ChannelHub::detach(QCopChannel *listener)
{
    m_listeners.remove(listener->channel(), listener);
}

bool ChannelHub::send(const QByteArray &channel, const QByteArray &message, const QByteArray &data)
{
    if (channel.isEmpty() || message.isEmpty())
        return false;
    // Own listeners hear the message from the event loop, as they would from the bus.
    QMetaObject::invokeMethod(
            this, [this, channel, message, data] { deliver(channel, message, data); },
            Qt::QueuedConnection);
    if (!m_busConnected)
        return true;
    QDBusMessage signal = QDBusMessage::createSignal(QString::fromLatin1(busPath),
                                                     QString::fromLatin1(busInterface),
                                                     QString::fromLatin1(busSignal));
    signal << QString::fromUtf8(channel) << QString::fromUtf8(message) << data;
    return QDBusConnection::sessionBus().send(signal);
}

void ChannelHub::busMessage(const QDBusMessage &message)
{
    if (message.service() == m_ownName)
        return;
    const QList<QVariant> args = message.arguments();
    if (args.size() != 3 || args.at(0).typeId() != QMetaType::QString
        || args.at(1).typeId() != QMetaType::QString || args.at(2).typeId() != QMetaType::QByteArray)
        return;
    const QByteArray data = args.at(2).toByteArray();
    if (data.size() > maximumPayload)
        return;
    deliver(args.at(0).toString().toUtf8(), args.at(1).toString().toUtf8(), data);
}

void ChannelHub::deliver(const QByteArray &channel, const QByteArray &message, const QByteArray &data)
{
    // A listener may delete others (or itself) while handling the message.
    QList<QPointer<QCopChannel>> targets;
    const auto listeners = m_listeners.values(channel);
    for (auto it = listeners.crbegin(); it != listeners.crend(); ++it)
        targets.append(*it);
    for (const QPointer<QCopChannel> &target : targets) {
        if (target)
            emit target->received(message, data);
    }
}

QCopChannel::QCopChannel(const QCString &channel, QObject *parent)
    : QObject(parent)
    , m_channel(channel)
{
    ChannelHub::instance()->attach(this);
}

QCopChannel::~QCopChannel()
{
    if (ChannelHub *hub = ChannelHub::existing())
        hub->detach(this);
}

QCString QCopChannel::channel() const
{
    return m_channel;
}

bool QCopChannel::send(const QCString &channel, const QCString &message)
{
    return ChannelHub::instance()->send(channel, message, QByteArray());
}

bool QCopChannel::send(const QCString &channel, const QCString &message, const QByteArray &data)
{
    return ChannelHub::instance()->send(channel, message, data);
}

bool QCopChannel::isConnectedToBus()
{
    return ChannelHub::instance()->busConnected();
}

ZMsg::ZMsg(const QCString &channel, const QCString &message, bool)
    : m_channel(channel)
    , m_message(message)
    , m_stream(&m_data, QIODevice::WriteOnly)
{
}

bool ZMsg::send()
{
    return QCopChannel::send(m_channel, m_message, m_data);
}
