#include <hsplugin.h>
#include <hspluginlibrary.h>
#include <shortcutlayout.h>
#include <vynchannels.h>

#include "fakepluginsite.h"
#include "idlehost.h"
#include "screendump.h"
#include "testdevice.h"

#include <am_appregistry.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

const char idleFile[] = "/setup/vyn_idle.cfg";
const char registry[] = "/usr/SYSqtapp/registry/";
const char cameraId[] = "d3d37ef2-cf9e-4d24-a625-90257dfa9368";
// The defaults with feature 174 off, left, right, up, down.
const char *const defaultIds[] = { "ce59717d-fb23-4b7c-8800-25ce613f4042", "a12e4b0a-188e-4a2f-88cd-39c71d9ff2f9",
                                   "220072c6-9008-468e-9968-11f3c50fa95e", "0a92f2c5-584d-440a-954c-1a155079d71a" };
const int keys[] = { HSKeyLeft, HSKeyRight, HSKeyUp, HSKeyDown };

QRect normalRect(int position)
{
    return ShortcutLayout::compute(QRect(0, 0, 104, 104), 0).positions[size_t(position)].normal;
}

} // namespace

class tst_HSPluginShortcut : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void crossLayout_data();
    void crossLayout();
    void iconsInsideTheContainer();
    void creationReadsNothing();
    void keysLaunch();
    void hiddenIconsRevealed();
    void notices();
    void configuredButAbsent_data();
    void configuredButAbsent();
    void appRemovedAndBack();
    void freeAreaOfTheHost();

private:
    bool startHost();
    QWidget *shortcutWidget() const;
    QString dump() const;
    int repaints() const;

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<HomeScreenHost> m_host;
};

void tst_HSPluginShortcut::init()
{
    m_device = std::make_unique<TestDevice>();
    qputenv("VYN_LAUNCH_DRY_RUN", "1");
}

void tst_HSPluginShortcut::cleanup()
{
    m_host.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_device.reset();
    qunsetenv("VYN_LAUNCH_DRY_RUN");
}

bool tst_HSPluginShortcut::startHost()
{
    if (!IdleHost::writeConfig(*m_device, { QStringLiteral("libshortcut_plugin.so") }))
        return false;
    m_host = IdleHost::start();
    return m_host && shortcutWidget();
}

QWidget *tst_HSPluginShortcut::shortcutWidget() const
{
    QWidget *container = m_host ? m_host->container(QStringLiteral("Shortcut")) : nullptr;
    return container ? container->findChild<QWidget *>(QStringLiteral("shortcutWidget")) : nullptr;
}

QString tst_HSPluginShortcut::dump() const
{
    return ScreenDump::lines(shortcutWidget()).join(QLatin1Char('|'));
}

int tst_HSPluginShortcut::repaints() const
{
    return shortcutWidget()->property("repaintCount").toInt();
}

void tst_HSPluginShortcut::crossLayout_data()
{
    QTest::addColumn<QRect>("area");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("exact") << QRect(0, 0, 104, 104) << 0 << QRect(0, 0, 104, 104);
    QTest::newRow("exact, elsewhere") << QRect(30, 40, 104, 104) << 0 << QRect(30, 40, 104, 104);
    QTest::newRow("larger: centred") << QRect(10, 20, 300, 200) << 0 << QRect(107, 67, 104, 104);
    QTest::newRow("smaller: top-left") << QRect(5, 6, 50, 50) << 0 << QRect(5, 6, 104, 104);
    QTest::newRow("spacing 3") << QRect(0, 0, 320, 214) << 3 << QRect(104, 51, 110, 110);
}

