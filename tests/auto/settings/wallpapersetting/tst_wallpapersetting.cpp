#include <hspluginlibrary.h>
#include <hspluginsettinginfo.h>
#include <qcopchannel.h>
#include <qwallpaper.h>
#include <vynchannels.h>
#include <zdialogscript.h>

#include "idlehost.h"
#include "screendump.h"
#include "testdevice.h"

#include <QDir>
#include <QImage>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include <memory>

namespace {

const char themeFile[] = "/setup/vyn_theme.cfg";
const char pictures[] = "/vynlocal/download/picture";

} // namespace

class tst_WallpaperSetting : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void descriptor();
    void offers_data();
    void offers();
    void nothingApplied_data();
    void nothingApplied();
    void everyPluginRepaints();

private:
    // Runs the setting once with the script's answers; the wallpaper notices it caused.
    int run(QWidget *parent = nullptr);

    std::unique_ptr<TestDevice> m_device;
    std::unique_ptr<HSPluginLibrary> m_library;
};

void tst_WallpaperSetting::init()
{
    m_device = std::make_unique<TestDevice>();
    m_library = std::make_unique<HSPluginLibrary>(QStringLiteral(VYN_TEST_LIB_DIR "/libwallpaper_setting.so"),
                                                  HSPluginLibrary::SettingsExports);
    QVERIFY2(m_library->isLoaded(), qPrintable(m_library->errorString()));
    ZDialogScript::start();
}

void tst_WallpaperSetting::cleanup()
{
    ZDialogScript::stop();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_library.reset();
    m_device.reset();
}

int tst_WallpaperSetting::run(QWidget *parent)
{
    QCopChannel launcher(VynChannel::Launcher);
    QSignalSpy spy(&launcher, &QCopChannel::received);
    std::unique_ptr<HSPluginSettingInfo> info(m_library->function<HSGetSettingInfoFunction>("getSettingInfo")(nullptr));
    if (!info)
        return -1;
    info->showSettingWidget(parent);
    QTest::qWait(300);
    int count = 0;
    for (const QList<QVariant> &arguments : spy)
        count += arguments.at(0).toByteArray() == VynMessage::ShowWallPaper ? 1 : 0;
    return count;
}

void tst_WallpaperSetting::descriptor()
{
    auto get = m_library->function<HSGetSettingInfoFunction>("getSettingInfo");
    std::unique_ptr<HSPluginSettingInfo> first(get(nullptr));
    std::unique_ptr<HSPluginSettingInfo> second(get(nullptr));
    QVERIFY(first && second && first != second);
    QVERIFY(first->getSettingIcon().isNull());
    QCOMPARE(first->getSettingTitle(), QStringLiteral("Change Wallpaper"));
}

void tst_WallpaperSetting::offers_data()
{
    QTest::addColumn<QByteArray>("extensions");   // the image key of the players' file; empty: shipped
    QTest::addColumn<QStringList>("filters");
    QTest::addColumn<QStringList>("files");

    const QString folder = QString::fromLatin1(pictures) + QLatin1Char('/');
    QTest::newRow("jpg and png") << QByteArray("4=jpg;png;xyz\n") << QStringList { "*.jpg", "*.png" }
                                 << QStringList { folder + "desert_dunes.jpg", folder + "garden.png",
                                                  folder + "sunset_sea.jpg" };
    QTest::newRow("png only") << QByteArray("4=PNG\n") << QStringList { "*.png" } << QStringList { folder + "garden.png" };
    QTest::newRow("shipped") << QByteArray() << QStringList { "*.jpg", "*.jpeg", "*.png", "*.gif", "*.bmp" }
                             << QStringList { folder + "desert_dunes.jpg", folder + "garden.png",
                                              folder + "sunset_sea.jpg" };
}

