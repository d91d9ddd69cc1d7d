#pragma once

#include "engine/angles.h"
#include "engine/birth_instant.h"
#include "engine/tables.h"

#include <array>
#include <cmath>

// A birth chart as numbers: the sidereal longitudes of the eleven chart
// bodies, the ayanamsa and the retrograde flags. Every text of a position is
// made from these numbers where it is shown, stored or printed.

namespace tirovane::engine {

struct SiderealChart {
    // Sidereal longitudes in degrees, [0, 360), in chart order (0 Sun ..
    // 8 Ketu, 9 Ascendant, 10 Midheaven).
    std::array<double, ChartBodyCount> Longitudes{};
    // The ayanamsa of the ascendant, the midheaven and the planets, in
    // degrees and negative: sidereal = tropical + Ayanamsa.
    double Ayanamsa = 0;
    // The ayanamsa the Moon was reduced with (the described engine computes
    // it from its own time argument; another engine sets it to Ayanamsa).
    double MoonAyanamsa = 0;
    // True for a body that was retrograde at the birth.
    std::array<bool, ChartBodyCount> Retrograde{};

    friend bool operator==(const SiderealChart&, const SiderealChart&) = default;
};

// A chart engine: the chart of one birth instant at one place.
using ChartEngine = SiderealChart (*)(const BirthInstant&, const GeoPlace&);

// Whole degrees of a longitude's magnitude, as the text forms take them.
inline long long WholeDegreesOf(double longitude) {
    return static_cast<long long>(Int(std::fabs(longitude)));
}

// Sign index 0 (Aries) .. 11 (Pisces) of a longitude, as the position texts
// show it: whole degrees of the magnitude, truncated, divided by 30. A
// longitude of exactly 360 is the start of Aries.
inline int SignIndexOf(double longitude) {
    return static_cast<int>((WholeDegreesOf(longitude) / 30) % SignCount);
}

// Whole degrees within the sign, 0..29, truncated as the position texts
// show them.
inline int WholeDegreesInSign(double longitude) {
    return static_cast<int>(WholeDegreesOf(longitude) % 30);
}

// Nakshatra index 0..26 of a longitude in [0, 360): Int(L x 60 / 800), the
// mansion of 800 arc-minutes that holds it.
inline int NakshatraIndexOf(double longitude) {
    return static_cast<int>(Int(longitude * 60 / 800));
}

// A longitude of exactly 360 (or more) brought to the start of the circle;
// the position texts of both are the same.
inline double WithinCircle(double longitude) {
    return SubtractTurnsWhileAtLeast360(longitude);
}

} // namespace tirovane::engine
