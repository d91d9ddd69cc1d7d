#pragma once

#include "engine/engine_input.h"

#include <optional>
#include <string>

// The Moon's sidereal position, its nakshatra and its sign.

namespace tirovane::engine {

struct MoonResult {
    std::string MoonPositionText;
    std::string MoonNakshatra;
    // Nothing when the sign could not be recognised; the caller then keeps
    // the previous person's value.
    std::optional<std::string> MoonSignName;

    // Intermediate values, kept for checking against worked examples.
    double CenturiesFromJ2000 = 0;
    double TropicalLongitude = 0;
    double Ayanamsa = 0;
    double SiderealLongitude = 0;
};

// Ayanamsa in degrees from its J2000-based form, T in Julian centuries.
double AyanamsaFromJ2000(double t);

MoonResult ComputeMoon(const EngineInput& input);

} // namespace tirovane::engine
