#include "prayertimecalculator.h"

#include "prayermethod.h"

#include <zsystemclock.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

#include <locale.h>

namespace {

const double pi = 3.141592653589793;
const double twoPi = 6.283185307179586;
const double halfPi = 1.5707963267948966;
// Upper limb at the horizon, refraction included: -50 arcminutes.
const double horizonAltitude = -0.8333333333333334;
const double infinity = std::numeric_limits<double>::infinity();
const int minutesPerDay = 24 * 60;
// Modified Julian Date of 1970-01-01, and QDate's Julian day of MJD 0.
const double unixEpochMjd = 40587;
const qint64 mjdJulianDay = 2400001;

double reduceToDay(double hours)
{
    double reduced = std::fmod(hours, 24.0);
    if (reduced < 0)
        reduced += 24.0;
    return reduced;
}

// tan(pi/12), the arctangent's range-reduction threshold, computed once.
const double tanPiOver12 = std::tan(0.2617993877991494);

// strtod in the C locale, so a process locale with a decimal comma cannot change positions.
double parseDouble(const char *text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(0));
    return cLocale ? strtod_l(text, nullptr, cLocale) : std::strtod(text, nullptr);
}

double coordinate(const char *degrees, const char *minutes, bool negative)
{
    double value = double(std::strtol(degrees, nullptr, 10)) + parseDouble(minutes) / 60;
    // "inf" or "nan" in a file must not poison every later computation.
    if (!std::isfinite(value))
        value = 0;
    return negative ? -value : value;
}

double coordinate(const QString &degrees, const QString &minutes, bool negative)
{
    return coordinate(degrees.toLatin1().constData(), minutes.toLatin1().constData(), negative);
}

// "24.28N": degrees before the first dot, minutes after it (the part after the dot is minutes,
// not a fraction), the hemisphere the last character.
double positionValue(QByteArrayView text, char negativeHemisphere)
{
    // Long texts are garbage anyway; a bounded copy keeps the parse off the heap.
    char buffer[64];
    const qsizetype length = qMin<qsizetype>(text.size(), sizeof(buffer) - 1);
    // An empty view may have no data at all, which memcpy must not be given.
    if (length > 0)
        std::memcpy(buffer, text.data(), size_t(length));
    buffer[length] = '\0';
    const char *minutes = "";
    if (char *dot = static_cast<char *>(std::memchr(buffer, '.', size_t(length)))) {
        *dot = '\0';
        minutes = dot + 1;
    }
    const bool negative = !text.isEmpty() && text.back() == negativeHemisphere;
    return coordinate(buffer, minutes, negative);
}

} // namespace

PrayerTimeCalculator::PrayerTimeCalculator()
    : sunrise(0)
    , sunset(0)
    , altitudeTableValid(false)
    , longitude(0)
    , latitude(0)
    , zoneOffsetSeconds(0)
    , fajrAngle(0)
    , ishaaAngle(0)
    , fajrTime(0)
    , ishaaTime(0)
{
    // The tables are filled by the first search; zeroed only so nothing reads garbage.
    std::memset(evenHourAltitudes, 0, sizeof(evenHourAltitudes));
    std::memset(oddHourAltitudes, 0, sizeof(oddHourAltitudes));
}

void PrayerTimeCalculator::compute()
{
    computeForInstant(ZSystemClock::currentSecsSinceEpoch());
}

void PrayerTimeCalculator::computeForInstant(qint64 secondsSinceEpoch)
{
    computeDayStartingAt(std::floor((double(secondsSinceEpoch) + zoneOffsetSeconds) / 86400 + unixEpochMjd)
                         - zoneOffsetSeconds / 86400);
}

void PrayerTimeCalculator::computeForDate(const QDate &localDate)
{
    computeDayStartingAt(double(localDate.toJulianDay() - mjdJulianDay) - zoneOffsetSeconds / 86400);
}

