#ifndef HSPLUGINSTATUSTEXT_H
#define HSPLUGINSTATUSTEXT_H

#include "statustextpainter.h"
#include "statustexttheme.h"

#include <hsplugin.h>
#include <qcopchannel.h>
#include <zmarqueetext.h>

#include <QObject>
#include <QPixmap>

class HSPluginHost;
class StatusTextInfoEngine;

// Two lines of status text under the idle screen's header, with the operator logo or the SIM
// toolkit icon beside them. The engine decides the texts; the view lays them out and paints
// them into a buffer over the wallpaper. Changes only mark the view: it lays out and draws
// once, when the container is painted, however many changes came in between.
class HSPluginStatusText : public QObject, public HSPlugin
{
    Q_OBJECT
public:
    explicit HSPluginStatusText(HSPluginHost *site);
    ~HSPluginStatusText() override;

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
    void slotLineOneTextChanged();
    void slotLineTwoTextChanged();
    void slotOperatorIconChanged();
    void slotShowStkIdleIcon();
    void slotWallPaperChanged(const QCString &message, const QByteArray &data);

private:
    void layoutLines();
    void setLineTexts();
    void fullRefresh();
    void paintBuffer();
    void updateContainer();
    QWidget *container() const;

    HSPluginHost *site;
    StatusTextInfoEngine *engine;
    QCopChannel *launcherChannel;
    QPixmap buffer;
    StatusTextTheme::Theme theme;
    ZMarqueeText lineOneText;
    ZMarqueeText lineTwoText;
    bool rightToLeft;
    bool shownOnce;
    // What the last layout found: the icons to draw, and whether the logo stands for line one.
    StatusTextPainter::Scene scene;
    bool layoutPending;
    bool languageRefreshPending = false;
};

#endif
