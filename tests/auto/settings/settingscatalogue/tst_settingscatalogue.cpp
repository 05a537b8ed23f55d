// The catalogue of settings libraries: order and filters, the feature switch, the libraries'
// failures, where libraries may come from, and when descriptors and libraries go.
#include "testdevice.h"

#include <hsset_pluginitem.h>

#include <QTemporaryDir>
#include <QTemporaryFile>

#include <dlfcn.h>

namespace {

const char systemCatalogue[] = "/usr/SYSqtapp/homescreen/hssetting.xml";
const char downloadCatalogue[] = "/vynlocal/download/appwrite/homescreen/hssetting.xml";

QByteArray plugin(const QByteArray &name, const QByteArray &order, const QByteArray &path = "librecordone_setting.so",
                  const QByteArray &extra = QByteArray(), const QByteArray &promptId = "TXT_RID_TEST_TITLE")
{
    return "<Plugin><PluginName>" + name + "</PluginName><PluginPromptID>" + promptId
            + "</PluginPromptID><PluginPromptValue>" + name + " title</PluginPromptValue><PluginIcon>/" + name
            + ".png</PluginIcon><Path>" + path + "</Path><DisplayOrder>" + order + "</DisplayOrder>" + extra
            + "</Plugin>";
}

QByteArray catalogue(const QByteArray &plugins)
{
    return "<?xml version=\"1.0\"?><HomescreenSetting>" + plugins + "</HomescreenSetting>";
}

QStringList names(const HSSET_PluginList &list)
{
    QStringList result;
    for (const auto &entry : list)
        result << entry->pluginName();
    return result;
}

using ShowHook = void (*)(void (*)(void *), void *);

} // namespace

class tst_SettingsCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void order_data();
    void order();
    void downloadCatalogueComesFirst();
    void flexSwitch_data();
    void flexSwitch();
    void libraryWithoutDescriptor_data();
    void libraryWithoutDescriptor();
    void descriptorsGoBeforeTheirLibrary();
    void descriptorReplacedWhileShowingLives();
    void untrustedLibraryPaths_data();
    void untrustedLibraryPaths();

private:
    QStringList log() const;
    std::unique_ptr<HSSET_PluginItem> entry(const QByteArray &pluginXml) const;

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<QTemporaryFile> m_log;
};

void tst_SettingsCatalogue::init()
{
    m_device = std::make_unique<TestDevice>();
    m_log = std::make_unique<QTemporaryFile>();
    QVERIFY(m_log->open());
    qputenv("VYN_TEST_SETTING_LOG", QFile::encodeName(m_log->fileName()));
}

void tst_SettingsCatalogue::cleanup()
{
    qunsetenv("VYN_TEST_SETTING_LOG");
    m_log.reset();
    m_device.reset();
}

