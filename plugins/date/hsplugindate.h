#ifndef HSPLUGINDATE_H
#define HSPLUGINDATE_H

#include "datelayout.h"

#include <hsplugin.h>
#include <qcopchannel.h>
#include <zmarqueetext.h>

#include <QObject>
#include <QPixmap>

class HSPluginHost;
class QTimer;

// Today's date as one line on the idle screen, under the clock or in the bottom-right corner.
// It redraws once a minute and, in the last minute of the day, once a second, so the date turns
// promptly at midnight. The plugin sizes and moves its container itself and paints it from an
// off-screen buffer.
class HSPluginDate : public QObject, public HSPlugin
{
    Q_OBJECT
    // Redraws so far: what a benchmark or a test counts.
    Q_PROPERTY(int redrawCount READ redrawCount)
    Q_PROPERTY(QString dateText READ dateText)
public:
    explicit HSPluginDate(HSPluginHost *site);
    ~HSPluginDate() override;

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

    int redrawCount() const { return m_redraws; }
    QString dateText() const { return marquee.text(); }

private slots:
    void slotUpdatePerMin();
    void slotUpdatePerSec();
    void slotDateFormatChange(const QCString &message, const QByteArray &data);
    void slotDateSetChange(const QCString &message, const QByteArray &data);
    void slotWallPaperChange(const QCString &message, const QByteArray &data);

private:
    QWidget *container() const;
    void loadTheme();
    QRect layoutRect();
    void midnightCheck();
    void draw();
    void redraw();
    // The container at the date's rectangle, the buffer and the text box its size.
    void place(const QRect &rect);

    HSPluginHost *site;
    ZMarqueeText marquee;
    QPixmap buffer;
    QTimer *minuteTimer;
    QTimer *secondTimer;
    QCopChannel *formatChannel;
    QCopChannel *systemChannel;
    QCopChannel *launcherChannel;
    DateLayout::Theme theme;
    bool shownOnce;
    bool attached;
    int m_redraws = 0;
};

#endif
