#ifndef CAL_ENG_MANAGER_H
#define CAL_ENG_MANAGER_H

#include <QDateTime>
#include <QList>
#include <QString>

// One occurrence of a calendar entry, in local time. An all-day entry runs from 00:00 of its
// first day to 00:00 after its last day.
struct CAL_ENG_Event
{
    QString subject;
    QDateTime start;
    QDateTime end;
};

// The calendar engine. Entries live in the iCalendar file "/setup/vyn_calendar.ics"; the home
// screen's alarm time lives in "/setup/vyn_calendar_hsa.cfg" (group "HSAAlarm", key "Time").
// Notices go out on "VYN_PIM_CAL_HSA_CHANNEL": "HSAAlarm" when the alarm time arrives (sent by
// a process that has set or withdrawn the alarm through a manager and runs an event loop; the
// alarm is then cleared) and "entryChanged" when an entry is added.
class CAL_ENG_Manager
{
public:
    CAL_ENG_Manager();

    // Occurrences overlapping [from, to], ordered by start; recurring entries are expanded
    // inside the window only. 0 = ok (also for a missing or unusable file: no entries);
    // 1 = invalid window; 2 = the file exists but cannot be read.
    int getEvents(const QDateTime &from, const QDateTime &to, QList<CAL_ENG_Event> &events);

    // 0 = stored; 1 = invalid time; 2 = cannot write.
    int addHSAAlarm(const QDateTime &when);
    int removeHSAAlarm();
    // The stored home-screen alarm time (local), invalid when none.
    QDateTime hsaAlarmTime() const;

    // Appends an entry (rrule: an RRULE value such as "FREQ=WEEKLY;BYDAY=MO") and sends
    // "entryChanged". With allDay only the dates count; the end date is exclusive.
    // 0 = added; 1 = invalid entry or rule; 2 = cannot write; 3 = the file is not a
    // calendar (left untouched).
    int addEntry(const QString &subject, const QDateTime &start, const QDateTime &end,
                 const QString &rrule = QString(), bool allDay = false);

    static QString calendarFile();
    static const char *hsaChannel();
};

#endif
