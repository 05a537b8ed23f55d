#ifndef PRAYERTIMECALCULATOR_H
#define PRAYERTIMECALCULATOR_H

#include "prayerday.h"

#include <QByteArrayView>
#include <QString>

// Where and how to compute: a position, the zone offset of the local day and the method's
// two angles. Filled from the stored settings by the store layer, or by hand.
struct PrayerLocation
{
    double latitude = 0.0;
    double longitude = 0.0;
    double zoneOffsetSeconds = 0.0;
    double fajrAngle = -18.0;
    double ishaaAngle = -17.0;
    // False for a stored city that neither the city table nor the world clock knows.
    bool known = true;
    QString city;
};

// Prayer times of one local day for one position, zone offset and calculation method. A
// plain value object: set up (or load the stored settings), compute, then read. The clock is
// read once per computation, so every result belongs to the same day.
class PrayerTimeCalculator
{
public:
    PrayerTimeCalculator();

    // City, method and offset from the Azaan settings, position from the city table, then
    // computes today (defined by the store layer).
    void loadSettings();
    // Computes the local day of the platform clock's current instant.
    void compute();
    // Computes the local day that contains an instant, or a given local date.
    void computeForInstant(qint64 secondsSinceEpoch);
    void computeForDate(const QDate &localDate);

    void setLocation(const PrayerLocation &location);
    PrayerLocation location() const;
    void setMethod(const QString &name);
    void setLatitude(const QString &degrees, const QString &minutes, const QString &hemisphere);
    void setLongitude(const QString &degrees, const QString &minutes, const QString &hemisphere);
    // Position texts as in the city table ("24.28N", "054.22E"); empty texts mean 0.
    void setPosition(const QString &latitudeText, const QString &longitudeText);
    void setPosition(QByteArrayView latitudeText, QByteArrayView longitudeText);
    void setZoneOffsetSeconds(double seconds);

    // False when the day has no such time (the sun never reaches the angle, never rises or
    // never sets, or the location is unknown); the output is left untouched then.
    bool getFajr(HourMinute &time);
    bool getSunrise(HourMinute &time);
    bool getDhuhr(HourMinute &time);
    bool getAsr(HourMinute &time);
    bool getMaghrib(HourMinute &time);
    bool getIshaa(HourMinute &time);

    // Both the Fajr and the Ishaa angle are reached that day.
    bool isValid() const;
    // The computed day as one value.
    PrayerDay day() const;
    // One local day for a location, without touching any clock.
    static PrayerDay computeDay(const PrayerLocation &location, const QDate &localDate);

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
    // Dhuhr before rounding; false when there is none.
    bool dhuhrHours(double &hours) const;
    bool isAltitudeTableValid() const { return altitudeTableValid; }
    // Sine of the sun's altitude at local hour 1..24 as held in the table (0 outside).
    double tableSinAltitude(int hour) const;

    // Stored method number (text) to method name; anything but 1..5 gives "LEAGUE".
    static QString methodName(const QString &storedNumber);
    static QString methodName(int number);
    static HourMinute toHourMinute(double hours);

private:
    void computeDayStartingAt(double localMidnightMjd);
    void sunPosition(double mjd, double &rightAscension, double &declination) const;
    double sinAltitude(double hour) const;
    double extraSample(int slot);
    void findRiseSet(double riseAngle, double setAngle, double &riseTime, double &setTime,
                     bool *riseBeforeMidnight = nullptr);
    bool searchExtraWindow(bool rising, double s, double &result);
    static void interpolateCrossing(double &previous, double t, double ym, double y0, double yp,
                                    bool wantRise);
    bool noon(double &hours) const;
    double transit() const;
    double nightLength() const;
    void computeAsr();
    bool fajrDayHours(double &hours) const;
    bool timeOf(PrayerTime which, double &hours) const;
    bool ishaaDayHours(double &hours) const;

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

    // Fixed once per computation, so no result mixes two days.
    double dayStart = 0.0;
    double sinLatitude = 0.0;
    double cosLatitude = 1.0;
    double midnightAltitude = 0.0;
    // Hours -2, -1, 25 and 26, sampled only when a search needs the window beyond the day.
    double extraAltitudes[4] = {};
    bool extraValid[4] = {};
    bool usedExtraWindow = false;
    bool fajrBeforeMidnight = false;
    double asrTime = 0.0;
    bool asrFound = false;
    bool locationKnown = true;
    QString city;
};

#endif
