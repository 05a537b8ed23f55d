#ifndef SCREENDUMP_H
#define SCREENDUMP_H

#include <zheadless.h>

#include <QFile>
#include <QImage>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <QWidget>

// What a screen shows, read the way a headless run writes it: the text dump (the "vynDumpText"
// lines of the visible objects) and the screenshot.
namespace ScreenDump {

// The dump of a live widget tree.
inline QStringList lines(QWidget *window)
{
    return ZHeadless::dump(window);
}

// The lines of "<prefix>.txt" that a headless run left; empty when there is none.
inline QStringList readLines(const QString &prefix)
{
    QFile file(prefix + QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    QStringList result = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!result.isEmpty() && result.last().isEmpty())
        result.removeLast();
    return result;
}

inline QImage readImage(const QString &prefix)
{
    return QImage(prefix + QStringLiteral(".png"));
}

// The dump text of each direct child of `parent` with the object name, in child order, its
// lines joined by '\n' (hidden ones included: the rows a plugin lays out but does not show).
inline QStringList childTexts(const QObject *parent, const QString &objectName)
{
    QStringList texts;
    for (const QObject *child : parent->children()) {
        if (child->objectName() == objectName)
            texts << child->property(ZHeadless::DumpProperty).toStringList().join(QLatin1Char('\n'));
    }
    return texts;
}

// Pixels inside `area` where two grabs of the same screen differ.
inline int differingPixels(const QImage &before, const QImage &after, const QRect &area)
{
    const QImage a = before.convertToFormat(QImage::Format_RGB32);
    const QImage b = after.convertToFormat(QImage::Format_RGB32);
    const QRect common = area & a.rect() & b.rect();
    int count = 0;
    for (int y = common.top(); y <= common.bottom(); ++y) {
        for (int x = common.left(); x <= common.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                ++count;
        }
    }
    return count;
}

} // namespace ScreenDump

#endif