void tst_HSPluginShortcut::crossLayout()
{
    QFETCH(QRect, area);
    QFETCH(int, spacing);
    QFETCH(QRect, rect);

    const ShortcutLayout layout = ShortcutLayout::compute(area, spacing);
    QCOMPARE(layout.rect, rect);
    // Normal and highlighted records, relative to the plugin's rectangle.
    const int w = rect.width();
    const int h = rect.height();
    const QRect normal[] = { QRect(1, (h - 34) / 2, 34, 34), QRect(w - 35, (h - 34) / 2, 34, 34),
                             QRect((w - 34) / 2, 1, 34, 34), QRect((w - 34) / 2, h - 35, 34, 34) };
    const QRect highlighted[] = { QRect(0, (h - 35) / 2, 35, 35), QRect(w - 35, (h - 35) / 2, 35, 35),
                                  QRect((w - 35) / 2, 0, 35, 35), QRect((w - 35) / 2, h - 35, 35, 35) };
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(layout.positions[size_t(i)].normal, normal[i]);
        QCOMPARE(layout.positions[size_t(i)].highlighted, highlighted[i]);
    }

    // The plugin answers the host with the same rectangle, the spacing read from the theme.
    if (spacing != 0) {
        QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/skins/default/homescreen.cfg"),
                                    "[Idle]\nSpacing_S1=" + QByteArray::number(spacing) + "\n"));
    }
    HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/libshortcut_plugin.so"));
    QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));
    FakePluginSite site(QStringLiteral("Shortcut"));
    HSPlugin *plugin = library.createInstance(&site);
    QCOMPARE(plugin->geometry(area), rect);
    library.destroyInstance(plugin);
}

void tst_HSPluginShortcut::iconsInsideTheContainer()
{
    // The host puts the container at the returned rectangle, far from (0, 0): every icon must
    // land inside it, drawn from the container's origin.
    QVERIFY(startHost());
    QWidget *container = m_host->container(QStringLiteral("Shortcut"));
    QVERIFY(container->pos() != QPoint(0, 0));
    QCOMPARE(container->size(), QSize(104, 104));
    const QImage shown = container->grab().toImage();
    m_device->writeFile(QString::fromLatin1(idleFile), "[NaviKeyPlugin]\nShowIcons=false\n");
    QVERIFY(IdleHost::sendAndWait(VynChannel::SimpleIdle, VynMessage::ShortcutUpdate));
    const QImage hidden = container->grab().toImage();
    for (int i = 0; i < 4; ++i) {
        const QRect icon = normalRect(i);
        QVERIFY2(ScreenDump::differingPixels(shown, hidden, icon) > icon.width() * icon.height() / 2,
                 qPrintable(QStringLiteral("position %1").arg(i)));
    }
    // Between the icons there is only wallpaper.
    QCOMPARE(ScreenDump::differingPixels(shown, hidden, QRect(0, 0, 30, 30)), 0);
}

void tst_HSPluginShortcut::creationReadsNothing()
{
    HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/libshortcut_plugin.so"));
    FakePluginSite site(QStringLiteral("Shortcut"));
    HSPlugin *plugin = library.createInstance(&site);
    auto *object = dynamic_cast<QObject *>(plugin);
    QVERIFY(object);
    QCOMPARE(object->property("setupTaken").toBool(), false);
    int phase = 0;
    QCOMPARE(plugin->keyEvent(phase, HSKeyLeft), 1);
    QCOMPARE(site.requests(), QStringList());
    QCOMPARE(plugin->name(), QStringLiteral("Shortcut"));
    QCOMPARE(object->property("setupTaken").toBool(), true);
    library.destroyInstance(plugin);
}

