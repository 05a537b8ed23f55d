#include <hspluginlibrary.h>
#include <hspluginsettinginfo.h>
#include <qcopchannel.h>
#include <vynchannels.h>
#include <zdialogscript.h>

#include "screendump.h"
#include "testdevice.h"

#include <QApplication>
#include <QDataStream>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

// Every message of the channels, as "channel message payload-text", in arrival order.
class Recorder
{
public:
    Recorder()
    {
        for (const char *name : { VynChannel::ClockCli, VynChannel::HomeScreenFramework }) {
            auto channel = std::make_unique<QCopChannel>(name);
            QObject::connect(channel.get(), &QCopChannel::received, [this, name](const QCString &message, const QByteArray &data) {
                QDataStream stream(data);
                QString text;
                if (!data.isEmpty())
                    stream >> text;
                m_lines << (QString::fromLatin1(name) + QLatin1Char(' ') + QString::fromLatin1(message)
                            + (data.isEmpty() ? QString() : QLatin1Char(' ') + text));
            });
            m_channels.push_back(std::move(channel));
        }
    }
    // What arrived within a moment; messages from this process come through the event loop.
    QStringList settle()
    {
        QTest::qWait(300);
        return m_lines;
    }

private:
    std::vector<std::unique_ptr<QCopChannel>> m_channels;
    QStringList m_lines;
};

const char idleFile[] = "/setup/vyn_idle.cfg";

} // namespace

class tst_ClockDateSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void descriptors();
    void clockStyle_data();
    void clockStyle();
    void dateDisplay_data();
    void dateDisplay();

private:
    std::unique_ptr<TestDevice> m_device;
};

void tst_ClockDateSettings::init()
{
    m_device = std::make_unique<TestDevice>();
    ZDialogScript::start();
}

void tst_ClockDateSettings::cleanup()
{
    ZDialogScript::stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_device.reset();
}

void tst_ClockDateSettings::descriptors()
{
    for (const char *name : { "libclock_plugin.so", "libdate_plugin.so" }) {
        HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/") + QLatin1String(name),
                                HSPluginLibrary::PluginExports | HSPluginLibrary::SettingsExports);
        QVERIFY2(library.isLoaded(), qPrintable(library.errorString()));
        auto get = library.function<HSGetSettingInfoFunction>("getSettingInfo");
        std::unique_ptr<HSPluginSettingInfo> first(get(nullptr));
        std::unique_ptr<HSPluginSettingInfo> second(get(nullptr));
        QVERIFY(first && second && first != second);
        QVERIFY(!first->getSettingIcon().isEmpty());
        QCOMPARE(first->getSettingTitle(), QString::fromLatin1(name[3] == 'c' ? "External Clock Style" : "Date"));
    }
}

void tst_ClockDateSettings::clockStyle_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("answer");   // row accepted; -1 accepted with none, -2 cancelled
    QTest::addColumn<int>("checked");  // the row marked when the popup opened
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("messages");

    const QString cliDigital = QStringLiteral("Plugin/Cli digital");
    const QString cliAnalog = QStringLiteral("Plugin/Cli analog");
    QTest::newRow("Stylish to Digital") << QByteArray("Stylish") << 0 << -1 << "Digital"
                                        << QStringList { cliDigital, "VYN/HSFRAMEWORK digital digital" };
    QTest::newRow("Off to Analog") << QByteArray("Off") << 1 << -1 << "Analog"
                                   << QStringList { "VYN/HSFRAMEWORK activePlugIn() Clock" };
    QTest::newRow("Analog to Digital") << QByteArray("Analog") << 0 << 1 << "Digital"
                                       << QStringList { cliDigital, "VYN/HSFRAMEWORK digital digital" };
    QTest::newRow("Digital to Analog") << QByteArray("Digital") << 1 << 0 << "Analog"
                                       << QStringList { cliAnalog, "VYN/HSFRAMEWORK analog analog" };
    QTest::newRow("same row again") << QByteArray("Digital") << 0 << 0 << "Digital" << QStringList();
    QTest::newRow("nothing stored, Digital") << QByteArray() << 0 << 0 << "Digital" << QStringList();
    QTest::newRow("garbled, Analog") << QByteArray("Sundial") << 1 << -1 << "Analog"
                                     << QStringList { "VYN/HSFRAMEWORK activePlugIn() Clock" };
    QTest::newRow("Off, accepted with no row") << QByteArray("Off") << -1 << -1 << "Off" << QStringList();
    QTest::newRow("Analog, cancelled") << QByteArray("Analog") << -2 << 1 << "Analog" << QStringList();
}

