#ifndef HSPLUGINHOST_H
#define HSPLUGINHOST_H

#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

// The host's site object, one per plugin. Plugins keep the pointer and never own it. They
// call it through the dispatch table, so the order of the operations is binding; the
// host-only operations between the four that plugins use keep their places too.
class HSPluginHost
{
public:
    virtual ~HSPluginHost() {}

    // Non-zero when the host accepts the proposed rectangle and moves the container there.
    virtual int requestGeometry(QRect *rect) = 0;
    // Host-only: the plugin wants the key focus. Non-zero when it got it.
    virtual int requestFocus() { return 0; }
    // Asks the host to show the plugin again; the result is not used.
    virtual int requestDisplay() = 0;
    // Host-only: the plugin wants to be hidden.
    virtual int requestHide() { return 0; }
    // The widget the host reserves for this plugin.
    virtual QWidget *containerWidget() = 0;
    // Host-only: the idle screen that holds every container.
    virtual QWidget *screenWidget() { return nullptr; }
    // Names of the plugins the host shows.
    virtual void listPlugins(QStringList &names) = 0;
    // Host-only: the framework name ("Azaan", "Clock", ...) the host knows this plugin by.
    virtual QString frameworkName() const { return QString(); }
};

#endif
