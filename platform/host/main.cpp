// vyn-homescreen: the home-screen host. Shows the idle screen with the configured plugins.
#include "externalclockpanel.h"
#include "homescreenhost.h"
#include "hsframeworkconfig.h"

#include <hs_idle_frame.h>
#include <tapi_client.h>
#include <vyndevice.h>
#include <zapplication.h>
#include <zglobal.h>
#include <zheadless.h>
#include <zlog.h>

#include <QCommandLineParser>

#include <memory>

#include <cstdio>

int main(int argc, char **argv)
{
    ZApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vyn-homescreen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Home-screen host: loads the idle-screen plugins named in the host configuration and shows them."));
    parser.addHelpOption();
    const QCommandLineOption configOption(
            QStringLiteral("config"),
            QStringLiteral("Host configuration FILE: a device path, or a path relative to the current folder."),
            QStringLiteral("FILE"), QString::fromLatin1(HSFrameworkConfig::DefaultPath));
    const QCommandLineOption pluginDirOption(QStringLiteral("plugin-dir"),
                                             QStringLiteral("Folder DIR of the plugin libraries."),
                                             QStringLiteral("DIR"), HomeScreenHost::defaultPluginDir());
    const QCommandLineOption externalOption(
            QStringLiteral("external-display"),
            QStringLiteral("Also show the phone's external display (the clock style of the clock settings): "
                           "a window beside the phone, or, headless, a panel under it in the screenshot."));
    parser.addOption(configOption);
    parser.addOption(pluginDirOption);
    parser.addOption(externalOption);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        fprintf(stderr, "vyn-homescreen: unexpected argument %s\n", qPrintable(parser.positionalArguments().first()));
        return 2;
    }

    ZLOG_Init("hsframework");
    // A fresh device root gets the shipped files (settings already there stay). The
    // translations may have arrived only now: the texts of the display language again.
    VynDevice::installImage();
    app.applyLanguage();

    const bool external = parser.isSet(externalOption);
    // Headless, the external display goes under the phone so one screenshot shows both; the phone
    // stays at the window's origin, where the plugins find their part of the wallpaper.
    QWidget simulator;
    const bool combined = external && ZHeadless::isEnabled();
    // The telephony events the plugins may listen to; it outlives them.
    TAPI_Client tapi;
    HS_IDLE_Frame::pTapi = &tapi;
    HomeScreenHost host({ parser.value(configOption), parser.value(pluginDirOption) }, combined ? &simulator : nullptr);
    host.start();
    std::unique_ptr<ExternalClockPanel> panel;
    if (external)
        panel = std::make_unique<ExternalClockPanel>(combined ? &simulator : nullptr);
    app.setMainWidget(combined ? &simulator : static_cast<QWidget *>(&host));
    // The idle screen has a height of its own; the main-widget size is that of full-screen windows.
    host.setFixedSize(ZGlobal::getScreenR().size());
    host.move(0, 0);
    if (combined) {
        panel->setGeometry(0, host.height(), host.width(), panel->sizeHint().height());
        simulator.setWindowTitle(host.windowTitle());
        simulator.setFixedSize(host.width(), host.height() + panel->height());
        simulator.show();
        host.setFocus();
    } else {
        host.show();
        if (panel) {
            panel->resize(panel->sizeHint());
            panel->move(host.width() + 20, 0);
            panel->show();
            host.activateWindow();
        }
    }
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &host, &HomeScreenHost::shutdown);
    const int result = app.exec();
    host.shutdown();
    HS_IDLE_Frame::pTapi = nullptr;
    return result;
}
