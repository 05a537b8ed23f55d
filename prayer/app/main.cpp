// prayer_app: lists today's prayer times, or with the argument "event" the coming Islamic events.
#include "azaan_islamic_events.h"
#include "azaan_prayer_time.h"

#include <zapplication.h>

#include <memory>

int main(int argc, char **argv)
{
    ZApplication app(argc, argv, ZApplication::GuiClient);

    QString joined;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            joined += QLatin1Char(' ');
        joined += QString::fromLocal8Bit(argv[i]);
    }

    const QByteArray name = joined.toLatin1();
    std::unique_ptr<ZKbMainWidget> screen;
    if (joined == QLatin1String("event"))
        screen = std::make_unique<Azaan_Islamic_Events>(nullptr, name.constData());
    else
        screen = std::make_unique<Azaan_Prayer_Time>(nullptr, name.constData());

    app.setMainWidget(screen.get());
    screen->show();
    return app.exec();
}
