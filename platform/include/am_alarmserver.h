#ifndef AM_ALARMSERVER_H
#define AM_ALARMSERVER_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QUuid>

// One registered alarm, as the application gave it.
struct AM_Alarm
{
    QUuid appId;
    QDateTime time;
    int index = 0;
    int type = 0;
    QByteArray data;
    QUuid secondId;
};

// The alarm registry of the device, kept in "/setup/vyn_alarms.cfg" (one group per alarm), so
// every process sees the same alarms and concurrent writers never drop each other's.
// The stand-in only keeps the registry: nothing rings when an alarm falls due.
class AM_AlarmServer
{
public:
    // 0 when registered; 1 for a null application id, an invalid time or an oversized data
    // block; 2 when the registry could not be written.
    static int addAlarm(const QUuid &appId, const QDateTime &time, int index, int type,
                        const QByteArray &data, const QUuid &secondId);
    // Withdraws every alarm of the application; 0 also when it had none. In a program with an
    // application object the withdrawal is written at the end of the event-loop pass (or by
    // flush, alarms or the program's end), so that withdrawing an alarm and registering the
    // same one again writes nothing.
    static int removeAlarm(const QUuid &appId);
    // Writes the withdrawals still waiting; 2 when the registry could not be written.
    static int flush();
    // All registered alarms in local time, ordered by time (equal times in registration order).
    static QList<AM_Alarm> alarms();
};

#endif
