#ifndef PRAYERDAY_H
#define PRAYERDAY_H

#include <QDate>
#include <QList>

#include <optional>

struct HourMinute
{
    int hour = 0;
    int minute = 0;
};

enum PrayerTime { Fajr = 0, Sunrise, Dhuhr, Asr, Maghrib, Ishaa, PrayerTimeCount };

// The five prayers (no sunrise) in the order of the day; an index into this list is what the
// views and the alert alarm call a prayer number (0 to 4).
extern const PrayerTime fivePrayers[5];

// One computed local day: six optional clock times and where each falls in the day.
struct PrayerDay
{
    QDate date;
    std::optional<HourMinute> times[PrayerTimeCount];
    // Minutes from this day's midnight in the order of the day: a prayer of the evening that
    // falls after midnight counts on past 1440, a Fajr before midnight is negative.
    int dayMinutes[PrayerTimeCount] = {};
    // Both the Fajr and the Ishaa angle are reached.
    bool valid = false;
    // False when the stored city is known neither by position nor by zone: no times at all.
    bool locationKnown = true;

    // How the day was found, for scans of many days.
    bool usedExtraWindow = false;
    bool dhuhrAtTransit = false;
    bool seventhOfNight = false;

    bool has(PrayerTime time) const { return times[time].has_value(); }
    bool anyAbsent() const;
    // "HH:MM" per time, "--:--" for an absent one.
    QString clockText(PrayerTime time) const;
    // A time in the user's 12- or 24-hour format without the seconds; a suffix such as the
    // AM/PM marker stays.
    static QString userClockText(const HourMinute &time);
};

// Today's prayers seen across midnight: a prayer of the previous evening that falls after
// midnight is still to come between midnight and its time, and is then the next one.
class PrayerTimeline
{
public:
    struct Entry
    {
        int prayer = 0;          // 0..4
        int minutes = 0;         // from today's midnight, may be negative or past 1440
        HourMinute clock;
        bool fromYesterday = false;
    };

    PrayerTimeline(const PrayerDay &yesterday, const PrayerDay &today);

    // Indexes into entries(), -1 for none, at a minute of today (0..1439).
    int current(int nowMinutes) const;
    int next(int nowMinutes) const;
    // The first entry whose time plus the offset lies after now (seconds from today's
    // midnight); -1 when all of today's have passed.
    int firstAfter(qint64 nowSeconds, int offsetMinutes) const;

    const QList<Entry> &entries() const { return m_entries; }

private:
    bool inPreviousEvening(int nowMinutes) const;

    QList<Entry> m_entries;
    int m_yesterdayCount = 0;   // leading entries from yesterday, all of its five prayers
    int m_lateEnd = 0;          // minutes of yesterday's last prayer after midnight, 0 if none
};

#endif
