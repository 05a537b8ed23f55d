#include "util_mimetype.h"
#include "zconfig.h"

#include <QImageReader>

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
    if (mimeType != Image)
        return extensions;

    QStringList readable;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        readable << QString::fromLatin1(format).toLower();
    if (!value.isEmpty()) {
        QStringList images;
        for (const QString &extension : extensions) {
            if (readable.contains(extension))
                images << extension;
        }
        return images;
    }
    QStringList images;
    for (const char *common : { "jpg", "jpeg", "png", "gif", "bmp" }) {
        if (readable.contains(QLatin1String(common)))
            images << QString::fromLatin1(common);
    }
    for (const QString &format : readable) {
        if (!images.contains(format))
            images << format;
    }
    return images;
}
