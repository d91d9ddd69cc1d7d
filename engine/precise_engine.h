#pragma once

#include "engine/sidereal_chart.h"
#include "engine/tables.h"

#include <array>
#include <stdexcept>
#include <string>

// Precise positions from the Swiss Ephemeris: apparent geocentric sidereal
// longitudes (Lahiri) of the Sun to Saturn and the mean lunar node, the
// ascendant and the midheaven, all for one universal moment and one place.
// The library keeps global state (ephemeris folder, sidereal mode, open
// files); every call into it from this module is serialised by one lock, and
// nothing else in the program calls it.

namespace tirovane::engine {

// Where the positions came from. Without its ephemeris files the library
// falls back to an analytic theory (about a second of arc for the planets
// of our dates, a few seconds for the Moon), which must be said wherever
// precise results are shown.
enum class PreciseSource {
    EphemerisFiles,
    AnalyticFallback,
};

struct PrecisePositions {
    // Sidereal longitudes in degrees, [0, 360), in chart order.
    std::array<double, ChartBodyCount> Longitudes{};
    // Speed in longitude, degrees per day; 0 for the ascendant and midheaven.
    std::array<double, ChartBodyCount> Speeds{};
    // Mercury to Saturn with a negative speed in longitude.
    std::array<bool, ChartBodyCount> Retrograde{};
    // The Lahiri ayanamsa of the moment in degrees (positive: the tropical
    // longitude is the sidereal one plus this).
    double Ayanamsa = 0;
    PreciseSource Source = PreciseSource::EphemerisFiles;
};

// A failure of the library itself (a moment outside every ephemeris it has).
class PreciseEngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The positions for a Julian day in universal time at a place (latitude
// north positive, longitude east positive, degrees). Throws
// PreciseEngineError when the library refuses the moment.
PrecisePositions ComputePrecisePositions(double julianDayUt, double northLatitude,
                                         double eastLongitude);

// The precise chart of a birth instant at a place, in the shape of the
// described engine's: Ayanamsa (and MoonAyanamsa) negative, retrograde
// flags from the speeds.
struct PreciseChart {
    SiderealChart Chart;
    PreciseSource Source = PreciseSource::EphemerisFiles;
};
PreciseChart ComputePreciseChartWithSource(const BirthInstant& instant, const GeoPlace& place);

// The same as a chart engine.
SiderealChart ComputePreciseChart(const BirthInstant& instant, const GeoPlace& place);

// The folder the ephemeris files are read from; by default the one the
// system's ephemeris data package installs. An environment variable
// SE_EPHE_PATH, when set, takes precedence inside the library.
std::string PreciseEphemerisFolder();
void SetPreciseEphemerisFolder(const std::string& folder);

// Name of the engine as shown to the user.
inline constexpr const char* PreciseEngineName = "Swiss Ephemeris";

} // namespace tirovane::engine
