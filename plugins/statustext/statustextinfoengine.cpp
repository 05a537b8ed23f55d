#include "statustextinfoengine.h"

#include <am_activeport.h>
#include <hs_idle_frame.h>
#include <phone_asyncmsgreceiver.h>
#include <res_icon_reader.h>
#include <setup_set_manager.h>
#include <setup_utility.h>
#include <tapi_client.h>
#include <tapi_cs.h>
#include <util_phone.h>
#include <vynchannels.h>
#include <zresource.h>

#include <QDataStream>
#include <QIODevice>

#include <cstdlib>
#include <cstring>

const char *const StatusTextInfoEngine::NetworkNameMarker = "<NetworkName>";

namespace {

const unsigned int stkIconFlag = 482;
const char stkIconFile[] = "/tmp/getstkpixmap.png";
const char operatorLogoIcon[] = "carrier_std.g";
const int systemSettingsApplication = 77;
const int alertStyleSilent = 4;

// The accessory ports that make auto-answer apply: headsets, car kits, ...
bool isAccessoryPort(int port)
{
    for (int bit = 4; bit <= 2048; bit <<= 1) {
        if (port == bit)
            return true;
    }
    return false;
}

// UTF-8 of a filled name buffer: at most its size less the last byte, up to the first zero,
// without a character cut in half at the end.
QString nameFromBuffer(const char *buffer, int size)
{
    int length = int(qstrnlen(buffer, size_t(size)));
    int lead = length - 1;
    while (lead >= 0 && (uchar(buffer[lead]) & 0xc0) == 0x80)
        --lead;
    if (lead >= 0) {
        const uchar first = uchar(buffer[lead]);
        const int needed = first >= 0xf0 ? 4 : first >= 0xe0 ? 3 : first >= 0xc0 ? 2 : 1;
        if (lead + needed > length)
            length = lead;
    }
    return QString::fromUtf8(buffer, length);
}

typedef int (*NameQuery)(char *buffer);

QString queryName(NameQuery query)
{
    char buffer[UTIL_PROVIDER_NAME_SIZE];
    std::memset(buffer, 0, sizeof buffer);
    query(buffer);
    buffer[sizeof buffer - 1] = '\0';
    return nameFromBuffer(buffer, int(sizeof buffer));
}

// A QString of a payload from another program: false when its length runs past the payload,
// so a garbled length never turns into a huge allocation.
bool readString(QDataStream &stream, QString *text)
{
    quint32 bytes = 0;
    stream >> bytes;
    if (stream.status() != QDataStream::Ok)
        return false;
    if (bytes == 0xffffffffu) {
        *text = QString();
        return true;
    }
    if (bytes % 2 != 0 || qint64(bytes) > stream.device()->bytesAvailable())
        return false;
    QByteArray raw(int(bytes), Qt::Uninitialized);
    if (stream.readRawData(raw.data(), int(bytes)) != int(bytes))
        return false;
    QString result(int(bytes / 2), Qt::Uninitialized);
    for (int i = 0; i < result.size(); ++i)
        result[i] = QChar(ushort((uchar(raw.at(2 * i)) << 8) | uchar(raw.at(2 * i + 1))));
    *text = result;
    return true;
}

} // namespace

