#include "vynphone.h"
#include "qcopchannel.h"
#include "setup_set_manager.h"
#include "vynchannels.h"
#include "vyndevice.h"
#include "zlog.h"

#include <QDataStream>
#include <QFile>
#include <QIODevice>

#include <functional>

#include <sys/stat.h>

const char *const VynPhone::ChangedMessage = VynMessage::PhoneStateChanged;
const char *const VynPhone::TapiEventMessage = VynMessage::TapiEvent;

namespace {

const QString networkGroup = QStringLiteral("Network");
const QString batteryGroup = QStringLiteral("Battery");
const QString phoneGroup = QStringLiteral("Phone");
const QString wifiGroup = QStringLiteral("Wifi");
const QString callCostGroup = QStringLiteral("CallCost");

// The platform settings of application 77 hold the auto-answer switch.
const int systemSettingsApplication = 77;

int readInt(const SETUP_SET_Manager &file, const QString &group, const QString &key, int defaultValue)
{
    int value = defaultValue;
    file.getSettingInfo(group, key, value, defaultValue);
    return value;
}

bool readBool(const SETUP_SET_Manager &file, const QString &group, const QString &key, bool defaultValue)
{
    bool value = defaultValue;
    file.getSettingInfo(group, key, value, defaultValue);
    return value;
}

QString readText(const SETUP_SET_Manager &file, const QString &group, const QString &key, const QString &defaultValue)
{
    QString value;
    file.getSettingInfo(group, key, value, defaultValue);
    return value;
}

// What identifies one version of the file: it is replaced atomically on every write.
struct FileStamp
{
    QString path;
    bool exists = false;
    qint64 inode = 0;
    qint64 size = 0;
    qint64 seconds = 0;
    qint64 nanoseconds = 0;

    bool operator==(const FileStamp &other) const
    {
        return path == other.path && exists == other.exists && inode == other.inode && size == other.size
                && seconds == other.seconds && nanoseconds == other.nanoseconds;
    }
};

FileStamp stampOf(const QString &hostPath)
{
    FileStamp stamp;
    stamp.path = hostPath;
    struct stat info;
    if (::stat(QFile::encodeName(hostPath).constData(), &info) == 0) {
        stamp.exists = true;
        stamp.inode = qint64(info.st_ino);
        stamp.size = qint64(info.st_size);
        stamp.seconds = qint64(info.st_mtim.tv_sec);
        stamp.nanoseconds = qint64(info.st_mtim.tv_nsec);
    }
    return stamp;
}

struct Cache
{
    bool valid = false;
    FileStamp stamp;
    VynPhoneState state;
};

Cache &cache()
{
    static Cache instance;
    return instance;
}

bool parseSwitch(const QString &text, int *value)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("on") || word == QLatin1String("1") || word == QLatin1String("true")) {
        *value = 1;
        return true;
    }
    if (word == QLatin1String("off") || word == QLatin1String("0") || word == QLatin1String("false")) {
        *value = 0;
        return true;
    }
    return false;
}

bool parseNumber(const QString &text, int lowest, int highest, int *value)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < lowest || number > highest)
        return false;
    *value = number;
    return true;
}

using Writer = std::function<bool(const QString &value, SETUP_SET_Manager &file)>;

struct Field
{
    const char *name;
    const char *values;
    const char *help;
    Writer write;
    // Sent after the change, for parts of the phone that have no receiver signal.
    const char *noticeChannel;
    const char *noticeMessage;
};

Writer switchKey(const QString &group, const QString &key)
{
    return [group, key](const QString &value, SETUP_SET_Manager &file) {
        int on = 0;
        if (!parseSwitch(value, &on))
            return false;
        file.setSettingInfo(group, key, on);
        return true;
    };
}

Writer numberKey(const QString &group, const QString &key, int lowest, int highest)
{
    return [group, key, lowest, highest](const QString &value, SETUP_SET_Manager &file) {
        int number = 0;
        if (!parseNumber(value, lowest, highest, &number))
            return false;
        file.setSettingInfo(group, key, number);
        return true;
    };
}

Writer textKey(const QString &group, const QString &key)
{
    return [group, key](const QString &value, SETUP_SET_Manager &file) {
        file.setSettingInfo(group, key, value);
        return true;
    };
}

bool writeNetwork(const QString &value, SETUP_SET_Manager &file)
{
    static const char *const names[] = { "none", "searching", "registering", "registered", "no-service",
                                         "denied", "emergency", "unregistered" };
    int status = -1;
    for (int i = 0; i < 8; ++i) {
        if (value.trimmed().toLower() == QLatin1String(names[i]))
            status = i;
    }
    if (status < 0 && !parseNumber(value, 0, 99, &status))
        return false;
    file.setSettingInfo(networkGroup, QStringLiteral("Status"), status);
    return true;
}

