// Every settings library of the build, loaded and driven the way hssetting_app does: the export,
// a descriptor with a title, its screen shown and left with Back, the descriptor deleted before
// the library closes. Then the two builds of the Azaan settings screen side by side.
#include "testdevice.h"

#include <hspluginlibrary.h>
#include <hspluginsettinginfo.h>
#include <zdialogscript.h>
#include <zkbmainwidget.h>
#include <zlistbox.h>

#include <QTimer>

namespace {

// Presses Back on the settings screen that showSettingWidget brings up; reports what it saw.
struct ScreenVisit
{
    QString title;
    QStringList labels;
    QString enabled;
    QStringList onOffItems;
    bool found = false;
    // A screen that never comes (a library without one) takes the pending visit with it.
    QObject context;
};

ZKbMainWidget *newestScreen()
{
    ZKbMainWidget *screen = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *candidate = qobject_cast<ZKbMainWidget *>(window); candidate && candidate->isVisible())
            screen = candidate;
    }
    return screen;
}

void visitAndLeave(ScreenVisit *visit)
{
    QTimer::singleShot(0, &visit->context, [visit] {
        ZKbMainWidget *screen = newestScreen();
        if (!screen)
            return;
        visit->found = true;
        visit->title = screen->mainWidgetTitle();
        if (auto *list = screen->findChild<ZListBox *>()) {
            for (int i = 0; i < list->count(); ++i) {
                visit->labels << list->item(i)->subItemText(0, 0);
                visit->enabled += list->item(i)->isEnabled() ? '1' : '0';
            }
            // The first row's on/off chooser, cancelled.
            ZDialogScript::start();
            ZDialogScript::cancel();
            list->setCurrentItem(0);
            list->selectCurrent();
            visit->onOffItems = ZDialogScript::shown().value(0).items;
            ZDialogScript::stop();
        }
        QTest::keyClick(screen, Qt::Key_F2);
    });
}

} // namespace

class tst_SettingsContract : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyLibrary_data();
    void everyLibrary();
    void azaanBuilds_data();
    void azaanBuilds();
    void pluginBuildNeedsFlag195();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_SettingsContract::initTestCase()
{
    m_device = std::make_unique<TestDevice>();
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/flexbit.cfg"), "[FlexBit]\n195=1\n"));
}

void tst_SettingsContract::everyLibrary_data()
{
    QTest::addColumn<QString>("path");
    const QDir folder(QStringLiteral(VYN_TEST_LIB_DIR));
    int count = 0;
    for (const QString &name : folder.entryList({ QStringLiteral("lib*.so") }, QDir::Files, QDir::Name)) {
        const HSPluginLibrary probe(folder.filePath(name), HSPluginLibrary::SettingsExports);
        if (!probe.isLoaded())
            continue;
        QTest::newRow(qPrintable(name)) << folder.filePath(name);
        ++count;
    }
    QVERIFY2(count >= 2, "the Azaan settings libraries are missing from the build");
}

void tst_SettingsContract::everyLibrary()
{
    QFETCH(QString, path);
    HSPluginLibrary library(path, HSPluginLibrary::SettingsExports);
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));
    auto getSettingInfo = library.function<HSGetSettingInfoFunction>("getSettingInfo");
    QVERIFY(getSettingInfo);
    std::unique_ptr<HSPluginSettingInfo> info(getSettingInfo(nullptr));
    if (!info)
        QSKIP("this library offers no settings now");
    QVERIFY(!info->getSettingTitle().isEmpty());
    // Each call gives a fresh descriptor.
    std::unique_ptr<HSPluginSettingInfo> second(getSettingInfo(nullptr));
    QVERIFY(second && second.get() != info.get());
    second.reset();

    const int windowsBefore = QApplication::topLevelWidgets().size();
    ScreenVisit visit;
    visitAndLeave(&visit);
    info->showSettingWidget(nullptr);
    // The screen is gone when the call returns.
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    info.reset();
}

