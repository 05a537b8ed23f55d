// The iCalendar codec and the expansion of recurrence rules over a two-year window, and the
// rule parser alone on the first line.
#include "fuzzcheck.h"

#include "calendarfile.h"
#include "calendarrecurrence.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray content = Fuzz::bytes(data, size);
    const QDateTime from(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
    const QList<CalendarFile::Entry> entries = CalendarFile::parse(content);
    for (const CalendarFile::Entry &entry : entries) {
        const QList<CAL_ENG_Event> events = CalendarRecurrence::occurrences(entry, from, to, 500);
        FUZZ_CHECK(events.size() <= 500);
    }
    CalendarFile::Rule rule;
    CalendarFile::parseRule(QString::fromUtf8(content.left(content.indexOf('\n'))), rule);
    // Text values cannot carry a carriage return; everything else comes back.
    const QString text = QString::fromUtf8(content);
    FUZZ_CHECK(CalendarFile::unescapeText(CalendarFile::escapeText(text)) == QString(text).remove(QLatin1Char('\r')));
    return 0;
}