void PrayerTimeCalculator::computeDayStartingAt(double localMidnightMjd)
{
    dayStart = localMidnightMjd;
    sinLatitude = std::sin(latitude * pi / 180);
    cosLatitude = std::cos(latitude * pi / 180);
    altitudeTableValid = false;
    for (bool &valid : extraValid)
        valid = false;
    usedExtraWindow = false;
    fajrBeforeMidnight = false;
    asrFound = false;
    if (!locationKnown) {
        fajrTime = ishaaTime = -infinity;
        sunrise = sunset = -infinity;
        return;
    }
    // The first search fills the altitude table; the others reuse it.
    bool riseBeforeMidnight = false;
    findRiseSet(fajrAngle, ishaaAngle, fajrTime, ishaaTime, &riseBeforeMidnight);
    fajrBeforeMidnight = riseBeforeMidnight;
    findRiseSet(horizonAltitude, horizonAltitude, sunrise, sunset);
    computeAsr();
}

PrayerDay PrayerTimeCalculator::computeDay(const PrayerLocation &location, const QDate &localDate)
{
    PrayerTimeCalculator calculator;
    calculator.setLocation(location);
    calculator.computeForDate(localDate);
    return calculator.day();
}

void PrayerTimeCalculator::setLocation(const PrayerLocation &location)
{
    latitude = std::isfinite(location.latitude) ? location.latitude : 0.0;
    longitude = std::isfinite(location.longitude) ? location.longitude : 0.0;
    setZoneOffsetSeconds(location.zoneOffsetSeconds);
    fajrAngle = location.fajrAngle;
    ishaaAngle = location.ishaaAngle;
    locationKnown = location.known;
    city = location.city;
}

PrayerLocation PrayerTimeCalculator::location() const
{
    PrayerLocation location;
    location.latitude = latitude;
    location.longitude = longitude;
    location.zoneOffsetSeconds = zoneOffsetSeconds;
    location.fajrAngle = fajrAngle;
    location.ishaaAngle = ishaaAngle;
    location.known = locationKnown;
    location.city = city;
    return location;
}

QString PrayerTimeCalculator::methodName(int number)
{
    return QString::fromLatin1(PrayerMethods::byNumber(number).name);
}

QString PrayerTimeCalculator::methodName(const QString &storedNumber)
{
    return QString::fromLatin1(PrayerMethods::fromStoredText(storedNumber).name);
}

void PrayerTimeCalculator::setMethod(const QString &name)
{
    if (const PrayerMethod *method = PrayerMethods::byName(name)) {
        fajrAngle = method->fajrAngle;
        ishaaAngle = method->ishaaAngle;
    } else {
        fajrAngle = PrayerMethods::unknownNameAngle;
        ishaaAngle = PrayerMethods::unknownNameAngle;
    }
}

void PrayerTimeCalculator::setLatitude(const QString &degrees, const QString &minutes,
                                       const QString &hemisphere)
{
    latitude = coordinate(degrees, minutes, hemisphere == QLatin1String("S"));
}

void PrayerTimeCalculator::setLongitude(const QString &degrees, const QString &minutes,
                                        const QString &hemisphere)
{
    longitude = coordinate(degrees, minutes, hemisphere == QLatin1String("W"));
}

void PrayerTimeCalculator::setPosition(const QString &latitudeText, const QString &longitudeText)
{
    setPosition(QByteArrayView(latitudeText.toLatin1()), QByteArrayView(longitudeText.toLatin1()));
}

void PrayerTimeCalculator::setPosition(QByteArrayView latitudeText, QByteArrayView longitudeText)
{
    latitude = positionValue(latitudeText, 'S');
    longitude = positionValue(longitudeText, 'W');
}

void PrayerTimeCalculator::setZoneOffsetSeconds(double seconds)
{
    zoneOffsetSeconds = std::isfinite(seconds) ? seconds : 0.0;
}

