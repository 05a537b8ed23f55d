#include "hspluginsite.h"
#include "homescreenhost.h"

HSPluginSite::HSPluginSite(HomeScreenHost *host, const QString &name)
    : m_host(host)
    , m_name(name)
    , m_container(new QWidget(host))
{
    m_container->setObjectName(QStringLiteral("container:") + name);
    m_container->setGeometry(host->offeredArea());
    m_container->hide();
}

HSPluginSite::~HSPluginSite()
{
    // Plugins parent their own widgets to the container; they go now, while their code is
    // still loaded.
    delete m_container.data();
}

int HSPluginSite::requestGeometry(QRect *rect)
{
    return m_host->siteRequestGeometry(this, rect);
}

int HSPluginSite::requestFocus()
{
    return m_host->siteRequestFocus(this);
}

int HSPluginSite::requestDisplay()
{
    return m_host->siteRequestDisplay(this);
}

int HSPluginSite::requestHide()
{
    return m_host->siteRequestHide(this);
}

QWidget *HSPluginSite::containerWidget()
{
    return m_container.data();
}

QWidget *HSPluginSite::screenWidget()
{
    return m_host;
}

void HSPluginSite::listPlugins(QStringList &names)
{
    names = m_host->shownPlugins();
}

QString HSPluginSite::frameworkName() const
{
    return m_name;
}
