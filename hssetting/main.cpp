// hssetting_app: the "Homescreen Setting" program. Without arguments it lists the settings
// entries; "-p NAME" (any letter case) opens that entry's screen directly.
#include "hsset_manager.h"
#include "set_mainwidget.h"

#include <zapplication.h>
#include <zlog.h>

#include <QPointer>

namespace {

struct LogPort
{
    bool open = false;
    ~LogPort()
    {
        if (open)
            ZLOG_Close("qd_idle");
    }
};

LogPort thePort;

} // namespace

// The log port of the settings libraries this program loads.
extern "C" __attribute__((visibility("default"))) const QLoggingCategory *GetLogPort()
{
    if (!thePort.open) {
        ZLOG_Open("qd_idle");
        thePort.open = true;
    }
    return &zlog("qd_idle");
}

int main(int argc, char **argv)
{
    ZLOG_Init("hssetting_port");
    int status = -1;
    {
        ZApplication app(argc, argv, ZApplication::GuiClient);
        HSSET_Manager *manager = HSSET_Manager::instance();
        if (argc < 2) {
            QPointer<SET_MainWidget> screen = new SET_MainWidget(nullptr, nullptr);
            app.setMainWidget(screen);
            screen->show();
            status = app.exec();
            delete screen;
        } else if (QString::fromLocal8Bit(argv[1]).compare(QLatin1String("-p"), Qt::CaseInsensitive) == 0) {
            if (argc >= 3)
                manager->openByName(QString::fromLocal8Bit(argv[2]));
        }
        HSSET_Manager::release();
    }
    ZLOG_Close("hssetting_port");
    return status;
}
