#ifndef FAKEPLUGINSITE_H
#define FAKEPLUGINSITE_H

#include <hspluginhost.h>
#include <qwallpaper.h>
#include <zglobal.h>

#include <QPainter>
#include <QRect>
#include <QStringList>
#include <QWidget>

// The host's side of one plugin, for plugin tests and benchmarks: a screen-sized window that
// shows the wallpaper, with the plugin's container on it at the area the host offers. Every
// request the plugin makes is recorded as one line ("requestGeometry 3,0 316x112",
// "requestDisplay", "listPlugins", ...). The answers are the host's: a rectangle inside the
// screen moves the container and is accepted, unless the test refuses geometry requests.
class FakePluginSite : public HSPluginHost
{
public:
    explicit FakePluginSite(const QString &frameworkName = QStringLiteral("Azaan"))
        : m_name(frameworkName)
        , m_plugins { frameworkName }
    {
        m_screen.setFixedSize(ZGlobal::getScreenR().size());
        m_container = new QWidget(&m_screen);
        m_container->setObjectName(QStringLiteral("container:") + frameworkName);
        m_container->setGeometry(offeredArea());
    }

    FakePluginSite(const FakePluginSite &) = delete;
    FakePluginSite &operator=(const FakePluginSite &) = delete;

    // The screen above the soft keys, as the host offers it.
    static QRect offeredArea()
    {
        const QRect screen = ZGlobal::getScreenR();
        return QRect(screen.topLeft(), QSize(screen.width(), ZGlobal::getCstR().top() - screen.top()));
    }

    QWidget *screen() { return &m_screen; }
    void setGeometryRefused(bool refused) { m_refuseGeometry = refused; }
    // What listPlugins answers; by default the framework name alone.
    void setPluginNames(const QStringList &names) { m_plugins = names; }

    const QStringList &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

    int requestGeometry(QRect *rect) override
    {
        m_requests << (rect ? QStringLiteral("requestGeometry %1,%2 %3x%4")
                                      .arg(rect->x())
                                      .arg(rect->y())
                                      .arg(rect->width())
                                      .arg(rect->height())
                            : QStringLiteral("requestGeometry null"));
        if (m_refuseGeometry || !rect || !rect->isValid() || !m_screen.rect().contains(*rect))
            return 0;
        m_container->setGeometry(*rect);
        return 1;
    }
    int requestFocus() override
    {
        m_requests << QStringLiteral("requestFocus");
        return 1;
    }
    int requestDisplay() override
    {
        m_requests << QStringLiteral("requestDisplay");
        m_container->show();
        return 1;
    }
    int requestHide() override
    {
        m_requests << QStringLiteral("requestHide");
        m_container->hide();
        return 1;
    }
    QWidget *containerWidget() override { return m_container; }
    QWidget *screenWidget() override { return &m_screen; }
    void listPlugins(QStringList &names) override
    {
        m_requests << QStringLiteral("listPlugins");
        names = m_plugins;
    }
    QString frameworkName() const override { return m_name; }

private:
    // The idle screen's background, so a grab shows what the plugin added to it.
    class Screen : public QWidget
    {
    protected:
        void paintEvent(QPaintEvent *) override
        {
            QPainter painter(this);
            const QPixmap wallpaper = QWallpaper::wallpaper();
            if (wallpaper.isNull())
                painter.fillRect(rect(), ZGlobal::backgroundColor());
            else
                painter.drawPixmap(0, 0, wallpaper);
        }
    };

    QString m_name;
    QStringList m_plugins;
    QStringList m_requests;
    bool m_refuseGeometry = false;
    Screen m_screen;
    QWidget *m_container;
};

#endif
