#include "hspluginshortcut.h"

#include "hspluginshortcutsetup.h"
#include "hsscpluginwidget.h"

#include <hspluginhost.h>
#include <hspluginlog.h>
#include <zlog.h>

#include <QWidget>

namespace {

HSPluginLog libraryLog;

} // namespace

HSPluginShortcut::HSPluginShortcut(HSPluginHost *site)
    : site(site)
{
}

HSPluginShortcut::~HSPluginShortcut()
{
    delete m_widget.data();
    if (setup)
        HSPluginShortcutSetup::releaseInstance();
}

HSPluginShortcutSetup *HSPluginShortcut::takeSetup()
{
    if (!setup) {
        libraryLog.category();
        setup = HSPluginShortcutSetup::getInstance();
    }
    return setup;
}

void HSPluginShortcut::initialize()
{
    QWidget *container = site ? site->containerWidget() : nullptr;
    if (!container || m_widget || !takeSetup())
        return;
    m_widget = new HSSCQuadStylePluginWidget(container);
    connect(setup, &HSPluginShortcutSetup::sigStateChange, m_widget.data(), &HSSCQuadStylePluginWidget::slotRePaint);
    m_widget->setGeometry(QRect(QPoint(0, 0), QPoint(container->width() - 1, container->height() - 1)));
    m_widget->show();
    m_widget->slotRePaint();
}

void HSPluginShortcut::activate()
{
    if (m_widget)
        m_widget->slotRePaint();
}

void HSPluginShortcut::deactivate()
{
}

QString HSPluginShortcut::name()
{
    return takeSetup() ? setup->title() : QString();
}

int HSPluginShortcut::keyEvent(int &phase, int key)
{
    return m_widget ? m_widget->keyEvent(phase, key) : 1;
}

QRect HSPluginShortcut::geometry(const QRect &area)
{
    if (!takeSetup())
        return hsInvalidRect();
    const QRect rect = setup->layout(area);
    if (m_widget)
        m_widget->slotRePaint();
    return rect;
}

void HSPluginShortcut::focusCenter()
{
    if (!m_widget)
        return;
    focusX = m_widget->x() + m_widget->width() / 2;
    focusY = m_widget->y() + m_widget->height() / 2;
    m_widget->slotRePaint();
}

void HSPluginShortcut::focusAt(int, const QPoint &point)
{
    if (!m_widget)
        return;
    const int x = m_widget->x();
    const int y = m_widget->y();
    const bool insideX = x <= point.x() && point.x() <= x + m_widget->width();
    const bool insideY = y <= point.y() && point.y() <= y + m_widget->height();
    if (insideX && insideY) {
        focusX = point.x();
        focusY = point.y();
    } else if (insideY) {
        focusX = x + m_widget->width() / 2;
        focusY = point.y();
    } else if (insideX) {
        focusX = point.x();
        focusY = y + m_widget->height() / 2;
    } else {
        focusCenter();
    }
}

void HSPluginShortcut::focusOut(QPoint &point)
{
    point = QPoint(focusX, focusY);
    if (m_widget)
        m_widget->dropHighlight();
}

QPoint HSPluginShortcut::focusPoint()
{
    return QPoint(focusX, focusY);
}

void HSPluginShortcut::reserved()
{
}

void HSPluginShortcut::suspend(bool)
{
}

HS_PLUGIN_EXPORT HSPlugin *createInstance(HSPluginHost *site)
{
    return new HSPluginShortcut(site);
}

HS_PLUGIN_EXPORT void destroyInstance(HSPlugin *plugin)
{
    delete plugin;
}

HS_PLUGIN_EXPORT int isActivated()
{
    return 1;
}
