#ifndef DETAILSCREEN_H
#define DETAILSCREEN_H

#include <QString>

class QVBoxLayout;
class ZDetailView;
class ZKbMainWidget;

// The frame both screens of the program share: a layout on the scroll panel's viewport, the
// detail view as content, and "Back" on the right soft key.
namespace DetailScreen {

QVBoxLayout *prepareContent(ZKbMainWidget *screen);
void finish(ZKbMainWidget *screen, QVBoxLayout *layout, ZDetailView *view, const QString &backText);

} // namespace DetailScreen

#endif
