#include "engine/moon.h"

#include "engine/angles.h"
#include "engine/calendar.h"

#include <array>
#include <cmath>

namespace tirovane::engine {

namespace {

constexpr double MoonDegreesToRadians = 0.0174532925199433;

// One periodic term of the Moon's longitude: coefficient (degrees) times the
// sine of a whole combination of the mean arguments D, M, M' and F.
struct LunarTerm {
    int D;
    int M;
    int MPrime;
    int F;
    double Coefficient;
    bool TimesE;
};

// The 25 largest terms of the longitude series (Meeus, 1991).
constexpr std::array<LunarTerm, 25> LunarTerms = {{
    {0, 0, 1, 0, +6.288774, false},  {2, 0, -1, 0, +1.274027, false},
    {2, 0, 0, 0, +0.658314, false},  {0, 0, 2, 0, +0.213618, false},
    {0, 1, 0, 0, -0.185116, true},   {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, +0.058793, false}, {2, -1, -1, 0, +0.057066, true},
    {2, 0, 1, 0, +0.053322, false},  {2, -1, 0, 0, +0.045758, true},
    {0, 1, -1, 0, -0.040923, true},  {1, 0, 0, 0, -0.034720, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, +0.015327, false},
    {0, 0, 1, 2, -0.012528, false},  {0, 0, 1, -2, +0.010980, false},
    {4, 0, -1, 0, +0.010675, false}, {0, 0, 3, 0, +0.010034, false},
    {4, 0, -2, 0, +0.008548, false}, {2, 1, -1, 0, -0.007888, true},
    {2, 1, 0, 0, -0.006766, true},   {1, 0, -1, 0, -0.005163, false},
    {1, 1, 0, 0, +0.004987, true},   {2, -1, 1, 0, +0.004036, true},
    {2, 0, 2, 0, +0.003994, false},
}};

// A point on the unit circle, cos x + i sin x, multiplied without the
// special cases of std::complex (the values are always finite).
struct UnitPoint {
    double Cos = 1;
    double Sin = 0;

    UnitPoint operator*(const UnitPoint& o) const {
        return {Cos * o.Cos - Sin * o.Sin, Sin * o.Cos + Cos * o.Sin};
    }
};

// The points of the whole multiples k x, k = -4 .. 4, of one angle x.
class Multiples {
public:
    explicit Multiples(double angle) {
        const UnitPoint unit{std::cos(angle), std::sin(angle)};
        for (int k = 1; k <= 4; ++k) {
            points_[4 + k] = points_[3 + k] * unit;
            points_[4 - k] = {points_[4 + k].Cos, -points_[4 + k].Sin};
        }
    }
    const UnitPoint& operator[](int k) const { return points_[static_cast<std::size_t>(4 + k)]; }

private:
    std::array<UnitPoint, 9> points_{};
};

} // namespace

double AyanamsaFromJ2000(double t) {
    const double node = 125.044555 - 1934.1361849 * t + 0.0020762 * t * t;
    const double sunLongitude = 280.466449 + 36000.7698231 * t + 0.0003106 * t * t;
    const double nutation = 17.23 * std::sin(node * MoonDegreesToRadians) +
                            1.27 * std::sin(sunLongitude * MoonDegreesToRadians);
    return (nutation - t * (5025.64 + 1.11 * t) - 85886.27) / 3600;
}

MoonResult ComputeMoon(const BirthInstant& instant) {
    MoonResult result;
    // Centuries from J2000.0, counted from the Julian Day Number of the local
    // civil date and the unfolded universal hours.
    const double j = JulianDayNumber(instant.Local.Month, instant.Local.Day, instant.Local.Year);
    const double ut = instant.UniversalHours;
    const double t = (j - 2451545 + ut / 24 - 0.5) / 36525;
    result.CenturiesFromJ2000 = t;
    result.Ayanamsa = AyanamsaFromJ2000(t);

    const double meanLongitude = 218.3164591 + 481267.88134236 * t;
    const double d = (297.8502042 + 445267.1115168 * t) * MoonDegreesToRadians;
    const double m = (357.5291092 + 35999.0502909 * t) * MoonDegreesToRadians;
    const double mPrime = (134.9634114 + 477198.8676313 * t) * MoonDegreesToRadians;
    const double f = (93.2720993 + 483202.0175273 * t) * MoonDegreesToRadians;
    const double e = 1 - 0.002516 * t - 0.0000074 * t * t;

    // Each term's sine comes from the multiples of the four arguments, built
    // once as points on the unit circle, instead of 25 sines of large angles.
    const Multiples dMultiples(d);
    const Multiples mMultiples(m);
    const Multiples mPrimeMultiples(mPrime);
    const Multiples fMultiples(f);
    double sum = 0;
    for (const LunarTerm& term : LunarTerms) {
        const UnitPoint point = dMultiples[term.D] * mMultiples[term.M] *
                                mPrimeMultiples[term.MPrime] * fMultiples[term.F];
        const double value = term.Coefficient * point.Sin;
        sum += term.TimesE ? value * e : value;
    }

    double longitude = SubtractTurnsWhileAbove360(AddTurnsWhileNegative(meanLongitude + sum));
    result.TropicalLongitude = longitude;

    longitude += result.Ayanamsa;
    if (longitude < 0) {
        longitude += 360;
    }
    result.SiderealLongitude = longitude;
    return result;
}

} // namespace tirovane::engine
