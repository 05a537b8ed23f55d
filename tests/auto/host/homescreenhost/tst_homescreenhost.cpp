#include "homescreenhost.h"
#include "testplugin.h"

#include <hspluginhost.h>
#include <hspluginlibrary.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <zglobal.h>
#include <zresource.h>

#include "screendump.h"
#include "testdevice.h"

#include <QImage>
#include <QPointer>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include <map>
#include <memory>

Q_DECLARE_METATYPE(QList<int>)

namespace {

QStringList &pluginLog()
{
    static QStringList lines;
    return lines;
}

void logLine(const char *line)
{
    pluginLog() << QString::fromUtf8(line);
}

const char configPath[] = "/usr/SYSqtapp/homescreen/test_hsframework.cfg";

TestPluginBehaviour behaviour(int y, int activated = 1)
{
    return TestPluginBehaviour { logLine, activated, 0, 0, y, 160, 40, 0, 0, 0 };
}

// "AREA" in an expected call stands for the area the host offers.
QStringList withArea(QStringList calls, const QRect &area)
{
    const QString text = QStringLiteral("%1,%2 %3x%4").arg(area.x()).arg(area.y()).arg(area.width()).arg(area.height());
    calls.replaceInStrings(QStringLiteral("AREA"), text);
    return calls;
}

QByteArray namePayload(const QString &name)
{
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream << name;
    return data;
}

} // namespace

// The host loads the test plugin libraries (libtestone_plugin.so and friends, which record
// every call) from a plugin folder of the test's own.
class tst_HomeScreenHost : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void loadsInConfiguredOrder();
    void skipsBrokenEntries_data();
    void skipsBrokenEntries();
    void hidesPluginWithoutRectangle();
    void refusesLibraryPaths_data();
    void refusesLibraryPaths();
    void placesNonsenseGeometryNowhere_data();
    void placesNonsenseGeometryNowhere();
    void routesKeys_data();
    void routesKeys();
    void followsFrameworkChannel_data();
    void followsFrameworkChannel();
    void suspendsWhileHidden();
    void shutsDownLastFirst();
    void siteOperations();
    void passesOverPluginsWithoutFocus();
    void freeAreaLayer_data();
    void freeAreaLayer();
    void headlessRun();
    void followsLanguageChange();
    void firstStartInTheDisplayLanguage();
    void commandLine_data();
    void commandLine();

private:
    void setBehaviour(const char *library, const TestPluginBehaviour &behaviour);
    void writeConfig(const QStringList &libraries);
    std::unique_ptr<HomeScreenHost> startHost();
    QString pluginDir() const { return m_pluginDir.path(); }

    QTemporaryDir m_pluginDir;
    std::map<QByteArray, std::unique_ptr<HSPluginLibrary>> m_handles;
    std::unique_ptr<TestDevice> m_device;
};

