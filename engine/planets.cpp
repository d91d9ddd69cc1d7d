#include "engine/planets.h"

#include "engine/angles.h"
#include "engine/calendar.h"

#include <cmath>

namespace tirovane::engine {

namespace {

// Mean J2000 elements and their rates per Julian century (Explanatory
// Supplement to the Astronomical Almanac, 1992). Angles in degrees, their
// rates in arc-seconds per century.
struct ElementRow {
    double A, ARate;
    double E, ERate;
    double I, IRate;
    double Node, NodeRate;
    double Perihelion, PerihelionRate;
    double L, LRate;
};

constexpr std::array<ElementRow, TheoryBodyCount> ElementTable = {{
    {0.38709893, +0.00000066, 0.20563069, +0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     +573.57, 252.25084, +538101628.29},
    {0.72333199, +0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, +210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, +1198.28, 100.46435, +129597740.63},
    {1.52366231, -0.00007221, 0.09341233, +0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, +1560.78, 355.45332, +68905103.78},
    {5.20336301, +0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, +1217.17,
     14.75385, +839.93, 34.40438, +10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, +6.11, 113.71504, -1591.05,
     92.43194, -1948.89, 49.94432, +4401052.95},
}};

// Rahu's degrees are converted back from radians with this rounded factor.
constexpr double RahuRadiansToDegrees = 180 / 3.1416;

struct HeliocentricPoint {
    double X;
    double Y;
};

// Position in the ecliptic plane from an orbit's elements.
HeliocentricPoint OrbitPoint(const OrbitalElements& el) {
    const double meanAnomaly = ReduceRadians(el.MeanLongitude - el.Perihelion);
    const double nu = SolveKepler(meanAnomaly, el.Eccentricity);
    const double e = el.Eccentricity;
    const double r = el.SemiMajorAxis * (1 - e * e) / (1 + e * std::cos(nu));
    const double u = nu + el.Perihelion - el.AscendingNode;
    const double node = el.AscendingNode;
    return {r * (std::cos(node) * std::cos(u) -
                 std::sin(node) * std::sin(u) * std::cos(el.Inclination)),
            r * (std::sin(node) * std::cos(u) +
                 std::cos(node) * std::sin(u) * std::cos(el.Inclination))};
}

} // namespace

OrbitalElements PlanetElements(int orbit, double d) {
    const ElementRow& row = ElementTable.at(static_cast<std::size_t>(orbit));
    const double t = d / 36525;
    const auto angle = [t](double value, double rate) {
        return (value + rate * t / 3600) * DegreesToRadians;
    };
    OrbitalElements el;
    el.SemiMajorAxis = row.A + row.ARate * t;
    el.Eccentricity = row.E + row.ERate * t;
    el.Inclination = angle(row.I, row.IRate);
    el.AscendingNode = angle(row.Node, row.NodeRate);
    el.Perihelion = angle(row.Perihelion, row.PerihelionRate);
    el.MeanLongitude = ReduceRadians(angle(row.L, row.LRate));
    return el;
}

double SolveKepler(double m, double e) {
    double eccentric = m + e * std::sin(m) * (1 + e * std::cos(m));
    // Newton's method converges in a handful of steps for planetary
    // eccentricities; the step limit only guards against a value that
    // oscillates in its last bits and would otherwise never settle.
    for (int step = 0; step < 100; ++step) {
        const double next =
            eccentric - (eccentric - e * std::sin(eccentric) - m) / (1 - e * std::cos(eccentric));
        const bool settled = std::fabs(eccentric - next) <= 1e-12;
        eccentric = next;
        if (settled) {
            break;
        }
    }
    double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(eccentric / 2));
    if (nu < 0) {
        nu += TwoPi;
    }
    return nu;
}

namespace {

// The geocentric longitude of an orbit, given the Earth's position at d.
double GeocentricLongitudeFrom(const HeliocentricPoint& earth, int orbit, double d) {
    const HeliocentricPoint body =
        orbit == TheoryEarth ? HeliocentricPoint{0, 0} : OrbitPoint(PlanetElements(orbit, d));
    double longitude = ArcTan2(body.Y - earth.Y, body.X - earth.X) * 180 / Pi;
    while (longitude > 360) {
        longitude -= 360;
    }
    while (longitude < 0) {
        longitude += 360;
    }
    return longitude;
}

} // namespace

double GeocentricLongitude(int orbit, double d) {
    return GeocentricLongitudeFrom(OrbitPoint(PlanetElements(TheoryEarth, d)), orbit, d);
}

PlanetsResult ComputePlanets(const BirthInstant& instant, double ayanamsa) {
    PlanetsResult result;
    // Days from J2000.0 by the routine's own day count, from the universal
    // civil date-time.
    const CivilDateTime& ut = instant.Universal;
    const double d = DaysFromJ2000(ut.Year, ut.Month, ut.Day, ut.Hour, ut.Minute);
    result.DaysFromEpoch = d;
    const double reduction = std::fabs(ayanamsa);

    // The Earth's position is the same for every body: compute it once.
    const HeliocentricPoint earth = OrbitPoint(PlanetElements(TheoryEarth, d));
    for (int orbit = 0; orbit < TheoryBodyCount; ++orbit) {
        double longitude = GeocentricLongitudeFrom(earth, orbit, d);
        result.TropicalLongitudes[orbit] = longitude;
        longitude -= reduction;
        while (longitude < 0) {
            longitude += 360;
        }
        result.Longitudes[orbit] = longitude;
    }

    double rahu = ReduceRadians((125.1228 - 0.0529538083 * d) * DegreesToRadians);
    rahu = rahu * RahuRadiansToDegrees - 1 - reduction;
    while (rahu < 0) {
        rahu += 360;
    }
    result.Rahu = rahu;
    double ketu = rahu + 180;
    while (ketu > 360) {
        ketu -= 360;
    }
    result.Ketu = std::fabs(ketu);
    return result;
}

} // namespace tirovane::engine