void tst_SettingsContract::azaanBuilds_data()
{
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("icon");
    QTest::addColumn<QStringList>("onOffItems");
    QTest::addColumn<QString>("enabledWhenOff");
    QTest::addColumn<QByteArray>("enabledAfterLeaving");

    QTest::newRow("azaan_settings") << "libazaan_settings.so" << "Custom Home Screen" << ""
                                    << QStringList { "On", "Off" } << "1000000000" << QByteArray("HGM_HSA=0");
    QTest::newRow("azaan_plugin") << "libazaan_plugin.so" << "Custom Home Screen"
                                  << "/vynlocal/download/appwrite/homescreen/hs_clock_setting.png"
                                  << QStringList { "Off", "On" } << "1111111111" << QByteArray("HGM_HSA=1");
}

void tst_SettingsContract::azaanBuilds()
{
    QFETCH(QString, library);
    QFETCH(QString, title);
    QFETCH(QString, icon);
    QFETCH(QStringList, onOffItems);
    QFETCH(QString, enabledWhenOff);
    QFETCH(QByteArray, enabledAfterLeaving);
    HSPluginLibrary handle(QStringLiteral(VYN_TEST_LIB_DIR "/") + library, HSPluginLibrary::SettingsExports);
    QVERIFY2(handle.isLoaded(), qPrintable(handle.errorString()));
    std::unique_ptr<HSPluginSettingInfo> info(handle.function<HSGetSettingInfoFunction>("getSettingInfo")(nullptr));
    QVERIFY(info);
    QCOMPARE(info->getSettingTitle(), title);
    QCOMPARE(info->getSettingIcon(), icon);

    // The view switched off: which rows can be opened.
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/qd_azaan_hs.cfg"), "[SETTINGS]\nHGM_HSA=0\n"));
    ScreenVisit visit;
    visitAndLeave(&visit);
    info->showSettingWidget(nullptr);
    QVERIFY(visit.found);
    QCOMPARE(visit.title, QStringLiteral("Custom Home Screen"));
    QCOMPARE(visit.labels.size(), 10);
    QCOMPARE(visit.enabled, enabledWhenOff);
    QCOMPARE(visit.onOffItems, onOffItems);

    // On with nothing on it: only the library's build switches it off on leaving.
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/qd_azaan_hs.cfg"),
                                "[SETTINGS]\nHGM_HSA=1\nHGM_HSA_PRAYER=0\nHGM_HSA_MSG=0\nHGM_HSA_CALENDER=0\n"
                                "HGM_HSA_EVENT=0\nHGM_HSA_MEDIA=0\n"));
    ScreenVisit again;
    visitAndLeave(&again);
    info->showSettingWidget(nullptr);
    QVERIFY(again.found);
    QVERIFY(m_device->readFile(QStringLiteral("/setup/qd_azaan_hs.cfg")).contains(enabledAfterLeaving + '\n'));
    info.reset();
}

void tst_SettingsContract::pluginBuildNeedsFlag195()
{
    HSPluginLibrary handle(QStringLiteral(VYN_TEST_LIB_DIR "/libazaan_plugin.so"), HSPluginLibrary::SettingsExports);
    auto getSettingInfo = handle.function<HSGetSettingInfoFunction>("getSettingInfo");
    QVERIFY(getSettingInfo);
    for (const QByteArray &flags : { QByteArray("[FlexBit]\n195=0\n"), QByteArray("[FlexBit]\n194=1\n"), QByteArray() }) {
        QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/flexbit.cfg"), flags));
        QVERIFY(!getSettingInfo(nullptr));
    }
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/flexbit.cfg"), "[FlexBit]\n195=1\n"));
    std::unique_ptr<HSPluginSettingInfo> info(getSettingInfo(nullptr));
    QVERIFY(info);
}

QTEST_MAIN(tst_SettingsContract)
#include "tst_settingscontract.moc"