void tst_HSPluginShortcut::keysLaunch()
{
    QVERIFY(startHost());
    // The launcher's announcements, as another program on the bus hears them.
    QProcess listener;
    listener.start(QStringLiteral(VYN_TEST_BIN_DIR "/vyn-ctl"),
                   { QStringLiteral("listen"), QString::fromLatin1(VynChannel::Launcher), QStringLiteral("--count"),
                     QStringLiteral("4"), QStringLiteral("--timeout"), QStringLiteral("20000") });
    QVERIFY(listener.waitForReadyRead(10000));
    QCOMPARE(listener.readLine().trimmed(), QByteArray("listening"));

    for (int i = 0; i < 4; ++i) {
        QCOMPARE(m_host->handleKey(keys[i], i % 2 == 0 ? 0 : 2), 0);
        QCOMPARE(shortcutWidget()->property("selectedIcon").toInt(), i);
    }
    // Phase 1 and other keys go back to the host.
    int phase = 1;
    QCOMPARE(m_host->plugin(QStringLiteral("Shortcut"))->keyEvent(phase, HSKeyLeft), 1);
    phase = 0;
    QCOMPARE(m_host->plugin(QStringLiteral("Shortcut"))->keyEvent(phase, HSKeySelect), 1);

    QVERIFY(listener.waitForFinished(20000));
    const QStringList lines = QString::fromUtf8(listener.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(lines.at(i).startsWith(QStringLiteral("VYN/Launcher\tlaunched(QString)\t") + QLatin1String(defaultIds[i])),
                 qPrintable(lines.at(i)));
    }
}

void tst_HSPluginShortcut::hiddenIconsRevealed()
{
    QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile), "[NaviKeyPlugin]\nShowIcons=false\n"));
    QVERIFY(startHost());
    QWidget *container = m_host->container(QStringLiteral("Shortcut"));
    QSignalSpy launched(new QCopChannel(VynChannel::Launcher, this), &QCopChannel::received);
    const QImage hidden = container->grab().toImage();
    QCOMPARE(dump(), QString());

    QCOMPARE(m_host->handleKey(HSKeyRight), 0);
    QCOMPARE(shortcutWidget()->property("revealed").toBool(), true);
    QCOMPARE(dump(), QStringLiteral("Left: Islamic Calendar|[Right: Recent Calls]|Up: Messages|Down: Alarm Clock"));
    const QImage revealed = container->grab().toImage();
    for (int i = 0; i < 4; ++i)
        QVERIFY(ScreenDump::differingPixels(hidden, revealed, normalRect(i)) > 34 * 34 / 2);
    QVERIFY(launched.wait(5000));
    QCOMPARE(launched.first().at(0).toByteArray(), QByteArray(VynMessage::Launched));

    HSPlugin *plugin = m_host->plugin(QStringLiteral("Shortcut"));
    plugin->focusCenter();
    QPoint point;
    plugin->focusOut(point);
    QCOMPARE(point, QPoint(52, 52));
    QCOMPARE(shortcutWidget()->property("revealed").toBool(), false);
    QCOMPARE(shortcutWidget()->property("selectedIcon").toInt(), -1);
    QCOMPARE(dump(), QString());
    QCOMPARE(ScreenDump::differingPixels(hidden, container->grab().toImage(), container->rect()), 0);
}

void tst_HSPluginShortcut::notices()
{
    QVERIFY(startHost());
    QCOMPARE(dump(), QStringLiteral("Left: Islamic Calendar|Right: Recent Calls|Up: Messages|Down: Alarm Clock"));
    const int before = repaints();

    // Identifiers that are not on a key, on the channel and through the registry: no reload.
    QVERIFY(IdleHost::sendAndWait(VynChannel::SimpleIdle, cameraId));
    AM_AppRegistry watcher;
    QSignalSpy added(&watcher, &AM_AppRegistry::signalAppObjectAdded);
    QVERIFY(m_device->writeFile(QString::fromLatin1(registry) + QStringLiteral("extra.desktop"),
                                "[Desktop Entry]\nType=Application\nName=Extra\nExec=vyn-placeholder Extra\n"
                                "X-Vyn-AppId=9b2d1a53-7f0e-4c1a-9d55-0c6d2f3e4a11\n"));
    QVERIFY(added.wait(5000));
    QCoreApplication::processEvents();
    QCOMPARE(repaints(), before);

    // The file changes behind the plugin's back; the update notice shows it (a fresh read).
    QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile),
                                QByteArray("[NaviKeyPlugin]\nShortcutID2=") + cameraId + "\n"));
    QVERIFY(IdleHost::sendAndWait(VynChannel::SimpleIdle, VynMessage::ShortcutUpdate));
    QCOMPARE(repaints(), before + 1);
    QCOMPARE(dump(), QStringLiteral("Left: Islamic Calendar|Right: Camera|Up: Messages|Down: Alarm Clock"));
}

