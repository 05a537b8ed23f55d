#include "qwallpaper.h"
#include "vyndevice.h"
#include "zconfig.h"
#include "zglobal.h"
#include "zlog.h"

#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>

const char *const QWallpaper::DefaultPath = "/usr/SYSqtapp/wallpaper/vyn_default.png";

namespace {

const char themeFile[] = "/setup/vyn_theme.cfg";
// Larger images are not wallpapers; refusing them keeps a bad file from eating the memory.
const int largestSide = 4096;

struct Cache
{
    QString hostPath;
    QDateTime modified;
    qint64 fileSize = -1;
    QSize screen;
    QPixmap pixmap;
};

void clearCache();

Cache &cache()
{
    static Cache entry;
    static const bool cleanUp = [] {
        // Pixmaps go before the GUI application they belong to.
        qAddPostRoutine(clearCache);
        return true;
    }();
    Q_UNUSED(cleanUp);
    return entry;
}

void clearCache()
{
    cache() = Cache();
}

QImage readImage(const QString &hostPath)
{
    QImageReader reader(hostPath);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > largestSide || size.height() > largestSide))
        return QImage();
    return reader.read();
}

QPixmap fitToScreen(const QImage &image, const QSize &screen)
{
    // Cover the whole screen and cut the overhang evenly from both sides.
    const QImage scaled = image.scaled(screen, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
    const QRect source(QPoint((scaled.width() - screen.width()) / 2, (scaled.height() - screen.height()) / 2),
                       screen);
    return QPixmap::fromImage(scaled.copy(source));
}

QPixmap plainWallpaper(const QSize &screen)
{
    QPixmap pixmap(screen);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, screen.height());
    gradient.setColorAt(0.0, QColor(0x12, 0x2a, 0x4a));
    gradient.setColorAt(1.0, QColor(0x0a, 0x4a, 0x4e));
    painter.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

QString configuredPath()
{
    return ZConfig(QString::fromLatin1(themeFile), true)
            .readEntry(QStringLiteral("Wallpaper"), QStringLiteral("Path"))
            .trimmed();
}

bool usable(const QString &devicePath)
{
    if (!devicePath.startsWith(QLatin1Char('/')))
        return false;
    const QString hostPath = VynDevice::hostPath(devicePath);
    return QFileInfo(hostPath).isFile() && QImageReader(hostPath).canRead();
}

} // namespace

QString QWallpaper::wallpaperPath()
{
    const QString configured = configuredPath();
    return usable(configured) ? configured : QString::fromLatin1(DefaultPath);
}

bool QWallpaper::setWallpaperPath(const QString &devicePath)
{
    if (!devicePath.startsWith(QLatin1Char('/')))
        return false;
    ZConfig config(QString::fromLatin1(themeFile));
    config.writeEntry(QStringLiteral("Wallpaper"), QStringLiteral("Path"), devicePath);
    return config.flush();
}

QPixmap QWallpaper::wallpaper()
{
    // QPixmap needs a GUI application; without one there is nothing to draw on anyway.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QPixmap();

    const QSize screen = ZGlobal::getScreenR().size();
    const QString configured = configuredPath();
    QStringList candidates;
    if (!configured.isEmpty())
        candidates << configured;
    candidates << QString::fromLatin1(DefaultPath);

    Cache &entry = cache();
    for (const QString &devicePath : std::as_const(candidates)) {
        if (!devicePath.startsWith(QLatin1Char('/')))
            continue;
        const QString hostPath = VynDevice::hostPath(devicePath);
        const QFileInfo info(hostPath);
        if (!info.isFile())
            continue;
        // Plugins ask on every paint: decode again only when the file or the screen changed.
        if (entry.hostPath == hostPath && entry.modified == info.lastModified() && entry.fileSize == info.size()
            && entry.screen == screen && !entry.pixmap.isNull())
            return entry.pixmap;
        const QImage image = readImage(hostPath);
        if (image.isNull()) {
            qCWarning(zlog("platform")) << "unreadable wallpaper" << devicePath;
            continue;
        }
        entry.hostPath = hostPath;
        entry.modified = info.lastModified();
        entry.fileSize = info.size();
        entry.screen = screen;
        entry.pixmap = fitToScreen(image, screen);
        return entry.pixmap;
    }
    entry = Cache();
    return plainWallpaper(screen);
}