void tst_HomeScreenHost::initTestCase()
{
    QVERIFY(m_pluginDir.isValid());
    const QDir libs(QStringLiteral(VYN_TEST_LIB_DIR));
    for (const char *library : { "libtestone_plugin.so", "libtesttwo_plugin.so", "libtestthree_plugin.so",
                                 "libtest_noexports.so" }) {
        const QString name = QString::fromLatin1(library);
        QVERIFY2(QFile::link(libs.filePath(name), m_pluginDir.filePath(name)), library);
    }
    for (const char *library : { "libhalf_exports.so", "libunresolved.so" }) {
        const QString name = QString::fromLatin1(library);
        QVERIFY2(QFile::link(QStringLiteral(VYN_BROKEN_LIB_DIR "/") + name, m_pluginDir.filePath(name)), library);
    }
    QFile junk(m_pluginDir.filePath(QStringLiteral("libjunk_plugin.so")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a shared library\n");
    junk.close();

    // The test's own handles: the host's dlopen gets the same library, so the behaviour set
    // here is what the host sees.
    for (const char *library : { "libtestone_plugin.so", "libtesttwo_plugin.so", "libtestthree_plugin.so" }) {
        auto handle = std::make_unique<HSPluginLibrary>(m_pluginDir.filePath(QString::fromLatin1(library)));
        QVERIFY2(handle->isLoaded(), qPrintable(handle->errorString()));
        m_handles[library] = std::move(handle);
    }
}

void tst_HomeScreenHost::init()
{
    m_device = std::make_unique<TestDevice>();
    pluginLog().clear();
    setBehaviour("libtestone_plugin.so", behaviour(40));
    setBehaviour("libtesttwo_plugin.so", behaviour(100));
    setBehaviour("libtestthree_plugin.so", behaviour(150));
}

void tst_HomeScreenHost::cleanup()
{
    for (const auto &handle : m_handles)
        handle.second->function<TestPluginSetupFunction>("testPluginSetup")(nullptr);
    m_device.reset();
}

void tst_HomeScreenHost::cleanupTestCase()
{
    m_handles.clear();
}

void tst_HomeScreenHost::setBehaviour(const char *library, const TestPluginBehaviour &behaviour)
{
    const auto handle = m_handles.find(library);
    QVERIFY(handle != m_handles.end());
    auto setup = handle->second->function<TestPluginSetupFunction>("testPluginSetup");
    QVERIFY(setup);
    setup(&behaviour);
}

void tst_HomeScreenHost::writeConfig(const QStringList &libraries)
{
    QByteArray text = "[Plugins]\nList=" + libraries.join(QLatin1Char(';')).toUtf8() + "\n";
    for (const char *name : { "One", "Two", "Three" })
        text += QByteArray("[libtest") + QByteArray(name).toLower() + "_plugin.so]\nName=Test" + name + "\n";
    QVERIFY(m_device->writeFile(QString::fromLatin1(configPath), text));
}

std::unique_ptr<HomeScreenHost> tst_HomeScreenHost::startHost()
{
    auto host = std::make_unique<HomeScreenHost>(
            HomeScreenHost::Options { QString::fromLatin1(configPath), pluginDir() });
    host->start();
    return host;
}

void tst_HomeScreenHost::loadsInConfiguredOrder()
{
    writeConfig({ "libtestthree_plugin.so", "libtestone_plugin.so", "libtesttwo_plugin.so" });
    auto host = startHost();

    QCOMPARE(host->offeredArea(), QRect(0, 0, 320, ZGlobal::getCstR().top()));
    const QString area = QStringLiteral("geometry AREA");
    QStringList expected;
    for (const char *name : { "TestThree", "TestOne", "TestTwo" }) {
        const QString prefix = QString::fromLatin1(name) + QLatin1Char(' ');
        expected << prefix + "create" << prefix + "isActivated" << prefix + area << prefix + "initialize"
                 << prefix + "activate";
    }
    QCOMPARE(pluginLog(), withArea(expected, host->offeredArea()));
    QCOMPARE(host->loadedPlugins(), QStringList({ "TestThree", "TestOne", "TestTwo" }));
    // Screen order, top to bottom, whatever the loading order.
    QCOMPARE(host->shownPlugins(), QStringList({ "TestOne", "TestTwo", "TestThree" }));
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestOne"));

    QWidget *container = host->container(QStringLiteral("TestTwo"));
    QVERIFY(container);
    QCOMPARE(container->parentWidget(), host.get());
    QCOMPARE(container->geometry(), QRect(0, 100, 160, 40));
    QVERIFY(!container->isHidden());

    const QStringList dump = ScreenDump::lines(host.get());
    QVERIFY2(dump.contains(QStringLiteral("TestThree active")), qPrintable(dump.join(QLatin1Char('|'))));
    QVERIFY(dump.contains(QStringLiteral("[Menu] ... [Contacts]")));
}

void tst_HomeScreenHost::skipsBrokenEntries_data()
{
    QTest::addColumn<QStringList>("libraries");
    QTest::addColumn<int>("twoNull");
    QTest::addColumn<int>("twoActivated");
    QTest::addColumn<QStringList>("loaded");

    const QString one = QStringLiteral("libtestone_plugin.so");
    const QStringList onlyOne { QStringLiteral("TestOne") };
    QTest::newRow("missing library") << QStringList { "libmissing_plugin.so", one } << 0 << 1 << onlyOne;
    QTest::newRow("library without exports") << QStringList { "libtest_noexports.so", one } << 0 << 1 << onlyOne;
    QTest::newRow("not a library") << QStringList { "libjunk_plugin.so", one } << 0 << 1 << onlyOne;
    QTest::newRow("relative path instead of a name") << QStringList { "../lib/libtesttwo_plugin.so", one } << 0 << 1
                                                     << onlyOne;
    QTest::newRow("half the exports") << QStringList { "libhalf_exports.so", one } << 0 << 1 << onlyOne;
    QTest::newRow("unresolved symbol") << QStringList { "libunresolved.so", one } << 0 << 1 << onlyOne;
    QTest::newRow("null instance") << QStringList { "libtesttwo_plugin.so", one } << 1 << 1 << onlyOne;
    QTest::newRow("switched off") << QStringList { "libtesttwo_plugin.so", one } << 0 << 0
                                  << QStringList { "TestTwo", "TestOne" };
}

void tst_HomeScreenHost::skipsBrokenEntries()
{
    QFETCH(QStringList, libraries);
    QFETCH(int, twoNull);
    QFETCH(int, twoActivated);
    QFETCH(QStringList, loaded);

    TestPluginBehaviour two = behaviour(100, twoActivated);
    two.nullInstance = twoNull;
    setBehaviour("libtesttwo_plugin.so", two);
    writeConfig(libraries);
    auto host = startHost();

    QCOMPARE(host->loadedPlugins(), loaded);
    QCOMPARE(host->shownPlugins(), QStringList { QStringLiteral("TestOne") });
    QVERIFY(pluginLog().contains(QStringLiteral("TestOne activate")));
    // Nothing of a plugin that is not shown is built.
    for (const QString &line : pluginLog()) {
        QVERIFY2(!line.startsWith(QLatin1String("TestTwo")) || line.endsWith(QLatin1String("create"))
                         || line.endsWith(QLatin1String("create null"))
                         || line.endsWith(QLatin1String("isActivated")),
                 qPrintable(line));
    }
}

void tst_HomeScreenHost::hidesPluginWithoutRectangle()
{
    TestPluginBehaviour one = behaviour(40);
    one.width = 0;
    setBehaviour("libtestone_plugin.so", one);
    writeConfig({ "libtestone_plugin.so", "libtesttwo_plugin.so" });
    auto host = startHost();

    QVERIFY(pluginLog().contains(QStringLiteral("TestOne activate")));
    QVERIFY(host->container(QStringLiteral("TestOne"))->isHidden());
    QCOMPARE(host->shownPlugins(), QStringList { QStringLiteral("TestTwo") });
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestTwo"));
}

void tst_HomeScreenHost::refusesLibraryPaths_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<bool>("loads");

    QTest::newRow("absolute, in the plugin folder") << pluginDir() + "/libtesttwo_plugin.so" << true;
    QTest::newRow("absolute, in the library folder") << QStringLiteral(VYN_TEST_LIB_DIR "/libtesttwo_plugin.so") << true;
    QTest::newRow("absolute, leaving the folder with ..")
            << pluginDir() + "/../" + QFileInfo(pluginDir()).fileName() + "/libtesttwo_plugin.so" << true;
    QTest::newRow("absolute, elsewhere") << QStringLiteral("OUTSIDE") << false;
    QTest::newRow("absolute, missing") << pluginDir() + "/libmissing_plugin.so" << false;
    QTest::newRow("relative with a folder") << QStringLiteral("./libtesttwo_plugin.so") << false;
    QTest::newRow("parent folder") << QStringLiteral("..") << false;
}

void tst_HomeScreenHost::refusesLibraryPaths()
{
    QFETCH(QString, library);
    QFETCH(bool, loads);

    // A copy of a good plugin outside every trusted folder.
    QTemporaryDir elsewhere;
    if (library == QLatin1String("OUTSIDE")) {
        library = elsewhere.filePath(QStringLiteral("libtesttwo_plugin.so"));
        QVERIFY(QFile::copy(QStringLiteral(VYN_TEST_LIB_DIR "/libtesttwo_plugin.so"), library));
    }
    writeConfig({ library, "libtestone_plugin.so" });
    QByteArray text = m_device->readFile(QString::fromLatin1(configPath));
    text += "[" + library.toUtf8() + "]\nName=TestTwo\n";
    QVERIFY(m_device->writeFile(QString::fromLatin1(configPath), text));
    if (!loads)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^skipping ")));
    auto host = startHost();

    QCOMPARE(host->loadedPlugins().contains(QStringLiteral("TestTwo")), loads);
    QVERIFY(host->loadedPlugins().contains(QStringLiteral("TestOne")));
}

void tst_HomeScreenHost::placesNonsenseGeometryNowhere_data()
{
    QTest::addColumn<QRect>("rect");

    QTest::newRow("negative") << QRect(-20, 40, 160, 40);
    QTest::newRow("huge") << QRect(0, 40, 1 << 30, 1 << 30);
    QTest::newRow("below the screen") << QRect(0, 5000, 160, 40);
    QTest::newRow("partly off the right edge") << QRect(300, 40, 160, 40);
}

void tst_HomeScreenHost::placesNonsenseGeometryNowhere()
{
    QFETCH(QRect, rect);

    TestPluginBehaviour one = behaviour(rect.y());
    one.x = rect.x();
    one.width = rect.width();
    one.height = rect.height();
    setBehaviour("libtestone_plugin.so", one);
    writeConfig({ "libtestone_plugin.so", "libtesttwo_plugin.so" });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("TestOne.*outside the screen")));
    auto host = startHost();

    QVERIFY(host->container(QStringLiteral("TestOne"))->isHidden());
    QCOMPARE(host->shownPlugins(), QStringList { QStringLiteral("TestTwo") });
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestTwo"));
}

