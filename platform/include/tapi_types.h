#ifndef TAPI_TYPES_H
#define TAPI_TYPES_H

#include <QMetaType>

// Types of the phone library: states the modem reports and the events it sends. The state
// enums are int-based: a modem may report a value not listed here, and it must stay a value.
typedef unsigned char UINT8;

enum TAPI_NETWORK_STATUS_E : int {
    TAPI_NETWORK_STATUS_NONE = 0,
    TAPI_NETWORK_STATUS_SEARCHING = 1,
    TAPI_NETWORK_STATUS_REGISTERING = 2,
    TAPI_NETWORK_STATUS_REGISTERED = 3,
    TAPI_NETWORK_STATUS_NO_SERVICE = 4,
    TAPI_NETWORK_STATUS_DENIED = 5,
    TAPI_NETWORK_STATUS_EMERGENCY_ONLY = 6,
    TAPI_NETWORK_STATUS_UNREGISTERED_SIM = 7,
};

enum TAPI_BATTERY_STATUS_E : int {
    TAPI_BATTERY_STATUS_NORMAL = 0,
    TAPI_BATTERY_STATUS_CHARGE_ERROR = 1,
    TAPI_BATTERY_STATUS_CHARGING = 2,
    TAPI_BATTERY_STATUS_INVALID = 3,
};

enum TAPI_CHARGER_STATUS_E : int {
    TAPI_CHARGER_DISCONNECTED = 0,
    TAPI_CHARGER_CONNECTED = 1,
};

// Sizes of the text buffers the phone library fills. It writes at most this many bytes and
// does not promise a terminating zero: callers clear the buffer and end it themselves.
constexpr int UTIL_PROVIDER_NAME_SIZE = 61;
constexpr int TAPI_CS_PRICE_UNIT_SIZE = 71;
// Raw data of an event is at most this long.
constexpr int UTIL_TAPI_RAW_DATA_SIZE = 100;

// The SIM's service provider name and when to show it.
struct PHONE_SERVICE_PROVIDER_DATA_S
{
    int displayCondition = 0;
    char spnName[UTIL_PROVIDER_NAME_SIZE] = {};
};

// One telephony event. pRawData points at rawDataLength bytes owned by the sender, valid
// while the event is being delivered.
struct UTIL_TAPI_Event
{
    unsigned int eventType = 0;
    unsigned int rawDataLength = 0;
    const void *pRawData = nullptr;
};

// Advice of charge: the call cost, raw data Latin-1 text.
constexpr unsigned int UTIL_TAPI_EVENT_CALL_COST = 0x1602;

Q_DECLARE_METATYPE(TAPI_NETWORK_STATUS_E)
Q_DECLARE_METATYPE(TAPI_BATTERY_STATUS_E)
Q_DECLARE_METATYPE(TAPI_CHARGER_STATUS_E)
Q_DECLARE_METATYPE(PHONE_SERVICE_PROVIDER_DATA_S)

#endif
