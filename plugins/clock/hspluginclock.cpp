#include "hspluginclock.h"

#include "clockconfig.h"
#include "clocklayout.h"

#include <am_global.h>
#include <hspluginhost.h>
#include <hspluginlog.h>
#include <vynchannels.h>
#include <zlog.h>
#include <zresource.h>
#include <zsystemclock.h>

#include <QTimer>
#include <QWidget>

namespace {

HSPluginLog libraryLog;

} // namespace

HSPluginClock::HSPluginClock(HSPluginHost *site)
    : site(site)
    , minuteTimer(nullptr)
    , clockChannel(nullptr)
    , formatChannel(nullptr)
    , timeSetChannel(nullptr)
    , launcherChannel(nullptr)
    , themeChannel(nullptr)
    , myFavesChannel(nullptr)
    , systemNotices(VynChannel::System, this)
    , hiddenByHost(false)
{
}

HSPluginClock::~HSPluginClock()
{
    // The container may already have taken the widget with it.
    delete widget.data();
    ClockConfig::discard();
}

QWidget *HSPluginClock::container() const
{
    return site ? site->containerWidget() : nullptr;
}

void HSPluginClock::initialize()
{
    if (!minuteTimer) {
        minuteTimer = new QTimer(this);
        minuteTimer->setObjectName(QStringLiteral("minuteTimer"));
        minuteTimer->setSingleShot(true);
        // Connected once: elsewhere the timer is only stopped and started.
        connect(minuteTimer, &QTimer::timeout, this, &HSPluginClock::slotStartMinTimer);

        clockChannel = new QCopChannel(VynChannel::ClockPlugin, this);
        formatChannel = new QCopChannel(VynChannel::DateTimeFormat, this);
        timeSetChannel = new QCopChannel(VynChannel::System, this);
        launcherChannel = new QCopChannel(AM_Global::getLauncherChannel(), this);
        themeChannel = new QCopChannel(VynChannel::System, this);
        myFavesChannel = new QCopChannel(VynChannel::MyFaves, this);
        connect(&systemNotices, &QCopChannel::received, this, &HSPluginClock::slotSysNotice);
        connect(clockChannel, &QCopChannel::received, this, &HSPluginClock::slotHandleFormatChange);
        connect(timeSetChannel, &QCopChannel::received, this, &HSPluginClock::slotTimeSetChange);
    }
    if (!widget)
        buildWidget();
}

void HSPluginClock::buildWidget()
{
    QWidget *box = container();
    if (!box) {
        qCWarning(libraryLog.category()) << "clock: no container, nothing to show";
        return;
    }
    widget = new ClockWidget(site, box);
    widget->setGeometry(0, 0, box->width(), box->height());
    connectWidget();
}

void HSPluginClock::connectWidget()
{
    if (!widget || !formatChannel)
        return;
    // These connections go with the widget.
    connect(formatChannel, &QCopChannel::received, widget.data(), &ClockWidget::slotTimeFormatChange);
    connect(launcherChannel, &QCopChannel::received, widget.data(), &ClockWidget::slotUpdate);
    connect(themeChannel, &QCopChannel::received, widget.data(), &ClockWidget::slotThemeChanged);
    connect(myFavesChannel, &QCopChannel::received, widget.data(), &ClockWidget::slotMyFavesUpdateSetting);
}

void HSPluginClock::activate()
{
    if (!minuteTimer)
        initialize();
    delete widget.data();
    buildWidget();
    hiddenByHost = false;
    if (widget) {
        widget->show();
        widget->raise();
        widget->drawClock();
    }
    armMinuteTimer();
}

void HSPluginClock::deactivate()
{
    if (widget) {
        widget->setGeometry(0, 0, 0, 0);
        widget->hide();
        hiddenByHost = true;
    }
    if (minuteTimer)
        minuteTimer->stop();
}

QString HSPluginClock::name()
{
    return ZResource::text("HSPluginClock", "TEMP_HOMESCREEN", "Clock");
}

int HSPluginClock::keyEvent(int &, int)
{
    return 1;
}

QRect HSPluginClock::clockLayoutRect(const QRect &area)
{
    ClockLayout::Placement placement = ClockLayout::readPlacement();
    placement.area = area;
    if (ClockLayout::needsPluginList(placement) && site) {
        QStringList names;
        site->listPlugins(names);
        placement.lifted = names.contains(QStringLiteral("Screen3")) || names.contains(QStringLiteral("IdleMusicPlayer"));
    }
    return ClockLayout::layoutRect(placement);
}

QRect HSPluginClock::geometry(const QRect &area)
{
    const QRect rect = clockLayoutRect(area);
    if (widget)
        widget->setGeometry(0, 0, rect.width(), rect.height());
    return rect;
}

void HSPluginClock::focusCenter()
{
}

void HSPluginClock::focusAt(int, const QPoint &)
{
}

void HSPluginClock::focusOut(QPoint &)
{
}

QPoint HSPluginClock::focusPoint()
{
    return QPoint(0, 0);
}

void HSPluginClock::reserved()
{
}

void HSPluginClock::suspend(bool on)
{
    if (on) {
        if (minuteTimer)
            minuteTimer->stop();
        return;
    }
    // Back from a suspend the last interval means nothing: the wall clock may have moved.
    redraw();
    armMinuteTimer();
}

void HSPluginClock::armMinuteTimer()
{
    if (!minuteTimer)
        return;
    minuteTimer->stop();
    minuteTimer->start(ClockLayout::minuteInterval(ZSystemClock::currentDateTime().time()));
}

void HSPluginClock::redraw()
{
    if (widget)
        widget->drawClock();
}

void HSPluginClock::slotStartMinTimer()
{
    redraw();
    armMinuteTimer();
}

void HSPluginClock::slotTimeSetChange(const QCString &message, const QByteArray &)
{
    if (message != VynMessage::TimeInfoChanged)
        return;
    redraw();
    armMinuteTimer();
}

void HSPluginClock::slotSysNotice(const QCString &message, const QByteArray &)
{
    // The backlight only asks for a fresh picture; the timer keeps its course.
    if (message == VynMessage::LcdOn || message == VynMessage::BacklightDimmed
        || message == VynMessage::BacklightRestored)
        redraw();
}

void HSPluginClock::slotHandleFormatChange(const QCString &message, const QByteArray &)
{
    if (message != VynMessage::ClockFormatChange || !site)
        return;
    if (widget && widget->isVisible()) {
        if (widget->adjustGeometry())
            widget->drawClock();
    } else if (widget && hiddenByHost) {
        site->requestDisplay();
        widget->slotClockFormatChange("requestShow", QByteArray());
    } else {
        site->requestDisplay();
    }
}

HS_PLUGIN_EXPORT HSPlugin *createInstance(HSPluginHost *site)
{
    return new HSPluginClock(site);
}

HS_PLUGIN_EXPORT void destroyInstance(HSPlugin *plugin)
{
    delete plugin;
}

HS_PLUGIN_EXPORT int isActivated()
{
    // The style only matters to the external display: the home-screen clock always shows.
    ClockConfig::instance()->clockMode();
    ClockConfig::discard();
    return 1;
}
