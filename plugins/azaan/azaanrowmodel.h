#ifndef AZAANROWMODEL_H
#define AZAANROWMODEL_H

#include <prayerday.h>

#include <QDate>
#include <QString>

class QTime;

// The rows of the Azaan panel without any widget: their texts, which are shown, and the
// highlighted one.
class AzaanRowModel
{
public:
    // Rows from top to bottom.
    enum Row {
        PrayerRow = 0,
        MessageRow = 1,
        CalendarRow = 2,
        EventRow = 3,
        MediaRow = 4,
        RowCount = 5,
    };

    AzaanRowModel();

    // Shows the rows switched on; a hidden highlight moves forward to the next shown row.
    void setVisibility(const bool visible[RowCount]);
    bool isVisible(int row) const { return m_visible[row]; }
    int selectedRow() const { return m_selectedRow; }
    void resetSelection() { m_selectedRow = PrayerRow; }
    // Up (-1) or down (+1), wrapping, to the next shown row; five steps at most.
    void moveSelection(int step);

    QString text(int row) const { return m_texts[row]; }
    void setText(int row, const QString &text) { m_texts[row] = text; }

    // Current and next prayer at a minute of today; "Prayer time not found" when neither.
    static QString prayerText(const PrayerTimeline &timeline, int nowMinutes);
    static QString messageText(int unread);
    static QString emptyCalendarText();
    static QString calendarText(const QTime &start, const QTime &end, const QString &subject);
    static QString eventText(const QDate &date, const QString &name);
    static QString mediaText();
    // A prayer's time as the user formats times, without the seconds, after a blank.
    static QString prayerTimeText(const HourMinute &time);
    static QString prayerName(int prayer);

private:
    bool m_visible[RowCount];
    QString m_texts[RowCount];
    int m_selectedRow = PrayerRow;
};

#endif
