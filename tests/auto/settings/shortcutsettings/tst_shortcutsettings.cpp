#include <hspluginlibrary.h>
#include <hspluginsettinginfo.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <zdialogscript.h>
#include <zlistbox.h>

#include "screendump.h"
#include "testdevice.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const char idleFile[] = "/setup/vyn_idle.cfg";
const char cameraId[] = "d3d37ef2-cf9e-4d24-a625-90257dfa9368";
const char absentId[] = "11111111-2222-3333-4444-555555555555";
// The picker lists the registry by name, the five excluded left out.
const QStringList offered { "Alarm Clock", "Browser", "Calendar", "Camera", "Contacts", "Homescreen Setting",
                            "Islamic Calendar", "Media Finder", "Messages", "Music", "Prayer Times", "Recent Calls",
                            "Settings", "SIM Toolkit" };

} // namespace

class tst_ShortcutSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void descriptor();
    void rows_data();
    void rows();
    void iconDisplay_data();
    void iconDisplay();
    void picker_data();
    void picker();

private:
    // Opens the screen, lets the user act on it (labels of its rows in, row numbers chosen),
    // and leaves it with Back; the rows' "label: value" texts before and after.
    bool runScreen(const QList<int> &choices, QStringList *before, QStringList *after);
    QStringList messages();

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<HSPluginLibrary> m_library;
    std::unique_ptr<QCopChannel> m_channel;
    std::unique_ptr<QSignalSpy> m_spy;
};

void tst_ShortcutSettings::init()
{
    m_device = std::make_unique<TestDevice>();
    m_library = std::make_unique<HSPluginLibrary>(QStringLiteral(VYN_TEST_LIB_DIR "/libshortcut_plugin.so"),
                                                  HSPluginLibrary::PluginExports | HSPluginLibrary::SettingsExports);
    QVERIFY2(m_library->isLoaded(), qPrintable(m_library->errorString()));
    m_channel = std::make_unique<QCopChannel>(VynChannel::SimpleIdle);
    m_spy = std::make_unique<QSignalSpy>(m_channel.get(), &QCopChannel::received);
    ZDialogScript::start();
}

void tst_ShortcutSettings::cleanup()
{
    ZDialogScript::stop();
    m_spy.reset();
    m_channel.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_library.reset();
    m_device.reset();
}

QStringList tst_ShortcutSettings::messages()
{
    // Messages of this process come back through the event loop.
    QTest::qWait(300);
    QStringList names;
    for (const QList<QVariant> &arguments : *m_spy)
        names << QString::fromLatin1(arguments.at(0).toByteArray());
    return names;
}

bool tst_ShortcutSettings::runScreen(const QList<int> &choices, QStringList *before, QStringList *after)
{
    std::unique_ptr<HSPluginSettingInfo> info(m_library->function<HSGetSettingInfoFunction>("getSettingInfo")(nullptr));
    if (!info)
        return false;
    const auto rows = [](QWidget *screen) {
        QStringList texts;
        auto *list = screen->findChild<ZListBox *>(QStringLiteral("shortcutList"));
        for (int i = 0; list && i < list->count(); ++i) {
            const QString value = list->item(i)->subItemText(0, 1);
            texts << list->item(i)->subItemText(0, 0) + (value.isEmpty() ? QString() : QStringLiteral(": ") + value);
        }
        return texts;
    };
    bool closed = false;
    QTimer::singleShot(0, [&] {
        QWidget *screen = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("HSSCSettingWidget") && widget->isVisible())
                screen = widget;
        }
        if (!screen)
            return;
        *before = rows(screen);
        for (int row : choices)
            QMetaObject::invokeMethod(screen, "slotCommandDispatcher", Q_ARG(int, row));
        *after = rows(screen);
        QMetaObject::invokeMethod(screen, "slotRightSFKey");
        closed = true;
    });
    info->showSettingWidget(nullptr);
    return closed;
}

void tst_ShortcutSettings::descriptor()
{
    auto get = m_library->function<HSGetSettingInfoFunction>("getSettingInfo");
    std::unique_ptr<HSPluginSettingInfo> first(get(nullptr));
    std::unique_ptr<HSPluginSettingInfo> second(get(nullptr));
    QVERIFY(first && second && first != second);
    QCOMPARE(first->getSettingIcon(), QString());
    QCOMPARE(first->getSettingTitle(), QStringLiteral("Icons"));
}

void tst_ShortcutSettings::rows_data()
{
    QTest::addColumn<QByteArray>("customize");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("every row") << QByteArray()
                               << QStringList { "Icon Display: Show", "Left: Islamic Calendar", "Right: Recent Calls",
                                                "Up: Messages", "Down: Alarm Clock" };
    QTest::newRow("Up hidden") << QByteArray("CrossStyleNaviKey.Up=false\n")
                               << QStringList { "Icon Display: Show", "Left: Islamic Calendar", "Right: Recent Calls",
                                                "Down: Alarm Clock" };
    QTest::newRow("no icon display, no left")
            << QByteArray("CrossStyleNaviKey.DisplayIcon=false\nCrossStyleNaviKey.Left=false\n")
            << QStringList { "Right: Recent Calls", "Up: Messages", "Down: Alarm Clock" };
}

