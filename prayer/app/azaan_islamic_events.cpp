#include "azaan_islamic_events.h"

#include <islamiccalendar.h>

#include <util_datetime.h>
#include <zdetailitem.h>
#include <zdetailview.h>
#include <zresource.h>
#include <zscrollpanel.h>
#include <zsoftkey.h>
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

    ZScrollPanel *panel = getContentWidget(true);
    panel->enableClipper(false);
    m_layout = new QVBoxLayout(panel->viewport());
    m_layout->setContentsMargins(0, 0, 0, 0);

    fillRows();

    m_layout->addWidget(m_detailView);
    m_layout->addStretch(1);
    setContentWidget(m_detailView);

    auto *softKey = new ZSoftKey("CST_2A", this);
    softKey->setText(ZSoftKey::Right, RES_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
    softKey->setClickedSlot(ZSoftKey::Right, this, SLOT(slotBack()));
    setSoftKey(softKey);
}

Azaan_Islamic_Events::~Azaan_Islamic_Events() = default;

void Azaan_Islamic_Events::fillRows()
{
    const QDate today = ZSystemClock::currentDateTime().date();
    m_detailView = new ZDetailView(this, detailViewSkinClass);

    const IslamicCalendar calendar;
    GregorianDate current;
    current.day = today.day();
    current.month = today.month();
    current.year = today.year();
    for (int i = 0; i < eventCount; ++i) {
        GregorianDate eventDate;
        QString eventName = QStringLiteral("");
        calendar.nextIslamicEvent(current, eventDate, eventName);

        auto *item = new ZDetailItem(ZDetailItem::TitleAndText, m_detailView);
        item->setTitle(eventName);
        item->appendTextRow(UTIL_DateTime::dateToString(QDate(eventDate.year, eventDate.month, eventDate.day), 0));
        m_detailView->addItem(item);
        current = eventDate;
    }
}

void Azaan_Islamic_Events::slotBack()
{
    QCoreApplication::quit();
}
