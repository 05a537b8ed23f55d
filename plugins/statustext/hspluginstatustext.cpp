#include "hspluginstatustext.h"

#include "statustextinfoengine.h"

#include <am_global.h>
#include <hspluginhost.h>
#include <hspluginlog.h>
#include <setup_utility.h>
#include <util_phone.h>
#include <vynchannels.h>
#include <zheader.h>
#include <zlog.h>
#include <zresource.h>

#include <QEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace {

HSPluginLog libraryLog;

} // namespace

HSPluginStatusText::HSPluginStatusText(HSPluginHost *site)
    : site(site)
    , engine(nullptr)
    , launcherChannel(nullptr)
    , theme(StatusTextTheme::read())
    , rightToLeft(false)
    , shownOnce(false)
    , layoutPending(true)
{
}

HSPluginStatusText::~HSPluginStatusText()
{
    // The container outlives the plugin: it must not call into a dead filter.
    if (QWidget *widget = container())
        widget->removeEventFilter(this);
}

QWidget *HSPluginStatusText::container() const
{
    return site ? site->containerWidget() : nullptr;
}

void HSPluginStatusText::initialize()
{
}

void HSPluginStatusText::activate()
{
    QWidget *widget = container();
    if (!widget) {
        qCWarning(libraryLog.category()) << "statustext: no container, nothing to show";
        return;
    }
    if (!engine)
        engine = new StatusTextInfoEngine(this);

    lineOneText.setParent(widget);
    lineTwoText.setParent(widget);
    // The buffer covers the whole container, so nothing needs to be erased first.
    widget->setAutoFillBackground(false);
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->installEventFilter(this);
    buffer = QPixmap(widget->size());

    for (ZMarqueeText *line : { &lineOneText, &lineTwoText })
        line->start(StatusTextTheme::scrollStep, StatusTextTheme::scrollInterval, StatusTextTheme::scrollStartDelay,
                    StatusTextTheme::scrollEndDelay, true);
    layoutLines();
    updateContainer();

    connect(engine, &StatusTextInfoEngine::sigLineOneTextChanged, this, &HSPluginStatusText::slotLineOneTextChanged,
            Qt::UniqueConnection);
    connect(engine, &StatusTextInfoEngine::sigLineTwoTextChanged, this, &HSPluginStatusText::slotLineTwoTextChanged,
            Qt::UniqueConnection);
    connect(engine, &StatusTextInfoEngine::sigOperatorIconChanged, this, &HSPluginStatusText::slotOperatorIconChanged,
            Qt::UniqueConnection);
    connect(engine, &StatusTextInfoEngine::sigShowStkIdleIcon, this, &HSPluginStatusText::slotShowStkIdleIcon,
            Qt::UniqueConnection);
    if (!launcherChannel) {
        launcherChannel = new QCopChannel(AM_Global::getLauncherChannel(), this);
        connect(launcherChannel, &QCopChannel::received, this, &HSPluginStatusText::slotWallPaperChanged);
    }
    shownOnce = true;
}

void HSPluginStatusText::deactivate()
{
    // The lines stay on screen and keep following the phone.
}

QString HSPluginStatusText::name()
{
    return RES_TEXT("TXT_RID_IDLE_STATUSTEXT_NAME", "Status Text");
}

int HSPluginStatusText::keyEvent(int &, int)
{
    return 1;
}

QRect HSPluginStatusText::geometry(const QRect &)
{
    theme = StatusTextTheme::read();
    const QRect rect = StatusTextTheme::panelGeometry(theme, ZHeader::headerSize(ZHeader::Standard).height());
    if (shownOnce) {
        buffer = QPixmap(rect.size());
        layoutPending = true;
        updateContainer();
    }
    return rect;
}

void HSPluginStatusText::focusCenter()
{
}

void HSPluginStatusText::focusAt(int, const QPoint &)
{
}

void HSPluginStatusText::focusOut(QPoint &)
{
}

