#include "azaan_prayer_time.h"

#include <prayertimecalculator.h>

#include "detailscreen.h"

#include <util_datetime.h>
#include <zdetailitem.h>
#include <zdetailview.h>
#include <zresource.h>

#include <QCoreApplication>
#include <QTime>
#include <QVBoxLayout>

namespace {

const int detailViewSkinClass = 73;
const char noTime[] = "--:--";

} // namespace

Azaan_Prayer_Time::Azaan_Prayer_Time(QWidget *parent, const char *name)
    : ZKbMainWidget(parent, name)
{
    setAppTitle(RES_TEXT("TXT_RID_HEADER_PRAYER_TIMES", "Prayer Times"));

    m_layout = DetailScreen::prepareContent(this);
    fillRows();
    DetailScreen::finish(this, m_layout, m_detailView, RES_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
}

Azaan_Prayer_Time::~Azaan_Prayer_Time() = default;

QString Azaan_Prayer_Time::timeText(bool found, int hour, int minute)
{
    const QTime time(hour, minute, 0);
    if (!found || !time.isValid())
        return QString::fromLatin1(noTime);
    QString text = UTIL_DateTime::timeToString(time, 1);
    // Drop the seconds; an AM/PM marker after them stays.
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0)
        text.remove(colon, 3);
    return text;
}

void Azaan_Prayer_Time::fillRows()
{
    m_detailView = new ZDetailView(this, detailViewSkinClass);

    PrayerTimeCalculator calculator;
    calculator.loadSettings();

    struct Row
    {
        QString title;
        bool (PrayerTimeCalculator::*getter)(HourMinute &);
    };
    const Row rows[] = {
        { RES_TEXT("TXT_RID_LIST_A_FAJR", "Fajr"), &PrayerTimeCalculator::getFajr },
        { RES_TEXT("TXT_RID_LIST_A_DHOHR", "Dhuhr"), &PrayerTimeCalculator::getDhuhr },
        { RES_TEXT("TXT_RID_LIST_A_ASR", "Asr"), &PrayerTimeCalculator::getAsr },
        { RES_TEXT("TXT_RID_LIST_A_MAGHREB", "Maghrib"), &PrayerTimeCalculator::getMaghrib },
        { RES_TEXT("TXT_RID_LIST_A_ESHAA", "Ishaa"), &PrayerTimeCalculator::getIshaa },
    };
    for (const Row &row : rows) {
        auto *item = new ZDetailItem(ZDetailItem::TitleAndText, m_detailView);
        item->setTitle(row.title);
        // A pair of its own for every row: a getter that finds no time must not show the
        // time of the row before.
        HourMinute time;
        const bool found = (calculator.*row.getter)(time);
        item->appendTextRow(QStringLiteral("%1").arg(timeText(found, time.hour, time.minute)));
        m_detailView->addItem(item);
    }
}

void Azaan_Prayer_Time::slotBack()
{
    QCoreApplication::quit();
}