bool PrayerTimeCalculator::isValid() const
{
    return locationKnown && std::isfinite(fajrTime) && std::isfinite(ishaaTime);
}

double PrayerTimeCalculator::nightLength() const
{
    // Sunset may fall after midnight, i.e. earlier on the clock than sunrise.
    double dayLength = sunset - sunrise;
    if (dayLength < 0)
        dayLength += 24.0;
    return 24.0 - dayLength;
}

double PrayerTimeCalculator::transit() const
{
    // The highest hourly sample (the earliest of equals), refined by the parabola through it
    // and its two neighbours.
    int best = 1;
    for (int hour = 2; hour <= 23; ++hour) {
        if (tableSinAltitude(hour) > tableSinAltitude(best))
            best = hour;
    }
    const double before = best == 1 ? midnightAltitude : tableSinAltitude(best - 1);
    const double at = tableSinAltitude(best);
    const double after = tableSinAltitude(best + 1);
    const double curvature = before - 2 * at + after;
    if (!(curvature < 0))
        return best;
    return best + 0.5 * (before - after) / curvature;
}

bool PrayerTimeCalculator::noon(double &hours) const
{
    if (!locationKnown || !altitudeTableValid)
        return false;
    if (!std::isfinite(sunrise) || !std::isfinite(sunset)) {
        // No sunrise or no sunset: the sun still passes its highest point.
        hours = transit();
        return true;
    }
    if (sunset >= sunrise)
        hours = (sunrise + sunset) * 0.5;
    else
        hours = reduceToDay((sunrise + sunset + 24.0) * 0.5);
    return true;
}

bool PrayerTimeCalculator::dhuhrHours(double &hours) const
{
    return noon(hours);
}

void PrayerTimeCalculator::computeAsr()
{
    asrFound = false;
    double noonHours = 0;
    if (!noon(noonHours))
        return;
    const double noonAltitude = approxAsin(sinAltitude(noonHours));
    // With the sun below the horizon at noon the shadow rule has no meaning.
    if (!(noonAltitude > 0))
        return;
    const double x = 1.0 / std::tan(noonAltitude) + 1.0;
    const double asrAltitude = 90.0 - approxAtan2(x, 1.0) * 180.0 / pi;
    double riseTime = 0;
    double setTime = 0;
    findRiseSet(asrAltitude, asrAltitude, riseTime, setTime);
    if (!std::isfinite(riseTime) || !std::isfinite(setTime))
        return;
    asrTime = setTime;
    asrFound = true;
}

bool PrayerTimeCalculator::fajrDayHours(double &hours) const
{
    if (!locationKnown)
        return false;
    if (std::isfinite(fajrTime)) {
        hours = fajrBeforeMidnight ? fajrTime - 24.0 : fajrTime;
        return true;
    }
    // Dawn angle never reached: a seventh of the night before sunrise.
    if (!std::isfinite(sunrise) || !std::isfinite(sunset))
        return false;
    hours = sunrise - nightLength() / 7.0;
    return true;
}

bool PrayerTimeCalculator::ishaaDayHours(double &hours) const
{
    if (!locationKnown)
        return false;
    if (ishaaAngle == 0.0) {
        // Fixed interval method: 90 minutes after sunset.
        if (!std::isfinite(sunset))
            return false;
        hours = sunset + 1.5;
    } else if (std::isfinite(ishaaTime)) {
        hours = ishaaTime;
    } else if (std::isfinite(sunrise) && std::isfinite(sunset)) {
        // Nightfall angle never reached: a seventh of the night after sunset.
        hours = sunset + nightLength() / 7.0;
    } else {
        return false;
    }
    return true;
}

