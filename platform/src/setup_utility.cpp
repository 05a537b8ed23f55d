#include "setup_utility.h"
#include "setup_set_manager.h"
#include "vynphone.h"

bool SETUP_Utility::getFlexBit(unsigned int flag, bool &value)
{
    const SETUP_SET_Manager flags(QStringLiteral("/usr/SYSqtapp/flexbit.cfg"), true);
    QString text;
    if (!flags.getSettingInfo(QStringLiteral("FlexBit"), QString::number(flag), text, QString())) {
        value = false;
        return false;
    }
    value = vynParseBool(text, false);
    return true;
}

bool SETUP_Utility::isAirplaneModeOn()
{
    return VynPhone::state().airplaneMode;
}

int SETUP_Utility::getAlertStyle()
{
    return VynPhone::state().alertStyle;
}
