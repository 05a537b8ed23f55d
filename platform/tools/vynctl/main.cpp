// vyn-ctl: drives the stand-in platform from a shell or a test.
#include <qcopchannel.h>
#include <vyndevice.h>
#include <zmsg.h>
#include <zsystemclock.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDataStream>
#include <QTextStream>
#include <QTimer>

#include <cstdio>

namespace {

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

int sendMessage(const QStringList &args)
{
    // send CHANNEL MESSAGE [TEXT...]: each TEXT goes into the payload as one QString.
    if (args.size() < 3) {
        fprintf(stderr, "usage: vyn-ctl send CHANNEL MESSAGE [TEXT...]\n");
        return 2;
    }
    ZMsg message(args.at(1).toUtf8(), args.at(2).toUtf8());
    for (int i = 3; i < args.size(); ++i)
        message << args.at(i);
    if (!message.send())
        return 1;
    // Let the bus flush before the process ends.
    QTimer::singleShot(100, qApp, &QCoreApplication::quit);
    return qApp->exec();
}

int listen(const QStringList &args, int count, int timeoutMs)
{
    // listen CHANNEL...: prints "channel<TAB>message<TAB>payload strings" a line.
    if (args.size() < 2) {
        fprintf(stderr, "usage: vyn-ctl listen CHANNEL... [--count N] [--timeout MS]\n");
        return 2;
    }
    int received = 0;
    for (int i = 1; i < args.size(); ++i) {
        auto *channel = new QCopChannel(args.at(i).toUtf8(), qApp);
        QObject::connect(channel, &QCopChannel::received, qApp,
                         [channel, count, &received](const QCString &message, const QByteArray &data) {
                             QStringList texts;
                             QDataStream stream(data);
                             while (!stream.atEnd() && stream.status() == QDataStream::Ok) {
                                 QString text;
                                 stream >> text;
                                 if (stream.status() == QDataStream::Ok)
                                     texts << text;
                             }
                             out() << channel->channel() << '\t' << message << '\t' << texts.join(QLatin1Char('\t'))
                                   << Qt::endl;
                             if (count > 0 && ++received >= count)
                                 qApp->quit();
                         });
    }
    out() << "listening" << Qt::endl;
    if (timeoutMs > 0)
        QTimer::singleShot(timeoutMs, qApp, &QCoreApplication::quit);
    qApp->exec();
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vyn-ctl"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Drives the stand-in phone platform.\n\n"
            "Commands:\n"
            "  send CHANNEL MESSAGE [TEXT...]   send a channel message (TEXTs as QString payload)\n"
            "  listen CHANNEL...                print the messages of channels\n"
            "  clock [SPEC]                     set the device clock: 2024-06-01T12:00:00, @UNIXTIME,\n"
            "                                   +SECONDS / -SECONDS; no SPEC: real time again\n"
            "  root                             print the device root"));
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("count"), QStringLiteral("listen: stop after N messages."),
                       QStringLiteral("N"), QStringLiteral("0") });
    parser.addOption({ QStringLiteral("timeout"), QStringLiteral("listen: stop after MS milliseconds."),
                       QStringLiteral("MS"), QStringLiteral("0") });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do (see above)."));
    parser.process(app);
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        parser.showHelp(2);
    const QString command = args.first();
    if (command == QLatin1String("send"))
        return sendMessage(args);
    if (command == QLatin1String("listen"))
        return listen(args, parser.value(QStringLiteral("count")).toInt(),
                      parser.value(QStringLiteral("timeout")).toInt());
    if (command == QLatin1String("clock")) {
        if (!ZSystemClock::writeDeviceClock(args.value(1))) {
            fprintf(stderr, "vyn-ctl: not a clock setting: %s\n", qPrintable(args.value(1)));
            return 2;
        }
        QCopChannel::send("VYN/System", "TimeInfoChanged");
        QTimer::singleShot(100, &app, &QCoreApplication::quit);
        return app.exec();
    }
    if (command == QLatin1String("root")) {
        out() << VynDevice::root() << Qt::endl;
        return 0;
    }
    fprintf(stderr, "vyn-ctl: unknown command %s (see --help)\n", qPrintable(command));
    return 2;
}
