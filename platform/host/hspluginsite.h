#ifndef HSPLUGINSITE_H
#define HSPLUGINSITE_H

#include <hspluginhost.h>

#include <QPointer>
#include <QWidget>

class HomeScreenHost;

// The site the host hands to one plugin: its container widget on the idle screen and the way
// back to the host. The container goes with the site.
class HSPluginSite : public HSPluginHost
{
public:
    HSPluginSite(HomeScreenHost *host, const QString &name);
    ~HSPluginSite() override;

    HSPluginSite(const HSPluginSite &) = delete;
    HSPluginSite &operator=(const HSPluginSite &) = delete;

    int requestGeometry(QRect *rect) override;
    int requestFocus() override;
    int requestDisplay() override;
    int requestHide() override;
    QWidget *containerWidget() override;
    QWidget *screenWidget() override;
    void listPlugins(QStringList &names) override;
    QString frameworkName() const override;

private:
    HomeScreenHost *m_host;
    QString m_name;
    QPointer<QWidget> m_container;
};

#endif
