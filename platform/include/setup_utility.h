#ifndef SETUP_UTILITY_H
#define SETUP_UTILITY_H

// Feature flags of the device build, kept in "/usr/SYSqtapp/flexbit.cfg" (group "FlexBit",
// one key per flag number).
class SETUP_Utility
{
public:
    // True when the flag is known; value then tells whether the feature is on.
    static bool getFlexBit(unsigned int flag, bool &value);

    // From the simulated phone (vynphone.h).
    static bool isAirplaneModeOn();
    // The ring alert style; 4 is silent.
    static int getAlertStyle();
};

#endif
