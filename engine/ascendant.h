#pragma once

#include "engine/engine_input.h"

#include <string>

// Ascendant, midheaven and the ayanamsa of the birth moment.

namespace tirovane::engine {

struct AscendantResult {
    // Ayanamsa A in degrees, negative: sidereal = tropical + A.
    double Ayanamsa = 0;
    std::string AyanamsaText;
    std::string AscendantText;
    std::string MidheavenText;

    // Intermediate values, kept for checking against worked examples.
    double CenturiesFrom1900 = 0;
    double SiderealTime = 0; // theta, degrees
    double TropicalAscendant = 0;
    double TropicalMidheaven = 0;
};

// Lahiri ayanamsa in degrees, T in Julian centuries from 1900 January 0.5.
double AyanamsaFrom1900(double t);

AscendantResult ComputeAscendant(const EngineInput& input);

} // namespace tirovane::engine
