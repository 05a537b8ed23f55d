#include <hsplugin.h>
#include <hspluginhost.h>

#include "testdevice.h"

#include <QDir>
#include <QImage>
#include <QWidget>
#include <QtTest>

#include <dlfcn.h>

namespace {

// A site as the host gives it: a container on a screen-sized parent.
class ContractSite : public HSPluginHost
{
public:
    ContractSite()
    {
        m_screen.setFixedSize(320, 240);
        m_container = new QWidget(&m_screen);
        m_container->setGeometry(offeredArea());
    }

    static QRect offeredArea() { return QRect(0, 0, 320, 202); }

    int requestGeometry(QRect *rect) override
    {
        if (!rect || !rect->isValid() || !m_screen.rect().contains(*rect))
            return 0;
        m_container->setGeometry(*rect);
        return 1;
    }
    int requestDisplay() override
    {
        m_container->show();
        return 1;
    }
    QWidget *containerWidget() override { return m_container; }
    QWidget *screenWidget() override { return &m_screen; }
    void listPlugins(QStringList &names) override { names = QStringList { QStringLiteral("Azaan") }; }

    QWidget *screen() { return &m_screen; }

private:
    QWidget m_screen;
    QWidget *m_container;
};

struct Library
{
    explicit Library(const QString &path)
        : handle(dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL))
    {
    }
    ~Library()
    {
        if (handle)
            dlclose(handle);
    }
    void *symbol(const char *name) const { return handle ? dlsym(handle, name) : nullptr; }

    void *handle;
};

} // namespace

// Every plugin library of the build (VYN_TEST_LIB_DIR/*_plugin.so) against the contract
// between host and plugin: the exports, the twelve operations and the lifecycle.
class tst_PluginContract : public QObject
{
    Q_OBJECT

private slots:
    void drivesEveryOperation_data();
    void drivesEveryOperation();
};

void tst_PluginContract::drivesEveryOperation_data()
{
    QTest::addColumn<QString>("path");
    const QDir libs(QStringLiteral(VYN_TEST_LIB_DIR));
    const QStringList plugins = libs.entryList({ QStringLiteral("*_plugin.so") }, QDir::Files, QDir::Name);
    if (plugins.isEmpty())
        QSKIP("no plugin library built yet");
    for (const QString &plugin : plugins)
        QTest::newRow(qPrintable(plugin)) << libs.filePath(plugin);
}

void tst_PluginContract::drivesEveryOperation()
{
    QFETCH(QString, path);
    TestDevice device;
    Library library(path);
    QVERIFY2(library.handle, dlerror());

    auto create = reinterpret_cast<HSCreateInstanceFunction>(library.symbol("createInstance"));
    auto destroy = reinterpret_cast<HSDestroyInstanceFunction>(library.symbol("destroyInstance"));
    auto activated = reinterpret_cast<HSIsActivatedFunction>(library.symbol("isActivated"));
    QVERIFY(create);
    QVERIFY(destroy);
    QVERIFY(activated);

    activated();
    destroy(nullptr);

    ContractSite site;
    QWidget *container = site.containerWidget();
    HSPlugin *plugin = create(&site);
    QVERIFY(plugin);

    // Before initialize nothing is built: name and geometry are pure queries.
    plugin->name();
    const QRect rect = plugin->geometry(ContractSite::offeredArea());
    QVERIFY2(container->children().isEmpty(), "the plugin built something before initialize");
    if (rect.isValid())
        container->setGeometry(rect);

    plugin->initialize();
    plugin->activate();
    site.screen()->show();
    QVERIFY(!site.screen()->grab().isNull());

    // Phase 1 goes back to the host, whatever the key.
    for (int key : { 4100, 4114, 4115, 4116, 4117, 32 }) {
        int phase = 1;
        QCOMPARE(plugin->keyEvent(phase, key), 1);
    }
    int phase = 0;
    const int result = plugin->keyEvent(phase, 32);
    QVERIFY(result == 0 || result == 1);

    plugin->focusCenter();
    plugin->focusAt(0, QPoint(5, 5));
    QPoint point;
    plugin->focusOut(point);
    plugin->focusPoint();
    plugin->reserved();
    plugin->suspend(true);
    plugin->suspend(false);
    plugin->geometry(ContractSite::offeredArea());
    QVERIFY(!site.screen()->grab().isNull());
    QCoreApplication::processEvents();

    plugin->deactivate();
    destroy(plugin);
    destroy(nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(tst_PluginContract)
#include "tst_plugincontract.moc"
