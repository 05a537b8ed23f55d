#ifndef CALENDARFILE_H
#define CALENDARFILE_H

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

// The iCalendar codec of the calendar engine's file: entries and their rules as written, and
// the text of a new event. Expanding a rule into occurrences is CalendarRecurrence's.
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

// Entries of a VCALENDAR; anything unusable is skipped, a file that is no calendar gives none.
QList<Entry> parse(const QByteArray &content);
// An RRULE value. False for syntax it does not understand.
bool parseRule(const QString &text, Rule &rule);

// One VEVENT, folded, CRLF line ends.
QByteArray eventText(const QString &subject, const QDateTime &start, const QDateTime &end,
                     const QString &rrule, bool allDay);
// Text value escaping of iCalendar (backslash, semicolon, comma, newline).
QString escapeText(const QString &text);
QString unescapeText(const QString &text);

} // namespace CalendarFile

#endif
