#ifndef AM_LAUNCHERCLIENT_H
#define AM_LAUNCHERCLIENT_H

#include <QString>

// Starts registered applications by id.
class AM_LauncherClient
{
public:
    // Looks the id up in the registry (AM_AppRegistry) and starts its Exec program, detached,
    // with the argument text split like a shell would ("a \"b c\"" gives a, b c) appended to
    // Exec's own arguments. A program name without a slash is searched in this program's
    // folder, then $VYN_BIN_DIR, then PATH. Every launch is announced on the launcher channel;
    // with VYN_LAUNCH_DRY_RUN set to a non-empty value it is only announced, nothing starts.
    // 0 = started (or announced); 1 = unknown id; 2 = program not found; 3 = start failed.
    // The initiator and the two flags only matter to the handset's launcher.
    static int launchAppObject(const QString &appId, const QString &arguments, int initiator, bool, bool);
};

#endif
