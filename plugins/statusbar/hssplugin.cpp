#include "hssplugin.h"

#include <hspluginhost.h>

#include <QWidget>

namespace {

const int widgetFlags = 2064;

QWidget *containerOf(HSPluginHost *site)
{
    return site ? site->containerWidget() : nullptr;
}

} // namespace

HSSStatusBarPluginWidget::HSSStatusBarPluginWidget(HSPluginHost *site)
    : ZHeader(ZHeader::Standard, containerOf(site), "header", widgetFlags)
{
    if (QWidget *container = containerOf(site))
        setFixedSize(container->width(), container->height());
}

HSSPlugin::HSSPlugin(HSPluginHost *site)
    : site(site)
{
}

HSSPlugin::~HSSPlugin()
{
    delete m_widget.data();
}

void HSSPlugin::initialize()
{
    if (!site)
        return;
    if (!m_widget) {
        // Without a container there is nothing to put the header on.
        if (!site->containerWidget())
            return;
        m_widget = new HSSStatusBarPluginWidget(site);
    }
    m_widget->show();
    m_widget->raise();
}

void HSSPlugin::activate()
{
}

void HSSPlugin::deactivate()
{
}

QString HSSPlugin::name()
{
    return QStringLiteral("abc");
}

int HSSPlugin::keyEvent(int &, int)
{
    return 1;
}

QRect HSSPlugin::geometry(const QRect &area)
{
    const QSize size = ZHeader::headerSize(ZHeader::Standard);
    const QRect header(QPoint(0, 0), QPoint(size.width() - 1, size.height() - 1));
    return area.contains(header) ? header : hsInvalidRect();
}

void HSSPlugin::focusCenter()
{
}

void HSSPlugin::focusAt(int, const QPoint &)
{
}

void HSSPlugin::focusOut(QPoint &)
{
}

QPoint HSSPlugin::focusPoint()
{
    return QPoint(0, 0);
}

void HSSPlugin::reserved()
{
}

void HSSPlugin::suspend(bool)
{
}

HS_PLUGIN_EXPORT HSPlugin *createInstance(HSPluginHost *site)
{
    return new HSSPlugin(site);
}

HS_PLUGIN_EXPORT void destroyInstance(HSPlugin *plugin)
{
    delete plugin;
}

HS_PLUGIN_EXPORT int isActivated()
{
    return 1;
}