bool writeBattery(const QString &value, SETUP_SET_Manager &file)
{
    const QString word = value.trimmed().toLower();
    if (word == QLatin1String("good")) {
        file.setSettingInfo(batteryGroup, QStringLiteral("Status"), 0);
        file.setSettingInfo(batteryGroup, QStringLiteral("Low"), 0);
        file.setSettingInfo(batteryGroup, QStringLiteral("Level"), 3);
    } else if (word == QLatin1String("low")) {
        file.setSettingInfo(batteryGroup, QStringLiteral("Low"), 1);
        file.setSettingInfo(batteryGroup, QStringLiteral("Level"), 0);
    } else if (word == QLatin1String("invalid")) {
        file.setSettingInfo(batteryGroup, QStringLiteral("Status"), 3);
    } else {
        return false;
    }
    return true;
}

bool writeCharger(const QString &value, SETUP_SET_Manager &file)
{
    const QString word = value.trimmed().toLower();
    int charger = 1;
    int complete = 0;
    int status = 0;
    if (word == QLatin1String("off"))
        charger = 0;
    else if (word == QLatin1String("charging"))
        status = 2;
    else if (word == QLatin1String("complete"))
        complete = 1;
    else if (word == QLatin1String("unable"))
        status = 1;
    else
        return false;
    file.setSettingInfo(batteryGroup, QStringLiteral("Charger"), charger);
    file.setSettingInfo(batteryGroup, QStringLiteral("ChargeComplete"), complete);
    file.setSettingInfo(batteryGroup, QStringLiteral("Status"), status);
    // The status header draws its bolt from this one.
    file.setSettingInfo(batteryGroup, QStringLiteral("Charging"), status == 2);
    return true;
}

bool writeChargeType(const QString &value, SETUP_SET_Manager &file)
{
    int type = 0;
    if (value.trimmed().toLower() != QLatin1String("fail") && !parseNumber(value, 0, 99, &type))
        return false;
    file.setSettingInfo(callCostGroup, QStringLiteral("ChargeType"), value.trimmed().toLower());
    return true;
}

bool writeReset(const QString &, SETUP_SET_Manager &file)
{
    for (const QString &group : file.groups()) {
        for (const QString &key : file.keys(group))
            file.removeSettingInfo(group, key);
    }
    return true;
}

const QList<Field> &fields()
{
    static const QList<Field> table = {
        { "airplane", "on|off", "airplane mode", switchKey(phoneGroup, QStringLiteral("AirplaneMode")), nullptr,
          nullptr },
        { "radio", "0|1", "radio mode (1: off)", numberKey(networkGroup, QStringLiteral("RFMode"), 0, 99), nullptr,
          nullptr },
        { "network", "0-7|searching|registering|registered|no-service|denied|emergency|unregistered",
          "network status", writeNetwork, nullptr, nullptr },
        { "service", "TEXT", "network (service) name", textKey(networkGroup, QStringLiteral("OperatorName")),
          nullptr, nullptr },
        { "spn", "TEXT", "the SIM's own provider name", textKey(networkGroup, QStringLiteral("SpnName")), nullptr,
          nullptr },
        { "spn-display", "N", "provider-name display flag (0: the SIM's name in line one)",
          numberKey(networkGroup, QStringLiteral("SpnDisplay"), 0, 99), nullptr, nullptr },
        { "available", "on|off", "service availability", switchKey(networkGroup, QStringLiteral("Available")),
          nullptr, nullptr },
        { "homezone", "TEXT", "home-zone text (empty: none)", textKey(networkGroup, QStringLiteral("HomeZone")),
          nullptr, nullptr },
        { "signal", "0-5", "signal bars of the header", numberKey(networkGroup, QStringLiteral("Signal"), 0, 5),
          nullptr, nullptr },
        { "logo", "on|off", "the network sent an operator logo",
          switchKey(networkGroup, QStringLiteral("OperatorLogo")), nullptr, nullptr },
        { "battery", "good|low|invalid", "battery state", writeBattery, nullptr, nullptr },
        { "level", "0-4", "battery level", numberKey(batteryGroup, QStringLiteral("Level"), 0, 4), nullptr,
          nullptr },
        { "charger", "off|charging|complete|unable", "charger state", writeCharger, nullptr, nullptr },
        { "barring", "on|off", "call barring", switchKey(phoneGroup, QStringLiteral("CallBarring")), nullptr,
          nullptr },
        { "forward", "on|off", "call forwarding", switchKey(phoneGroup, QStringLiteral("CallForward")), nullptr,
          nullptr },
        { "gprs-attached", "on|off", "packet data attached", switchKey(phoneGroup, QStringLiteral("GprsAttached")),
          nullptr, nullptr },
        { "gprs-active", "on|off", "packet data active", switchKey(phoneGroup, QStringLiteral("GprsActivated")),
          nullptr, nullptr },
        { "wifi", "on|off", "camped on Wi-Fi", switchKey(wifiGroup, QStringLiteral("Camp")), nullptr, nullptr },
        { "wifi-profile", "TEXT", "Wi-Fi profile name", textKey(wifiGroup, QStringLiteral("Profile")), nullptr,
          nullptr },
        { "port", "N", "active accessory port (0: none; 4, 8, ... 2048)",
          numberKey(phoneGroup, QStringLiteral("ActivePort"), 0, 1 << 30), VynChannel::PhoneToIdle,
          VynMessage::HeadsetStatus },
        { "alert-style", "N", "ring alert style (4: silent)",
          numberKey(phoneGroup, QStringLiteral("AlertStyle"), 0, 99), VynChannel::IdleMessage,
          VynMessage::AutoAnswerState },
        { "charge-type", "0|1|N|fail", "advice-of-charge type (0 units, 1 currency)", writeChargeType, nullptr,
          nullptr },
        { "price-unit", "TEXT", "advice-of-charge currency", textKey(callCostGroup, QStringLiteral("PriceUnit")),
          nullptr, nullptr },
        { "price-unit-fail", "on|off", "the price-unit query fails",
          switchKey(callCostGroup, QStringLiteral("PriceUnitFail")), nullptr, nullptr },
        { "reset", "-", "every field back to its default", writeReset, nullptr, nullptr },
    };
    return table;
}

