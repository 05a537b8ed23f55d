// Commits to one settings file many times: settings_hammer FILE NAME COUNT
#include <setup_set_manager.h>

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    const QString file = args.at(1);
    const QString name = args.at(2);
    const int count = args.at(3).toInt();
    for (int i = 1; i <= count; ++i) {
        SETUP_SET_Manager manager(file);
        manager.setSettingInfo(QStringLiteral("Writers"), name, i);
        manager.setSettingInfo(QStringLiteral("Keys"), QStringLiteral("%1_%2").arg(name).arg(i),
                               QStringLiteral("value, with a comma"));
        if (!manager.commit())
            return 1;
    }
    return 0;
}
