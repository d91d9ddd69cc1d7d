#pragma once

#include "engine/birth_instant.h"

// The Moon's sidereal position.

namespace tirovane::engine {

struct MoonResult {
    // Sidereal longitude in degrees, [0, 360).
    double SiderealLongitude = 0;
    // The ayanamsa it was reduced with, degrees, negative.
    double Ayanamsa = 0;

    // Intermediate values, kept for checking against worked examples.
    double CenturiesFromJ2000 = 0;
    double TropicalLongitude = 0;
};

// Ayanamsa in degrees from its J2000-based form, T in Julian centuries.
double AyanamsaFromJ2000(double t);

MoonResult ComputeMoon(const BirthInstant& instant);

} // namespace tirovane::engine
