#pragma once

#include "engine/tables.h"

#include <array>

// The Navamsa (the ninth-part chart): each sign is cut into nine parts of
// 3°20', and the parts are counted on from Aries through the zodiac.

namespace tirovane::kundli {

// The bodies of the Navamsa: Sun .. Ketu and the ascendant, in chart order.
inline constexpr int NavamsaBodyCount = 10;

// Int(λ × 9 / 30) mod 12 of a sidereal longitude in [0, 360): 0 Aries ..
// 11 Pisces. The same as the classical rule (movable signs start from
// themselves, fixed signs from their ninth, dual signs from their fifth).
int NavamsaSign(double longitude);

// The Navamsa signs of the ten bodies, from a chart's longitudes.
std::array<int, NavamsaBodyCount> NavamsaSigns(
    const std::array<double, engine::ChartBodyCount>& longitudes);

} // namespace tirovane::kundli