void tst_HomeScreenHost::routesKeys_data()
{
    QTest::addColumn<uint>("oneConsumes");
    QTest::addColumn<QPoint>("oneFocus");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("calls");

    // TestOne sits at y 40, TestTwo at y 100; TestTwo is loaded first.
    const QString one = QStringLiteral("TestOne");
    const QString two = QStringLiteral("TestTwo");
    QTest::newRow("consumed key stays") << uint(TestKeyDown) << QPoint() << QList<int> { Qt::Key_Down } << one
                                        << QStringList { "TestOne key 4117 0" };
    QTest::newRow("passed down moves on")
            << 0u << QPoint() << QList<int> { Qt::Key_Down } << two
            << QStringList { "TestOne key 4117 0", "TestOne focusOut", "TestTwo focusCenter" };
    QTest::newRow("passed right moves on")
            << 0u << QPoint() << QList<int> { Qt::Key_Right } << two
            << QStringList { "TestOne key 4116 0", "TestOne focusOut", "TestTwo focusCenter" };
    QTest::newRow("focus point carried across")
            << 0u << QPoint(10, 50) << QList<int> { Qt::Key_Down } << two
            << QStringList { "TestOne key 4117 0", "TestOne focusOut", "TestTwo focusAt 10,-10" };
    QTest::newRow("down then up")
            << 0u << QPoint() << QList<int> { Qt::Key_Down, Qt::Key_Up } << one
            << QStringList { "TestOne key 4117 0", "TestOne focusOut", "TestTwo focusCenter", "TestTwo key 4115 0",
                             "TestTwo focusOut", "TestOne focusAt 80,80" };
    QTest::newRow("up at the top stays") << 0u << QPoint() << QList<int> { Qt::Key_Up } << one
                                         << QStringList { "TestOne key 4115 0" };
    QTest::newRow("left at the top stays") << 0u << QPoint() << QList<int> { Qt::Key_Left } << one
                                           << QStringList { "TestOne key 4114 0" };
    QTest::newRow("down at the bottom stays")
            << 0u << QPoint() << QList<int> { Qt::Key_Down, Qt::Key_Down } << two
            << QStringList { "TestOne key 4117 0", "TestOne focusOut", "TestTwo focusCenter", "TestTwo key 4117 0" };
    QTest::newRow("select passed on does not move") << 0u << QPoint() << QList<int> { Qt::Key_Return } << one
                                                    << QStringList { "TestOne key 4100 0" };
    QTest::newRow("enter is select") << uint(TestKeySelect) << QPoint() << QList<int> { Qt::Key_Enter } << one
                                     << QStringList { "TestOne key 4100 0" };
    QTest::newRow("other keys stay with the host") << 0u << QPoint() << QList<int> { Qt::Key_A, Qt::Key_F1 }
                                                   << one << QStringList();
}

