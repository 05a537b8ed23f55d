#include "hsplugindate.h"

#include "hsplugindatesetup.h"

#include <am_global.h>
#include <hspluginhost.h>
#include <hspluginlog.h>
#include <qwallpaper.h>
#include <vynchannels.h>
#include <zglobal.h>
#include <zlog.h>
#include <zresource.h>
#include <zsystemclock.h>

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

HSPluginLog libraryLog;

} // namespace

HSPluginDate::HSPluginDate(HSPluginHost *site)
    : site(site)
    , minuteTimer(nullptr)
    , secondTimer(nullptr)
    , formatChannel(nullptr)
    , systemChannel(nullptr)
    , launcherChannel(nullptr)
    , shownOnce(false)
{
    loadTheme();
}

HSPluginDate::~HSPluginDate()
{
    // The container outlives the plugin: it must not call into a dead filter.
    if (QWidget *widget = container())
        widget->removeEventFilter(this);
}

QWidget *HSPluginDate::container() const
{
    return site ? site->containerWidget() : nullptr;
}

void HSPluginDate::loadTheme()
{
    theme = DateLayout::read();
    marquee.setFont(theme.font);
}

void HSPluginDate::initialize()
{
    loadTheme();
}

void HSPluginDate::activate()
{
    QWidget *widget = container();
    if (!widget) {
        qCWarning(libraryLog.category()) << "date: no container, nothing to show";
        return;
    }
    const int height = QFontMetrics(theme.font).height() + 2;
    marquee.setGeometry(QRect(0, 0, DateLayout::textWidth(theme.font, DateLayout::currentText()), height));
    marquee.setFont(theme.font);
    marquee.setParent(widget);

    if (!minuteTimer) {
        // Connected once, at creation: every later start reuses the connection.
        minuteTimer = new QTimer(this);
        minuteTimer->setObjectName(QStringLiteral("minuteTimer"));
        connect(minuteTimer, &QTimer::timeout, this, &HSPluginDate::slotUpdatePerMin);
        secondTimer = new QTimer(this);
        secondTimer->setObjectName(QStringLiteral("secondTimer"));
        connect(secondTimer, &QTimer::timeout, this, &HSPluginDate::slotUpdatePerSec);
    }
    minuteTimer->start(DateLayout::minuteIntervalMs);
    midnightCheck();

    widget->setAutoFillBackground(false);
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->installEventFilter(this);
    buffer = widget->size().isEmpty() ? QPixmap() : QPixmap(widget->size());
    draw();

    if (!formatChannel) {
        formatChannel = new QCopChannel(VynChannel::DateTimeFormat, this);
        connect(formatChannel, &QCopChannel::received, this, &HSPluginDate::slotDateFormatChange);
        systemChannel = new QCopChannel(VynChannel::System, this);
        connect(systemChannel, &QCopChannel::received, this, &HSPluginDate::slotDateSetChange);
        launcherChannel = new QCopChannel(AM_Global::getLauncherChannel(), this);
        connect(launcherChannel, &QCopChannel::received, this, &HSPluginDate::slotWallPaperChange);
    }
    shownOnce = true;
    widget->update();
}

void HSPluginDate::deactivate()
{
    if (minuteTimer)
        minuteTimer->stop();
    if (secondTimer)
        secondTimer->stop();
}

QString HSPluginDate::name()
{
    return ZResource::text("HSPluginDate", "TXT_RID_IDLE_DATE_NAME", "DATE");
}

int HSPluginDate::keyEvent(int &, int)
{
    return 1;
}

QRect HSPluginDate::layoutRect()
{
    const QSize box(DateLayout::textWidth(theme.font, DateLayout::currentText()),
                    QFontMetrics(theme.font).height() + 2);
    DateLayout::Placement placement = DateLayout::readPlacement(theme, box);
    if (DateLayout::needsPluginList(placement) && site) {
        QStringList names;
        site->listPlugins(names);
        placement.liftingPlugins = int(names.count(QStringLiteral("Screen3")) + names.count(QStringLiteral("IdleMusicPlayer")));
    }
    return DateLayout::layoutRect(placement);
}

QRect HSPluginDate::geometry(const QRect &)
{
    loadTheme();
    const QRect rect = layoutRect();
    if (shownOnce) {
        place(rect);
        draw();
        if (QWidget *widget = container())
            widget->update();
    }
    return rect;
}