StatusTextInfoEngine::StatusTextInfoEngine(QObject *parent)
    : QObject(parent)
{
    bool flag = false;
    SETUP_Utility::getFlexBit(stkIconFlag, flag);
    state.stkIconInPayload = flag;

    const char *base = std::getenv("VYN_APP_WRITE_PATH");
    idleSettings = std::make_unique<SETUP_SET_Manager>(
            QStringLiteral("%1%2").arg(QString::fromLocal8Bit(base ? base : ""), QStringLiteral("/setup/vyn_idle.cfg")),
            false);

    PHONE_AsyncMsgReceiver *phone = PHONE_AsyncMsgReceiver::instance();
    connect(phone, &PHONE_AsyncMsgReceiver::signalHomeZoneName, this, &StatusTextInfoEngine::slotO2HomezoneText);
    connect(phone, &PHONE_AsyncMsgReceiver::signalServiceName, this, &StatusTextInfoEngine::slotServiceName);
    connect(phone, &PHONE_AsyncMsgReceiver::signalRegisted, this, &StatusTextInfoEngine::slotRegisted);
    connect(phone, &PHONE_AsyncMsgReceiver::signalSetRFModResult, this, &StatusTextInfoEngine::slotSetRFModResult);
    connect(phone, &PHONE_AsyncMsgReceiver::signalSpnNameExtend, this, &StatusTextInfoEngine::slotSpnNameExtend);
    connect(phone, &PHONE_AsyncMsgReceiver::signalNetworkStatus, this, &StatusTextInfoEngine::slotNetworkStatus);
    connect(phone, &PHONE_AsyncMsgReceiver::signalOperatorLogo, this, &StatusTextInfoEngine::slotOperatorLogo);
    connect(phone, &PHONE_AsyncMsgReceiver::signalBatteryStatus, this, &StatusTextInfoEngine::slotBatteryStatus);
    connect(phone, &PHONE_AsyncMsgReceiver::signalLowBattery, this, &StatusTextInfoEngine::slotLowBatteryStatus);
    connect(phone, &PHONE_AsyncMsgReceiver::signalChargeStatus, this, &StatusTextInfoEngine::slotChargeStatus);
    connect(phone, &PHONE_AsyncMsgReceiver::signalGprsActivated, this, &StatusTextInfoEngine::slotGprsActivated);
    connect(phone, &PHONE_AsyncMsgReceiver::signalGprsAttached, this, &StatusTextInfoEngine::slotGprsAttached);
    connect(phone, &PHONE_AsyncMsgReceiver::signalBatteryCapacity, this, &StatusTextInfoEngine::slotBatteryCapacity);
    connect(phone, &PHONE_AsyncMsgReceiver::signalChargeComleted, this, &StatusTextInfoEngine::slotUpdateTextLine2);
    connect(phone, &PHONE_AsyncMsgReceiver::signalLowBatteryStatusChanged, this,
            &StatusTextInfoEngine::slotUpdateTextLine2);
    connect(phone, &PHONE_AsyncMsgReceiver::signalCallForwardStatChanged, this,
            &StatusTextInfoEngine::slotUpdateTextLine2);
    connect(phone, &PHONE_AsyncMsgReceiver::signalCallbarringStatusChanged, this,
            &StatusTextInfoEngine::slotUpdateTextLine2);
    connect(phone, &PHONE_AsyncMsgReceiver::signalWifiProfileName, this, &StatusTextInfoEngine::slotWIFIProfileName);
    connect(phone, &PHONE_AsyncMsgReceiver::signalServiceAvailability, this,
            &StatusTextInfoEngine::slotServiceAvailability);

    listen(VynChannel::StatusText, &StatusTextInfoEngine::slotIdleText);
    listen(VynChannel::Bluetooth, &StatusTextInfoEngine::slotBlueTooth);
    listen(VynChannel::System, &StatusTextInfoEngine::slotSysNotice);
    listen(VynChannel::HomeScreenSyncing, &StatusTextInfoEngine::slotSyncState);
    listen(VynChannel::PhoneToIdle, &StatusTextInfoEngine::slotPhoneChannelMsg);
    listen(VynChannel::IdleMessage, &StatusTextInfoEngine::slotAutoAnswer);
    listen(VynChannel::NotificationPath, &StatusTextInfoEngine::slotAutoAnswer);

    state.tapiSource = HS_IDLE_Frame::pTapi;
    if (state.tapiSource)
        connect(state.tapiSource, &TAPI_Client::TAPI_SendEvent, this, &StatusTextInfoEngine::slotProcessTAPIEvent);

    loadOperatorLogo();
    updateLineOne();
    updateLineTwo();
}

StatusTextInfoEngine::~StatusTextInfoEngine() = default;

QCopChannel *StatusTextInfoEngine::listen(const char *channel,
                                          void (StatusTextInfoEngine::*slot)(const QCString &, const QByteArray &))
{
    auto *listener = new QCopChannel(channel, this);
    connect(listener, &QCopChannel::received, this, slot);
    return listener;
}

QPixmap StatusTextInfoEngine::stkIcon()
{
    state.stkIcon = state.stkIconShown ? RES_ICON_Reader::getIcon(QString::fromLatin1(stkIconFile)) : QPixmap();
    return state.stkIcon;
}

int StatusTextInfoEngine::lineOneSwitch(const char *key) const
{
    int value = 1;
    idleSettings->getSettingInfo(QStringLiteral("StatusLineOne"), QString::fromLatin1(key), value, 1);
    return value;
}

