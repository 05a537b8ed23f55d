#ifndef AZAANALERTALARM_H
#define AZAANALERTALARM_H

#include <QDateTime>
#include <QString>

class PrayerTimeline;

// The prayer alert alarm of the prayer-times application: at most one, for the first prayer
// whose alert time is still to come.
class AzaanAlertAlarm
{
public:
    // Minutes the alert rings away from the prayer for an "HGM_HSA_ALERT" text.
    static int offsetMinutes(const QString &alert);

    // Withdraws the application's alarms, then registers the next one unless the alert is "0".
    static void reschedule(const PrayerTimeline &timeline, const QDateTime &now, const QString &alert);
    static void withdraw();
    // On deactivation: the alert keeps ringing while both the view and the alert are on.
    static void cleanUp(const QString &enabled, const QString &alert);
};

#endif