bool PrayerTimeCalculator::timeOf(PrayerTime which, double &hours) const
{
    if (!locationKnown)
        return false;
    switch (which) {
    case Fajr:
        if (!fajrDayHours(hours))
            return false;
        break;
    case Sunrise:
        if (!std::isfinite(sunrise))
            return false;
        hours = sunrise;
        break;
    case Dhuhr:
        return noon(hours);
    case Asr:
        if (!asrFound)
            return false;
        hours = asrTime;
        break;
    case Maghrib:
        if (!std::isfinite(sunset))
            return false;
        hours = sunset;
        break;
    case Ishaa:
        if (!ishaaDayHours(hours))
            return false;
        break;
    default:
        return false;
    }
    hours = reduceToDay(hours);
    return true;
}

bool PrayerTimeCalculator::getFajr(HourMinute &time)
{
    double hours = 0;
    if (!timeOf(Fajr, hours))
        return false;
    time = toHourMinute(hours);
    return true;
}

bool PrayerTimeCalculator::getSunrise(HourMinute &time)
{
    double hours = 0;
    if (!timeOf(Sunrise, hours))
        return false;
    time = toHourMinute(hours);
    return true;
}

bool PrayerTimeCalculator::getDhuhr(HourMinute &time)
{
    double hours = 0;
    if (!timeOf(Dhuhr, hours))
        return false;
    time = toHourMinute(hours);
    return true;
}

bool PrayerTimeCalculator::getAsr(HourMinute &time)
{
    double hours = 0;
    if (!timeOf(Asr, hours))
        return false;
    time = toHourMinute(hours);
    return true;
}

bool PrayerTimeCalculator::getMaghrib(HourMinute &time)
{
    double hours = 0;
    if (!timeOf(Maghrib, hours))
        return false;
    time = toHourMinute(hours);
    return true;
}

bool PrayerTimeCalculator::getIshaa(HourMinute &time)
{
    double hours = 0;
    if (!timeOf(Ishaa, hours))
        return false;
    time = toHourMinute(hours);
    return true;
}

PrayerDay PrayerTimeCalculator::day() const
{
    PrayerDay result;
    const double localDay = std::floor(dayStart + zoneOffsetSeconds / 86400 + 0.5);
    result.date = QDate::fromJulianDay(qint64(localDay) + mjdJulianDay);
    result.locationKnown = locationKnown;
    result.valid = isValid();
    result.usedExtraWindow = usedExtraWindow;
    result.dhuhrAtTransit = locationKnown && altitudeTableValid
            && (!std::isfinite(sunrise) || !std::isfinite(sunset));
    result.seventhOfNight = locationKnown
            && ((!std::isfinite(fajrTime) && std::isfinite(sunrise) && std::isfinite(sunset))
                || (ishaaAngle != 0.0 && !std::isfinite(ishaaTime) && std::isfinite(sunrise)
                    && std::isfinite(sunset)));
    for (int i = 0; i < PrayerTimeCount; ++i) {
        double hours = 0;
        if (!timeOf(PrayerTime(i), hours))
            continue;
        const HourMinute time = toHourMinute(hours);
        result.times[i] = time;
        result.dayMinutes[i] = time.hour * 60 + time.minute;
    }
    double fajrHours = 0;
    if (result.has(Fajr) && fajrDayHours(fajrHours) && fajrHours < 0 && result.dayMinutes[Fajr] > minutesPerDay / 2)
        result.dayMinutes[Fajr] -= minutesPerDay;
    // Only what follows noon can spill past midnight: an evening prayer earlier on the clock
    // than the one before it lies in the next day.
    int previous = -1;
    for (PrayerTime time : { Dhuhr, Asr, Maghrib, Ishaa }) {
        if (!result.has(time))
            continue;
        if (result.dayMinutes[time] < previous)
            result.dayMinutes[time] += minutesPerDay;
        previous = result.dayMinutes[time];
    }
    return result;
}

double PrayerTimeCalculator::tableSinAltitude(int hour) const
{
    if (hour < 1 || hour > 24)
        return 0.0;
    const int index = (hour - 1) / 2;
    return hour % 2 ? oddHourAltitudes[index] : evenHourAltitudes[index];
}

