#include "calendarrecurrence.h"
#include "zlog.h"

#include <algorithm>

namespace CalendarRecurrence {

using CalendarFile::Entry;
using CalendarFile::Rule;

namespace {

struct Occurrence
{
    QDateTime start;
    QDateTime end;
};

Occurrence occurrenceOn(const Entry &entry, const QDate &date)
{
    if (entry.allDay)
        return { QDateTime(date, QTime(0, 0)), QDateTime(date.addDays(entry.durationDays), QTime(0, 0)) };
    const QDateTime start = entry.anchor.at(date, entry.startTime);
    return { start, start.addSecs(entry.durationSecs) };
}

bool overlaps(const Occurrence &occurrence, const QDateTime &from, const QDateTime &to)
{
    if (occurrence.start > to)
        return false;
    if (occurrence.end > from)
        return true;
    return occurrence.end == occurrence.start && occurrence.start >= from;
}

// Dates of recurrence period k, ascending; `base` is the period's first day.
QList<QDate> periodDates(const Entry &entry, qint64 k, QDate &base)
{
    const Rule &rule = entry.rule;
    const QDate start = entry.startDate;
    const qint64 step = k * rule.interval;
    QList<QDate> dates;
    switch (rule.frequency) {
    case Rule::Daily:
        base = start.addDays(step);
        if (rule.byDay.isEmpty() || rule.byDay.contains(base.dayOfWeek()))
            dates.append(base);
        break;
    case Rule::Weekly: {
        const QDate weekStart = start.addDays(-((start.dayOfWeek() - rule.weekStart + 7) % 7));
        base = weekStart.addDays(7 * step);
        for (int offset = 0; offset < 7; ++offset) {
            const QDate day = base.addDays(offset);
            if (rule.byDay.isEmpty() ? day.dayOfWeek() == start.dayOfWeek() : rule.byDay.contains(day.dayOfWeek()))
                dates.append(day);
        }
        break;
    }
    case Rule::Monthly: {
        base = QDate(start.year(), start.month(), 1).addMonths(int(step));
        // Months without that day are left out, as iCalendar does.
        const QDate day(base.year(), base.month(), start.day());
        if (day.isValid())
            dates.append(day);
        break;
    }
    case Rule::Yearly: {
        base = QDate(start.year() + int(step), 1, 1);
        const QDate day(base.year(), start.month(), start.day());
        if (day.isValid())
            dates.append(day);
        break;
    }
    case Rule::None:
        break;
    }
    return dates;
}

// The first day an occurrence may start on and still reach into a window opening at `from`
// (its length and a day either side for the time zone).
QDate earliestStart(const Entry &entry, const QDateTime &from)
{
    const qint64 lengthDays = entry.allDay ? entry.durationDays : entry.durationSecs / 86400 + 1;
    return from.toUTC().date().addDays(-std::clamp<qint64>(lengthDays, 0, 400000) - 2);
}

// Whole periods that end before the window can be skipped when no COUNT needs them counted.
qint64 periodsToSkip(const Entry &entry, const QDateTime &from)
{
    if (entry.rule.count > 0)
        return 0;
    const qint64 days = entry.startDate.daysTo(earliestStart(entry, from));
    if (days <= 0)
        return 0;
    qint64 periods = 0;
    switch (entry.rule.frequency) {
    case Rule::Daily:
        periods = days / entry.rule.interval;
        break;
    case Rule::Weekly:
        periods = days / 7 / entry.rule.interval;
        break;
    case Rule::Monthly:
        periods = days / 31 / entry.rule.interval;
        break;
    case Rule::Yearly:
        periods = days / 366 / entry.rule.interval;
        break;
    case Rule::None:
        break;
    }
    return qMax<qint64>(0, periods - 1);
}

} // namespace

QList<CAL_ENG_Event> occurrences(const Entry &entry, const QDateTime &from, const QDateTime &to, int limit)
{
    QList<CAL_ENG_Event> result;
    if (limit <= 0)
        return result;
    auto take = [&](const Occurrence &occurrence) {
        if (overlaps(occurrence, from, to))
            result.append({ entry.subject, occurrence.start.toLocalTime(), occurrence.end.toLocalTime() });
        return result.size() < limit;
    };
    // DTSTART is always the first occurrence, whether or not the rule matches it.
    const Occurrence first = occurrenceOn(entry, entry.startDate);
    if (!take(first) || first.start > to)
        return result;
    const Rule &rule = entry.rule;
    if (rule.frequency == Rule::None || rule.count == 1)
        return result;

    const QDateTime until = !rule.hasUntil || rule.untilIsDate
            ? QDateTime()
            : (rule.untilUtc ? QDateTime(rule.untilDate, rule.untilTime, Qt::UTC)
                             : entry.anchor.at(rule.untilDate, rule.untilTime));
    // Periods whose first day lies this far past the window cannot reach into it.
    const QDate lastBase = to.toUTC().date().addDays(2);
    // Dates before this one are only counted: placing them in the zone is the costly part.
    const QDate earliest = earliestStart(entry, from);
    int counted = 1;
    qint64 k = periodsToSkip(entry, from);
    for (int periods = 0; periods < maximumPeriods; ++periods, ++k) {
        QDate base;
        const QList<QDate> dates = periodDates(entry, k, base);
        if (!base.isValid() || base > lastBase)
            return result;
        for (const QDate &date : dates) {
            if (date <= entry.startDate)
                continue;
            if (rule.hasUntil && rule.untilIsDate && date > rule.untilDate)
                return result;
            if (date < earliest) {
                if (rule.count > 0 && ++counted >= rule.count)
                    return result;
                continue;
            }
            const Occurrence occurrence = occurrenceOn(entry, date);
            if (until.isValid() && occurrence.start > until)
                return result;
            if (occurrence.start > to)
                return result;
            if (!take(occurrence))
                return result;
            if (rule.count > 0 && ++counted >= rule.count)
                return result;
        }
    }
    qCDebug(zlog("platform")) << "calendar: expansion cut short for" << entry.subject;
    return result;
}

} // namespace CalendarRecurrence
