#ifndef HSPLUGINSHORTCUT_H
#define HSPLUGINSHORTCUT_H

#include "hsscpluginwidget.h"

#include <hsplugin.h>

#include <QObject>
#include <QPoint>
#include <QPointer>

class HSPluginHost;
class HSPluginShortcutSetup;


// Four application shortcuts on the direction keys, drawn as a cross. Creating and destroying
// the plugin reads no file: the shared settings object is taken on first need.
class HSPluginShortcut : public QObject, public HSPlugin
{
    Q_OBJECT
    // Whether the shared settings object (and so the files) has been touched yet.
    Q_PROPERTY(bool setupTaken READ setupTaken)
public:
    explicit HSPluginShortcut(HSPluginHost *site);
    ~HSPluginShortcut() override;

    void initialize() override;
    void activate() override;
    void deactivate() override;
    QString name() override;
    int keyEvent(int &phase, int key) override;
    QRect geometry(const QRect &area) override;
    void focusCenter() override;
    void focusAt(int, const QPoint &point) override;
    void focusOut(QPoint &point) override;
    QPoint focusPoint() override;
    void reserved() override;
    void suspend(bool on) override;

    HSSCQuadStylePluginWidget *widget() const { return m_widget; }
    bool setupTaken() const { return setup != nullptr; }

private:
    HSPluginShortcutSetup *takeSetup();

    HSPluginHost *site;
    int focusX = 0;
    int focusY = 0;
    HSPluginShortcutSetup *setup = nullptr;
    // The container owns the widget; it may go first.
    QPointer<HSSCQuadStylePluginWidget> m_widget;
};

#endif
