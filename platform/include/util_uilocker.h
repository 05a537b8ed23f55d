#ifndef UTIL_UILOCKER_H
#define UTIL_UILOCKER_H

// Locks the screens that are up while a slow step runs, so that keys pressed meanwhile are not
// acted on twice: key presses and taps to every window shown at start are dropped until
// stopUILocker or, for a positive timeout, that many milliseconds. Windows opened afterwards
// (the dialog the step opens) are not locked. -1 locks until stopUILocker.
class UTIL_UILocker
{
public:
    static void startUILocker(int timeout);
    static void stopUILocker();
    static bool isUILocked();
};

#endif