void HSPluginDate::place(const QRect &rect)
{
    QWidget *widget = container();
    if (!widget)
        return;
    widget->setGeometry(rect);
    buffer = rect.size().isEmpty() ? QPixmap() : QPixmap(rect.size());
    marquee.setGeometry(QRect(QPoint(0, 0), rect.size()));
}

void HSPluginDate::focusCenter()
{
}

void HSPluginDate::focusAt(int, const QPoint &)
{
}

void HSPluginDate::focusOut(QPoint &)
{
}

QPoint HSPluginDate::focusPoint()
{
    return QPoint(0, 0);
}

void HSPluginDate::reserved()
{
}

void HSPluginDate::suspend(bool on)
{
    if (on) {
        deactivate();
        return;
    }
    if (!minuteTimer)
        return;
    redraw();
    if (!minuteTimer->isActive())
        minuteTimer->start(DateLayout::minuteIntervalMs);
    midnightCheck();
}

bool HSPluginDate::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *widget = container();
    if (!widget || watched != widget || event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    if (!buffer.isNull()) {
        QPainter painter(widget);
        painter.drawPixmap(QPoint(0, 0), buffer, QRect(QPoint(0, 0), widget->size()));
    }
    return true;
}

void HSPluginDate::midnightCheck()
{
    if (!secondTimer)
        return;
    if (!DateLayout::inLastMinute(ZSystemClock::currentDateTime().time())) {
        secondTimer->stop();
        return;
    }
    if (!secondTimer->isActive())
        secondTimer->start(DateLayout::secondIntervalMs);
}

void HSPluginDate::draw()
{
    QWidget *widget = container();
    if (!widget || buffer.isNull())
        return;
    ++m_redraws;
    const QString text = DateLayout::currentText();
    // A longer or shorter date ("Sep 9" to "Sep 10", another format) gets a box of its own
    // size, still against the right edge, instead of an ellipsis.
    if (shownOnce && DateLayout::textWidth(theme.font, text) != marquee.geometry().width()) {
        place(layoutRect());
        if (buffer.isNull())
            return;
    }

    QPainter painter(&buffer);
    const QPixmap wallpaper = QWallpaper::wallpaper();
    if (wallpaper.isNull()) {
        painter.fillRect(buffer.rect(), ZGlobal::backgroundColor());
    } else {
        const QPoint origin = widget->mapTo(widget->window(), QPoint(0, 0));
        painter.drawPixmap(QPoint(0, 0), wallpaper, QRect(origin, buffer.size()));
    }
    marquee.setText(text);
    painter.setPen(QPen(QColor(QRgb(theme.fontInfo.color)), 0, Qt::SolidLine));
    marquee.paint(&painter, DateLayout::alignLeftCentre, QStringLiteral("..."), nullptr, true,
                  QColor(QRgb(theme.fontInfo.outlineColor)), 1);
}

void HSPluginDate::redraw()
{
    draw();
    if (QWidget *widget = container())
        widget->update();
}

void HSPluginDate::slotUpdatePerMin()
{
    midnightCheck();
    // An idle minute costs nothing: the date is drawn again only when its text changes. Notices
    // (wallpaper, backlight, formats) still redraw whatever the text.
    if (DateLayout::currentText() != marquee.text())
        redraw();
}

void HSPluginDate::slotUpdatePerSec()
{
    redraw();
}

void HSPluginDate::slotDateFormatChange(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::DateFormatChanged)
        redraw();
}

void HSPluginDate::slotDateSetChange(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::TimeInfoChanged) {
        // A clock set into (or out of) the last minute of the day switches the second timer now,
        // not at the next minute tick; a hidden or suspended date keeps both timers stopped.
        if (minuteTimer && minuteTimer->isActive())
            midnightCheck();
        redraw();
    } else if (message == VynMessage::LcdOn || message == VynMessage::BacklightDimmed
               || message == VynMessage::BacklightRestored) {
        redraw();
    }
}

void HSPluginDate::slotWallPaperChange(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::ShowWallPaper)
        redraw();
}

HS_PLUGIN_EXPORT HSPlugin *createInstance(HSPluginHost *site)
{
    return new HSPluginDate(site);
}

HS_PLUGIN_EXPORT void destroyInstance(HSPlugin *plugin)
{
    delete plugin;
}

HS_PLUGIN_EXPORT int isActivated()
{
    const int mode = HSPluginDateSetup::instance()->dateMode();
    HSPluginDateSetup::discard();
    return mode == 0 ? 1 : 0;
}
