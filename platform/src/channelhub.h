#ifndef CHANNELHUB_H
#define CHANNELHUB_H

#include <QByteArray>
#include <QDBusMessage>
#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPointer>

#include <deque>

class QCopChannel;

// Takes the bus messages apart in the thread that reads the bus connection and queues plain
// copies for the hub. The bus library counts every message still referenced against the
// connection's receive allowance and stops reading the socket once the allowance is used up; it
// starts again when a message is released, from whichever thread releases it. Released anywhere
// but the connection's own thread, the socket is never watched again: the process goes deaf. So
// no bus message leaves that thread, and the queue is bounded, oldest dropped first, so a flood
// neither piles up in memory nor starves the listeners.
class ChannelBusReceiver : public QObject
{
    Q_OBJECT
public:
    struct Entry
    {
        QByteArray channel;
        QByteArray message;
        QByteArray data;
    };

    explicit ChannelBusReceiver(const QString &ownName);

    // Up to the given number of the oldest messages, and whether more are waiting.
    std::deque<Entry> take(int most, bool *more);
    // Messages dropped since the last call, for a log line.
    qint64 takeDropped();
    // Bytes queued since the last call, once the queue is empty (0 before).
    qsizetype takeHandledBytes();

    // A flood beyond these drops the oldest messages.
    static constexpr int MaximumPending = 2048;
    static constexpr qsizetype MaximumPendingBytes = 8 * 1024 * 1024;

signals:
    // Emitted when the queue gets its first message after the hub emptied it.
    void pending();

public slots:
    void busMessage(const QDBusMessage &message);

private:
    const QString m_ownName;
    QMutex m_mutex;
    std::deque<Entry> m_queue;
    qsizetype m_bytes = 0;
    qint64 m_dropped = 0;
    qsizetype m_handledBytes = 0;
    bool m_signalled = false;
};

// Carries channel messages over the D-Bus session bus as signals; delivers them to the
// listeners of this process (its own messages included, through the event loop).
class ChannelHub : public QObject
{
    Q_OBJECT
public:
    static ChannelHub *instance();
    // The hub if one exists, without making one.
    static ChannelHub *existing();
    ~ChannelHub() override;

    void attach(QCopChannel *listener);
    void detach(QCopChannel *listener);
    bool send(const QByteArray &channel, const QByteArray &message, const QByteArray &data);
    bool busConnected() const { return m_busConnected; }

private slots:
    void deliverPending();

private:
    ChannelHub();
    void deliver(const QByteArray &channel, const QByteArray &message, const QByteArray &data);

    QMultiHash<QByteArray, QCopChannel *> m_listeners;
    bool m_busConnected = false;
    ChannelBusReceiver *m_receiver = nullptr;
};

#endif