bool setAutoAnswer(const QString &value, QString *error)
{
    int on = 0;
    if (!parseSwitch(value, &on)) {
        if (error)
            *error = QStringLiteral("autoanswer takes on or off");
        return false;
    }
    SETUP_SET_Manager settings(systemSettingsApplication);
    settings.setSettingInfo(QStringLiteral("SYS_SYSTEM_SET"), QStringLiteral("Auto-Answer"), on != 0);
    if (!settings.commit()) {
        if (error)
            *error = QStringLiteral("cannot write the system settings");
        return false;
    }
    return QCopChannel::send(VynChannel::IdleMessage, VynMessage::AutoAnswerState);
}

} // namespace

bool VynPhoneState::operator==(const VynPhoneState &o) const
{
    return airplaneMode == o.airplaneMode && rfMode == o.rfMode && networkStatus == o.networkStatus
            && serviceName == o.serviceName && spnName == o.spnName && spnDisplay == o.spnDisplay
            && serviceAvailable == o.serviceAvailable && homeZone == o.homeZone && signal == o.signal
            && operatorLogo == o.operatorLogo && batteryStatus == o.batteryStatus && batteryLevel == o.batteryLevel
            && lowBattery == o.lowBattery && chargerStatus == o.chargerStatus && chargeCompleted == o.chargeCompleted
            && callBarring == o.callBarring && callForward == o.callForward && gprsAttached == o.gprsAttached
            && gprsActivated == o.gprsActivated && wifiCamp == o.wifiCamp && wifiProfile == o.wifiProfile
            && activePort == o.activePort && alertStyle == o.alertStyle && chargeType == o.chargeType
            && priceUnit == o.priceUnit && priceUnitFails == o.priceUnitFails;
}

QString VynPhone::stateFile()
{
    return QStringLiteral("/tmp/vyn_phone.cfg");
}

const char *VynPhone::channelName()
{
    return VynChannel::Phone;
}

