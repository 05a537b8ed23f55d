// vyn-homescreen: the home-screen host. Shows the idle screen with the configured plugins.
#include "homescreenhost.h"
#include "hsframeworkconfig.h"

#include <hs_idle_frame.h>
#include <tapi_client.h>
#include <vyndevice.h>
#include <zapplication.h>
#include <zglobal.h>
#include <zlog.h>

#include <QCommandLineParser>

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
    parser.addOption(configOption);
    parser.addOption(pluginDirOption);
    parser.process(app);
    if (!parser.positionalArguments().isEmpty()) {
        fprintf(stderr, "vyn-homescreen: unexpected argument %s\n", qPrintable(parser.positionalArguments().first()));
        return 2;
    }

    ZLOG_Init("hsframework");
    // A fresh device root gets the shipped files; existing ones are never overwritten.
    VynDevice::installImage();

    // The telephony events the plugins may listen to; it outlives them.
    TAPI_Client tapi;
    HS_IDLE_Frame::pTapi = &tapi;
    HomeScreenHost host({ parser.value(configOption), parser.value(pluginDirOption) });
    host.start();
    app.setMainWidget(&host);
    // The idle screen has a height of its own; the main-widget size is that of full-screen windows.
    host.setFixedSize(ZGlobal::getScreenR().size());
    host.move(0, 0);
    host.show();
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &host, &HomeScreenHost::shutdown);
    const int result = app.exec();
    host.shutdown();
    HS_IDLE_Frame::pTapi = nullptr;
    return result;
}
