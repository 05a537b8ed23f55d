#ifndef ZCONFIG_H
#define ZCONFIG_H

#include "setup_set_manager.h"

// Read-side view of a settings file; writes go through commit like the settings manager.
class ZConfig
{
public:
    ZConfig(const QString &path, bool readOnly = false);

    QString readEntry(const QString &group, const QString &key, const QString &defaultValue = QString()) const;
    bool readBoolEntry(const QString &group, const QString &key, bool defaultValue = false) const;
    int readNumEntry(const QString &group, const QString &key, int defaultValue = 0) const;

    void writeEntry(const QString &group, const QString &key, const QString &value);
    void writeEntry(const QString &group, const QString &key, bool value);
    void writeEntry(const QString &group, const QString &key, int value);
    bool flush();

private:
    SETUP_SET_Manager m_manager;
};

#endif