HourMinute PrayerTimeCalculator::toHourMinute(double hours)
{
    HourMinute result;
    if (!std::isfinite(hours) || std::fabs(hours) > 1.0e6)
        return result;
    result.hour = int(std::floor(hours));
    result.minute = int(0.5 + (hours - result.hour) * 60);
    if (result.minute > 59) {
        result.minute -= 60;
        result.hour += 1;
    }
    if (result.hour > 23)
        result.hour -= 24;
    return result;
}

void PrayerTimeCalculator::sunPosition(double mjd, double &rightAscension, double &declination) const
{
    const double t = (mjd - 51544.5) / 36525;
    const double m = twoPi * frac(0.993133 + 99.997361 * t);
    // sin 2m from sin m and cos m: one library call fewer per sample, the same to the minute.
    const double sinM = std::sin(m);
    const double sin2M = 2 * sinM * std::cos(m);
    const double l = twoPi * frac(0.7859453 + m / twoPi + (6893 * sinM + 72 * sin2M + 6191.2 * t) / 1296000);
    const double sinL = std::sin(l);
    const double r = std::sqrt(1 - 0.158226665781282 * sinL * sinL);
    rightAscension = 7.639437268410976 * approxAtan2(0.9174820620691818 * sinL, std::cos(l) + r);
    if (rightAscension < 0)
        rightAscension += 24;
    declination = 57.29577951308232 * approxAtan2(0.3977771559319137 * sinL, r);
}

double PrayerTimeCalculator::sinAltitude(double hour) const
{
    const double mjd = dayStart + hour / 24;

    double rightAscension = 0;
    double declination = 0;
    sunPosition(mjd, rightAscension, declination);

    const double day = std::floor(mjd);
    const double t0 = (day - 51544.5) / 36525;
    const double gmst = 6.697374558 + (mjd - day) * 24.0657098232
            + (8640184.812866 + (0.093104 - 6.2e-6 * t0) * t0) * t0 / 3600;
    const double lst = frac((longitude / 15 + gmst) / 24);
    const double tau = (24 * lst - rightAscension) * 15;

    const double delta = declination * pi / 180;
    return sinLatitude * std::sin(delta) + cosLatitude * std::cos(delta) * std::cos(tau * pi / 180);
}

double PrayerTimeCalculator::extraSample(int slot)
{
    static const double hours[4] = { -2, -1, 25, 26 };
    if (!extraValid[slot]) {
        extraAltitudes[slot] = sinAltitude(hours[slot]);
        extraValid[slot] = true;
    }
    return extraAltitudes[slot];
}

bool PrayerTimeCalculator::searchExtraWindow(bool rising, double s, double &result)
{
    // One more two-hour window just outside the day: before midnight for a rising crossing,
    // after the next midnight for a setting one.
    double found = std::numeric_limits<double>::quiet_NaN();
    if (rising)
        interpolateCrossing(found, -1, extraSample(0) - s, extraSample(1) - s, midnightAltitude - s, true);
    else
        interpolateCrossing(found, 25, evenHourAltitudes[11] - s, extraSample(2) - s, extraSample(3) - s, false);
    if (!std::isfinite(found))
        return false;
    result = found;
    usedExtraWindow = true;
    return true;
}