void tst_HomeScreenHost::routesKeys()
{
    QFETCH(uint, oneConsumes);
    QFETCH(QPoint, oneFocus);
    QFETCH(QList<int>, keys);
    QFETCH(QString, focus);
    QFETCH(QStringList, calls);

    TestPluginBehaviour one = behaviour(40);
    one.consumedKeys = oneConsumes;
    one.focusX = oneFocus.x();
    one.focusY = oneFocus.y();
    setBehaviour("libtestone_plugin.so", one);
    writeConfig({ "libtesttwo_plugin.so", "libtestone_plugin.so" });
    auto host = startHost();
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestOne"));

    pluginLog().clear();
    for (int key : std::as_const(keys))
        QTest::keyClick(host.get(), Qt::Key(key));
    QCOMPARE(pluginLog(), calls);
    QCOMPARE(host->focusedPlugin(), focus);
}

void tst_HomeScreenHost::followsFrameworkChannel_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("calls");

    // TestOne is shown, TestTwo is switched off.
    const QStringList onlyOne { QStringLiteral("TestOne") };
    const QByteArray activate(VynMessage::ActivatePlugin);
    const QByteArray deactivate(VynMessage::DeactivatePlugin);
    QTest::newRow("deactivate a shown plugin")
            << deactivate << namePayload("TestOne") << QStringList() << QStringList { "TestOne deactivate" };
    QTest::newRow("activate a switched-off plugin")
            << activate << namePayload("TestTwo") << QStringList { "TestOne", "TestTwo" }
            << QStringList { "TestTwo geometry AREA", "TestTwo initialize", "TestTwo activate" };
    QTest::newRow("activate a shown plugin again")
            << activate << namePayload("TestOne") << onlyOne
            << QStringList { "TestOne geometry AREA", "TestOne activate" };
    QTest::newRow("deactivate a hidden plugin") << deactivate << namePayload("TestTwo") << onlyOne << QStringList();
    QTest::newRow("unknown plugin") << activate << namePayload("Clock") << onlyOne << QStringList();
    QTest::newRow("no payload") << deactivate << QByteArray() << onlyOne << QStringList();
    QTest::newRow("garbled payload") << deactivate << QByteArray("\x7f\xff\xff\xfe", 4) << onlyOne << QStringList();
    QTest::newRow("other message") << QByteArray("hidePlugIn()") << namePayload("TestOne") << onlyOne
                                   << QStringList();
}