void StatusTextInfoEngine::updateLineOne()
{
    state.lineOne = QString();
    if (SETUP_Utility::isAirplaneModeOn()) {
        if (lineOneSwitch("ShowAirMode") != 0)
            state.lineOne = RES_TEXT("TXT_RID_HEADER_AIRPLANE_MODE", "Airplane Mode");
        return;
    }
    if (UTIL_GetRFMode() == 1) {
        if (lineOneSwitch("ShowNoService") != 0)
            state.lineOne = RES_TEXT("TXT_RID_IDLE_NO_SERVICE", "No Service");
        return;
    }
    switch (UTIL_GetNetworkStatus()) {
    case TAPI_NETWORK_STATUS_SEARCHING:
        if (lineOneSwitch("ShowSearch") != 0)
            state.lineOne = RES_TEXT("TXT_RID_HEADER_SEARCHING", "Searching...");
        break;
    case TAPI_NETWORK_STATUS_REGISTERING:
        if (lineOneSwitch("ShowRegister") != 0)
            state.lineOne = RES_TEXT("TXT_RID_HEADER_REGISTERING", "Registering...");
        break;
    case TAPI_NETWORK_STATUS_REGISTERED:
        if (lineOneSwitch("ShowNetwork") != 0) {
            if (UTIL_GetSpnDisplayedStatus() != 0)
                state.lineOne = QLatin1String(NetworkNameMarker) + queryName(UTIL_GetServiceName);
            else
                state.lineOne = queryName(UTIL_GetOrgSpnName);
        }
        break;
    case TAPI_NETWORK_STATUS_NO_SERVICE:
        if (lineOneSwitch("ShowNoService") != 0)
            state.lineOne = RES_TEXT("TXT_RID_IDLE_NO_SERVICE", "No Service");
        break;
    case TAPI_NETWORK_STATUS_EMERGENCY_ONLY:
        if (lineOneSwitch("ShowEmergency") != 0)
            state.lineOne = RES_TEXT("TXT_RID_IDLE_EMERGENCY_ONLY", "Emergency Only");
        break;
    case TAPI_NETWORK_STATUS_UNREGISTERED_SIM:
        if (lineOneSwitch("ShowUnRegister") != 0)
            state.lineOne = RES_TEXT("TXT_RID_IDLE_UNREGISTERED_SIM", "Unregistered SIM");
        break;
    default:
        break;
    }
}

bool StatusTextInfoEngine::lineTwoAlerts()
{
    if (UTIL_GetBatteryStatus() == TAPI_BATTERY_STATUS_INVALID)
        state.lineTwo = RES_TEXT("TXT_RID_IDLE_INVALID_BATTERY", "Invalid Battery");
    else if (UTIL_GetLowBatteryStatus() == 1)
        state.lineTwo = RES_TEXT("TXT_RID_IDLE_LOW_BATTERY", "Low Battery");
    else if (!state.homeZoneText.isEmpty())
        state.lineTwo = state.homeZoneText;
    else if (!state.stkIdleText.isEmpty())
        state.lineTwo = state.stkIdleText;
    else
        return false;
    return true;
}

