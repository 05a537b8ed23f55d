#include "azaan_islamic_events.h"

#include <islamiccalendar.h>

#include "detailscreen.h"

#include <util_datetime.h>
#include <zdetailitem.h>
#include <zdetailview.h>
#include <zresource.h>
#include <zsystemclock.h>

#include <QCoreApplication>
#include <QVBoxLayout>

namespace {

const int detailViewSkinClass = 73;
const int eventCount = 7;

} // namespace

Azaan_Islamic_Events::Azaan_Islamic_Events(QWidget *parent, const char *name)
    : ZKbMainWidget(parent, name)
{
    setAppTitle(RES_TEXT("TXT_RID_HEADER_ISLAMIC_CALENDAR", "Islamic Calendar"));

    m_layout = DetailScreen::prepareContent(this);
    fillRows();
    DetailScreen::finish(this, m_layout, m_detailView, RES_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
}

Azaan_Islamic_Events::~Azaan_Islamic_Events() = default;

void Azaan_Islamic_Events::fillRows()
{
    const QDate today = ZSystemClock::currentDateTime().date();
    m_detailView = new ZDetailView(this, detailViewSkinClass);

    const IslamicCalendar calendar;
    GregorianDate current = GregorianDate::fromDate(today);
    for (int i = 0; i < eventCount; ++i) {
        GregorianDate eventDate;
        QString eventName = QStringLiteral("");
        calendar.nextIslamicEvent(current, eventDate, eventName);

        auto *item = new ZDetailItem(ZDetailItem::TitleAndText, m_detailView);
        item->setTitle(eventName);
        item->appendTextRow(UTIL_DateTime::dateToString(eventDate.toDate(), 0));
        m_detailView->addItem(item);
        current = eventDate;
    }
}

void Azaan_Islamic_Events::slotBack()
{
    QCoreApplication::quit();
}
