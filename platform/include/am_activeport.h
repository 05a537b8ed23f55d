#ifndef AM_ACTIVEPORT_H
#define AM_ACTIVEPORT_H

// The accessory port in use (headset, car kit, ...: one bit each, 4 to 2048). 0 on success
// with port set; non-zero, port 0, when no accessory is attached.
int AM_GetActivePort(int *port);

#endif
