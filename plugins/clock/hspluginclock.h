#ifndef HSPLUGINCLOCK_H
#define HSPLUGINCLOCK_H

#include "clockwidget.h"

#include <hsplugin.h>
#include <qcopchannel.h>

#include <QObject>
#include <QPointer>

class HSPluginHost;
class QTimer;

// The digital clock in a corner of the idle screen. A single-shot timer, re-armed from the
// platform clock at every firing, keeps it right to the minute; time, format, theme and
// backlight notices redraw it.
class HSPluginClock : public QObject, public HSPlugin
{
    Q_OBJECT
public:
    explicit HSPluginClock(HSPluginHost *site);
    ~HSPluginClock() override;

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

private slots:
    void slotStartMinTimer();
    void slotTimeSetChange(const QCString &message, const QByteArray &data);
    void slotSysNotice(const QCString &message, const QByteArray &data);
    void slotHandleFormatChange(const QCString &message, const QByteArray &data);

private:
    QWidget *container() const;
    void buildWidget();
    void connectWidget();
    // Starts the minute timer afresh from the platform clock's seconds.
    void armMinuteTimer();
    void redraw();
    QRect clockLayoutRect(const QRect &area);

    HSPluginHost *site;
    // A child of the host's container: whichever of plugin and container goes first.
    QPointer<ClockWidget> widget;
    QTimer *minuteTimer;
    QCopChannel *clockChannel;
    QCopChannel *formatChannel;
    QCopChannel *timeSetChannel;
    QCopChannel *launcherChannel;
    QCopChannel *themeChannel;
    QCopChannel *myFavesChannel;
    QCopChannel systemNotices;
    // Hidden by deactivate: a clock-format change asks the host to show it again.
    bool hiddenByHost;
};

#endif
