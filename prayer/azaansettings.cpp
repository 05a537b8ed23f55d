#include "azaansettings.h"

#include <setup_set_manager.h>
#include <vynchannels.h>
#include <vyndevice.h>
#include <zmsg.h>

#include <QDir>
#include <QFileInfo>

#include <cstdlib>

namespace {

const char group[] = "SETTINGS";
const char defaultAlertPath[] = "/usr/data_resource/sound/ui_sounds/ui_countdown_sound_10.wav";

struct Key
{
    const char *name;
    const char *newFileValue;
};

// Order matters: a new file is written in this order.
const Key keys[] = {
    { "HGM_HSA", "0" },
    { "HGM_HSA_PRAYER", "0" },
    { "HGM_HSA_MSG", "0" },
    { "HGM_HSA_CALENDER", "0" },
    { "HGM_HSA_EVENT", "0" },
    { "HGM_HSA_MEDIA", "0" },
    { "HGM_HSA_PRAYER_METHOD", "1" },
    { "HGM_HSA_ALERT", "0" },
    { "HGM_HSA_ALERT_PATH", defaultAlertPath },
    { "HGM_HSA_CITY", "Abu Dhabi" },
};

AzaanSettings *theInstance = nullptr;

} // namespace

QString AzaanSettings::filePath()
{
    return QStringLiteral("%1%2").arg(QString::fromLocal8Bit(std::getenv("VYN_LOCAL_APP_WRITE_PATH")),
                                      QStringLiteral("/setup/qd_azaan_hs.cfg"));
}

AzaanSettings::AzaanSettings()
{
    ensureFile();
    m_manager = std::make_unique<SETUP_SET_Manager>(filePath(), false);
}

AzaanSettings::~AzaanSettings() = default;

AzaanSettings *AzaanSettings::instance()
{
    if (!theInstance)
        theInstance = new AzaanSettings;
    return theInstance;
}

void AzaanSettings::release()
{
    delete theInstance;
    theInstance = nullptr;
}

void AzaanSettings::ensureFile()
{
    // Existing values are never overwritten or completed.
    if (QFileInfo::exists(VynDevice::hostPath(filePath())))
        return;
    SETUP_SET_Manager manager(filePath(), false);
    for (const Key &key : keys)
        manager.setSettingInfo(QString::fromLatin1(group), QString::fromLatin1(key.name),
                               QString::fromLatin1(key.newFileValue));
    manager.commit();
}

QString AzaanSettings::read(const char *key, const char *defaultValue) const
{
    const SETUP_SET_Manager manager(filePath(), true);
    QString value;
    manager.getSettingInfo(QString::fromLatin1(group), QString::fromLatin1(key), value,
                           QString::fromLatin1(defaultValue));
    return value;
}

bool AzaanSettings::write(const char *key, const QString &value, bool broadcast)
{
    m_manager->setSettingInfo(QString::fromLatin1(group), QString::fromLatin1(key), value);
    if (!m_manager->commit())
        return false;
    if (broadcast) {
        ZMsg message(VynChannel::SystemSetupBroadcast, VynMessage::AzaanSettingsChanged, false);
        message.send();
    }
    return true;
}

QString AzaanSettings::getEnabled() const { return read("HGM_HSA", "0"); }
QString AzaanSettings::getPrayer() const { return read("HGM_HSA_PRAYER", "0"); }
QString AzaanSettings::getMessage() const { return read("HGM_HSA_MSG", "0"); }
QString AzaanSettings::getCalendar() const { return read("HGM_HSA_CALENDER", "0"); }
QString AzaanSettings::getEvent() const { return read("HGM_HSA_EVENT", "0"); }
QString AzaanSettings::getMedia() const { return read("HGM_HSA_MEDIA", "0"); }
QString AzaanSettings::getPrayerMethod() const { return read("HGM_HSA_PRAYER_METHOD", "1"); }
QString AzaanSettings::getAlert() const { return read("HGM_HSA_ALERT", "0"); }
QString AzaanSettings::getAlertPath() const { return read("HGM_HSA_ALERT_PATH", defaultAlertPath); }
QString AzaanSettings::getCity() const { return read("HGM_HSA_CITY", "Abu Dhabi"); }

bool AzaanSettings::setEnabled(const QString &value) { return write("HGM_HSA", value, true); }
bool AzaanSettings::setPrayer(const QString &value) { return write("HGM_HSA_PRAYER", value, true); }
bool AzaanSettings::setMessage(const QString &value) { return write("HGM_HSA_MSG", value, true); }
bool AzaanSettings::setCalendar(const QString &value) { return write("HGM_HSA_CALENDER", value, true); }
bool AzaanSettings::setEvent(const QString &value) { return write("HGM_HSA_EVENT", value, true); }
bool AzaanSettings::setMedia(const QString &value) { return write("HGM_HSA_MEDIA", value, true); }
bool AzaanSettings::setPrayerMethod(const QString &value) { return write("HGM_HSA_PRAYER_METHOD", value, true); }
bool AzaanSettings::setAlert(const QString &value) { return write("HGM_HSA_ALERT", value, true); }
// The alert sound is private to the alarm; nobody needs to hear of it.
bool AzaanSettings::setAlertPath(const QString &value) { return write("HGM_HSA_ALERT_PATH", value, false); }
bool AzaanSettings::setCity(const QString &value) { return write("HGM_HSA_CITY", value, true); }