VynPhoneState VynPhone::readState()
{
    const SETUP_SET_Manager file(stateFile(), true);
    const VynPhoneState d;
    VynPhoneState s;
    s.airplaneMode = readBool(file, phoneGroup, QStringLiteral("AirplaneMode"), d.airplaneMode);
    s.rfMode = readInt(file, networkGroup, QStringLiteral("RFMode"), d.rfMode);
    s.networkStatus = readInt(file, networkGroup, QStringLiteral("Status"), d.networkStatus);
    s.serviceName = readText(file, networkGroup, QStringLiteral("OperatorName"), d.serviceName);
    s.spnName = readText(file, networkGroup, QStringLiteral("SpnName"), d.spnName);
    s.spnDisplay = readInt(file, networkGroup, QStringLiteral("SpnDisplay"), d.spnDisplay);
    s.serviceAvailable = readBool(file, networkGroup, QStringLiteral("Available"), d.serviceAvailable);
    s.homeZone = readText(file, networkGroup, QStringLiteral("HomeZone"), d.homeZone);
    s.signal = readInt(file, networkGroup, QStringLiteral("Signal"), d.signal);
    s.operatorLogo = readInt(file, networkGroup, QStringLiteral("OperatorLogo"), d.operatorLogo);
    s.batteryStatus = readInt(file, batteryGroup, QStringLiteral("Status"), d.batteryStatus);
    s.batteryLevel = readInt(file, batteryGroup, QStringLiteral("Level"), d.batteryLevel);
    s.lowBattery = readInt(file, batteryGroup, QStringLiteral("Low"), d.lowBattery);
    s.chargerStatus = readInt(file, batteryGroup, QStringLiteral("Charger"), d.chargerStatus);
    s.chargeCompleted = readInt(file, batteryGroup, QStringLiteral("ChargeComplete"), d.chargeCompleted);
    s.callBarring = readInt(file, phoneGroup, QStringLiteral("CallBarring"), d.callBarring);
    s.callForward = readBool(file, phoneGroup, QStringLiteral("CallForward"), d.callForward);
    s.gprsAttached = readBool(file, phoneGroup, QStringLiteral("GprsAttached"), d.gprsAttached);
    s.gprsActivated = readBool(file, phoneGroup, QStringLiteral("GprsActivated"), d.gprsActivated);
    s.wifiCamp = readInt(file, wifiGroup, QStringLiteral("Camp"), d.wifiCamp);
    s.wifiProfile = readText(file, wifiGroup, QStringLiteral("Profile"), d.wifiProfile);
    s.activePort = readInt(file, phoneGroup, QStringLiteral("ActivePort"), d.activePort);
    s.alertStyle = readInt(file, phoneGroup, QStringLiteral("AlertStyle"), d.alertStyle);
    s.chargeType = readText(file, callCostGroup, QStringLiteral("ChargeType"), d.chargeType).trimmed();
    s.priceUnit = readText(file, callCostGroup, QStringLiteral("PriceUnit"), d.priceUnit);
    s.priceUnitFails = readBool(file, callCostGroup, QStringLiteral("PriceUnitFail"), d.priceUnitFails);
    return s;
}

VynPhoneState VynPhone::state()
{
    // A stat call instead of a parse: the queries run many times per refresh.
    Cache &c = cache();
    const FileStamp stamp = stampOf(VynDevice::hostPath(stateFile()));
    if (!c.valid || !(c.stamp == stamp)) {
        c.state = readState();
        c.stamp = stamp;
        c.valid = true;
    }
    return c.state;
}

bool VynPhone::set(const QString &field, const QString &value, QString *error)
{
    if (field == QLatin1String("autoanswer"))
        return setAutoAnswer(value, error);
    for (const Field &entry : fields()) {
        if (field != QLatin1String(entry.name))
            continue;
        SETUP_SET_Manager file(stateFile(), false);
        if (!entry.write(value, file)) {
            if (error)
                *error = QStringLiteral("%1 takes %2").arg(field, QString::fromLatin1(entry.values));
            return false;
        }
        if (!file.commit()) {
            if (error)
                *error = QStringLiteral("cannot write %1").arg(stateFile());
            return false;
        }
        bool sent = announce();
        if (entry.noticeChannel)
            sent = QCopChannel::send(entry.noticeChannel, entry.noticeMessage) && sent;
        return sent;
    }
    if (error)
        *error = QStringLiteral("no phone field %1").arg(field);
    return false;
}

QStringList VynPhone::fieldHelp()
{
    QStringList lines;
    for (const Field &entry : fields())
        lines << QStringLiteral("%1 %2  %3").arg(QString::fromLatin1(entry.name), QString::fromLatin1(entry.values),
                                                 QString::fromLatin1(entry.help));
    lines << QStringLiteral("autoanswer on|off  auto-answer setting of the system settings");
    return lines;
}

bool VynPhone::announce()
{
    return QCopChannel::send(channelName(), ChangedMessage);
}

bool VynPhone::sendTapiEvent(unsigned int type, const QByteArray &rawData)
{
    QByteArray payload;
    QDataStream stream(&payload, QIODevice::WriteOnly);
    stream << quint32(type) << rawData;
    return QCopChannel::send(channelName(), TapiEventMessage, payload);
}
