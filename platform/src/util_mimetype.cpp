#include "util_mimetype.h"
#include "zconfig.h"

QStringList UTIL_MimeType::queryMpSupportedExtensions(int mimeType)
{
    const ZConfig config(QStringLiteral("/usr/SYSqtapp/mediaplayer.cfg"), false);
    const QString value = config.readEntry(QStringLiteral("SupportedExtensions"), QString::number(mimeType), QString());
    QStringList extensions;
    for (const QString &part : value.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QString extension = part.trimmed().toLower();
        if (extension.startsWith(QLatin1Char('.')))
            extension.remove(0, 1);
        if (!extension.isEmpty() && !extensions.contains(extension))
            extensions << extension;
    }
    return extensions;
}
