#include "util_language.h"
#include "zconfig.h"

#include <cstring>

namespace {

QString storedLanguage()
{
    return ZConfig(QStringLiteral("/tmp/vyn_system.cfg"), true)
            .readEntry(QStringLiteral("SYS_SYSTEM_SET"), QStringLiteral("LanguageType"))
            .trimmed();
}

// Letters, digits, '-' and '_' only: the code goes into a C buffer and into file names.
bool isLanguageCode(const QString &code)
{
    if (code.isEmpty() || code.size() >= UTIL_Language::CodeBufferSize)
        return false;
    for (const QChar c : code) {
        if (c.unicode() > 127 || !(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_')))
            return false;
    }
    return true;
}

} // namespace

int UTIL_GetLanguageCode(char *buffer)
{
    if (!buffer)
        return 0;
    const QString code = storedLanguage();
    if (!isLanguageCode(code))
        return 0;
    const QByteArray latin = code.toLatin1();
    std::memcpy(buffer, latin.constData(), size_t(latin.size()));
    buffer[latin.size()] = '\0';
    return 1;
}

QString UTIL_Language::getSystemLanguageCode()
{
    char buffer[CodeBufferSize] = {};
    if (UTIL_GetLanguageCode(buffer) == 1)
        return QString::fromLatin1(buffer);
    return QStringLiteral("en-us");
}

bool UTIL_Language::isRtlLanguage(const QString &code)
{
    const QString language = code.trimmed().toLower().section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
    return language == QLatin1String("ar") || language == QLatin1String("he") || language == QLatin1String("iw")
            || language == QLatin1String("fa") || language == QLatin1String("ur");
}
