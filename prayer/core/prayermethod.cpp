#include "prayermethod.h"

const PrayerMethod PrayerMethods::table[5] = {
    { 1, "LEAGUE", -18.0, -17.0 },
    { 2, "EGYPTIAN", -19.5, -17.5 },
    { 3, "ISLAMICSCIENCES", -18.0, -18.0 },
    { 4, "ISLAMICSOCEITY", -15.0, -15.0 },
    { 5, "UMMALQURAH", -19.0, 0.0 },
};

const PrayerMethod &PrayerMethods::byNumber(int number)
{
    if (number < 1 || number > count)
        return table[0];
    return table[number - 1];
}

const PrayerMethod &PrayerMethods::fromStoredText(const QString &storedNumber)
{
    bool ok = false;
    const int number = storedNumber.toInt(&ok, 10);
    return byNumber(ok ? number : 0);
}

const PrayerMethod &PrayerMethods::fromStoredText(QByteArrayView storedNumber)
{
    bool ok = false;
    const int number = storedNumber.toInt(&ok, 10);
    return byNumber(ok ? number : 0);
}

const PrayerMethod *PrayerMethods::byName(const QString &name)
{
    for (const PrayerMethod &method : table) {
        if (name == QLatin1String(method.name))
            return &method;
    }
    return nullptr;
}
