#include "azaanalertalarm.h"

#include <am_alarmserver.h>
#include <prayerday.h>
#include <zlog.h>

#include <QUuid>

namespace {

const char prayerAppId[] = "d7c961e1-43c2-4e34-aa93-360e6e83163d";
const char alarmSecondId[] = "b0cb22e0-645e-4242-a454-9c0bf4a99b54";
const int alarmType = 8;

QUuid appId()
{
    return QUuid(QString::fromLatin1(prayerAppId));
}

} // namespace

int AzaanAlertAlarm::offsetMinutes(const QString &alert)
{
    // Anything but 1 to 5 rings at the prayer time itself.
    switch (alert.trimmed().toInt()) {
    case 1:
        return -10;
    case 2:
        return -5;
    case 4:
        return 5;
    case 5:
        return 10;
    default:
        return 0;
    }
}

void AzaanAlertAlarm::reschedule(const PrayerTimeline &timeline, const QDateTime &now, const QString &alert)
{
    withdraw();
    if (alert == QLatin1String("0"))
        return;
    const int offset = offsetMinutes(alert);
    const QDate today = now.date();
    // Clock seconds, as the prayer times are clock times.
    const qint64 nowSeconds = now.time().msecsSinceStartOfDay() / 1000;
    const int index = timeline.firstAfter(nowSeconds, offset);
    if (index < 0)
        return;
    const PrayerTimeline::Entry &entry = timeline.entries().at(index);
    // Minutes past 1440 fall on tomorrow's clock.
    const QDate day = today.addDays(entry.minutes >= 24 * 60 ? 1 : entry.minutes < 0 ? -1 : 0);
    const QDateTime when = QDateTime(day, QTime(entry.clock.hour, entry.clock.minute, 0)).addSecs(qint64(offset) * 60);
    const int result = AM_AlarmServer::addAlarm(appId(), when, entry.prayer, alarmType, QByteArray(),
                                                QUuid(QString::fromLatin1(alarmSecondId)));
    if (result != 0)
        qCWarning(zlog("qd_idle")) << "azaan: alert alarm not registered:" << result;
}

void AzaanAlertAlarm::withdraw()
{
    AM_AlarmServer::removeAlarm(appId());
}

void AzaanAlertAlarm::cleanUp(const QString &enabled, const QString &alert)
{
    if (enabled == QLatin1String("0") || alert == QLatin1String("0"))
        withdraw();
}
