#pragma once

#include "engine/ascendant.h"
#include "engine/calendar.h"
#include "engine/engine_input.h"
#include "engine/moon.h"
#include "engine/tables.h"

#include <array>
#include <string>

// Planets from mean Keplerian elements (J2000 frame), the mean lunar nodes,
// and the chart positions of all eleven chart bodies.

namespace tirovane::engine {

// Orbit order of the planetary theory; index 2, the Earth, gives the Sun.
enum TheoryBody : int {
    TheoryMercury = 0,
    TheoryVenus = 1,
    TheoryEarth = 2,
    TheoryMars = 3,
    TheoryJupiter = 4,
    TheorySaturn = 5,
};
inline constexpr int TheoryBodyCount = 6;

// Elements of one orbit at a moment; angles in radians, L reduced.
struct OrbitalElements {
    double SemiMajorAxis = 0; // a, AU
    double Eccentricity = 0;  // e
    double Inclination = 0;   // i
    double AscendingNode = 0; // Omega
    double Perihelion = 0;    // varpi, longitude of perihelion
    double MeanLongitude = 0; // L
};

OrbitalElements PlanetElements(int orbit, double d);

// True anomaly in [0, 2pi) for mean anomaly m (radians) and eccentricity e.
double SolveKepler(double m, double e);

// Geocentric tropical ecliptic longitude in degrees of an orbit at d days
// from J2000.0.
double GeocentricLongitude(int orbit, double d);

struct PlanetsResult {
    // Sidereal positions in the full text form, indexed by TheoryBody.
    std::array<std::string, TheoryBodyCount> PlanetTexts;
    std::string RahuText;
    std::string KetuText;
    // Chart form "DD Abc MM" of the chart bodies 0..10 in chart order.
    std::array<std::string, ChartBodyCount> ChartPositions;
    std::array<std::string, ChartBodyCount> ChartBodyNames;
    std::array<std::string, ChartBodyCount> ChartBodySanskritNames;

    // Intermediate values, kept for checking against worked examples.
    CivilDateTime UniversalMoment;
    double DaysFromEpoch = 0;
    std::array<double, TheoryBodyCount> TropicalLongitudes{};
};

// The universal date-time of the birth: the local clock time plus the zone
// row's signed offset, minus the daylight-saving hour, with calendar carries.
CivilDateTime UniversalMoment(const EngineInput& input);

// Needs the ayanamsa and texts of ComputeAscendant and the Moon of
// ComputeMoon for the same person, which therefore run first.
PlanetsResult ComputePlanets(const EngineInput& input, const AscendantResult& ascendant,
                             const MoonResult& moon);

} // namespace tirovane::engine