void tst_HomeScreenHost::followsFrameworkChannel()
{
    QFETCH(QByteArray, message);
    QFETCH(QByteArray, payload);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, calls);

    setBehaviour("libtesttwo_plugin.so", behaviour(100, 0));
    writeConfig({ "libtestone_plugin.so", "libtesttwo_plugin.so" });
    auto host = startHost();
    pluginLog().clear();

    // The host hears the message in the same delivery as this listener.
    QCopChannel listener(VynChannel::HomeScreenFramework);
    QSignalSpy heard(&listener, &QCopChannel::received);
    QVERIFY(QCopChannel::send(VynChannel::HomeScreenFramework, message, payload));
    QTRY_COMPARE(heard.count(), 1);

    QCOMPARE(pluginLog(), withArea(calls, host->offeredArea()));
    QCOMPARE(host->shownPlugins(), shown);
    QCOMPARE(host->focusedPlugin(), shown.value(0));
}

void tst_HomeScreenHost::suspendsWhileHidden()
{
    setBehaviour("libtesttwo_plugin.so", behaviour(100, 0));
    writeConfig({ "libtestone_plugin.so", "libtesttwo_plugin.so" });
    auto host = startHost();
    host->show();
    QVERIFY(QTest::qWaitForWindowExposed(host.get()));
    pluginLog().clear();

    host->hide();
    QCOMPARE(pluginLog(), QStringList { "TestOne suspend 1" });
    host->show();
    QCOMPARE(pluginLog(), QStringList({ "TestOne suspend 1", "TestOne suspend 0" }));
    // A plugin switched on while the screen is away starts suspended.
    host->hide();
    pluginLog().clear();
    QVERIFY(host->showPlugin(QStringLiteral("TestTwo")));
    QCOMPARE(pluginLog().last(), QStringLiteral("TestTwo suspend 1"));
}

