#ifndef HSPLUGINAZAAN_H
#define HSPLUGINAZAAN_H

#include <homescreentheme.h>
#include <hsplugin.h>
#include <islamiccalendar.h>
#include <prayertimecalculator.h>
#include <qcopchannel.h>
#include <zmarqueetext.h>

#include <QFont>
#include <QObject>
#include <QPixmap>

class HSPluginHost;
class MSGCTR_ENG_StatusApi;
class QTimer;

// The Azaan panel of the idle screen: current and next prayer, unread messages, today's next
// calendar entry, the next Islamic event and the media finder, one highlighted row that the
// select key opens. It also keeps the prayer alert alarm in step with today's prayer times.
class HSPluginAzaan : public QObject, public HSPlugin
{
    Q_OBJECT
public:
    // Rows from top to bottom.
    enum AzaanRow {
        PrayerRow = 0,
        MessageRow = 1,
        CalendarRow = 2,
        EventRow = 3,
        MediaRow = 4,
        RowCount = 5,
    };

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

    // Minutes the alert rings away from the prayer for an "HGM_HSA_ALERT" text.
    static int alertOffsetMinutes(const QString &alert);

private slots:
    void slotWallPaperChanged(const QCString &message, const QByteArray &data);
    void slotUpdateMsg();
    void slotUpdateCalEvent(const QCString &message, const QByteArray &data);
    void slotUpdatePerMin();
    void slotDateSetChange(const QCString &message, const QByteArray &data);
    void slotSettingsChanged(const QCString &message, const QByteArray &data);
    void slotDateTimeFormatChanged(const QCString &message, const QByteArray &data);

private:
    void readTheme();
    void updateVisibility();
    void updatePrayerRow();
    void updateMessageRow();
    void updateCalendarRow();
    void updateEventRow();
    void layoutRows();
    void paintBuffer();
    void updateContainer();
    void fullRefresh();
    void cleanUpAlarms();
    QWidget *container() const;
    int rowPitch() const;

    HSPluginHost *site;
    QCopChannel *launcherChannel;
    QPixmap buffer;
    QFont font;
    IdleFontInfo fontInfo;
    int paddingLeft;
    int paddingRight;
    int paddingTop;
    int paddingBottom;
    int spacingH1;
    int spacingV1;
    int spacingV2;
    int spacingV3;
    int spacingS1;
    PrayerTimeCalculator calculator;
    IslamicCalendar islamicCalendar;
    bool beforeActivation;
    bool firstTick;
    MSGCTR_ENG_StatusApi *messageStatus;
    int selectedRow;
    QCopChannel *calendarChannel;
    QCopChannel *systemChannel;
    QCopChannel *broadcastChannel;
    QCopChannel *formatChannel;
    QTimer *minuteTimer;
    ZMarqueeText rows[RowCount];
    bool rowVisible[RowCount];
};

#endif
