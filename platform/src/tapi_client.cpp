#include "tapi_client.h"
#include "hs_idle_frame.h"
#include "vynphone.h"

#include <QDataStream>

#include <memory>

TAPI_Client *HS_IDLE_Frame::pTapi = nullptr;

namespace {
// Raw data of a real event is a few hundred bytes at most.
const int largestRawData = 4096;
}

TAPI_Client::TAPI_Client(QObject *parent)
    : QObject(parent)
{
    auto *channel = new QCopChannel(VynPhone::channelName(), this);
    connect(channel, &QCopChannel::received, this, &TAPI_Client::channelMessage);
}

void TAPI_Client::channelMessage(const QCString &message, const QByteArray &data)
{
    if (message != VynPhone::TapiEventMessage)
        return;
    QDataStream stream(data);
    quint32 type = 0;
    stream >> type;
    // The length comes first: a corrupt one must not make a huge allocation.
    quint32 length = 0;
    stream >> length;
    if (stream.status() != QDataStream::Ok)
        return;
    UTIL_TAPI_Event event;
    event.eventType = type;
    // A null byte array stands for an event without data.
    if (length == 0xffffffffu) {
        emit TAPI_SendEvent(&event);
        return;
    }
    if (length > quint32(largestRawData) || length > quint32(data.size()))
        return;
    // Exactly the bytes sent, on the heap, so a reader that runs past them is caught.
    std::unique_ptr<char[]> raw(new char[length ? length : 1]);
    if (length && stream.readRawData(raw.get(), int(length)) != int(length))
        return;
    event.rawDataLength = length;
    event.pRawData = raw.get();
    emit TAPI_SendEvent(&event);
}
