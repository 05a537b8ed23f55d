#include "azaan_prayer_time.h"

#include <prayertimecalculator.h>
#include <zresource.h>

#include <QCoreApplication>
#include <QTime>

namespace {
const char noTime[] = "--:--";
}

Azaan_Prayer_Time::Azaan_Prayer_Time(QWidget *parent, const char *name)
    : ZKbMainWidget(parent, name)
{
    m_frame.begin(this, RES_TEXT("TXT_RID_HEADER_PRAYER_TIMES", "Prayer Times"));

    PrayerTimeCalculator calculator;
    calculator.loadSettings();
    const PrayerDay day = calculator.day();
    const QString titles[5] = {
        RES_TEXT("TXT_RID_LIST_A_FAJR", "Fajr"),       RES_TEXT("TXT_RID_LIST_A_DHOHR", "Dhuhr"),
        RES_TEXT("TXT_RID_LIST_A_ASR", "Asr"),         RES_TEXT("TXT_RID_LIST_A_MAGHREB", "Maghrib"),
        RES_TEXT("TXT_RID_LIST_A_ESHAA", "Ishaa"),
    };
    // Each row its own time: a prayer with no time shows "--:--", never the row before's.
    for (int prayer = 0; prayer < 5; ++prayer) {
        const std::optional<HourMinute> &time = day.times[fivePrayers[prayer]];
        m_frame.addRow(titles[prayer], timeText(time.has_value(), time ? time->hour : 0, time ? time->minute : 0));
    }
    m_frame.finish(RES_TEXT("TXT_RID_SOFTKEY_BACK", "Back"));
}

Azaan_Prayer_Time::~Azaan_Prayer_Time() = default;

QString Azaan_Prayer_Time::timeText(bool found, int hour, int minute)
{
    const QTime time(hour, minute, 0);
    if (!found || !time.isValid())
        return QString::fromLatin1(noTime);
    HourMinute clock;
    clock.hour = hour;
    clock.minute = minute;
    return PrayerDay::userClockText(clock);
}

void Azaan_Prayer_Time::slotBack()
{
    QCoreApplication::quit();
}