QStringList tst_SettingsCatalogue::log() const
{
    QFile file(m_log->fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

std::unique_ptr<HSSET_PluginItem> tst_SettingsCatalogue::entry(const QByteArray &pluginXml) const
{
    QDomDocument document;
    if (!document.setContent(pluginXml))
        return nullptr;
    return std::make_unique<HSSET_PluginItem>(document.documentElement());
}

void tst_SettingsCatalogue::order_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("idleConfig");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("orders 3, 1, 3") << catalogue(plugin("A", "3") + plugin("B", "1") + plugin("C", "3"))
                                    << QByteArray() << QStringList { "B", "A", "C" };
    QTest::newRow("Clock never listed") << catalogue(plugin("Clock", "1") + plugin("A", "2")) << QByteArray()
                                        << QStringList { "A" };
    QTest::newRow("CustomizeSetting false drops, absent keeps")
            << catalogue(plugin("A", "1") + plugin("B", "2") + plugin("C", "3"))
            << QByteArray("[CustomizeSetting]\nA=false\nC=true\n") << QStringList { "B", "C" };
    QTest::newRow("Plugin at any depth, in document order")
            << QByteArray("<r><g>" + plugin("A", "1") + "<h>" + plugin("B", "1") + "</h></g>" + plugin("C", "1") + "</r>")
            << QByteArray() << QStringList { "A", "B", "C" };
    QTest::newRow("order missing, text or too large counts as 0")
            << catalogue(plugin("A", "1") + plugin("B", "x") + plugin("C", "99999999999") + plugin("D", "-1"))
            << QByteArray() << QStringList { "D", "B", "C", "A" };
    QTest::newRow("empty file") << QByteArray() << QByteArray() << QStringList();
    QTest::newRow("truncated") << catalogue(plugin("A", "1") + plugin("B", "2")).left(120) << QByteArray()
                               << QStringList();
    QTest::newRow("not XML") << QByteArray("\x7f" "ELF\x01\x02 binary \0\0 data", 22) << QByteArray() << QStringList();
    QTest::newRow("deeply nested") << QByteArray(QByteArray("<a>").repeated(100000) + plugin("A", "1")
                                                 + QByteArray("</a>").repeated(100000))
                                   << QByteArray() << QStringList();
    QTest::newRow("huge") << catalogue(plugin("A", "1") + "<pad>" + QByteArray(3 * 1024 * 1024, 'x') + "</pad>")
                          << QByteArray() << QStringList();
}

void tst_SettingsCatalogue::order()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, idleConfig);
    QFETCH(QStringList, expected);
    QVERIFY(m_device->writeFile(QString::fromLatin1(systemCatalogue), content));
    if (!idleConfig.isEmpty())
        QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_idle.cfg"), idleConfig));

    HSSET_PluginList list;
    HSSET_PluginItem::readCatalogue(list);
    QCOMPARE(names(list), expected);
}

void tst_SettingsCatalogue::downloadCatalogueComesFirst()
{
    QVERIFY(m_device->writeFile(QString::fromLatin1(systemCatalogue), catalogue(plugin("System", "1"))));
    HSSET_PluginList list;
    HSSET_PluginItem::readCatalogue(list);
    QCOMPARE(names(list), QStringList { "System" });

    QVERIFY(m_device->writeFile(QString::fromLatin1(downloadCatalogue), catalogue(plugin("Download", "1"))));
    HSSET_PluginItem::readCatalogue(list);
    QCOMPARE(names(list), QStringList { "Download" });

    // Present but broken: nothing, not the system's.
    QVERIFY(m_device->writeFile(QString::fromLatin1(downloadCatalogue), "<broken"));
    HSSET_PluginItem::readCatalogue(list);
    QCOMPARE(names(list), QStringList());
}

void tst_SettingsCatalogue::flexSwitch_data()
{
    QTest::addColumn<QByteArray>("flex");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QByteArray>("switchFile");
    QTest::addColumn<bool>("active");

    const QByteArray flag195 = "<FlexForPlugin>195</FlexForPlugin><FlexLibPath>librecordtwo_setting.so</FlexLibPath>";
    const QByteArray byFile = "<FlexForPlugin>-1</FlexForPlugin><FlexLibPath>librecordtwo_setting.so</FlexLibPath>"
                              "<FlexFile>switch.cfg</FlexFile><FlexGroup>G</FlexGroup><FlexItem>On</FlexItem>";
    QTest::newRow("no switch") << QByteArray() << QByteArray("[FlexBit]\n195=1\n") << QByteArray() << false;
    QTest::newRow("flag on") << flag195 << QByteArray("[FlexBit]\n195=1\n") << QByteArray() << true;
    QTest::newRow("flag off") << flag195 << QByteArray("[FlexBit]\n195=0\n") << QByteArray() << false;
    QTest::newRow("flag unknown") << flag195 << QByteArray("[FlexBit]\n7=1\n") << QByteArray() << false;
    QTest::newRow("flag not a number") << QByteArray(flag195).replace("195", "many") << QByteArray("[FlexBit]\n0=1\n")
                                       << QByteArray() << false;
    QTest::newRow("flag on, library missing")
            << QByteArray(flag195).replace("librecordtwo", "libabsent") << QByteArray("[FlexBit]\n195=1\n")
            << QByteArray() << false;
    QTest::newRow("flag on, library gives none")
            << QByteArray(flag195).replace("librecordtwo", "libnull") << QByteArray("[FlexBit]\n195=1\n")
            << QByteArray() << false;
    QTest::newRow("file on") << byFile << QByteArray() << QByteArray("[G]\nOn=true\n") << true;
    QTest::newRow("file off") << byFile << QByteArray() << QByteArray("[G]\nOn=false\n") << false;
    QTest::newRow("file without the key") << byFile << QByteArray() << QByteArray("[G]\nOther=true\n") << false;
    QTest::newRow("file entry without FlexItem") << QByteArray(byFile).replace("<FlexItem>On</FlexItem>", "")
                                                 << QByteArray() << QByteArray("[G]\nOn=true\n") << false;
    QTest::newRow("FlexFile with a folder refused")
            << QByteArray(byFile).replace("switch.cfg", "../setup/switch.cfg") << QByteArray()
            << QByteArray("[G]\nOn=true\n") << false;
}

