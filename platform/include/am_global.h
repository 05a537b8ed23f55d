#ifndef AM_GLOBAL_H
#define AM_GLOBAL_H

#include "qcopchannel.h"

// Names shared by the launcher and its clients.
class AM_Global
{
public:
    // The launcher's channel: "showWallPaper" when the wallpaper changes, and
    // "launched(QString)" (application id, then the argument text) after every launch.
    static QCString getLauncherChannel();
};

#endif
