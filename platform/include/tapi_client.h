#ifndef TAPI_CLIENT_H
#define TAPI_CLIENT_H

#include "qcopchannel.h"
#include "tapi_types.h"

#include <QObject>

// A telephony event source: the events the modem sends, one signal each. This one delivers
// the events that the simulated phone announces (VynPhone::sendTapiEvent).
class TAPI_Client : public QObject
{
    Q_OBJECT
public:
    explicit TAPI_Client(QObject *parent = nullptr);

signals:
    void TAPI_SendEvent(UTIL_TAPI_Event *event);

private slots:
    void channelMessage(const QCString &message, const QByteArray &data);
};

#endif