void StatusTextInfoEngine::updateLineTwo()
{
    state.lineTwo = QString();
    const int batteryStatus = UTIL_GetBatteryStatus();
    if (lineTwoAlerts())
        return;
    if (!state.cellBroadcastText.isEmpty()) {
        state.lineTwo = state.cellBroadcastText;
        return;
    }
    if (state.syncing) {
        state.lineTwo = RES_TEXT("TXT_RID_IDLE_SYNCHRONIZING", "Synchronizing");
        return;
    }
    if (UTIL_GetWifiCampStatus() != 0 && !state.wifiProfileName.isEmpty()
        && UTIL_GetNetworkStatus() != TAPI_NETWORK_STATUS_NO_SERVICE) {
        state.lineTwo = state.wifiProfileName;
        return;
    }
    if (!state.adviceOfChargeText.isEmpty()) {
        state.lineTwo = state.adviceOfChargeText;
        return;
    }
    if (UTIL_GetCallBarringStatus() == 1) {
        state.lineTwo = RES_TEXT("TXT_RID_IDLE_CALL_BARRING", "Call Barring");
        return;
    }
    if (SETUP_Utility::getAlertStyle() != alertStyleSilent) {
        const SETUP_SET_Manager system(systemSettingsApplication);
        bool autoAnswer = false;
        system.getSettingInfo(QStringLiteral("SYS_SYSTEM_SET"), QStringLiteral("Auto-Answer"), autoAnswer, false);
        int port = 0;
        if (autoAnswer && AM_GetActivePort(&port) == 0 && isAccessoryPort(port)) {
            state.lineTwo = RES_TEXT("TXT_RID_IDLE_AUTOANSWER_ON", "AutoAnswer On");
            return;
        }
    }
    if (UTIL_GetSpnDisplayedStatus() == 1) {
        const QString spn = queryName(UTIL_GetOrgSpnName);
        if (!spn.isEmpty()) {
            state.lineTwo = spn;
            return;
        }
    }
    if (UTIL_GetChargeStatus() != 0) {
        if (UTIL_GetChargeCompletedStatus() == 1)
            state.lineTwo = RES_TEXT("TXT_RID_IDLE_CHARGE_COMPLETE", "Charge Complete");
        else if (batteryStatus == TAPI_BATTERY_STATUS_CHARGING)
            state.lineTwo = RES_TEXT("TXT_RID_IDLE_CHARGING", "Charging");
        else if (batteryStatus == TAPI_BATTERY_STATUS_CHARGE_ERROR)
            state.lineTwo = RES_TEXT("TXT_RID_IDLE_UNABLE_TO_CHARGE", "Unable to Charge");
    }
}

void StatusTextInfoEngine::refreshLineOne()
{
    updateLineOne();
    emit sigLineOneTextChanged();
}

void StatusTextInfoEngine::refreshLineTwo()
{
    state.stkIconShown = false;
    updateLineTwo();
    emit sigLineTwoTextChanged();
}

void StatusTextInfoEngine::loadOperatorLogo()
{
    state.operatorLogo = UTIL_GetOpeatorLogoStatus() != 0 ? RES_ICON_Reader::getIcon(QString::fromLatin1(operatorLogoIcon))
                                                          : QPixmap();
}

void StatusTextInfoEngine::slotO2HomezoneText(QString text)
{
    state.homeZoneText = text;
    refreshLineTwo();
}

void StatusTextInfoEngine::slotServiceName(QString)
{
    refreshLineOne();
}

void StatusTextInfoEngine::slotRegisted(QString)
{
    refreshLineOne();
}

void StatusTextInfoEngine::slotSetRFModResult(bool)
{
    refreshLineOne();
}

void StatusTextInfoEngine::slotSpnNameExtend(PHONE_SERVICE_PROVIDER_DATA_S)
{
    refreshLineOne();
    refreshLineTwo();
}

void StatusTextInfoEngine::slotNetworkStatus(TAPI_NETWORK_STATUS_E)
{
    refreshLineOne();
    refreshLineTwo();
}

void StatusTextInfoEngine::slotOperatorLogo(bool changed)
{
    if (!changed)
        return;
    loadOperatorLogo();
    emit sigOperatorIconChanged();
}

void StatusTextInfoEngine::slotBatteryStatus(TAPI_BATTERY_STATUS_E)
{
    refreshLineTwo();
}

void StatusTextInfoEngine::slotLowBatteryStatus()
{
    refreshLineTwo();
}

void StatusTextInfoEngine::slotChargeStatus(TAPI_CHARGER_STATUS_E)
{
    refreshLineTwo();
}

void StatusTextInfoEngine::slotGprsActivated(bool)
{
    refreshLineTwo();
}

void StatusTextInfoEngine::slotGprsAttached(bool)
{
    refreshLineTwo();
}

void StatusTextInfoEngine::slotBatteryCapacity(UINT8)
{
    refreshLineTwo();
}

void StatusTextInfoEngine::slotLanguageChanged()
{
    updateLineOne();
    updateLineTwo();
    emit sigLineOneTextChanged();
    emit sigLineTwoTextChanged();
}

void StatusTextInfoEngine::slotUpdateTextLine2()
{
    refreshLineTwo();
}

void StatusTextInfoEngine::slotWIFIProfileName(QString name)
{
    state.wifiProfileName = name;
    refreshLineTwo();
}

void StatusTextInfoEngine::slotServiceAvailability(bool)
{
    refreshLineOne();
    refreshLineTwo();
}

