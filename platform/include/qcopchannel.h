#ifndef QCOPCHANNEL_H
#define QCOPCHANNEL_H

#include <QByteArray>
#include <QObject>

using QCString = QByteArray;

// A named channel between programs. Every message sent on the channel, by any process on the
// session bus or by this one, reaches every QCopChannel object listening to it.
class QCopChannel : public QObject
{
    Q_OBJECT
public:
    explicit QCopChannel(const QCString &channel, QObject *parent = nullptr);
    ~QCopChannel() override;

    QCString channel() const;

    static bool send(const QCString &channel, const QCString &message);
    static bool send(const QCString &channel, const QCString &message, const QByteArray &data);
    // True when messages travel between processes; false when they stay in this process.
    static bool isConnectedToBus();

signals:
    // Payloads from other processes are untrusted: read them with a data stream and treat a
    // short or garbled payload as defaults.
    void received(const QCString &message, const QByteArray &data);

private:
    QCString m_channel;
};

#endif
