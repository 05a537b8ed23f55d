#ifndef PHONE_ASYNCMSGRECEIVER_H
#define PHONE_ASYNCMSGRECEIVER_H

#include "qcopchannel.h"
#include "tapi_types.h"
#include "vynphone.h"

#include <QObject>
#include <QString>

// The phone library's process-wide receiver of modem notices. Each announced change of the
// simulated phone is compared with the state this process saw last, and a signal goes out for
// every part that changed.
class PHONE_AsyncMsgReceiver : public QObject
{
    Q_OBJECT
public:
    static PHONE_AsyncMsgReceiver *instance();

    // Re-reads the phone state and emits what changed (the announcement does this).
    void refresh();

signals:
    void signalHomeZoneName(QString name);
    void signalServiceName(QString name);
    void signalRegisted(QString name);
    void signalSetRFModResult(bool result);
    void signalSpnNameExtend(PHONE_SERVICE_PROVIDER_DATA_S data);
    void signalNetworkStatus(TAPI_NETWORK_STATUS_E status);
    void signalOperatorLogo(bool changed);
    void signalBatteryStatus(TAPI_BATTERY_STATUS_E status);
    void signalLowBattery();
    void signalChargeStatus(TAPI_CHARGER_STATUS_E status);
    void signalGprsActivated(bool activated);
    void signalGprsAttached(bool attached);
    void signalBatteryCapacity(UINT8 capacity);
    void signalChargeComleted();
    void signalLowBatteryStatusChanged();
    void signalCallForwardStatChanged();
    void signalCallbarringStatusChanged();
    void signalWifiProfileName(QString name);
    void signalServiceAvailability(bool available);

private slots:
    void channelMessage(const QCString &message, const QByteArray &data);

private:
    PHONE_AsyncMsgReceiver();

    VynPhoneState m_seen;
};

#endif