QPoint HSPluginStatusText::focusPoint()
{
    return QPoint(0, 0);
}

void HSPluginStatusText::reserved()
{
}

void HSPluginStatusText::suspend(bool)
{
}

bool HSPluginStatusText::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *widget = container();
    if (widget && watched == widget && event->type() == QEvent::LanguageChange && engine && !languageRefreshPending) {
        // One notice per translation file: the lines afresh once they are all loaded.
        languageRefreshPending = true;
        QTimer::singleShot(0, this, [this] {
            languageRefreshPending = false;
            if (engine)
                engine->slotLanguageChanged();
        });
    }
    if (!widget || watched != widget || event->type() != QEvent::Paint)
        return QObject::eventFilter(watched, event);
    paintBuffer();
    QPainter painter(widget);
    painter.drawPixmap(QRect(QPoint(0, 0), widget->size()), buffer, QRect(QPoint(0, 0), widget->size()));
    return true;
}

void HSPluginStatusText::slotLineOneTextChanged()
{
    setLineTexts();
    layoutPending = true;
    updateContainer();
}

void HSPluginStatusText::slotLineTwoTextChanged()
{
    // A new line two also takes the toolkit icon away: the layout changes with it.
    setLineTexts();
    layoutPending = true;
    updateContainer();
}

void HSPluginStatusText::slotOperatorIconChanged()
{
    fullRefresh();
}

void HSPluginStatusText::slotShowStkIdleIcon()
{
    fullRefresh();
}

void HSPluginStatusText::slotWallPaperChanged(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::ShowWallPaper)
        fullRefresh();
}

void HSPluginStatusText::fullRefresh()
{
    theme = StatusTextTheme::read();
    layoutPending = true;
    setLineTexts();
    updateContainer();
}

void HSPluginStatusText::setLineTexts()
{
    if (!engine)
        return;
    lineOneText.setText(StatusTextPainter::shownLineOne(engine->lineOne(), !scene.operatorLogo.isNull()));
    lineTwoText.setText(engine->lineTwo());
}

void HSPluginStatusText::layoutLines()
{
    layoutPending = false;
    rightToLeft = HomeScreenTheme::isRightToLeft();
    scene = StatusTextPainter::Scene();
    scene.rightToLeft = rightToLeft;
    if (engine) {
        bool logos = false;
        SETUP_Utility::getFlexBit(StatusTextTheme::operatorLogoFlag, logos);
        if (logos && UTIL_GetOpeatorLogoStatus() == 1)
            scene.operatorLogo = engine->operatorLogo();
        if (engine->stkIconShown())
            scene.stkIcon = engine->stkIcon();
    }
    const int iconWidth = qMax(scene.operatorLogo.width(), scene.stkIcon.width());
    const QWidget *widget = container();
    const StatusTextPainter::LineRects rects =
            StatusTextPainter::layoutLines(widget ? widget->width() : 0, iconWidth, rightToLeft, theme);
    lineOneText.setGeometry(rects.lineOne);
    lineTwoText.setGeometry(rects.lineTwo);
    lineOneText.setFont(theme.font);
    lineTwoText.setFont(theme.font);
    setLineTexts();
}

void HSPluginStatusText::paintBuffer()
{
    QWidget *widget = container();
    if (!widget || !shownOnce)
        return;
    if (buffer.size() != widget->size())
        buffer = QPixmap(widget->size());
    if (buffer.isNull())
        return;
    if (layoutPending)
        layoutLines();
    StatusTextPainter::paint(buffer, widget, lineOneText, lineTwoText, scene, theme);
}

void HSPluginStatusText::updateContainer()
{
    if (QWidget *widget = container())
        widget->update();
}

HS_PLUGIN_EXPORT HSPlugin *createInstance(HSPluginHost *site)
{
    return new HSPluginStatusText(site);
}

HS_PLUGIN_EXPORT void destroyInstance(HSPlugin *plugin)
{
    delete plugin;
}

HS_PLUGIN_EXPORT int isActivated()
{
    return 1;
}