void tst_HomeScreenHost::shutsDownLastFirst()
{
    setBehaviour("libtesttwo_plugin.so", behaviour(100, 0));
    writeConfig({ "libtestone_plugin.so", "libtesttwo_plugin.so", "libtestthree_plugin.so" });
    auto host = startHost();
    QPointer<QWidget> container = host->container(QStringLiteral("TestOne"));
    pluginLog().clear();

    host->shutdown();
    QCOMPARE(pluginLog(), QStringList({ "TestThree deactivate", "TestThree destroy", "TestTwo destroy",
                                        "TestOne deactivate", "TestOne destroy" }));
    QVERIFY(host->loadedPlugins().isEmpty());
    QVERIFY(container.isNull());

    host->shutdown();
    host.reset();
    QCOMPARE(pluginLog().size(), 5);
}

void tst_HomeScreenHost::siteOperations()
{
    writeConfig({ "libtestone_plugin.so", "libtesttwo_plugin.so" });
    auto host = startHost();
    HSPluginHost *site = host->site(QStringLiteral("TestOne"));
    QVERIFY(site);
    QWidget *container = site->containerWidget();
    QCOMPARE(container, host->container(QStringLiteral("TestOne")));
    QCOMPARE(site->screenWidget(), host.get());
    QCOMPARE(site->frameworkName(), QStringLiteral("TestOne"));

    QStringList names { QStringLiteral("stale") };
    site->listPlugins(names);
    QCOMPARE(names, QStringList({ "TestOne", "TestTwo" }));

    QCOMPARE(site->requestGeometry(nullptr), 0);
    QRect outside(200, 10, 200, 20);
    QCOMPARE(site->requestGeometry(&outside), 0);
    QRect invalid(QPoint(0, 0), QPoint(-1, -1));
    QCOMPARE(site->requestGeometry(&invalid), 0);
    QCOMPARE(container->geometry(), QRect(0, 40, 160, 40));
    // Never over another shown plugin (TestTwo holds 0,100 160x40).
    QRect overTwo(100, 130, 50, 30);
    QCOMPARE(site->requestGeometry(&overTwo), 0);
    QCOMPARE(container->geometry(), QRect(0, 40, 160, 40));
    QRect inside(10, 150, 100, 30);
    QCOMPARE(site->requestGeometry(&inside), 1);
    QCOMPARE(container->geometry(), inside);

    QCOMPARE(site->requestHide(), 1);
    QCOMPARE(host->shownPlugins(), QStringList { QStringLiteral("TestTwo") });
    pluginLog().clear();
    QCOMPARE(site->requestDisplay(), 1);
    QCOMPARE(pluginLog(), withArea({ "TestOne geometry AREA" }, host->offeredArea()));
    QCOMPARE(host->shownPlugins(), QStringList({ "TestOne", "TestTwo" }));
    QCOMPARE(container->geometry(), QRect(0, 40, 160, 40));

    // A plugin switched off does not bring itself back.
    QVERIFY(host->hidePlugin(QStringLiteral("TestOne")));
    QCOMPARE(site->requestDisplay(), 0);
    QVERIFY(container->isHidden());
}

