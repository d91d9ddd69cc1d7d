#pragma once

#include "engine/birth_instant.h"

#include <array>

// Planets from mean Keplerian elements (J2000 frame) and the mean lunar nodes.

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
    // Sidereal longitudes in degrees, indexed by TheoryBody.
    std::array<double, TheoryBodyCount> Longitudes{};
    // Sidereal mean nodes in degrees.
    double Rahu = 0;
    double Ketu = 0;

    // Intermediate values, kept for checking against worked examples.
    double DaysFromEpoch = 0;
    std::array<double, TheoryBodyCount> TropicalLongitudes{};
};

// The planets and nodes at the universal date-time of the instant, reduced
// by the ayanamsa of the ascendant's routine (its magnitude is subtracted).
PlanetsResult ComputePlanets(const BirthInstant& instant, double ayanamsa);

} // namespace tirovane::engine
