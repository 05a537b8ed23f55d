#include "phone_asyncmsgreceiver.h"
#include "vynchannels.h"

#include <QCoreApplication>
#include <QPointer>

#include <cstring>

namespace {
QPointer<PHONE_AsyncMsgReceiver> receiver;
}

PHONE_AsyncMsgReceiver *PHONE_AsyncMsgReceiver::instance()
{
    if (!receiver) {
        receiver = new PHONE_AsyncMsgReceiver;
        // Goes with the application, like the channels it listens on.
        if (QCoreApplication::instance())
            receiver->setParent(QCoreApplication::instance());
    }
    return receiver;
}

PHONE_AsyncMsgReceiver::PHONE_AsyncMsgReceiver()
    : m_seen(VynPhone::readState())
{
    qRegisterMetaType<TAPI_NETWORK_STATUS_E>();
    qRegisterMetaType<TAPI_BATTERY_STATUS_E>();
    qRegisterMetaType<TAPI_CHARGER_STATUS_E>();
    qRegisterMetaType<PHONE_SERVICE_PROVIDER_DATA_S>();
    auto *channel = new QCopChannel(VynPhone::channelName(), this);
    connect(channel, &QCopChannel::received, this, &PHONE_AsyncMsgReceiver::channelMessage);
}

void PHONE_AsyncMsgReceiver::channelMessage(const QCString &message, const QByteArray &)
{
    if (message == VynPhone::ChangedMessage)
        refresh();
}

void PHONE_AsyncMsgReceiver::refresh()
{
    const VynPhoneState now = VynPhone::readState();
    const VynPhoneState was = m_seen;
    if (now == was)
        return;
    // Listeners may query the phone from their slots: they must see the new state.
    m_seen = now;

    if (now.airplaneMode != was.airplaneMode || now.rfMode != was.rfMode)
        emit signalSetRFModResult(true);
    if (now.networkStatus != was.networkStatus) {
        emit signalNetworkStatus(TAPI_NETWORK_STATUS_E(now.networkStatus));
        if (now.networkStatus == TAPI_NETWORK_STATUS_REGISTERED)
            emit signalRegisted(now.serviceName);
    }
    if (now.serviceName != was.serviceName)
        emit signalServiceName(now.serviceName);
    if (now.spnName != was.spnName || now.spnDisplay != was.spnDisplay) {
        PHONE_SERVICE_PROVIDER_DATA_S data;
        data.displayCondition = now.spnDisplay;
        const QByteArray name = now.spnName.toUtf8();
        std::memcpy(data.spnName, name.constData(), size_t(qMin(name.size(), UTIL_PROVIDER_NAME_SIZE - 1)));
        emit signalSpnNameExtend(data);
    }
    if (now.serviceAvailable != was.serviceAvailable)
        emit signalServiceAvailability(now.serviceAvailable);
    if (now.operatorLogo != was.operatorLogo)
        emit signalOperatorLogo(true);
    if (now.homeZone != was.homeZone)
        emit signalHomeZoneName(now.homeZone);
    if (now.batteryStatus != was.batteryStatus)
        emit signalBatteryStatus(TAPI_BATTERY_STATUS_E(now.batteryStatus));
    if (now.lowBattery != was.lowBattery) {
        if (now.lowBattery == 1)
            emit signalLowBattery();
        emit signalLowBatteryStatusChanged();
    }
    if (now.chargerStatus != was.chargerStatus)
        emit signalChargeStatus(TAPI_CHARGER_STATUS_E(now.chargerStatus));
    if (now.chargeCompleted != was.chargeCompleted)
        emit signalChargeComleted();
    if (now.batteryLevel != was.batteryLevel)
        emit signalBatteryCapacity(UINT8(qBound(0, now.batteryLevel, 255)));
    if (now.callBarring != was.callBarring)
        emit signalCallbarringStatusChanged();
    if (now.callForward != was.callForward)
        emit signalCallForwardStatChanged();
    if (now.gprsAttached != was.gprsAttached)
        emit signalGprsAttached(now.gprsAttached);
    if (now.gprsActivated != was.gprsActivated)
        emit signalGprsActivated(now.gprsActivated);
    if (now.wifiCamp != was.wifiCamp || now.wifiProfile != was.wifiProfile)
        emit signalWifiProfileName(now.wifiProfile);
}
