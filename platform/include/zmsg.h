#ifndef ZMSG_H
#define ZMSG_H

#include "qcopchannel.h"

#include <QDataStream>
#include <QIODevice>

// One message on a channel, with an optional payload written through a data stream.
class ZMsg
{
public:
    ZMsg(const QCString &channel, const QCString &message, bool = false);

    QDataStream &stream() { return m_stream; }
    template<typename T>
    ZMsg &operator<<(const T &value)
    {
        m_stream << value;
        return *this;
    }
    QByteArray data() const { return m_data; }

    bool send();

private:
    QCString m_channel;
    QCString m_message;
    QByteArray m_data;
    QDataStream m_stream;
};

#endif
