#include "azaan_islamic_events.h"

#include <islamiccalendar.h>
#include <util_datetime.h>
#include <zresource.h>
#include <zsystemclock.h>

#include <QCoreApplication>

namespace {
const int eventCount = 7;
}

Azaan_Islamic_Events::Azaan_Islamic_Events(QWidget *parent, const char *name)
    : ZKbMainWidget(parent, name)
{
    m_frame.begin(this, RES_TEXT("TXT_RID_HEADER_ISLAMIC_CALENDAR", "Islamic Calendar"));
    const IslamicCalendar calendar;
    GregorianDate current = GregorianDate::fromDate(ZSystemClock::currentDateTime().date());
    for (int i = 0; i < eventCount; ++i) {
        GregorianDate eventDate;
        QString eventName = QStringLiteral("");
        calendar.nextIslamicEvent(current, eventDate, eventName);
        m_frame.addRow(eventName, UTIL_DateTime::dateToString(eventDate.toDate(), 0));
        current = eventDate;
    }
    m_frame.finish(RES_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
}

Azaan_Islamic_Events::~Azaan_Islamic_Events() = default;

void Azaan_Islamic_Events::slotBack()
{
    QCoreApplication::quit();
}
