#include "am_global.h"

QCString AM_Global::getLauncherChannel()
{
    return QCString("VYN/Launcher");
}