void tst_SettingsCatalogue::flexSwitch()
{
    QFETCH(QByteArray, flex);
    QFETCH(QByteArray, flags);
    QFETCH(QByteArray, switchFile);
    QFETCH(bool, active);
    if (!flags.isEmpty())
        QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/flexbit.cfg"), flags));
    if (!switchFile.isEmpty())
        QVERIFY(m_device->writeFile(QStringLiteral("/setup/switch.cfg"), switchFile));

    auto item = entry(plugin("Plain", "1", "librecordone_setting.so", flex));
    QVERIFY(item);
    QCOMPARE(item->isFlexActive(nullptr), active);
    QCOMPARE(item->getPromptText(nullptr), active ? QStringLiteral("Record Two") : QStringLiteral("Plain title"));
    QCOMPARE(item->getIconPath(nullptr), active ? QString() : QStringLiteral("/Plain.png"));
    item->loadSettingInfo(nullptr);
    QVERIFY(item->descriptor());
    QCOMPARE(item->descriptor()->getSettingTitle(), active ? QStringLiteral("Record Two") : QStringLiteral("Record One"));
}

void tst_SettingsCatalogue::libraryWithoutDescriptor_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("cannot be opened") << QByteArray("libabsent_setting.so");
    QTest::newRow("not a library") << QByteArray("/etc/hostname");
    QTest::newRow("lacks the export") << QByteArray("libnoexport_setting.so");
    QTest::newRow("returns null") << QByteArray("libnull_setting.so");
}

void tst_SettingsCatalogue::libraryWithoutDescriptor()
{
    QFETCH(QByteArray, path);
    auto item = entry(plugin("Broken", "1", path));
    QCOMPARE(item->getPromptText(nullptr), QStringLiteral("Broken title"));
    item->loadSettingInfo(nullptr);
    QVERIFY(!item->descriptor());
    item->reloadSettingInfo(nullptr);
    QVERIFY(!item->descriptor());
    QVERIFY(!item->showSettingWidget(nullptr));
    // Without a title id the entry has no row.
    auto untitled = entry(plugin("Broken", "1", path, QByteArray(), QByteArray()));
    QCOMPARE(untitled->getPromptText(nullptr), QString());
}

void tst_SettingsCatalogue::descriptorsGoBeforeTheirLibrary()
{
    auto item = entry(plugin("One", "1"));
    item->loadSettingInfo(nullptr);
    item->loadSettingInfo(nullptr);
    item->reloadSettingInfo(nullptr);
    item->reloadSettingInfo(nullptr);
    QVERIFY(item->showSettingWidget(nullptr));
    item.reset();
    QCOMPARE(log(), QStringList({ "loaded Record One", "created 1 Record One", "deleted 1 Record One",
                                  "created 2 Record One", "deleted 2 Record One", "created 3 Record One",
                                  "show 3 Record One", "shown 3 Record One", "deleted 3 Record One",
                                  "unloaded Record One" }));
}

