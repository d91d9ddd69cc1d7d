#include "engine/precise_engine.h"

#include <cmath>
#include <mutex>
#include <swephexp.h>
#include <vector>

#ifndef TIROVANE_SWE_EPHE_DIR
#define TIROVANE_SWE_EPHE_DIR "/usr/share/libswe/ephe"
#endif

namespace tirovane::engine {
namespace {

std::mutex& LibraryLock() {
    static std::mutex lock;
    return lock;
}

// Guarded by LibraryLock().
std::string& Folder() {
    static std::string folder = TIROVANE_SWE_EPHE_DIR;
    return folder;
}
bool& Configured() {
    static bool configured = false;
    return configured;
}

// Sets the folder once, and again after it changed. The sidereal mode is
// set before every computation: swe_close(), called by anyone in the
// process, puts the library back to its default mode (Fagan/Bradley) and
// would otherwise change every position without a word. Caller holds the
// lock.
void Configure() {
    if (!Configured()) {
        // The library takes a writable buffer.
        std::vector<char> path(Folder().begin(), Folder().end());
        path.push_back('\0');
        swe_set_ephe_path(path.data());
        Configured() = true;
    }
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
}

double Normalized(double degrees) {
    double d = std::fmod(degrees, 360.0);
    if (d < 0) {
        d += 360.0;
    }
    // fmod of a value just below 0 can round up to exactly 360.
    return d >= 360.0 ? 0.0 : d;
}

} // namespace

std::string PreciseEphemerisFolder() {
    const std::lock_guard guard(LibraryLock());
    return Folder();
}

void SetPreciseEphemerisFolder(const std::string& folder) {
    const std::lock_guard guard(LibraryLock());
    Folder() = folder;
    // Closing drops the files opened from the old folder.
    swe_close();
    Configured() = false;
}

PrecisePositions ComputePrecisePositions(double julianDayUt, double northLatitude,
                                         double eastLongitude) {
    constexpr int32 Flags = SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_SPEED;
    // Chart slots 0..7 and the library's body numbers.
    constexpr std::array<int, 8> Bodies = {SE_SUN,  SE_MOON,    SE_MERCURY, SE_VENUS,
                                           SE_MARS, SE_JUPITER, SE_SATURN,  SE_MEAN_NODE};

    const std::lock_guard guard(LibraryLock());
    Configure();

    PrecisePositions result;
    bool fellBack = false;
    for (std::size_t slot = 0; slot < Bodies.size(); ++slot) {
        double xx[6] = {};
        char error[AS_MAXCH] = "";
        const int32 got = swe_calc_ut(julianDayUt, Bodies[slot], Flags, xx, error);
        if (got < 0) {
            throw PreciseEngineError(error);
        }
        // The returned flags name the ephemeris actually used.
        if ((got & SEFLG_SWIEPH) == 0) {
            fellBack = true;
        }
        result.Longitudes[slot] = Normalized(xx[0]);
        result.Speeds[slot] = xx[3];
    }
    result.Longitudes[Ketu] = Normalized(result.Longitudes[Rahu] + 180.0);
    result.Speeds[Ketu] = result.Speeds[Rahu];
    for (int body = Mercury; body <= Saturn; ++body) {
        result.Retrograde[body] = result.Speeds[body] < 0;
    }

    double ayanamsa = 0;
    char error[AS_MAXCH] = "";
    const int32 got = swe_get_ayanamsa_ex_ut(julianDayUt, SEFLG_SWIEPH, &ayanamsa, error);
    if (got < 0) {
        throw PreciseEngineError(error);
    }
    if ((got & SEFLG_SWIEPH) == 0) {
        fellBack = true;
    }

    // Equal houses: the ascendant and midheaven are defined at every
    // latitude, where quadrant systems fail inside the polar circles.
    double cusps[13] = {};
    double ascmc[10] = {};
    if (swe_houses_ex(julianDayUt, SEFLG_SIDEREAL, northLatitude, eastLongitude, 'E', cusps,
                      ascmc) < 0) {
        throw PreciseEngineError("the ascendant could not be computed for this place");
    }
    // The ascendant is the rising (eastern) intersection of the ecliptic
    // and the horizon at every latitude, inside the polar circles too.
    result.Longitudes[Ascendant] = Normalized(ascmc[SE_ASC]);
    result.Longitudes[Midheaven] = Normalized(ascmc[SE_MC]);

    result.Ayanamsa = ayanamsa;
    result.Source = fellBack ? PreciseSource::AnalyticFallback : PreciseSource::EphemerisFiles;
    return result;
}

PreciseChart ComputePreciseChartWithSource(const BirthInstant& instant, const GeoPlace& place) {
    const PrecisePositions positions =
        ComputePrecisePositions(instant.JulianDayUT, place.NorthLatitude, -place.WestLongitude);
    PreciseChart result;
    result.Chart.Longitudes = positions.Longitudes;
    result.Chart.Ayanamsa = -positions.Ayanamsa;
    result.Chart.MoonAyanamsa = -positions.Ayanamsa;
    result.Chart.Retrograde = positions.Retrograde;
    result.Source = positions.Source;
    return result;
}

SiderealChart ComputePreciseChart(const BirthInstant& instant, const GeoPlace& place) {
    return ComputePreciseChartWithSource(instant, place).Chart;
}

} // namespace tirovane::engine
