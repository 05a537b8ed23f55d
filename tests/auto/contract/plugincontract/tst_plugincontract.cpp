#include <hsplugin.h>
#include <hspluginlibrary.h>

#include "fakepluginsite.h"
#include "testplugin.h"
#include "screendump.h"
#include "testdevice.h"

#include <QDir>
#include <QImage>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

// What each plugin library of the build must answer, for the settings a test writes first.
// A new plugin adds its rows here; a library without a row fails the test.
struct Expectation
{
    const char *library;
    const char *row;
    const char *settingsPath;     // device path, or null for none
    const char *settings;
    int activated;
    const char *name;
};

const Expectation expectations[] = {
    { "libazaan_plugin.so", "switched on", "/setup/qd_azaan_hs.cfg",
      "[SETTINGS]\nHGM_HSA=1\nHGM_HSA_PRAYER=1\nHGM_HSA_MSG=1\n", 1, "Azaan" },
    { "libazaan_plugin.so", "every row off", "/setup/qd_azaan_hs.cfg",
      "[SETTINGS]\nHGM_HSA=1\nHGM_HSA_PRAYER=0\nHGM_HSA_MSG=0\nHGM_HSA_CALENDER=0\nHGM_HSA_EVENT=0\n"
      "HGM_HSA_MEDIA=0\n",
      0, "Azaan" },
    { "libazaan_plugin.so", "master switch off", "/setup/qd_azaan_hs.cfg",
      "[SETTINGS]\nHGM_HSA=0\nHGM_HSA_PRAYER=1\n", 0, "Azaan" },
    { "libclock_plugin.so", "style Off", "/setup/vyn_idle.cfg", "[ClockPlugin]\nClockMode=Off\n", 1, "Clock" },
    { "libclock_plugin.so", "no settings", nullptr, "", 1, "Clock" },
    { "libdate_plugin.so", "no settings", nullptr, "", 1, "DATE" },
    { "libdate_plugin.so", "date hidden", "/setup/vyn_idle.cfg", "[idle_date]\nidle_date_mode=1\n", 0, "DATE" },
    { "libdate_plugin.so", "unknown mode", "/setup/vyn_idle.cfg", "[idle_date]\nidle_date_mode=2\n", 0, "DATE" },
    { "libdate_plugin.so", "not a number", "/setup/vyn_idle.cfg", "[idle_date]\nidle_date_mode=on\n", 1, "DATE" },
    { "libstatustext_plugin.so", "default", nullptr, "", 1, "Status Text" },
    { "libshortcut_plugin.so", "default", nullptr, "", 1, "Shortcut" },
    { "libstatusbar_plugin.so", "default", nullptr, "", 1, "abc" },
    { "libtestone_plugin.so", "default", nullptr, "", 1, "TestOne" },
    { "libtesttwo_plugin.so", "default", nullptr, "", 1, "TestTwo" },
    { "libtestthree_plugin.so", "default", nullptr, "", 1, "TestThree" },
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
    void libraryHandle();
};

void tst_PluginContract::drivesEveryOperation_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("settingsPath");
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<int>("activated");
    QTest::addColumn<QString>("name");

    const QDir libs(QStringLiteral(VYN_TEST_LIB_DIR));
    const QStringList plugins = libs.entryList({ QStringLiteral("*_plugin.so") }, QDir::Files, QDir::Name);
    if (plugins.isEmpty())
        QSKIP("no plugin library built yet");
    for (const QString &plugin : plugins) {
        bool found = false;
        for (const Expectation &expectation : expectations) {
            if (plugin != QLatin1String(expectation.library))
                continue;
            found = true;
            QTest::addRow("%s, %s", expectation.library, expectation.row)
                    << libs.filePath(plugin) << QString::fromLatin1(expectation.settingsPath)
                    << QByteArray(expectation.settings) << expectation.activated
                    << QString::fromLatin1(expectation.name);
        }
        if (!found)
            QTest::addRow("%s, no expectation", qPrintable(plugin)) << libs.filePath(plugin) << QString()
                                                                    << QByteArray() << -1 << QString();
    }
}

