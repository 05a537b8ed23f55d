// vyn-device: prepares a device root for the simulator and the tests.
#include <vyndevice.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vyn-device"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
            "Prepares the device root of the stand-in phone.\n\n"
            "Commands:\n"
            "  install-image [IMAGE_DIR]   copy the device image (default: the installed or built one)\n"
            "                              into the root; files already there are kept, except\n"
            "                              the system part (/usr), which follows the image\n"
            "  root                        print the device root"));
    parser.addHelpOption();
    parser.addOption({ QStringLiteral("root"),
                       QStringLiteral("Device root folder (default: $VYN_DEVICE_ROOT or a per-user folder)."),
                       QStringLiteral("DIR") });
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("What to do (see above)."));
    parser.process(app);

    if (parser.isSet(QStringLiteral("root"))) {
        const QString root = parser.value(QStringLiteral("root"));
        if (root.isEmpty()) {
            fprintf(stderr, "vyn-device: --root needs a folder\n");
            return 2;
        }
        VynDevice::setRoot(root);
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        parser.showHelp(2);

    const QString command = args.first();
    if (command == QLatin1String("root")) {
        printf("%s\n", qPrintable(VynDevice::root()));
        return 0;
    }
    if (command == QLatin1String("install-image")) {
        const QStringList folders = args.size() > 1 ? QStringList { QFileInfo(args.at(1)).absoluteFilePath() }
                                                    : VynDevice::defaultImageFolders();
        for (const QString &folder : folders) {
            if (!QFileInfo(folder).isDir()) {
                fprintf(stderr, "vyn-device: no image folder %s\n", qPrintable(folder));
                return 1;
            }
        }
        const QString image = folders.join(QDir::listSeparator());
        if (!QFileInfo(VynDevice::root()).isWritable()) {
            fprintf(stderr, "vyn-device: cannot write to %s\n", qPrintable(VynDevice::root()));
            return 1;
        }
        if (!VynDevice::installImage(image)) {
            fprintf(stderr, "vyn-device: could not copy all of %s into %s\n", qPrintable(image),
                    qPrintable(VynDevice::root()));
            return 1;
        }
        printf("%s\n", qPrintable(VynDevice::root()));
        return 0;
    }
    fprintf(stderr, "vyn-device: unknown command %s (see --help)\n", qPrintable(command));
    return 2;
}
