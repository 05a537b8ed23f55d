#ifndef SHORTCUTICON_H
#define SHORTCUTICON_H

#include <QPixmap>
#include <QString>

// Icons of applications, for the shortcuts and the settings picker.
namespace ShortcutIcon {

// The icon by name from the platform icon reader, or from the file when the name starts with
// "/", smoothly scaled to size; null when it is missing or not an image.
QPixmap load(const QString &icon, int size);
// What stands in for a missing icon on the home screen: a tile with the name's first letter.
QPixmap placeholder(const QString &name, int size);

} // namespace ShortcutIcon

#endif
