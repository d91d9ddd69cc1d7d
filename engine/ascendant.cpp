#include "engine/ascendant.h"

#include "engine/angles.h"
#include "engine/calendar.h"

#include <cmath>

namespace tirovane::engine {

double AyanamsaFrom1900(double t) {
    const double node = SubtractTurnsWhileAtLeast360((933060 - 6962911 * t + 7.5 * t * t) / 3600);
    const double twiceSunLongitude = (2013816 + 259205536 * t) / 3600;
    const double nutation = 17.23 * std::sin(node * DegreesToRadians) +
                            1.27 * std::sin(twiceSunLongitude * DegreesToRadians);
    return (nutation - t * (5025.64 + 1.11 * t) - 80861.27) / 3600;
}

AscendantResult ComputeAscendant(const BirthInstant& instant, const GeoPlace& place) {
    AscendantResult result;
    const double westLongitude = place.WestLongitude;
    const double latitude = place.NorthLatitude;
    // Centuries from 1900 January 0.5, counted from the Julian Day Number of
    // the local civil date and the unfolded universal hours.
    const double j = JulianDayNumber(instant.Local.Month, instant.Local.Day, instant.Local.Year);
    const double ut = instant.UniversalHours;
    const double t = (j - 2415020 + ut / 24 - 0.5) / 36525;
    result.CenturiesFrom1900 = t;

    result.Ayanamsa = AyanamsaFrom1900(t);

    // Local sidereal time as an angle; a negative value is left as it is,
    // only its trigonometric functions are used.
    const double theta = SubtractTurnsWhileAtLeast360(
        15 * (6.6460656 + 2400.0513 * t + 0.0000258 * t * t + ut) - westLongitude);
    result.SiderealTime = theta;
    const double thetaRad = theta * DegreesToRadians;
    const double obliquity = (23.452294 - 0.0130125 * t) * DegreesToRadians;
    const double latitudeRad = latitude * DegreesToRadians;

    double mc = std::atan(std::tan(thetaRad) / std::cos(obliquity));
    if (mc < 0) {
        mc += Pi;
    }
    if (std::sin(thetaRad) < 0) {
        mc += Pi;
    }
    mc *= RadiansToDegrees;

    double asc = ArcTan2(std::cos(thetaRad), -(std::sin(thetaRad) * std::cos(obliquity) +
                                               std::tan(latitudeRad) * std::sin(obliquity)));
    if (asc < 0) {
        asc += Pi;
    }
    if (std::cos(thetaRad) < 0) {
        asc += Pi;
    }
    asc *= RadiansToDegrees;
    while (asc >= 360) {
        asc -= 360;
    }
    result.TropicalAscendant = asc;
    result.TropicalMidheaven = mc;

    result.Ascendant = NormalizeOnce(asc + result.Ayanamsa);
    result.Midheaven = NormalizeOnce(mc + result.Ayanamsa);
    return result;
}

} // namespace tirovane::engine
