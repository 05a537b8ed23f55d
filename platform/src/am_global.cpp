#include "am_global.h"
#include "vynchannels.h"

QCString AM_Global::getLauncherChannel()
{
    return QCString(VynChannel::Launcher);
}
