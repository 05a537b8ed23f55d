#ifndef HSPLUGINAZAAN_H
#define HSPLUGINAZAAN_H

#include "azaanrowmodel.h"
#include "azaantheme.h"

#include <hsplugin.h>
#include <islamiccalendar.h>
#include <prayertimecalculator.h>
#include <qcopchannel.h>
#include <zmarqueetext.h>

#include <QDate>
#include <QObject>
#include <QPixmap>

class HSPluginHost;
class MSGCTR_ENG_StatusApi;
class QTimer;

// The Azaan panel of the idle screen: current and next prayer, unread messages, today's next
// calendar entry, the next Islamic event and the media finder, one highlighted row that the
// select key opens. It also keeps the prayer alert alarm in step with today's prayer times.
// The rows live in AzaanRowModel, drawing in AzaanPainter, the alarm in AzaanAlertAlarm.
class HSPluginAzaan : public QObject, public HSPlugin
{
    Q_OBJECT
public:
    using AzaanRow = AzaanRowModel::Row;

    explicit HSPluginAzaan(HSPluginHost *site);
    ~HSPluginAzaan() override;

    void initialize() override;
    void activate() override;
    void deactivate() override;
    QString name() override;
    int keyEvent(int &phase, int key) override;
    QRect geometry(const QRect &area) override;
    void focusCenter() override;
    void focusAt(int, const QPoint &point) override;
    void focusOut(QPoint &point) override;
    QPoint focusPoint() override;
    void reserved() override;
    void suspend(bool on) override;

    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void slotWallPaperChanged(const QCString &message, const QByteArray &data);
    void slotUpdateMsg();
    void slotUpdateCalEvent(const QCString &message, const QByteArray &data);
    void slotUpdatePerMin();
    void slotDateSetChange(const QCString &message, const QByteArray &data);
    void slotSettingsChanged(const QCString &message, const QByteArray &data);
    void slotDateTimeFormatChanged(const QCString &message, const QByteArray &data);

private:
    void updateVisibility();
    void updatePrayerRow();
    void updateMessageRow();
    void updateCalendarRow();
    void updateEventRow();
    void setRowText(int row, const QString &text);
    void layoutRows();
    void paintBuffer();
    void updateContainer();
    void fullRefresh();
    void cleanUpAlarms();
    QWidget *container() const;

    HSPluginHost *site;
    QCopChannel *launcherChannel;
    QPixmap buffer;
    AzaanTheme::Theme theme;
    PrayerTimeCalculator calculator;
    IslamicCalendar islamicCalendar;
    bool beforeActivation;
    bool firstTick;
    bool languageRefreshPending = false;
    MSGCTR_ENG_StatusApi *messageStatus;
    QCopChannel *calendarChannel;
    QCopChannel *systemChannel;
    QCopChannel *broadcastChannel;
    QCopChannel *formatChannel;
    QTimer *minuteTimer;
    ZMarqueeText rows[AzaanRowModel::RowCount];
    AzaanRowModel model;
    // The local day of the last minute tick: the first tick of a new day refreshes every row.
    QDate tickDate;
};

#endif