void tst_HomeScreenHost::passesOverPluginsWithoutFocus()
{
    QVERIFY(m_device->writeFile(QString::fromLatin1(configPath),
                                "[Plugins]\nList=libtestone_plugin.so;libtesttwo_plugin.so;libtestthree_plugin.so\n"
                                "[libtestone_plugin.so]\nName=TestOne\nFocus=false\n"
                                "[libtesttwo_plugin.so]\nName=TestTwo\n[libtestthree_plugin.so]\nName=TestThree\n"));
    auto host = startHost();
    // Shown, but the focus starts at the first plugin that takes it.
    QCOMPARE(host->shownPlugins(), QStringList({ "TestOne", "TestTwo", "TestThree" }));
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestTwo"));
    QCOMPARE(host->handleKey(HSKeyUp), 1);
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestTwo"));
    QCOMPARE(host->handleKey(HSKeyDown), 0);
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestThree"));
    QCOMPARE(host->site(QStringLiteral("TestOne"))->requestFocus(), 0);
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestThree"));
}

void tst_HomeScreenHost::freeAreaLayer_data()
{
    QTest::addColumn<int>("twoY");
    QTest::addColumn<bool>("layered");

    // TestOne covers y 40 to 79 and keeps every key; TestTwo (Area=free) asks for 40 rows at twoY.
    QTest::newRow("under the others") << 100 << false;
    QTest::newRow("above, no overlap") << 0 << false;
    QTest::newRow("over the others") << 60 << true;
}

void tst_HomeScreenHost::freeAreaLayer()
{
    QFETCH(int, twoY);
    QFETCH(bool, layered);

    TestPluginBehaviour one = behaviour(40);
    one.consumedKeys = TestKeyUp | TestKeyDown | TestKeyLeft | TestKeyRight;
    setBehaviour("libtestone_plugin.so", one);
    setBehaviour("libtesttwo_plugin.so", behaviour(twoY));
    QVERIFY(m_device->writeFile(QString::fromLatin1(configPath),
                                "[Plugins]\nList=libtesttwo_plugin.so;libtestone_plugin.so\n"
                                "[libtestone_plugin.so]\nName=TestOne\n"
                                "[libtesttwo_plugin.so]\nName=TestTwo\nArea=free\n"));
    auto host = startHost();
    QWidget *two = host->container(QStringLiteral("TestTwo"));
    QVERIFY(two);
    QCOMPARE(two->geometry(), QRect(0, twoY, 160, 40));
    // The free-area plugin comes last, wherever it lies; as a layer it waits hidden.
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestOne"));
    QVERIFY(host->shownPlugins().contains(QStringLiteral("TestTwo")));
    QCOMPARE(two->isHidden(), layered);

    // The plugin with the focus keeps the direction keys: only the clear key moves on.
    QTest::keyClick(host.get(), Qt::Key_Down);
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestOne"));
    QTest::keyClick(host.get(), Qt::Key_Escape);
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestTwo"));
    QVERIFY(!two->isHidden());
    pluginLog().clear();
    QTest::keyClick(host.get(), Qt::Key_Escape);
    QCOMPARE(host->focusedPlugin(), QStringLiteral("TestOne"));
    QCOMPARE(two->isHidden(), layered);
    QCOMPARE(pluginLog().size(), 2);
    QCOMPARE(pluginLog().first(), QStringLiteral("TestTwo focusOut"));
    QVERIFY(pluginLog().last().startsWith(QStringLiteral("TestOne focus")));

    // Switching TestOne off leaves the room to TestTwo, shown without the focus round.
    QVERIFY(QCopChannel::send(VynChannel::HomeScreenFramework, VynMessage::DeactivatePlugin,
                              namePayload(QStringLiteral("TestOne"))));
    QTRY_COMPARE(host->focusedPlugin(), QStringLiteral("TestTwo"));
    QVERIFY(!two->isHidden());
}

