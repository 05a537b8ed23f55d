#include "util_phone.h"
#include "am_activeport.h"
#include "tapi_cs.h"
#include "tapi_types.h"
#include "vynphone.h"

#include <QByteArray>

#include <cstring>

namespace {

// As the phone library does: as many bytes as fit, a zero only when there is room left.
void fillBuffer(char *buffer, int size, const QByteArray &text)
{
    const int length = qMin(int(text.size()), size);
    std::memcpy(buffer, text.constData(), size_t(length));
    if (length < size)
        buffer[length] = '\0';
}

} // namespace

int UTIL_GetRFMode()
{
    return VynPhone::state().rfMode;
}

int UTIL_GetNetworkStatus()
{
    return VynPhone::state().networkStatus;
}

int UTIL_GetSpnDisplayedStatus()
{
    return VynPhone::state().spnDisplay;
}

int UTIL_GetServiceName(char *buffer)
{
    if (!buffer)
        return 1;
    fillBuffer(buffer, UTIL_PROVIDER_NAME_SIZE, VynPhone::state().serviceName.toUtf8());
    return 0;
}

int UTIL_GetOrgSpnName(char *buffer)
{
    if (!buffer)
        return 1;
    fillBuffer(buffer, UTIL_PROVIDER_NAME_SIZE, VynPhone::state().spnName.toUtf8());
    return 0;
}

int UTIL_GetBatteryStatus()
{
    return VynPhone::state().batteryStatus;
}

int UTIL_GetLowBatteryStatus()
{
    return VynPhone::state().lowBattery;
}

int UTIL_GetChargeStatus()
{
    return VynPhone::state().chargerStatus;
}

int UTIL_GetChargeCompletedStatus()
{
    return VynPhone::state().chargeCompleted;
}

int UTIL_GetCallBarringStatus()
{
    return VynPhone::state().callBarring;
}

int UTIL_GetWifiCampStatus()
{
    return VynPhone::state().wifiCamp;
}

int UTIL_GetOpeatorLogoStatus()
{
    return VynPhone::state().operatorLogo;
}

int AM_GetActivePort(int *port)
{
    const int active = VynPhone::state().activePort;
    if (port)
        *port = active;
    return active != 0 ? 0 : 1;
}

int TAPI_CS_GetChargeType(int *type)
{
    const QString stored = VynPhone::state().chargeType;
    bool ok = false;
    const int value = stored.toInt(&ok);
    if (!ok || !type)
        return 1;
    *type = value;
    return 0;
}

int TAPI_CS_GetPriceUnit(char *unit)
{
    const VynPhoneState state = VynPhone::state();
    if (!unit || state.priceUnitFails)
        return 1;
    fillBuffer(unit, TAPI_CS_PRICE_UNIT_SIZE, state.priceUnit.toLatin1());
    return 0;
}
