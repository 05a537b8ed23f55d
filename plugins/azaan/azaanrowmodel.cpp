#include "azaanrowmodel.h"

#include <util_datetime.h>
#include <zresource.h>

#include <QTime>

// The texts belong to the view's translation context.
#define AZAAN_TEXT(id, fallback) ZResource::text("HSPluginAzaan", id, fallback)

namespace {

// Between the current and the next prayer.
const int partGap = 8;
const int eventGap = 6;
const int calendarGap = 3;

} // namespace

AzaanRowModel::AzaanRowModel()
{
    for (bool &visible : m_visible)
        visible = false;
}

void AzaanRowModel::setVisibility(const bool visible[RowCount])
{
    for (int row = 0; row < RowCount; ++row)
        m_visible[row] = visible[row];
    if (!m_visible[m_selectedRow])
        moveSelection(1);
}

void AzaanRowModel::moveSelection(int step)
{
    // With no row shown the highlight stays where the fifth step leaves it.
    for (int i = 0; i < RowCount; ++i) {
        m_selectedRow = (m_selectedRow + step + RowCount) % RowCount;
        if (m_visible[m_selectedRow])
            break;
    }
}

QString AzaanRowModel::prayerName(int prayer)
{
    switch (prayer) {
    case 0:
        return AZAAN_TEXT("TXT_RID_LIST_A_FAJR", "Fajr");
    case 1:
        return AZAAN_TEXT("TXT_RID_LIST_A_DHOHR", "Dhohr");
    case 2:
        return AZAAN_TEXT("TXT_RID_LIST_A_ASR", "Asr");
    case 3:
        return AZAAN_TEXT("TXT_RID_LIST_A_MAGHREB", "Maghreb");
    default:
        return AZAAN_TEXT("TXT_RID_LIST_A_ESHAA", "Eshaa");
    }
}

QString AzaanRowModel::prayerTimeText(const HourMinute &time)
{
    return QLatin1Char(' ') + PrayerDay::userClockText(time);
}

QString AzaanRowModel::prayerText(const PrayerTimeline &timeline, int nowMinutes)
{
    const int current = timeline.current(nowMinutes);
    const int next = timeline.next(nowMinutes);
    QString text;
    if (current >= 0) {
        const PrayerTimeline::Entry &entry = timeline.entries().at(current);
        text = prayerName(entry.prayer) + prayerTimeText(entry.clock) + QString(partGap, QLatin1Char(' '));
    }
    if (next >= 0) {
        const PrayerTimeline::Entry &entry = timeline.entries().at(next);
        text += prayerName(entry.prayer) + prayerTimeText(entry.clock);
    }
    if (text.isEmpty())
        text = AZAAN_TEXT("TXT_RID_LIST_A_PRAYER_TIME_NOT_FOUND", "Prayer time not found");
    return text;
}

QString AzaanRowModel::messageText(int unread)
{
    if (unread == 1)
        return AZAAN_TEXT("TXT_RID_LIST_A_1_NEW_MESSAGE", "1 New Message");
    return AZAAN_TEXT("FMT_RID_LIST_A_1_NEW_MESSAGES", "%1 New Messages").arg(unread);
}

QString AzaanRowModel::emptyCalendarText()
{
    return AZAAN_TEXT("FMT_RID_LIST_A_1_CALENDAR_EVENTS", "%1 calendar events").arg(0);
}

QString AzaanRowModel::calendarText(const QTime &start, const QTime &end, const QString &subject)
{
    return UTIL_DateTime::timeToString(start, 0) + QLatin1Char('-') + UTIL_DateTime::timeToString(end, 0)
            + QString(calendarGap, QLatin1Char(' ')) + subject;
}

QString AzaanRowModel::eventText(const QDate &date, const QString &name)
{
    return UTIL_DateTime::dateToString(date, 0) + QString(eventGap, QLatin1Char(' ')) + name;
}

QString AzaanRowModel::mediaText()
{
    return AZAAN_TEXT("TXT_RID_LIST_A_MEDIA_FINDER", "Media Finder");
}
