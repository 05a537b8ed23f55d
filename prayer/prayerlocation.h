#ifndef PRAYERLOCATION_H
#define PRAYERLOCATION_H

#include <prayertimecalculator.h>

// The location of the stored Azaan settings: city and method from the settings file, the
// city's zone offset at the platform clock's instant from the world clock, its position from
// the city table. A city that neither knows is marked unknown (no times), logged once.
// The offset stays at fallbackOffsetSeconds when the world clock cannot be reached.
PrayerLocation readStoredPrayerLocation(double fallbackOffsetSeconds = 0.0);

#endif