void tst_HSPluginShortcut::configuredButAbsent_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("shown");

    const QString defaults = QStringLiteral("Left: Islamic Calendar|Right: Recent Calls|Up: Messages|Down: Alarm Clock");
    QTest::newRow("unregistered id") << QByteArray("ShortcutID1=11111111-2222-3333-4444-555555555555\n") << defaults;
    QTest::newRow("not an id") << QByteArray("ShortcutID1=calendar\nShortcutID3=\n") << defaults;
    QTest::newRow("braces and capitals")
            << QByteArray("ShortcutID4={D3D37EF2-CF9E-4D24-A625-90257DFA9368}\n")
            << QStringLiteral("Left: Islamic Calendar|Right: Recent Calls|Up: Messages|Down: Camera");
}

void tst_HSPluginShortcut::configuredButAbsent()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, shown);
    QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile), "[NaviKeyPlugin]\n" + settings));
    QVERIFY(startHost());
    QCOMPARE(dump(), shown);
}

void tst_HSPluginShortcut::appRemovedAndBack()
{
    QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile), QByteArray("[NaviKeyPlugin]\nShortcutID3=") + cameraId + "\n"));
    // An entry that names an icon the device lacks.
    const QString entry = QString::fromLatin1(registry) + QStringLiteral("camera.desktop");
    const QByteArray camera = m_device->readFile(entry).replace("camera_std.g", "no_such_icon.g");
    QVERIFY(m_device->writeFile(entry, camera));
    QVERIFY(startHost());
    QCOMPARE(dump(), QStringLiteral("Left: Islamic Calendar|Right: Recent Calls|Up: Camera|Down: Alarm Clock"));

    QVERIFY(QFile::remove(m_device->hostPath(entry)));
    QTRY_COMPARE_WITH_TIMEOUT(dump(), QStringLiteral("Left: Islamic Calendar|Right: Recent Calls|Up: Messages|Down: Alarm Clock"), 5000);
    // The stored choice outlives the absence.
    QVERIFY(m_device->readFile(QString::fromLatin1(idleFile)).contains(cameraId));

    QVERIFY(m_device->writeFile(entry, camera));
    QTRY_COMPARE_WITH_TIMEOUT(dump(), QStringLiteral("Left: Islamic Calendar|Right: Recent Calls|Up: Camera|Down: Alarm Clock"), 5000);
}

void tst_HSPluginShortcut::freeAreaOfTheHost()
{
    // Offered the room under the date, the cross goes there; with no room left it is offered the
    // whole screen and lies over the others.
    for (const bool crowded : { false, true }) {
        QByteArray config = "[Plugins]\nList=libdate_plugin.so;libshortcut_plugin.so\n[libshortcut_plugin.so]\n"
                            "Name=Shortcut\nArea=free\n";
        QVERIFY(m_device->writeFile(QString::fromLatin1(IdleHost::configPath), config));
        if (crowded)
            QVERIFY(m_device->writeFile(QStringLiteral("/setup/vyn_device.cfg"), "[Screen]\nHeight=160\n"));
        m_host = IdleHost::start();
        QVERIFY(m_host);
        const QRect date = m_host->container(QStringLiteral("Date"))->geometry();
        const QRect cross = m_host->container(QStringLiteral("Shortcut"))->geometry();
        QCOMPARE(cross.size(), QSize(104, 104));
        QCOMPARE(cross.top() > date.bottom(), !crowded);
        QVERIFY(m_host->offeredArea().contains(cross));
        m_host.reset();
    }
}

QTEST_MAIN(tst_HSPluginShortcut)
#include "tst_hspluginshortcut.moc"
