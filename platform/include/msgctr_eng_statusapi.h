#ifndef MSGCTR_ENG_STATUSAPI_H
#define MSGCTR_ENG_STATUSAPI_H

#include "qcopchannel.h"

#include <QObject>
#include <QString>

class QFileSystemWatcher;

// Unread-message counts of the message centre, from "/setup/vyn_messages.cfg": group "Unread",
// keys "SMS" and "MMS" (a missing key counts 0); "SMSFail" / "MMSFail" true make that query
// fail. Writers announce "countsChanged" on "VYN/MessageCenter"; the file is watched as well.
class MSGCTR_ENG_StatusApi : public QObject
{
    Q_OBJECT
public:
    explicit MSGCTR_ENG_StatusApi(QObject *parent = nullptr);

    // 0 = success; non-zero (count 0) when the query fails or the stored count is not a
    // non-negative number.
    int getUnreadSmsCount(int &count);
    int getUnreadMmsCount(int &count);

    static QString statusFile();
    static const char *channelName();

signals:
    void sigDataUpdated();

private slots:
    void refresh();
    void channelMessage(const QCString &message, const QByteArray &data);

private:
    QString readSnapshot() const;

    QFileSystemWatcher *m_watcher;
    QString m_snapshot;
};

#endif
