#include "prayerday.h"

#include <util_datetime.h>

#include <QTime>

const PrayerTime fivePrayers[5] = { Fajr, Dhuhr, Asr, Maghrib, Ishaa };

namespace {
const int minutesPerDay = 24 * 60;
}

bool PrayerDay::anyAbsent() const
{
    for (const std::optional<HourMinute> &time : times) {
        if (!time)
            return true;
    }
    return false;
}

QString PrayerDay::clockText(PrayerTime time) const
{
    if (!times[time])
        return QStringLiteral("--:--");
    return QStringLiteral("%1:%2")
            .arg(times[time]->hour, 2, 10, QLatin1Char('0'))
            .arg(times[time]->minute, 2, 10, QLatin1Char('0'));
}

QString PrayerDay::userClockText(const HourMinute &time)
{
    QString text = UTIL_DateTime::timeToString(QTime(time.hour, time.minute, 0), 1);
    // The format's last ":" starts the seconds.
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0)
        text.remove(colon, 3);
    return text;
}

PrayerTimeline::PrayerTimeline(const PrayerDay &yesterday, const PrayerDay &today)
{
    for (int prayer = 0; prayer < 5; ++prayer) {
        const PrayerTime time = fivePrayers[prayer];
        if (!yesterday.has(time))
            continue;
        Entry entry;
        entry.prayer = prayer;
        entry.minutes = yesterday.dayMinutes[time] - minutesPerDay;
        entry.clock = *yesterday.times[time];
        entry.fromYesterday = true;
        m_entries.append(entry);
        if (entry.minutes > 0)
            m_lateEnd = entry.minutes;
    }
    m_yesterdayCount = m_entries.size();
    for (int prayer = 0; prayer < 5; ++prayer) {
        const PrayerTime time = fivePrayers[prayer];
        if (!today.has(time))
            continue;
        Entry entry;
        entry.prayer = prayer;
        entry.minutes = today.dayMinutes[time];
        entry.clock = *today.times[time];
        m_entries.append(entry);
    }
}

bool PrayerTimeline::inPreviousEvening(int nowMinutes) const
{
    return nowMinutes < m_lateEnd;
}

int PrayerTimeline::current(int nowMinutes) const
{
    // Seconds are ignored: at the very minute of a prayer it is the current one.
    const bool evening = inPreviousEvening(nowMinutes);
    const int first = evening ? 0 : m_yesterdayCount;
    const int end = evening ? m_yesterdayCount : int(m_entries.size());
    for (int i = end - 1; i >= first; --i) {
        if (m_entries.at(i).minutes <= nowMinutes)
            return i;
    }
    return -1;
}

int PrayerTimeline::next(int nowMinutes) const
{
    const bool evening = inPreviousEvening(nowMinutes);
    const int first = evening ? 0 : m_yesterdayCount;
    const int end = evening ? m_yesterdayCount : int(m_entries.size());
    for (int i = first; i < end; ++i) {
        if (m_entries.at(i).minutes > nowMinutes)
            return i;
    }
    return -1;
}

int PrayerTimeline::firstAfter(qint64 nowSeconds, int offsetMinutes) const
{
    // Yesterday's entries first: one whose alert falls after midnight is still to ring.
    for (int i = 0; i < m_entries.size(); ++i) {
        const qint64 when = (qint64(m_entries.at(i).minutes) + offsetMinutes) * 60;
        if (when > nowSeconds)
            return i;
    }
    return -1;
}
