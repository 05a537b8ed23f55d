#ifndef HSSET_MANAGER_H
#define HSSET_MANAGER_H

#include <hsset_pluginitem.h>

#include <QObject>

// The settings manager of hssetting_app: the catalogue's entries, read once when it is made.
// Deleting it deletes every descriptor and then closes every library.
class HSSET_Manager : public QObject
{
    Q_OBJECT
public:
    static HSSET_Manager *instance();
    static void release();

    HSSET_PluginList &entries();
    // The first entry named so: loads its descriptor and runs its screen. False when there is
    // no such entry or it has no descriptor.
    bool openByName(const QString &name);

private:
    HSSET_Manager();
    ~HSSET_Manager() override;

    HSSET_PluginList m_entries;
};

#endif
