#include "hsframeworkconfig.h"

#include <setup_set_manager.h>

#include <QRegularExpression>

const char *const HSFrameworkConfig::DefaultPath = "/usr/SYSqtapp/homescreen/hsframework.cfg";

HSFrameworkConfig HSFrameworkConfig::read(const QString &path)
{
    HSFrameworkConfig config;
    const SETUP_SET_Manager file(path, true);
    QString list;
    file.getSettingInfo(QStringLiteral("Plugins"), QStringLiteral("List"), list, QString());
    static const QRegularExpression separators(QStringLiteral("[;,]"));
    const QStringList libraries = list.split(separators, Qt::SkipEmptyParts);
    for (const QString &entry : libraries) {
        const QString library = entry.trimmed();
        if (library.isEmpty())
            continue;
        QString name;
        file.getSettingInfo(library, QStringLiteral("Name"), name, QString());
        name = name.trimmed();
        bool focus = true;
        file.getSettingInfo(library, QStringLiteral("Focus"), focus, true);
        QString area;
        file.getSettingInfo(library, QStringLiteral("Area"), area, QString());
        config.plugins.append({ library, name.isEmpty() ? defaultName(library) : name, focus,
                                area.trimmed().compare(QLatin1String("free"), Qt::CaseInsensitive) == 0 });
    }
    file.getSettingInfo(QStringLiteral("Frame"), QStringLiteral("ShowHeader"), config.showHeader, true);
    return config;
}

QString HSFrameworkConfig::defaultName(const QString &library)
{
    QString name = library;
    if (name.startsWith(QLatin1String("lib")))
        name.remove(0, 3);
    const int dot = name.indexOf(QLatin1String(".so"));
    if (dot >= 0)
        name.truncate(dot);
    if (name.endsWith(QLatin1String("_plugin")))
        name.chop(7);
    if (!name.isEmpty())
        name[0] = name.at(0).toUpper();
    return name;
}

bool HSFrameworkConfig::isLibraryName(const QString &library)
{
    return !library.isEmpty() && !library.contains(QLatin1Char('/')) && library != QLatin1String(".")
            && library != QLatin1String("..");
}
