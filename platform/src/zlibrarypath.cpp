#include "zlibrarypath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool inside(const QString &file, const QString &folder)
{
    return file.startsWith(folder + QLatin1Char('/'));
}

void fail(QString *reason, const QString &text)
{
    if (reason)
        *reason = text;
}

} // namespace

QStringList ZLibraryPath::folders()
{
    QStringList candidates;
    if (QCoreApplication::instance()) {
        const QString programFolder = QCoreApplication::applicationDirPath();
        // Installed: the private library folder; built: <build>/lib beside <build>/bin.
        const QString installed = programFolder + QStringLiteral("/" VYN_LIBRARY_FROM_BIN);
        candidates << (QFileInfo(installed).isDir() ? installed : programFolder + QStringLiteral("/../lib"));
    }
    const QString extra = qEnvironmentVariable("VYN_LIBRARY_DIR");
    if (!extra.isEmpty())
        candidates << extra;
    QStringList result;
    for (const QString &candidate : std::as_const(candidates)) {
        // Compared in resolved form, so a link into a folder is judged by where it leads.
        const QString canonical = QFileInfo(candidate).canonicalFilePath();
        if (!canonical.isEmpty() && QFileInfo(canonical).isDir() && !result.contains(canonical))
            result << canonical;
    }
    return result;
}

QString ZLibraryPath::resolve(const QString &name, QString *reason)
{
    if (name.isEmpty()) {
        fail(reason, QStringLiteral("no library named"));
        return QString();
    }
    if (name.contains(QChar(0))) {
        fail(reason, QStringLiteral("a name with a null character"));
        return QString();
    }
    const QStringList trusted = folders();
    if (trusted.isEmpty()) {
        fail(reason, QStringLiteral("no library folder"));
        return QString();
    }
    QString candidate;
    if (!name.contains(QLatin1Char('/'))) {
        if (name == QLatin1String(".") || name == QLatin1String("..")) {
            fail(reason, QStringLiteral("not a file name"));
            return QString();
        }
        for (const QString &folder : trusted) {
            const QString path = folder + QLatin1Char('/') + name;
            if (QFileInfo::exists(path)) {
                candidate = path;
                break;
            }
        }
        if (candidate.isEmpty()) {
            fail(reason, QStringLiteral("not in the library folders"));
            return QString();
        }
    } else if (QDir::isAbsolutePath(name)) {
        candidate = name;
    } else {
        fail(reason, QStringLiteral("a relative path"));
        return QString();
    }
    const QString canonical = QFileInfo(candidate).canonicalFilePath();
    if (canonical.isEmpty() || !QFileInfo(canonical).isFile()) {
        fail(reason, QStringLiteral("no such file"));
        return QString();
    }
    for (const QString &folder : trusted) {
        if (inside(canonical, folder))
            return canonical;
    }
    fail(reason, QStringLiteral("outside the library folders"));
    return QString();
}
