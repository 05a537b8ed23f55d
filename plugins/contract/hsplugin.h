#ifndef HSPLUGIN_H
#define HSPLUGIN_H

#include <QPoint>
#include <QRect>
#include <QString>

class HSPluginHost;

// One area of the idle screen, driven by the home-screen host. The host calls these through
// the dispatch table, so their order is part of the binary contract: never reorder, insert
// or remove an operation.
class HSPlugin
{
public:
    virtual ~HSPlugin() {}

    virtual void initialize() = 0;
    virtual void activate() = 0;
    virtual void deactivate() = 0;
    virtual QString name() = 0;
    // 0: consumed, 1: the host handles the key. Plugins act on phases 0 and 2 only.
    virtual int keyEvent(int &phase, int key) = 0;
    // The plugin's rectangle in the container's parent coordinates; invalid when not shown.
    virtual QRect geometry(const QRect &area) = 0;
    virtual void focusCenter() = 0;
    virtual void focusAt(int, const QPoint &point) = 0;
    virtual void focusOut(QPoint &point) = 0;
    virtual QPoint focusPoint() = 0;
    virtual void reserved() = 0;
    virtual void suspend(bool on) = 0;
};

// Toolkit key codes that reach keyEvent.
enum HSPluginKey {
    HSKeySelect = 4100,
    HSKeyLeft = 4114,
    HSKeyUp = 4115,
    HSKeyRight = 4116,
    HSKeyDown = 4117,
};

// The invalid rectangle a plugin returns when it cannot be shown.
inline QRect hsInvalidRect()
{
    return QRect(QPoint(0, 0), QPoint(-1, -1));
}

// Every plugin library exports these three with C linkage; the host finds them with dlsym.
#define HS_PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

HS_PLUGIN_EXPORT HSPlugin *createInstance(HSPluginHost *site);
HS_PLUGIN_EXPORT void destroyInstance(HSPlugin *plugin);
HS_PLUGIN_EXPORT int isActivated();

typedef HSPlugin *(*HSCreateInstanceFunction)(HSPluginHost *site);
typedef void (*HSDestroyInstanceFunction)(HSPlugin *plugin);
typedef int (*HSIsActivatedFunction)();

#endif
