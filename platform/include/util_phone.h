#ifndef UTIL_PHONE_H
#define UTIL_PHONE_H

// Queries of the phone library, answered from the simulated phone (vynphone.h).

int UTIL_GetRFMode();
int UTIL_GetNetworkStatus();
int UTIL_GetSpnDisplayedStatus();
// Fill buffer with up to UTIL_PROVIDER_NAME_SIZE bytes of UTF-8; a name that fills the buffer
// has no terminating zero. 0 on success.
int UTIL_GetServiceName(char *buffer);
int UTIL_GetOrgSpnName(char *buffer);
int UTIL_GetBatteryStatus();
int UTIL_GetLowBatteryStatus();
int UTIL_GetChargeStatus();
int UTIL_GetChargeCompletedStatus();
int UTIL_GetCallBarringStatus();
int UTIL_GetWifiCampStatus();
// 1 when the network sent an operator logo.
int UTIL_GetOpeatorLogoStatus();

#endif
