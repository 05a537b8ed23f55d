#ifndef CHANNELHUB_H
#define CHANNELHUB_H

#include <QDBusMessage>
#include <QHash>
#include <QObject>
#include <QPointer>

class QCopChannel;

// Carries channel messages over the D-Bus session bus as signals; delivers them to the
// listeners of this process (its own messages included, through the event loop).
class ChannelHub : public QObject
{
    Q_OBJECT
public:
    static ChannelHub *instance();
    // The hub if one exists, without making one.
    static ChannelHub *existing();

    void attach(QCopChannel *listener);
    void detach(QCopChannel *listener);
    bool send(const QByteArray &channel, const QByteArray &message, const QByteArray &data);
    bool busConnected() const { return m_busConnected; }

private slots:
    void busMessage(const QDBusMessage &message);

private:
    ChannelHub();
    void deliver(const QByteArray &channel, const QByteArray &message, const QByteArray &data);

    QMultiHash<QByteArray, QCopChannel *> m_listeners;
    bool m_busConnected = false;
    QString m_ownName;
};

#endif