void tst_ShortcutSettings::rows()
{
    QFETCH(QByteArray, customize);
    QFETCH(QStringList, rows);
    if (!customize.isEmpty())
        QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile), "[CustomizeSetting]\n" + customize));

    // The last row is always Down: choosing it edits Down, whatever rows come before it.
    ZDialogScript::accept(offered.indexOf(QStringLiteral("Camera")));
    QStringList before;
    QStringList after;
    QVERIFY(runScreen({ int(rows.size()) - 1 }, &before, &after));
    QCOMPARE(before, rows);
    QCOMPARE(after.last(), QStringLiteral("Down: Camera"));
    QCOMPARE(ZDialogScript::shown().first().title, QStringLiteral("Down"));
    const QByteArray file = m_device->readFile(QString::fromLatin1(idleFile));
    QVERIFY2(file.contains(QByteArray("ShortcutID4=") + cameraId), file.constData());
    QVERIFY2(!file.contains("ShortcutID1") && !file.contains("ShortcutID2") && !file.contains("ShortcutID3"),
             file.constData());
    QCOMPARE(messages(), QStringList { VynMessage::ShortcutUpdate });
}

void tst_ShortcutSettings::iconDisplay_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QList<int>>("answers");   // -1 cancel
    QTest::addColumn<int>("checked");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("messageCount");
    QTest::addColumn<QByteArray>("storedAfter");

    QTest::newRow("Hide, then Hide again") << QByteArray() << QList<int> { 1, 1 } << 0 << "Hide" << 1
                                           << QByteArray("ShowIcons=false");
    QTest::newRow("Show while shown") << QByteArray() << QList<int> { 0 } << 0 << "Show" << 0 << QByteArray();
    QTest::newRow("hidden, Show") << QByteArray("ShowIcons=false\n") << QList<int> { 0 } << 1 << "Show" << 1
                                  << QByteArray("ShowIcons=true");
    QTest::newRow("hidden, cancel") << QByteArray("ShowIcons=false\n") << QList<int> { -1 } << 1 << "Hide" << 0
                                    << QByteArray("ShowIcons=false");
}

void tst_ShortcutSettings::iconDisplay()
{
    QFETCH(QByteArray, stored);
    QFETCH(QList<int>, answers);
    QFETCH(int, checked);
    QFETCH(QString, shown);
    QFETCH(int, messageCount);
    QFETCH(QByteArray, storedAfter);

    if (!stored.isEmpty())
        QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile), "[NaviKeyPlugin]\n" + stored));
    QList<int> rows;
    for (int answer : answers) {
        if (answer < 0)
            ZDialogScript::cancel();
        else
            ZDialogScript::accept(answer);
        rows << 0;
    }
    QStringList before;
    QStringList after;
    QVERIFY(runScreen(rows, &before, &after));
    QCOMPARE(after.first(), QStringLiteral("Icon Display: ") + shown);
    const ZDialogScript::Shown popup = ZDialogScript::shown().first();
    QCOMPARE(popup.title, QStringLiteral("Icon Display"));
    QCOMPARE(popup.items, QStringList({ "Show", "Hide" }));
    QCOMPARE(popup.checked, checked);
    QCOMPARE(messages().size(), messageCount);
    const QByteArray file = m_device->readFile(QString::fromLatin1(idleFile));
    if (storedAfter.isEmpty())
        QVERIFY(!file.contains("ShowIcons"));
    else
        QVERIFY2(file.contains(storedAfter), file.constData());
    QVERIFY(!file.contains("ShortcutID"));
}

void tst_ShortcutSettings::picker_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("answer");   // index into the offered list; -1 accepted with none, -2 cancelled
    QTest::addColumn<int>("checked");
    QTest::addColumn<QString>("leftAfter");
    QTest::addColumn<QByteArray>("fileAfter");

    const QByteArray upAbsent = QByteArray("ShortcutID3=") + absentId + "\n";
    QTest::newRow("Camera on Left, absent Up kept")
            << upAbsent << int(offered.indexOf("Camera")) << int(offered.indexOf("Islamic Calendar")) << "Camera"
            << QByteArray("[NaviKeyPlugin]\nShortcutID3=") + absentId + "\nShortcutID1=" + cameraId + "\n";
    QTest::newRow("accepted with no row") << upAbsent << -1 << int(offered.indexOf("Islamic Calendar"))
                                          << "Islamic Calendar" << QByteArray("[NaviKeyPlugin]\n") + upAbsent;
    QTest::newRow("cancelled") << QByteArray() << -2 << int(offered.indexOf("Islamic Calendar")) << "Islamic Calendar"
                               << QByteArray();
    QTest::newRow("excluded on the key") << QByteArray("ShortcutID1=626d3290-2ec3-4b34-88f8-a3641dbc5f85\n") << -2
                                         << -1 << "Shortcut Settings"
                                         << QByteArray("[NaviKeyPlugin]\nShortcutID1=626d3290-2ec3-4b34-88f8-a3641dbc5f85\n");
}

void tst_ShortcutSettings::picker()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, answer);
    QFETCH(int, checked);
    QFETCH(QString, leftAfter);
    QFETCH(QByteArray, fileAfter);

    if (!stored.isEmpty())
        QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile), "[NaviKeyPlugin]\n" + stored));
    if (answer >= 0)
        ZDialogScript::accept(answer);
    else if (answer == -1)
        ZDialogScript::acceptNone();
    else
        ZDialogScript::cancel();
    QStringList before;
    QStringList after;
    QVERIFY(runScreen({ 1 }, &before, &after));
    const ZDialogScript::Shown popup = ZDialogScript::shown().first();
    QCOMPARE(popup.title, QStringLiteral("Left"));
    QCOMPARE(popup.items, offered);
    QCOMPARE(popup.checked, checked);
    QCOMPARE(after.at(1), QStringLiteral("Left: ") + leftAfter);
    QCOMPARE(messages().size(), answer >= 0 ? 1 : 0);
    QCOMPARE(m_device->readFile(QString::fromLatin1(idleFile)), fileAfter);
}

QTEST_MAIN(tst_ShortcutSettings)
#include "tst_shortcutsettings.moc"
