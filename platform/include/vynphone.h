#ifndef VYNPHONE_H
#define VYNPHONE_H

#include <QByteArray>
#include <QString>
#include <QStringList>

// The simulated handset: radio, network, SIM, battery and accessories. The state lives in
// "/tmp/vyn_phone.cfg" of the device root, read by every process; a change is written there
// and announced on the phone channel, where each process's PHONE_AsyncMsgReceiver picks it
// up and emits the signals of what changed. A missing, empty or damaged file, and unknown
// values, read as the defaults: a phone registered on "Vyn Mobile", battery good, no alerts.
struct VynPhoneState
{
    bool airplaneMode = false;
    int rfMode = 0;                          // 1: radio off
    int networkStatus = 3;                   // TAPI_NETWORK_STATUS_E
    QString serviceName = QStringLiteral("Vyn Mobile");
    QString spnName;                         // the SIM's own provider name
    int spnDisplay = 1;                      // 0: show the SIM's name instead of the network's
    bool serviceAvailable = true;
    QString homeZone;
    int signal = 4;                          // bars, 0 to 5
    int operatorLogo = 0;

    int batteryStatus = 0;                   // TAPI_BATTERY_STATUS_E
    int batteryLevel = 3;                    // 0 to 4
    int lowBattery = 0;
    int chargerStatus = 0;                   // TAPI_CHARGER_STATUS_E
    int chargeCompleted = 0;

    int callBarring = 0;
    bool callForward = false;
    bool gprsAttached = false;
    bool gprsActivated = false;

    int wifiCamp = 0;
    QString wifiProfile;

    int activePort = 0;                      // accessory port bits; 0 = none
    int alertStyle = 0;
    QString chargeType = QStringLiteral("0"); // 0 units, 1 currency; "fail": the query fails
    QString priceUnit = QStringLiteral("EUR");
    bool priceUnitFails = false;

    bool operator==(const VynPhoneState &other) const;
    bool operator!=(const VynPhoneState &other) const { return !(*this == other); }
};

class VynPhone
{
public:
    static QString stateFile();        // device path
    static const char *channelName();  // where changes and telephony events are announced

    // The state as on disk; re-read only when the file changed since the last call.
    static VynPhoneState state();
    // Reads the file now, whatever the cache says.
    static VynPhoneState readState();

    // Sets one field from its text ("network" "3", "battery" "low", ...), writes the file
    // and announces it. False, with a reason, for an unknown field or value.
    static bool set(const QString &field, const QString &value, QString *error = nullptr);
    // "field VALUES  what" lines for help texts.
    static QStringList fieldHelp();
    // Announces the file as it is (after an edit by hand).
    static bool announce();
    // Sends a telephony event to every process's event source (HS_IDLE_Frame::pTapi).
    static bool sendTapiEvent(unsigned int type, const QByteArray &rawData);

    // Message names on the phone channel.
    static const char *const ChangedMessage;
    static const char *const TapiEventMessage;
};

#endif
