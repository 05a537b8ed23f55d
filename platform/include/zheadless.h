#ifndef ZHEADLESS_H
#define ZHEADLESS_H

#include <QString>
#include <QStringList>

class QObject;
class QWidget;

// Headless runs: with VYN_HEADLESS_OUTPUT set to a path prefix, the application shows its
// window, waits VYN_HEADLESS_DELAY milliseconds (default 300) for it to settle, writes
// "<prefix>.png" and "<prefix>.txt" and quits.
//
// The text dump gathers, in object-tree order, the dynamic property "vynDumpText" (a QString
// or a QStringList, one line each) of every object under the window. Hidden widgets and their
// children are left out, as the screenshot leaves them out.
class ZHeadless
{
public:
    static const char *const DumpProperty;

    static bool isEnabled();
    static QString outputPrefix();
    static int settleDelay();

    static QStringList dump(QWidget *window);
    // Writes the screenshot and the dump; false, with a message on stderr, when either fails.
    static bool save(QWidget *window, const QString &prefix);

    // Sets the dump lines of an object; an empty list removes them.
    static void setDumpText(QObject *object, const QStringList &lines);
    static void setDumpText(QObject *object, const QString &line);
};

#endif