void tst_ClockDateSettings::clockStyle()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, answer);
    QFETCH(int, checked);
    QFETCH(QString, after);
    QFETCH(QStringList, messages);

    if (!stored.isEmpty())
        QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile), "[ClockPlugin]\nClockMode=" + stored + "\n"));
    HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/libclock_plugin.so"),
                            HSPluginLibrary::PluginExports | HSPluginLibrary::SettingsExports);
    QVERIFY(library.isLoaded());
    std::unique_ptr<HSPluginSettingInfo> info(library.function<HSGetSettingInfoFunction>("getSettingInfo")(nullptr));
    QVERIFY(info);

    if (answer >= 0)
        ZDialogScript::accept(answer);
    else if (answer == -1)
        ZDialogScript::acceptNone();
    else
        ZDialogScript::cancel();
    Recorder recorder;
    info->showSettingWidget(nullptr);

    const QList<ZDialogScript::Shown> shown = ZDialogScript::shown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().title, QStringLiteral("External Clock Style"));
    QCOMPARE(shown.first().items, QStringList({ "Digital", "Analog" }));
    QCOMPARE(shown.first().checked, checked);
    QCOMPARE(recorder.settle(), messages);

    const QByteArray file = m_device->readFile(QString::fromLatin1(idleFile));
    if (stored.isEmpty() && answer < 0)
        QVERIFY(file.isEmpty());
    else
        QVERIFY2(file.contains("ClockMode=" + after.toLatin1()), file.constData());
    // The home-screen clock shows whatever the style.
    QCOMPARE(library.isActivated(), 1);
}

void tst_ClockDateSettings::dateDisplay_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("answer");   // row accepted; -2 cancelled
    QTest::addColumn<QString>("shownBefore");
    QTest::addColumn<int>("checked");
    QTest::addColumn<QString>("shownAfter");
    QTest::addColumn<QByteArray>("storedAfter");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("activated");

    QTest::newRow("On, choose Off") << QByteArray("0") << 1 << "On" << 0 << "Off" << QByteArray("1")
                                    << QStringList { "VYN/HSFRAMEWORK deactivePlugIn() Date" } << 0;
    QTest::newRow("On, choose On") << QByteArray("0") << 0 << "On" << 0 << "On" << QByteArray("0") << QStringList() << 1;
    QTest::newRow("nothing stored, choose On") << QByteArray() << 0 << "On" << 0 << "On" << QByteArray() << QStringList() << 1;
    QTest::newRow("Off, choose On") << QByteArray("1") << 0 << "Off" << 1 << "On" << QByteArray("0")
                                    << QStringList { "VYN/HSFRAMEWORK activePlugIn() Date" } << 1;
    QTest::newRow("Off, cancel") << QByteArray("1") << -2 << "Off" << 1 << "Off" << QByteArray("1") << QStringList() << 0;
    QTest::newRow("unknown value, choose Off") << QByteArray("5") << 1 << "Off" << -1 << "Off" << QByteArray("1")
                                               << QStringList { "VYN/HSFRAMEWORK deactivePlugIn() Date" } << 0;
}

void tst_ClockDateSettings::dateDisplay()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, answer);
    QFETCH(QString, shownBefore);
    QFETCH(int, checked);
    QFETCH(QString, shownAfter);
    QFETCH(QByteArray, storedAfter);
    QFETCH(QStringList, messages);
    QFETCH(int, activated);

    if (!stored.isEmpty())
        QVERIFY(m_device->writeFile(QString::fromLatin1(idleFile), "[idle_date]\nidle_date_mode=" + stored + "\n"));
    HSPluginLibrary library(QStringLiteral(VYN_TEST_LIB_DIR "/libdate_plugin.so"),
                            HSPluginLibrary::PluginExports | HSPluginLibrary::SettingsExports);
    QVERIFY(library.isLoaded());
    std::unique_ptr<HSPluginSettingInfo> info(library.function<HSGetSettingInfoFunction>("getSettingInfo")(nullptr));
    QVERIFY(info);
    if (answer >= 0)
        ZDialogScript::accept(answer);
    else
        ZDialogScript::cancel();
    Recorder recorder;

    // The screen runs its own loop: the user opens the row, reads it, and leaves with Back.
    QStringList before;
    QStringList after;
    bool closed = false;
    QTimer::singleShot(0, [&] {
        QWidget *screen = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("DateSettingWgt") && widget->isVisible())
                screen = widget;
        }
        if (!screen)
            return;
        before = ScreenDump::lines(screen);
        QMetaObject::invokeMethod(screen, "slotCenterSelect", Q_ARG(int, 0));
        after = ScreenDump::lines(screen);
        QMetaObject::invokeMethod(screen, "slotRightSFKey");
        closed = true;
    });
    info->showSettingWidget(nullptr);
    QVERIFY(closed);

    QVERIFY2(before.join(QLatin1Char('|')).contains(QStringLiteral("Date Display")), qPrintable(before.join('|')));
    QVERIFY2(before.join(QLatin1Char('|')).contains(shownBefore), qPrintable(before.join('|')));
    QVERIFY2(after.join(QLatin1Char('|')).contains(shownAfter), qPrintable(after.join('|')));
    const QList<ZDialogScript::Shown> shown = ZDialogScript::shown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.first().items, QStringList({ "On", "Off" }));
    QCOMPARE(shown.first().checked, checked);
    QCOMPARE(recorder.settle(), messages);

    const QByteArray file = m_device->readFile(QString::fromLatin1(idleFile));
    if (storedAfter.isEmpty())
        QVERIFY(!QFileInfo::exists(m_device->hostPath(QString::fromLatin1(idleFile))));
    else
        QVERIFY2(file.contains("idle_date_mode=" + storedAfter), file.constData());
    // The plugin follows the stored value at its next call.
    QCOMPARE(library.isActivated(), activated);
    // The screen is gone once show returned.
    for (QWidget *widget : QApplication::topLevelWidgets())
        QVERIFY(widget->objectName() != QLatin1String("DateSettingWgt"));
}

QTEST_MAIN(tst_ClockDateSettings)
#include "tst_clockdatesettings.moc"
