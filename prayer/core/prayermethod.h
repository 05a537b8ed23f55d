#ifndef PRAYERMETHOD_H
#define PRAYERMETHOD_H

#include <QByteArrayView>
#include <QString>

// A calculation method: the sun altitudes that define Fajr and Ishaa. An Ishaa angle of exactly
// 0 marks the fixed interval (Ishaa 90 minutes after Maghrib).
struct PrayerMethod
{
    int number;
    const char *name;
    double fajrAngle;
    double ishaaAngle;
};

namespace PrayerMethods {

// The five methods in the order the settings list them (numbers 1 to 5).
extern const PrayerMethod table[5];
const int count = 5;

// Any number but 1..5 gives the first method.
const PrayerMethod &byNumber(int number);
// The stored text read strictly as a decimal number; anything else gives the first method.
const PrayerMethod &fromStoredText(const QString &storedNumber);
const PrayerMethod &fromStoredText(QByteArrayView storedNumber);
// Exact, case-sensitive name; null for an unknown one.
const PrayerMethod *byName(const QString &name);

// Angles for a name that matches no method: the -15/-15 pair.
const double unknownNameAngle = -15.0;

} // namespace PrayerMethods

#endif
