#pragma once

#include "engine/birth_instant.h"

// Ascendant, midheaven and the ayanamsa of the birth moment.

namespace tirovane::engine {

struct AscendantResult {
    // Ayanamsa A in degrees, negative: sidereal = tropical + A.
    double Ayanamsa = 0;
    // Sidereal ascendant and midheaven in degrees.
    double Ascendant = 0;
    double Midheaven = 0;

    // Intermediate values, kept for checking against worked examples.
    double CenturiesFrom1900 = 0;
    double SiderealTime = 0; // theta, degrees
    double TropicalAscendant = 0;
    double TropicalMidheaven = 0;
};

// Lahiri ayanamsa in degrees, T in Julian centuries from 1900 January 0.5.
double AyanamsaFrom1900(double t);

AscendantResult ComputeAscendant(const BirthInstant& instant, const GeoPlace& place);

} // namespace tirovane::engine