void PrayerTimeCalculator::findRiseSet(double riseAngle, double setAngle, double &riseTime,
                                       double &setTime, bool *riseBeforeMidnight)
{
    const bool fillTable = !altitudeTableValid;
    if (fillTable)
        midnightAltitude = sinAltitude(0);
    const double y0 = midnightAltitude;
    const double sinRise = std::sin(riseAngle * pi / 180);
    const double sinSet = std::sin(setAngle * pi / 180);

    // Infinite until a crossing is found: + when the sun starts above the angle, - below.
    double ymRise = y0 - sinRise;
    riseTime = ymRise > 0 ? infinity : -infinity;
    double ymSet = y0 - sinSet;
    setTime = ymSet > 0 ? infinity : -infinity;

    for (int i = 0; i < 12; ++i) {
        const double t = 2 * i + 1;
        if (fillTable) {
            oddHourAltitudes[i] = sinAltitude(t);
            evenHourAltitudes[i] = sinAltitude(t + 1);
        }
        // Every window is visited: the last crossing of the day wins.
        interpolateCrossing(riseTime, t, ymRise, oddHourAltitudes[i] - sinRise, evenHourAltitudes[i] - sinRise, true);
        ymRise = evenHourAltitudes[i] - sinRise;
        interpolateCrossing(setTime, t, ymSet, oddHourAltitudes[i] - sinSet, evenHourAltitudes[i] - sinSet, false);
        ymSet = evenHourAltitudes[i] - sinSet;
    }
    if (fillTable)
        altitudeTableValid = true;

    // A crossing just outside the day (Ishaa moving from 23:59 to 00:01) is still the day's.
    if (!std::isfinite(riseTime) && searchExtraWindow(true, sinRise, riseTime) && riseBeforeMidnight)
        *riseBeforeMidnight = riseTime < 0;
    if (!std::isfinite(setTime))
        searchExtraWindow(false, sinSet, setTime);

    if (std::isfinite(riseTime))
        riseTime = reduceToDay(riseTime);
    if (std::isfinite(setTime))
        setTime = reduceToDay(setTime);
}

void PrayerTimeCalculator::interpolateCrossing(double &previous, double t, double ym, double y0, double yp,
                                               bool wantRise)
{
    // The parabola through the window's three samples at t - 1, t and t + 1.
    const double a = 0.5 * (ym + yp) - y0;
    const double b = 0.5 * (yp - ym);
    const double c = y0;
    const double xe = b / (-2 * a);
    const double ye = (a * xe + b) * xe + c;
    const double disc = b * b - 4 * a * c;

    if (disc >= 0) {
        const double dx = std::sqrt(disc) / (2 * std::fabs(a));
        double z1 = xe - dx;
        const double z2 = xe + dx;
        const int n = (std::fabs(z1) <= 1 ? 1 : 0) + (std::fabs(z2) <= 1 ? 1 : 0);
        if (z1 < -1)
            z1 = z2;
        if (n == 1) {
            const bool isRise = ym < 0;
            if (isRise == wantRise)
                previous = t + z1;
        } else if (n == 2) {
            const double rise = ye < 0 ? t + z2 : t + z1;
            const double set = ye < 0 ? t + z1 : t + z2;
            previous = wantRise ? rise : set;
        }
    }
}

double PrayerTimeCalculator::frac(double x)
{
    return x - std::floor(x);
}

double PrayerTimeCalculator::approxAtan(double x)
{
    if (x < 0)
        return -approxAtan(-x);
    if (x > 1)
        return halfPi - approxAtan(1 / x);
    if (x > tanPiOver12)
        return approxAtan((x * 1.7320508075688772 - 1) / (x + 1.7320508075688772)) + 0.5235987755982988;
    return x * (0.60310579 - 0.05160454 * x * x + 0.55913709 / (1.4087812 + x * x));
}

double PrayerTimeCalculator::approxAtan2(double y, double x)
{
    if (x > 0)
        return approxAtan(y / x);
    if (x == 0) {
        if (y == 0)
            return 0;
        return y < 0 ? -halfPi : halfPi;
    }
    // Not reached by the engine (its denominators are never negative); kept total anyway.
    return y < 0 ? approxAtan(y / x) - pi : approxAtan(y / x) + pi;
}

double PrayerTimeCalculator::approxAsin(double x)
{
    // Rounding can push a sine just past 1; the square root would then give NaN.
    if (x <= -1)
        return -halfPi;
    if (x >= 1)
        return halfPi;
    return approxAtan(x / std::sqrt(1 - x * x));
}
