#include "channelhub.h"
#include "qcopchannel.h"
#include "zmsg.h"
#include "zlog.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QMetaObject>
#include <QThread>

#include <utility>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {
const char busPath[] = "/vyn/channel";
const char busInterface[] = "org.vyn.Channel";
const char busSignal[] = "message";
// Larger payloads are not ours; drop them rather than hold them.
const int maximumPayload = 1024 * 1024;
// Bus messages delivered before the event loop gets a turn again.
const int deliveryBatch = 32;

qsizetype entrySize(const ChannelBusReceiver::Entry &entry)
{
    return entry.channel.size() + entry.message.size() + entry.data.size();
}

// Once this much has passed through the queue, the memory a flood took is handed back when
// the queue runs empty: the allocator would keep it for the process's whole life otherwise.
const qsizetype trimAfterBytes = 4 * 1024 * 1024;
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
        m_receiver = new ChannelBusReceiver(bus.baseService());
        // The connection's interface object lives in the thread that reads the connection.
        if (QDBusConnectionInterface *interface = bus.interface())
            m_receiver->moveToThread(interface->thread());
        connect(m_receiver, &ChannelBusReceiver::pending, this, &ChannelHub::deliverPending, Qt::QueuedConnection);
        m_busConnected = bus.connect(QString(), QString::fromLatin1(busPath), QString::fromLatin1(busInterface),
                                     QString::fromLatin1(busSignal), m_receiver, SLOT(busMessage(QDBusMessage)));
        if (!m_busConnected) {
            delete m_receiver;
            m_receiver = nullptr;
        }
    }
    if (!m_busConnected)
        qCWarning(zlog("platform")) << "no session bus: channel messages stay inside this process";
}

ChannelHub::~ChannelHub()
{
    if (!m_receiver)
        return;
    QDBusConnection::sessionBus().disconnect(QString(), QString::fromLatin1(busPath), QString::fromLatin1(busInterface),
                                             QString::fromLatin1(busSignal), m_receiver,
                                             SLOT(busMessage(QDBusMessage)));
    disconnect(m_receiver, nullptr, this, nullptr);
    // Unhooked, with nothing left to deliver to it: deleted from here, since the connection
    // hears of the end of its receivers in its own thread and would wait for itself there.
    delete m_receiver;
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

ChannelBusReceiver::ChannelBusReceiver(const QString &ownName)
    : m_ownName(ownName)
{
}

void ChannelBusReceiver::busMessage(const QDBusMessage &message)
{
    if (message.service() == m_ownName)
        return;
    const QList<QVariant> args = message.arguments();
    if (args.size() != 3 || args.at(0).typeId() != QMetaType::QString
        || args.at(1).typeId() != QMetaType::QString || args.at(2).typeId() != QMetaType::QByteArray)
        return;
    Entry entry { args.at(0).toString().toUtf8(), args.at(1).toString().toUtf8(), args.at(2).toByteArray() };
    if (entry.data.size() > maximumPayload || entry.channel.isEmpty() || entry.message.isEmpty())
        return;
    bool wake = false;
    {
        QMutexLocker lock(&m_mutex);
        m_bytes += entrySize(entry);
        // Counted with what the bus library and Qt kept of it on the way.
        m_handledBytes += entrySize(entry) + 256;
        m_queue.push_back(std::move(entry));
        while (qsizetype(m_queue.size()) > MaximumPending || m_bytes > MaximumPendingBytes) {
            m_bytes -= entrySize(m_queue.front());
            m_queue.pop_front();
            ++m_dropped;
        }
        wake = !m_signalled;
        m_signalled = true;
    }
    if (wake)
        emit pending();
}

std::deque<ChannelBusReceiver::Entry> ChannelBusReceiver::take(int most, bool *more)
{
    QMutexLocker lock(&m_mutex);
    std::deque<Entry> batch;
    while (!m_queue.empty() && int(batch.size()) < most) {
        m_bytes -= entrySize(m_queue.front());
        batch.push_back(std::move(m_queue.front()));
        m_queue.pop_front();
    }
    *more = !m_queue.empty();
    // Emptied: the next message wakes the hub again.
    if (!*more)
        m_signalled = false;
    return batch;
}

qsizetype ChannelBusReceiver::takeHandledBytes()
{
    QMutexLocker lock(&m_mutex);
    if (!m_queue.empty())
        return 0;
    return std::exchange(m_handledBytes, 0);
}

qint64 ChannelBusReceiver::takeDropped()
{
    QMutexLocker lock(&m_mutex);
    return std::exchange(m_dropped, 0);
}

void ChannelHub::deliverPending()
{
    if (!m_receiver)
        return;
    bool more = false;
    const std::deque<ChannelBusReceiver::Entry> batch = m_receiver->take(deliveryBatch, &more);
    for (const ChannelBusReceiver::Entry &entry : batch)
        deliver(entry.channel, entry.message, entry.data);
    if (more) {
        // The rest after whatever else waits (paints, keys, timers).
        QMetaObject::invokeMethod(this, &ChannelHub::deliverPending, Qt::QueuedConnection);
        return;
    }
    if (const qint64 dropped = m_receiver->takeDropped())
        qCWarning(zlog("platform")) << "channel messages came faster than they were handled:" << dropped
                                    << "of the oldest dropped";
    if (m_receiver->takeHandledBytes() >= trimAfterBytes) {
#ifdef __GLIBC__
        malloc_trim(0);
#endif
    }
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
