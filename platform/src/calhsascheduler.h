#ifndef CALHSASCHEDULER_H
#define CALHSASCHEDULER_H

#include "qcopchannel.h"

#include <QObject>

class QTimer;

// Sends "HSAAlarm" when the stored home-screen alarm time arrives. One per process, made when
// the process first sets or withdraws the alarm (tools that only touch entries never announce
// it) and an application object exists; it lives as long as that object.
class CalHsaScheduler : public QObject
{
    Q_OBJECT
public:
    static void ensure();
    // Looks at the stored time again on the next pass of the event loop.
    static void rearm();

private slots:
    void check();
    void systemMessage(const QCString &message, const QByteArray &data);

private:
    explicit CalHsaScheduler(QObject *parent);

    QTimer *m_timer;
};

#endif
