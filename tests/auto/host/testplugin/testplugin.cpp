// A plugin that records every call it gets, for the host tests. Built several times under
// different names (TEST_PLUGIN_NAME).
#include "testplugin.h"

#include <hsplugin.h>
#include <hspluginhost.h>
#include <zheadless.h>

#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace {

TestPluginBehaviour &behaviour()
{
    static TestPluginBehaviour current = { nullptr, 1, 0, 0, 40, 160, 40, 0, 0, 0 };
    return current;
}

void record(const QString &line)
{
    if (behaviour().log)
        behaviour().log((QStringLiteral(TEST_PLUGIN_NAME " ") + line).toUtf8().constData());
}

QString pointText(const QPoint &point)
{
    return QStringLiteral("%1,%2").arg(point.x()).arg(point.y());
}

unsigned keyBit(int key)
{
    switch (key) {
    case HSKeyUp:
        return TestKeyUp;
    case HSKeyDown:
        return TestKeyDown;
    case HSKeyLeft:
        return TestKeyLeft;
    case HSKeyRight:
        return TestKeyRight;
    case HSKeySelect:
        return TestKeySelect;
    default:
        return 0;
    }
}

// What the plugin shows: a translucent box with its name.
class TestView : public QWidget
{
public:
    explicit TestView(QWidget *parent)
        : QWidget(parent)
    {
        ZHeadless::setDumpText(this, QStringLiteral(TEST_PLUGIN_NAME " active"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0, 0, 0, 90));
        painter.setPen(Qt::white);
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral(TEST_PLUGIN_NAME));
    }
};

class TestPlugin : public QObject, public HSPlugin
{
public:
    explicit TestPlugin(HSPluginHost *site)
        : m_site(site)
        , m_focus(behaviour().focusX, behaviour().focusY)
    {
        record(QStringLiteral("create"));
    }

    ~TestPlugin() override
    {
        record(QStringLiteral("destroy"));
        delete m_view.data();
    }

    void initialize() override { record(QStringLiteral("initialize")); }

    void activate() override
    {
        record(QStringLiteral("activate"));
        QWidget *container = m_site ? m_site->containerWidget() : nullptr;
        if (!container)
            return;
        if (!m_view)
            m_view = new TestView(container);
        m_view->setGeometry(container->rect());
        m_view->show();
    }

    void deactivate() override { record(QStringLiteral("deactivate")); }

    QString name() override { return QStringLiteral(TEST_PLUGIN_NAME); }

    int keyEvent(int &phase, int key) override
    {
        record(QStringLiteral("key %1 %2").arg(key).arg(phase));
        if (phase != 0 && phase != 2)
            return 1;
        return (behaviour().consumedKeys & keyBit(key)) ? 0 : 1;
    }

    QRect geometry(const QRect &area) override
    {
        record(QStringLiteral("geometry %1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height()));
        const TestPluginBehaviour &b = behaviour();
        if (b.width <= 0 || b.height <= 0)
            return hsInvalidRect();
        return QRect(b.x, b.y, b.width, b.height);
    }

    void focusCenter() override
    {
        record(QStringLiteral("focusCenter"));
        m_focus = QPoint(behaviour().width / 2, behaviour().height / 2);
    }

    void focusAt(int, const QPoint &point) override
    {
        record(QStringLiteral("focusAt ") + pointText(point));
        m_focus = point;
    }

    void focusOut(QPoint &point) override
    {
        record(QStringLiteral("focusOut"));
        point = m_focus;
    }

    QPoint focusPoint() override { return m_focus; }

    void reserved() override { record(QStringLiteral("reserved")); }

    void suspend(bool on) override { record(QStringLiteral("suspend %1").arg(on ? 1 : 0)); }

private:
    HSPluginHost *m_site;
    QPoint m_focus;
    QPointer<QWidget> m_view;
};

} // namespace

HS_PLUGIN_EXPORT HSPlugin *createInstance(HSPluginHost *site)
{
    if (behaviour().nullInstance) {
        record(QStringLiteral("create null"));
        return nullptr;
    }
    return new TestPlugin(site);
}

HS_PLUGIN_EXPORT void destroyInstance(HSPlugin *plugin)
{
    delete plugin;
}

HS_PLUGIN_EXPORT int isActivated()
{
    record(QStringLiteral("isActivated"));
    return behaviour().activated;
}

extern "C" __attribute__((visibility("default"))) void testPluginSetup(const TestPluginBehaviour *setup)
{
    behaviour() = setup ? *setup : TestPluginBehaviour { nullptr, 1, 0, 0, 40, 160, 40, 0, 0, 0 };
}
