#ifndef PRAYERTIMECALCULATOR_H
#define PRAYERTIMECALCULATOR_H

#include <QString>

struct HourMinute
{
    int hour = 0;
    int minute = 0;
};

// Prayer times of the current local day (clock from ZSystemClock) for one position, zone
// offset and calculation method. A plain value object: load (or set up and compute), then read.
class PrayerTimeCalculator
{
public:
    PrayerTimeCalculator();

    // City, method and offset from the Azaan settings, position from the city table, then
    // computes the day.
    void loadSettings();
    // Computes the day for the position, offset and method already set.
    void compute();

    void setMethod(const QString &name);
    void setLatitude(const QString &degrees, const QString &minutes, const QString &hemisphere);
    void setLongitude(const QString &degrees, const QString &minutes, const QString &hemisphere);
    // Position texts as in the city table ("24.28N", "054.22E"); empty texts mean 0.
    void setPosition(const QString &latitudeText, const QString &longitudeText);
    void setZoneOffsetSeconds(double seconds);

    // False when the day has no such time (the sun never reaches the angle, never rises or
    // never sets); the output is left untouched then.
    bool getFajr(HourMinute &time);
    bool getSunrise(HourMinute &time);
    bool getDhuhr(HourMinute &time);
    bool getAsr(HourMinute &time);
    bool getMaghrib(HourMinute &time);
    bool getIshaa(HourMinute &time);

    // Both the Fajr and the Ishaa angle are reached that day.
    bool isValid() const;

    double fajrAngleDegrees() const { return fajrAngle; }
    double ishaaAngleDegrees() const { return ishaaAngle; }
    double latitudeDegrees() const { return latitude; }
    double longitudeDegrees() const { return longitude; }
    double zoneOffset() const { return zoneOffsetSeconds; }
    // Raw search results in hours of the local day, possibly infinite.
    double sunriseHours() const { return sunrise; }
    double sunsetHours() const { return sunset; }
    double fajrHours() const { return fajrTime; }
    double ishaaHours() const { return ishaaTime; }
    // Dhuhr before rounding; false when sunrise or sunset is missing.
    bool dhuhrHours(double &hours) const;
    bool isAltitudeTableValid() const { return altitudeTableValid; }
    // Sine of the sun's altitude at local hour 1..24 as held in the table (0 outside).
    double tableSinAltitude(int hour) const;

    // Stored method number (text) to method name; anything but 1..5 gives "LEAGUE".
    static QString methodName(const QString &storedNumber);
    static QString methodName(int number);
    static HourMinute toHourMinute(double hours);

private:
    void sunPosition(double mjd, double &rightAscension, double &declination) const;
    double sinAltitude(double hour) const;
    void findRiseSet(double riseAngle, double setAngle, double &riseTime, double &setTime);
    void interpolateCrossing(int window, double &previous, double t, double &ym, double s,
                             const char *kind) const;
    bool noon(double &hours) const;
    double nightLength() const;

    static double frac(double x);
    static double approxAtan(double x);
    static double approxAtan2(double y, double x);
    static double approxAsin(double x);

    double sunrise;
    double sunset;
    bool altitudeTableValid;
    double evenHourAltitudes[40];
    double oddHourAltitudes[40];
    double longitude;
    double latitude;
    double zoneOffsetSeconds;
    double fajrAngle;
    double ishaaAngle;
    double fajrTime;
    double ishaaTime;
};

#endif