void tst_PluginContract::drivesEveryOperation()
{
    QFETCH(QString, path);
    QFETCH(QString, settingsPath);
    QFETCH(QByteArray, settings);
    QFETCH(int, activated);
    QFETCH(QString, name);

    if (activated < 0)
        QFAIL("this plugin library has no row in the expectations table");
    TestDevice device;
    if (!settingsPath.isEmpty())
        QVERIFY(device.writeFile(settingsPath, settings));

    HSPluginLibrary library(path);
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));
    QCOMPARE(library.isActivated(), activated);
    library.destroyInstance(nullptr);

    FakePluginSite site(name);
    QWidget *container = site.containerWidget();
    HSPlugin *plugin = library.createInstance(&site);
    QVERIFY(plugin);

    // Before initialize nothing is built: name and geometry are pure queries.
    QCOMPARE(plugin->name(), name);
    const QRect rect = plugin->geometry(FakePluginSite::offeredArea());
    QVERIFY2(container->children().isEmpty(), "the plugin built something before initialize");
    if (rect.isValid())
        container->setGeometry(rect);
    site.screen()->show();
    QVERIFY(QTest::qWaitForWindowExposed(site.screen()));
    const QImage bare = site.screen()->grab().toImage();

    plugin->initialize();
    plugin->activate();
    QCoreApplication::processEvents();
    // A plugin the host shows draws something of its own over the wallpaper.
    if (activated)
        QVERIFY(ScreenDump::differingPixels(bare, site.screen()->grab().toImage(), container->geometry()) > 0);

    // Phase 1 goes back to the host, whatever the key; so does a key outside the contract.
    for (int key : { 4100, 4114, 4115, 4116, 4117, 32 }) {
        int phase = 1;
        QCOMPARE(plugin->keyEvent(phase, key), 1);
    }
    for (int phase : { 0, 2 }) {
        int current = phase;
        QCOMPARE(plugin->keyEvent(current, 32), 1);
    }

    plugin->focusCenter();
    plugin->focusAt(0, QPoint(5, 5));
    QPoint point;
    plugin->focusOut(point);
    plugin->focusPoint();
    plugin->reserved();
    plugin->suspend(true);
    plugin->suspend(false);
    plugin->geometry(FakePluginSite::offeredArea());
    QCoreApplication::processEvents();
    if (activated)
        QVERIFY(ScreenDump::differingPixels(bare, site.screen()->grab().toImage(), container->geometry()) > 0);

    plugin->deactivate();
    library.destroyInstance(plugin);
    QCOMPARE(library.instanceCount(), 0);
    library.destroyInstance(nullptr);
}

// The handle itself, on the test plugins: the exports a kind needs, and the objects it keeps.
void tst_PluginContract::libraryHandle()
{
    const QDir libs(QStringLiteral(VYN_TEST_LIB_DIR));
    {
        HSPluginLibrary missing(libs.filePath(QStringLiteral("libnothere_plugin.so")));
        QVERIFY(!missing.isLoaded());
        QVERIFY2(missing.errorString().contains(QLatin1String("libnothere_plugin.so")),
                 qPrintable(missing.errorString()));
        QVERIFY(!missing.createInstance(nullptr));
        QCOMPARE(missing.isActivated(), 0);
        QVERIFY(!missing.symbol("createInstance"));

        HSPluginLibrary noExports(libs.filePath(QStringLiteral("libtest_noexports.so")));
        QVERIFY(!noExports.isLoaded());
        QCOMPARE(noExports.errorString(), QStringLiteral(
                "libtest_noexports.so: missing export createInstance, destroyInstance, isActivated"));

        // A plugin that is no settings library, opened as one.
        HSPluginLibrary notSettings(libs.filePath(QStringLiteral("libtestone_plugin.so")),
                                    HSPluginLibrary::SettingsExports);
        QVERIFY(!notSettings.isLoaded());
        QCOMPARE(notSettings.errorString(), QStringLiteral("libtestone_plugin.so: missing export getSettingInfo"));
    }

    // Objects still alive when the handle goes are destroyed through the library; an object
    // destroyed twice reaches the library once.
    static QStringList calls;
    calls.clear();
    auto library = std::make_unique<HSPluginLibrary>(libs.filePath(QStringLiteral("libtestone_plugin.so")));
    QVERIFY2(library->isLoaded(), qPrintable(library->errorString()));
    QVERIFY(library->hasPluginExports());
    QVERIFY(!library->hasSettingsExports());
    const TestPluginBehaviour behaviour { [](const char *line) { calls << QString::fromUtf8(line); }, 1, 0, 0, 40,
                                         160, 40, 0, 0, 0 };
    auto setup = library->function<TestPluginSetupFunction>("testPluginSetup");
    QVERIFY(setup);
    setup(&behaviour);

    FakePluginSite site(QStringLiteral("TestOne"));
    HSPlugin *first = library->createInstance(&site);
    QVERIFY(first);
    QVERIFY(library->createInstance(&site));
    QCOMPARE(library->instanceCount(), 2);
    library->destroyInstance(first);
    library->destroyInstance(first);
    QCOMPARE(library->instanceCount(), 1);
    QVERIFY(library->createInstance(&site));
    QCOMPARE(calls, QStringList({ "TestOne create", "TestOne create", "TestOne destroy", "TestOne create" }));

    calls.clear();
    library.reset();
    QCOMPARE(calls, QStringList({ "TestOne destroy", "TestOne destroy" }));
    QVERIFY(site.requests().isEmpty());
}

QTEST_MAIN(tst_PluginContract)
#include "tst_plugincontract.moc"
