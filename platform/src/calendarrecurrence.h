#ifndef CALENDARRECURRENCE_H
#define CALENDARRECURRENCE_H

#include "cal_eng_manager.h"
#include "calendarfile.h"

#include <QDateTime>
#include <QList>

// Expansion of a calendar entry's recurrence rule into the occurrences a query asks for.
namespace CalendarRecurrence {

// Occurrences expanded per entry and per query are capped so a hostile rule cannot stall.
constexpr int maximumPeriods = 200000;
constexpr int maximumOccurrences = 10000;

// Occurrences of the entry that overlap [from, to], in order, at most `limit` of them.
QList<CAL_ENG_Event> occurrences(const CalendarFile::Entry &entry, const QDateTime &from, const QDateTime &to,
                                 int limit);

} // namespace CalendarRecurrence

#endif
