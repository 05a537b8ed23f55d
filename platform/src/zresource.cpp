#include "zresource.h"
#include "vyndevice.h"
#include "zlog.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {
std::vector<std::unique_ptr<QTranslator>> &translators()
{
    static std::vector<std::unique_ptr<QTranslator>> list;
    return list;
}

QString &currentLanguage()
{
    static QString code;
    return code;
}
} // namespace

QString ZResource::text(const char *context, const char *id, const char *fallback)
{
    const QString translated = QCoreApplication::translate(context, id);
    if (translated != QLatin1String(id))
        return translated;
    // The platform's texts live under the context "Global" when no class claims them.
    const QString global = QCoreApplication::translate("Global", id);
    if (global != QLatin1String(id))
        return global;
    return QString::fromUtf8(fallback);
}

QString ZResource::languageCode()
{
    return currentLanguage();
}

bool ZResource::loadLanguage(const QString &languageCode)
{
    for (const auto &translator : translators())
        QCoreApplication::removeTranslator(translator.get());
    translators().clear();
    currentLanguage() = languageCode.trimmed().toLower();
    if (languageCode.isEmpty() || !QCoreApplication::instance())
        return false;

    const QDir dir(VynDevice::hostPath(QStringLiteral("/usr/SYSqtapp/translations")));
    const QString language = languageCode.toLower();
    const QString shortLanguage = language.section(QLatin1Char('-'), 0, 0);
    const QStringList files = dir.entryList({ QStringLiteral("*.qm") }, QDir::Files);
    for (const QString &file : files) {
        // vyn_ar.qm or vyn_fr-fr.qm: the base name ends with the language.
        const QString suffix = file.section(QLatin1Char('_'), -1).chopped(3).toLower();
        if (suffix != language && suffix != shortLanguage)
            continue;
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(dir.filePath(file)) && QCoreApplication::installTranslator(translator.get()))
            translators().push_back(std::move(translator));
        else
            qCWarning(zlog("platform")) << "cannot load translation" << file;
    }
    return !translators().empty();
}