void tst_WallpaperSetting::offers()
{
    QFETCH(QByteArray, extensions);
    QFETCH(QStringList, filters);
    QFETCH(QStringList, files);

    if (!extensions.isEmpty()) {
        QVERIFY(m_device->writeFile(QStringLiteral("/usr/SYSqtapp/mediaplayer.cfg"),
                                    "[SupportedExtensions]\n3=wav\n" + extensions));
    }
    // A file that only looks like a picture is not offered.
    QVERIFY(m_device->writeFile(QString::fromLatin1(pictures) + QStringLiteral("/notes.jpg"), "not a picture"));
    ZDialogScript::cancel();
    QCOMPARE(run(), 0);
    const ZDialogScript::Shown shown = ZDialogScript::shown().first();
    QCOMPARE(shown.kind, QStringLiteral("FILEHUB_InsertDlg"));
    QCOMPARE(shown.title, QStringLiteral("Change Wallpaper Dlg"));
    QCOMPARE(shown.text, QString::fromLatin1(pictures));
    QCOMPARE(shown.extensions, filters);
    QCOMPARE(shown.items, files);
}

void tst_WallpaperSetting::nothingApplied_data()
{
    QTest::addColumn<QString>("picked");   // empty: cancelled
    QTest::addColumn<bool>("removeFolder");

    QTest::newRow("cancelled") << QString() << false;
    QTest::newRow("vanished before it was applied") << QStringLiteral("/vynlocal/download/picture/gone.jpg") << false;
    QTest::newRow("not a picture") << QStringLiteral("/vynlocal/download/picture/notes.jpg") << false;
    QTest::newRow("no image folder") << QString() << true;
}

void tst_WallpaperSetting::nothingApplied()
{
    QFETCH(QString, picked);
    QFETCH(bool, removeFolder);

    const QByteArray before = "[Wallpaper]\nPath=/vynlocal/download/picture/garden.png\n";
    QVERIFY(m_device->writeFile(QString::fromLatin1(themeFile), before));
    QVERIFY(m_device->writeFile(QString::fromLatin1(pictures) + QStringLiteral("/notes.jpg"), "not a picture"));
    if (removeFolder)
        QVERIFY(QDir(m_device->hostPath(QString::fromLatin1(pictures))).removeRecursively());
    if (picked.isEmpty())
        ZDialogScript::cancel();
    else
        ZDialogScript::pick(picked);
    QWidget parent;
    QCOMPARE(run(&parent), 0);
    QCOMPARE(m_device->readFile(QString::fromLatin1(themeFile)), before);
    if (removeFolder)
        QCOMPARE(ZDialogScript::shown().first().items, QStringList());
}

void tst_WallpaperSetting::everyPluginRepaints()
{
    const QStringList libraries { "libstatusbar_plugin.so", "libstatustext_plugin.so", "libclock_plugin.so",
                                  "libdate_plugin.so", "libazaan_plugin.so", "libshortcut_plugin.so" };
    QVERIFY(IdleHost::writeConfig(*m_device, libraries));
    QVERIFY(m_device->writeFile(QStringLiteral("/setup/qd_azaan_hs.cfg"), "[SETTINGS]\nHGM_HSA=1\nHGM_HSA_PRAYER=1\n"));
    std::unique_ptr<HomeScreenHost> host = IdleHost::start();
    QVERIFY(host);
    QCOMPARE(host->shownPlugins().size(), libraries.size());
    const QImage before = host->grab().toImage();

    const QString picture = QString::fromLatin1(pictures) + QStringLiteral("/desert_dunes.jpg");
    ZDialogScript::pick(picture);
    QCOMPARE(run(), 1);
    QCOMPARE(QWallpaper::wallpaperPath(), picture);
    // The sand is far brighter than the night sky under every plugin.
    for (const QString &name : host->shownPlugins()) {
        const QRect area = host->container(name)->geometry();
        QTRY_VERIFY2_WITH_TIMEOUT(ScreenDump::differingPixels(before, host->grab().toImage(), area)
                                          > area.width() * area.height() / 4,
                                  qPrintable(name), 5000);
    }
}

QTEST_MAIN(tst_WallpaperSetting)
#include "tst_wallpapersetting.moc"
