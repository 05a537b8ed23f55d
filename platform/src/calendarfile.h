#ifndef CALENDARFILE_H
#define CALENDARFILE_H

#include "cal_eng_manager.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

// Reading and writing the calendar engine's iCalendar file.
namespace CalendarFile {

// How an entry's times are anchored: UTC, a named zone, or the device's local time.
struct Anchor
{
    enum Kind { Local, Utc, Zone };
    Kind kind = Local;
    QTimeZone zone;

    QDateTime at(const QDate &date, const QTime &time) const;
};

struct Rule
{
    enum Frequency { None, Daily, Weekly, Monthly, Yearly };
    Frequency frequency = None;
    int interval = 1;
    int count = 0;               // 0: no limit
    bool hasUntil = false;
    bool untilIsDate = false;
    bool untilUtc = false;
    QDate untilDate;
    QTime untilTime;
    QList<int> byDay;            // 1 (Monday) to 7
    int weekStart = 1;
};

struct Entry
{
    QString subject;
    bool allDay = false;
    Anchor anchor;
    QDate startDate;
    QTime startTime;
    qint64 durationSecs = 0;     // timed entries
    qint64 durationDays = 0;     // all-day entries
    Rule rule;
};

// Occurrences expanded per entry and per query are capped so a hostile rule cannot stall.
constexpr int maximumPeriods = 200000;
constexpr int maximumOccurrences = 10000;

// Entries of a VCALENDAR; anything unusable is skipped, a file that is no calendar gives none.
QList<Entry> parse(const QByteArray &content);
// An RRULE value. False for syntax it does not understand.
bool parseRule(const QString &text, Rule &rule);
// Occurrences of the entry that overlap [from, to], in order, at most `limit` of them.
QList<CAL_ENG_Event> occurrences(const Entry &entry, const QDateTime &from, const QDateTime &to, int limit);

// One VEVENT, folded, CRLF line ends.
QByteArray eventText(const QString &subject, const QDateTime &start, const QDateTime &end,
                     const QString &rrule, bool allDay);
// Text value escaping of iCalendar (backslash, semicolon, comma, newline).
QString escapeText(const QString &text);
QString unescapeText(const QString &text);

} // namespace CalendarFile

#endif