void tst_HomeScreenHost::headlessRun()
{
    writeConfig({ "libtestone_plugin.so", "libmissing_plugin.so" });
    QTemporaryDir output;
    QVERIFY(output.isValid());
    const QString prefix = output.filePath(QStringLiteral("idle"));

    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYN_DEVICE_ROOT"), m_device->root());
    environment.insert(QStringLiteral("VYN_HEADLESS_OUTPUT"), prefix);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    host.setProcessEnvironment(environment);
    host.start(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-homescreen"),
               { QStringLiteral("--config"), QString::fromLatin1(configPath), QStringLiteral("--plugin-dir"),
                 pluginDir() });
    QVERIFY(host.waitForFinished(60000));
    QCOMPARE(host.exitStatus(), QProcess::NormalExit);
    QVERIFY2(host.exitCode() == 0, host.readAllStandardError().constData());

    QCOMPARE(ScreenDump::readImage(prefix).size(), QSize(320, 240));
    const QStringList lines = ScreenDump::readLines(prefix);
    QVERIFY2(lines.contains(QStringLiteral("TestOne active")), qPrintable(lines.join(QLatin1Char('|'))));
    QVERIFY(lines.contains(QStringLiteral("Vyn Mobile")));
    QVERIFY(lines.contains(QStringLiteral("[Menu] ... [Contacts]")));
}

void tst_HomeScreenHost::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");

    QTest::newRow("help") << QStringList { "--help" } << 0 << "--plugin-dir";
    QTest::newRow("unknown option") << QStringList { "--bogus" } << 1 << "bogus";
    QTest::newRow("stray argument") << QStringList { "extra" } << 2 << "extra";
}

void tst_HomeScreenHost::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);

    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYN_DEVICE_ROOT"), m_device->root());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    host.setProcessEnvironment(environment);
    host.start(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-homescreen"), arguments);
    QVERIFY(host.waitForFinished(60000));
    QCOMPARE(host.exitCode(), exitCode);
    const QString text = QString::fromLocal8Bit(host.readAllStandardOutput() + host.readAllStandardError());
    QVERIFY2(text.contains(output), qPrintable(text));
}

void tst_HomeScreenHost::followsLanguageChange()
{
    writeConfig({ "libtestone_plugin.so" });
    auto host = startHost();
    QVERIFY(ScreenDump::lines(host.get()).contains(QStringLiteral("[Menu] ... [Contacts]")));
    pluginLog().clear();

    // The platform loads the new language's texts (ZApplication does it on the notice).
    QVERIFY(ZResource::loadLanguage(QStringLiteral("ar")));
    const QString arabicKeys = QString::fromUtf8("[القائمة] ... [الأسماء]");
    QTRY_VERIFY2(ScreenDump::lines(host.get()).contains(arabicKeys),
                 qPrintable(ScreenDump::lines(host.get()).join(QLatin1Char('|'))));
    // The plugins are placed afresh, once for the whole change, so they take the new direction.
    QCOMPARE(pluginLog().filter(QStringLiteral("TestOne geometry")).size(), 1);

    ZResource::loadLanguage(QString());
    QTRY_VERIFY(ScreenDump::lines(host.get()).contains(QStringLiteral("[Menu] ... [Contacts]")));
}

void tst_HomeScreenHost::firstStartInTheDisplayLanguage()
{
    // A device root that has only the language setting: the host fills it from the image, the
    // translations with it, and shows its texts in that language from the start.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir().mkpath(root.filePath(QStringLiteral("tmp")));
    QFile language(root.filePath(QStringLiteral("tmp/vyn_system.cfg")));
    QVERIFY(language.open(QIODevice::WriteOnly));
    language.write("[SYS_SYSTEM_SET]\nLanguageType=ar\n");
    language.close();
    const QString prefix = root.filePath(QStringLiteral("idle"));

    QProcess host;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("VYN_DEVICE_ROOT"), root.path());
    environment.insert(QStringLiteral("VYN_HEADLESS_OUTPUT"), prefix);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    host.setProcessEnvironment(environment);
    host.start(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-homescreen"), { QStringLiteral("--plugin-dir"), pluginDir() });
    QVERIFY(host.waitForFinished(60000));
    QCOMPARE(host.exitCode(), 0);
    const QStringList lines = ScreenDump::readLines(prefix);
    QVERIFY2(lines.contains(QString::fromUtf8("[القائمة] ... [الأسماء]")), qPrintable(lines.join(QLatin1Char('|'))));
}

QTEST_MAIN(tst_HomeScreenHost)
#include "tst_homescreenhost.moc"
