#ifndef ZSYSTEMCLOCK_H
#define ZSYSTEMCLOCK_H

#include <QDateTime>

// The handset clock. Everything in the system reads time here, so tests and the simulator can
// freeze it or shift it. Sources, strongest first: a setting made in this process, the
// clock file "/tmp/vyn_clock.cfg" (written by the control tool, followed by every process),
// the environment variable VYN_CLOCK ("2024-06-01T12:00:00" fixes, "+3600" shifts), real time.
class ZSystemClock
{
public:
    static qint64 currentSecsSinceEpoch();
    static qint64 currentMSecsSinceEpoch();
    static QDateTime currentDateTime();       // local time
    static QDateTime currentDateTimeUtc();

    static void setFixed(const QDateTime &instant);
    static void setOffset(qint64 seconds);
    static void reset();                       // back to the file, environment or real time

    // Writes the clock file that every process on the device follows and announces
    // "TimeInfoChanged" on "VYN/System".
    static bool writeDeviceClock(const QString &setting);
};

#endif