void StatusTextInfoEngine::slotProcessTAPIEvent(UTIL_TAPI_Event *event)
{
    if (!event || event->eventType != UTIL_TAPI_EVENT_CALL_COST || !event->pRawData)
        return;
    setAdviceOfCharge(static_cast<const char *>(event->pRawData), int(qMin(event->rawDataLength, 100u)));
    refreshLineTwo();
}

void StatusTextInfoEngine::setAdviceOfCharge(const char *rawData, int length)
{
    if (!rawData)
        return;
    // No terminator is promised: never read past the data or its 100 bytes.
    const int size = int(qstrnlen(rawData, size_t(qBound(0, length, UTIL_TAPI_RAW_DATA_SIZE))));
    if (size == 0) {
        state.adviceOfChargeText = QString();
        return;
    }
    const QString value = QString::fromLatin1(rawData, size);
    int type = -1;
    if (TAPI_CS_GetChargeType(&type) != 0)
        return;
    QString unit;
    if (type == 0) {
        unit = QStringLiteral("Units");
    } else if (type == 1) {
        char buffer[TAPI_CS_PRICE_UNIT_SIZE];
        std::memset(buffer, 0, sizeof buffer);
        if (TAPI_CS_GetPriceUnit(buffer) != 0)
            return;
        buffer[sizeof buffer - 1] = '\0';
        unit = QString::fromLatin1(buffer, int(qstrnlen(buffer, sizeof buffer)));
    } else {
        return;
    }
    state.adviceOfChargeText = value + QLatin1Char(' ') + unit;
}

void StatusTextInfoEngine::stkIdleText(const QByteArray &data)
{
    QDataStream stream(data);
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok)
        return;
    if (count == 0) {
        state.stkIdleText = QStringLiteral("");
        refreshLineTwo();
        return;
    }
    QString text;
    // A text that cannot be read leaves the line as it was.
    if (!readString(stream, &text))
        return;
    state.stkIdleText = text;
    state.stkIconShown = false;
    // Whether the icon byte is there is the build's choice; a payload that stops early has none.
    quint8 icon = 0;
    if (state.stkIconInPayload) {
        stream >> icon;
        if (stream.status() != QDataStream::Ok)
            icon = 0;
    }
    if (icon == 0) {
        refreshLineTwo();
        return;
    }
    qint32 qualifier = 0;
    stream >> qualifier;
    state.stkIconQualifier = stream.status() == QDataStream::Ok ? qualifier : 0;
    if (state.stkIconQualifier == 1)
        updateLineTwo();
    state.stkIconShown = true;
    emit sigShowStkIdleIcon();
}

void StatusTextInfoEngine::slotIdleText(const QCString &message, const QByteArray &data)
{
    if (message == VynMessage::KeypadLock) {
        refreshLineTwo();
    } else if (message == VynMessage::CellBroadcast) {
        QDataStream stream(data);
        QString text;
        if (!readString(stream, &text))
            return;
        state.cellBroadcastText = text;
        refreshLineTwo();
    } else if (message == VynMessage::StkIdleText) {
        stkIdleText(data);
    }
}

void StatusTextInfoEngine::slotPhoneChannelMsg(const QCString &message, const QByteArray &data)
{
    if (message == VynMessage::StkIdleText) {
        stkIdleText(data);
    } else if (message == VynMessage::ChargeOnly || message == VynMessage::NormalPowerOn
               || message == VynMessage::HeadsetStatus) {
        refreshLineTwo();
    } else if (message == VynMessage::ShowIdleScreen) {
        refreshLineOne();
        refreshLineTwo();
    }
}

void StatusTextInfoEngine::slotBlueTooth(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::BluetoothState)
        refreshLineTwo();
}

void StatusTextInfoEngine::slotAutoAnswer(const QCString &message, const QByteArray &data)
{
    if (message == VynMessage::AutoAnswerState) {
        refreshLineTwo();
    } else if (message == VynMessage::NotificationMessage) {
        QDataStream stream(data);
        qint32 value = -1;
        stream >> value;
        if (stream.status() == QDataStream::Ok && value == 0)
            refreshLineTwo();
    }
}

void StatusTextInfoEngine::slotSysNotice(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::TimeInfoChanged || message == VynMessage::LcdOn)
        refreshLineTwo();
}

void StatusTextInfoEngine::slotSyncState(const QCString &message, const QByteArray &)
{
    if (message == VynMessage::BeginSyncing)
        state.syncing = true;
    else if (message == VynMessage::EndSyncing)
        state.syncing = false;
    refreshLineTwo();
}
