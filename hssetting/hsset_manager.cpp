#include "hsset_manager.h"

#include <zlog.h>

namespace {
HSSET_Manager *theManager = nullptr;
}

HSSET_Manager::HSSET_Manager()
{
    HSSET_PluginItem::readCatalogue(m_entries);
}

HSSET_Manager::~HSSET_Manager() = default;

HSSET_Manager *HSSET_Manager::instance()
{
    if (!theManager)
        theManager = new HSSET_Manager;
    return theManager;
}

void HSSET_Manager::release()
{
    delete theManager;
    theManager = nullptr;
}

HSSET_PluginList &HSSET_Manager::entries()
{
    return m_entries;
}

bool HSSET_Manager::openByName(const QString &name)
{
    for (const auto &entry : m_entries) {
        if (entry->pluginName() != name)
            continue;
        entry->loadSettingInfo(nullptr);
        return entry->showSettingWidget(nullptr);
    }
    qCInfo(zlog("hssetting_port")) << "no settings entry named" << name;
    return false;
}
