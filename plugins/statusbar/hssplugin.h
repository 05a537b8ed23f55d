#ifndef HSSPLUGIN_H
#define HSSPLUGIN_H

#include <hsplugin.h>
#include <zheader.h>

#include <QPointer>

class HSPluginHost;

// The platform's status header, as a plugin; the platform draws its content.
class HSSStatusBarPluginWidget : public ZHeader
{
    Q_OBJECT
public:
    explicit HSSStatusBarPluginWidget(HSPluginHost *site);
};

// The status bar on the idle screen: a header over the container, reported at its standard
// size when the offered area holds it.
class HSSPlugin : public HSPlugin
{
public:
    explicit HSSPlugin(HSPluginHost *site);
    ~HSSPlugin() override;

    HSSPlugin(const HSSPlugin &) = delete;
    HSSPlugin &operator=(const HSSPlugin &) = delete;

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

    HSSStatusBarPluginWidget *widget() const { return m_widget; }

private:
    HSPluginHost *site;
    // The container owns the header too, and may be deleted before the plugin.
    QPointer<HSSStatusBarPluginWidget> m_widget;
};

#endif
