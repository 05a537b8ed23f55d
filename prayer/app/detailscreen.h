#ifndef DETAILSCREEN_H
#define DETAILSCREEN_H

#include <QString>

class QVBoxLayout;
class ZDetailView;
class ZKbMainWidget;

// The frame both screens of the program share: the title, a layout on the scroll panel's
// viewport, a detail view of title-and-text rows as content, and "Back" on the right soft key,
// wired to the screen's slotBack(). Not a QObject: each screen stays a direct ZKbMainWidget.
class DetailScreen
{
public:
    // Everything up to the rows; add them with addRow, then call finish.
    void begin(ZKbMainWidget *screen, const QString &title);
    void addRow(const QString &title, const QString &text);
    void finish(const QString &backText);

private:
    ZKbMainWidget *m_screen = nullptr;
    QVBoxLayout *m_layout = nullptr;
    ZDetailView *m_detailView = nullptr;
};

#endif
