#ifndef HSPLUGINDATESETUP_H
#define HSPLUGINDATESETUP_H

#include <QObject>

// The date display switch in "vyn_idle.cfg", group "idle_date", key "idle_date_mode": 0 shown,
// 1 hidden. One per process, made on first use and discarded by its users. Reading never
// writes: the settings program may be writing the same file at that moment.
class HSPluginDateSetup : public QObject
{
    Q_OBJECT
public:
    static HSPluginDateSetup *instance();
    static void discard();

    // The stored value, 0 when the file or key is missing or not a number.
    int dateMode() const;
    // Stores the value; true once it is on disk.
    bool setDateMode(int mode);

private:
    HSPluginDateSetup() = default;
};

#endif
