#include "util_uilocker.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class Locker : public QObject
{
public:
    QList<QPointer<QWidget>> windows;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            break;
        default:
            return false;
        }
        if (!watched->isWidgetType())
            return false;
        QWidget *window = static_cast<QWidget *>(watched)->window();
        for (const QPointer<QWidget> &locked : std::as_const(windows)) {
            if (locked == window)
                return true;
        }
        return false;
    }
};

Locker *theLocker = nullptr;
unsigned int generation = 0;

} // namespace

void UTIL_UILocker::startUILocker(int timeout)
{
    if (!qApp)
        return;
    if (!theLocker) {
        theLocker = new Locker;
        qApp->installEventFilter(theLocker);
    }
    theLocker->windows.clear();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            theLocker->windows.append(window);
    }
    const unsigned int lock = ++generation;
    if (timeout > 0) {
        QTimer::singleShot(timeout, qApp, [lock] {
            if (lock == generation)
                UTIL_UILocker::stopUILocker();
        });
    }
}

void UTIL_UILocker::stopUILocker()
{
    ++generation;
    delete theLocker;
    theLocker = nullptr;
}

bool UTIL_UILocker::isUILocked()
{
    return theLocker != nullptr;
}
