#ifndef STATUSTEXTINFOENGINE_H
#define STATUSTEXTINFOENGINE_H

#include <qcopchannel.h>
#include <tapi_types.h>

#include <QObject>
#include <QPixmap>
#include <QString>

#include <memory>

class SETUP_SET_Manager;
class TAPI_Client;

// Decides the two status lines of the idle screen: line one the radio and network state,
// line two the most important of the phone's other conditions. It follows the phone library's
// receiver, the telephony events and the idle channels, and tells the view what changed.
class StatusTextInfoEngine : public QObject
{
    Q_OBJECT
public:
    explicit StatusTextInfoEngine(QObject *parent = nullptr);
    ~StatusTextInfoEngine() override;

    QString lineOne() const { return state.lineOne; }
    QString lineTwo() const { return state.lineTwo; }
    QPixmap operatorLogo() const { return state.operatorLogo; }
    bool stkIconShown() const { return state.stkIconShown; }
    // Read afresh from "/tmp/getstkpixmap.png" while the icon is shown; null otherwise.
    QPixmap stkIcon();

    // The marker in front of a network name in line one.
    static const char *const NetworkNameMarker;

signals:
    void sigLineOneTextChanged();
    void sigLineTwoTextChanged();
    void sigOperatorIconChanged();
    void sigShowStkIdleIcon();

public slots:
    // The display language changed: both lines again, same state, the new language's texts.
    void slotLanguageChanged();
    void slotO2HomezoneText(QString text);
    void slotServiceName(QString name);
    void slotRegisted(QString name);
    void slotSetRFModResult(bool result);
    void slotSpnNameExtend(PHONE_SERVICE_PROVIDER_DATA_S data);
    void slotNetworkStatus(TAPI_NETWORK_STATUS_E status);
    void slotOperatorLogo(bool changed);
    void slotBatteryStatus(TAPI_BATTERY_STATUS_E status);
    void slotLowBatteryStatus();
    void slotChargeStatus(TAPI_CHARGER_STATUS_E status);
    void slotGprsActivated(bool activated);
    void slotGprsAttached(bool attached);
    void slotBatteryCapacity(UINT8 capacity);
    void slotUpdateTextLine2();
    void slotWIFIProfileName(QString name);
    void slotServiceAvailability(bool available);
    void slotProcessTAPIEvent(UTIL_TAPI_Event *event);

    void slotIdleText(const QCString &message, const QByteArray &data);
    void slotPhoneChannelMsg(const QCString &message, const QByteArray &data);
    void slotBlueTooth(const QCString &message, const QByteArray &data);
    void slotAutoAnswer(const QCString &message, const QByteArray &data);
    void slotSysNotice(const QCString &message, const QByteArray &data);
    void slotSyncState(const QCString &message, const QByteArray &data);

private:
    void updateLineOne();
    bool lineTwoAlerts();
    void updateLineTwo();
    void refreshLineOne();
    void refreshLineTwo();
    void stkIdleText(const QByteArray &data);
    void setAdviceOfCharge(const char *rawData, int length);
    void loadOperatorLogo();
    int lineOneSwitch(const char *key) const;
    QCopChannel *listen(const char *channel, void (StatusTextInfoEngine::*slot)(const QCString &, const QByteArray &));

    struct State
    {
        QString lineOne;
        QString lineTwo;
        QString stkIdleText;
        QString cellBroadcastText;
        QPixmap operatorLogo;
        QPixmap stkIcon;
        QString wifiProfileName;
        QString adviceOfChargeText;
        bool stkIconShown = false;
        qint32 stkIconQualifier = 0;
        bool syncing = false;
        TAPI_Client *tapiSource = nullptr;
        QString homeZoneText;
        bool stkIconInPayload = false;
    };
    State state;
    std::unique_ptr<SETUP_SET_Manager> idleSettings;
};

#endif