void tst_SettingsCatalogue::descriptorReplacedWhileShowingLives()
{
    // A framework message rebuilds the list while a screen runs: the switched entry fetches a
    // fresh descriptor for its title; the one showing must outlive its screen.
    QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/flexbit.cfg"), "[FlexBit]\n195=1\n"));
    auto item = entry(plugin("Switched", "1", "libnull_setting.so",
                             "<FlexForPlugin>195</FlexForPlugin><FlexLibPath>librecordone_setting.so</FlexLibPath>"));
    item->loadSettingInfo(nullptr);
    QVERIFY(item->descriptor());

    void *handle = dlopen(VYN_TEST_LIB_DIR "/librecordone_setting.so", RTLD_LAZY | RTLD_NOLOAD);
    QVERIFY(handle);
    auto setHook = reinterpret_cast<ShowHook>(dlsym(handle, "testSettingSetShowHook"));
    QVERIFY(setHook);
    setHook([](void *data) { static_cast<HSSET_PluginItem *>(data)->getPromptText(nullptr); }, item.get());
    QVERIFY(item->showSettingWidget(nullptr));
    setHook(nullptr, nullptr);
    dlclose(handle);
    item.reset();

    QCOMPARE(log(), QStringList({ "loaded Record One", "created 1 Record One", "show 1 Record One",
                                  "created 2 Record One", "shown 1 Record One", "deleted 1 Record One",
                                  "deleted 2 Record One", "unloaded Record One" }));
}

void tst_SettingsCatalogue::untrustedLibraryPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("loads");
    QTest::newRow("bare name in the library folder") << "librecordone_setting.so" << true;
    QTest::newRow("absolute path inside the library folder") << VYN_TEST_LIB_DIR "/librecordone_setting.so" << true;
    QTest::newRow("inside, through ..") << VYN_TEST_LIB_DIR "/../lib/librecordone_setting.so" << true;
    QTest::newRow("in /tmp") << "@tmp/evil.so" << false;
    QTest::newRow("relative with ..") << "../x.so" << false;
    QTest::newRow("relative into the library folder") << "../lib/librecordone_setting.so" << false;
    QTest::newRow("relative with a folder") << "lib/librecordone_setting.so" << false;
    QTest::newRow("absolute in the download folder") << "@download/libevil_setting.so" << false;
    QTest::newRow("bare name only in the download folder") << "libevil_setting.so" << false;
    QTest::newRow("link in /tmp to a library outside") << "@tmp/link.so" << false;
    QTest::newRow("empty") << "" << false;
}

void tst_SettingsCatalogue::untrustedLibraryPaths()
{
    QFETCH(QString, path);
    QFETCH(bool, loads);
    // Copies of a real settings library where applications can write.
    const QString library = QStringLiteral(VYN_TEST_LIB_DIR "/librecordone_setting.so");
    QTemporaryDir tmp(QDir::tempPath() + QStringLiteral("/vyn-evil-XXXXXX"));
    QVERIFY(QFile::copy(library, tmp.filePath(QStringLiteral("evil.so"))));
    QVERIFY(QFile::link(tmp.filePath(QStringLiteral("evil.so")), tmp.filePath(QStringLiteral("link.so"))));
    const QString download = m_device->hostPath(QStringLiteral("/vynlocal/download/appwrite/homescreen"));
    QVERIFY(QDir().mkpath(download));
    QVERIFY(QFile::copy(library, download + QStringLiteral("/libevil_setting.so")));
    path.replace(QStringLiteral("@tmp"), tmp.path()).replace(QStringLiteral("@download"), download);

    for (const char *child : { "Path", "FlexLibPath" }) {
        QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/flexbit.cfg"), "[FlexBit]\n195=1\n"));
        const QByteArray flex = QByteArray(child) == "FlexLibPath"
                ? "<FlexForPlugin>195</FlexForPlugin><FlexLibPath>" + path.toUtf8() + "</FlexLibPath>"
                : QByteArray();
        auto item = entry(plugin("Hostile", "1", flex.isEmpty() ? path.toUtf8() : QByteArray("libabsent.so"), flex));
        item->loadSettingInfo(nullptr);
        QCOMPARE(item->descriptor() != nullptr, loads);
        item.reset();
        QCOMPARE(log().contains(QStringLiteral("loaded Record One")), loads);
        QVERIFY(m_log->resize(0));
    }
}

QTEST_MAIN(tst_SettingsCatalogue)
#include "tst_settingscatalogue.moc"
