// The engine against the Swiss Ephemeris over births from 1901 to 2050. The
// engine's theory is light (mean Keplerian elements in the J2000 frame, 25
// lunar terms, Newcomb's sidereal time), so each body gets the tolerance its
// theory can keep; a wrong element, sign or term shows up far beyond it.

#include "engine/ascendant.h"
#include "engine/calendar.h"
#include "engine/engine_input.h"
#include "engine/moon.h"
#include "engine/planets.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <swephexp.h>

namespace tirovane::engine {
namespace {

double ArcDifference(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

class SecondEphemeris : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static char path[] = TIROVANE_SWE_EPHE_DIR;
        swe_set_ephe_path(path);
    }
    static void TearDownTestSuite() { swe_close(); }

    // Longitude of a body from the Swiss Ephemeris at a universal moment.
    static double Swiss(int body, double jdUt, int flags) {
        double xx[6];
        char error[256] = "";
        const int got = swe_calc_ut(jdUt, body, flags | SEFLG_SWIEPH, xx, error);
        EXPECT_GE(got, 0) << error;
        // Refuse to compare against the library's analytic fallback.
        EXPECT_TRUE(got & SEFLG_SWIEPH) << "ephemeris files not found: " << error;
        return xx[0];
    }

    struct Birth {
        EngineInput Input;
        double JdUt;
        int LatitudeDegrees;
        int LatitudeMinutes;
        bool South;
        int LongitudeDegrees;
        int LongitudeMinutes;
        bool East;
    };

    static std::vector<Birth> Births(int count) {
        std::mt19937 random(19920412);
        std::vector<Birth> births;
        for (int n = 0; n < count; ++n) {
            const CivilDateTime local{std::uniform_int_distribution(1901, 2050)(random),
                                      std::uniform_int_distribution(1, 12)(random),
                                      std::uniform_int_distribution(1, 28)(random),
                                      std::uniform_int_distribution(0, 23)(random),
                                      std::uniform_int_distribution(0, 59)(random)};
            Birth birth{};
            birth.LatitudeDegrees = std::uniform_int_distribution(0, 59)(random);
            birth.LatitudeMinutes = std::uniform_int_distribution(0, 59)(random);
            birth.South = n % 3 == 0;
            birth.LongitudeDegrees = std::uniform_int_distribution(0, 179)(random);
            birth.LongitudeMinutes = std::uniform_int_distribution(0, 59)(random);
            birth.East = n % 2 == 0;
            birth.Input = {MakeBirthInstant(local, 0, 0, false),
                           MakeGeoPlace(birth.LatitudeDegrees, birth.LatitudeMinutes, birth.South,
                                        birth.LongitudeDegrees, birth.LongitudeMinutes,
                                        birth.East)};
            // The Julian Day of the Swiss Ephemeris's own calendar routine.
            birth.JdUt = swe_julday(local.Year, local.Month, local.Day,
                                    local.Hour + local.Minute / 60.0, SE_GREG_CAL);
            births.push_back(birth);
        }
        return births;
    }
};

TEST_F(SecondEphemeris, PlanetsInTheJ2000Frame) {
    struct Body {
        int Swiss;
        int Orbit;
        double Tolerance; // degrees
    };
    // Geometric positions referred to the mean equinox of J2000, as the
    // engine computes them (no light time, aberration or deflection).
    const Body bodies[] = {
        {SE_SUN, TheoryEarth, 0.02},      {SE_MERCURY, TheoryMercury, 0.05},
        {SE_VENUS, TheoryVenus, 0.05},    {SE_MARS, TheoryMars, 0.15},
        {SE_JUPITER, TheoryJupiter, 0.3}, {SE_SATURN, TheorySaturn, 0.3},
    };
    const int flags = SEFLG_J2000 | SEFLG_NONUT | SEFLG_TRUEPOS | SEFLG_NOABERR | SEFLG_NOGDEFL;
    for (const Birth& birth : Births(200)) {
        const PlanetsResult r = ComputePlanets(
            birth.Input.Instant, ComputeAscendant(birth.Input.Instant, birth.Input.Place).Ayanamsa);
        EXPECT_NEAR(birth.Input.Instant.JulianDayUT, birth.JdUt, 1e-8);
        for (const Body& body : bodies) {
            EXPECT_LT(ArcDifference(r.TropicalLongitudes[body.Orbit],
                                    Swiss(body.Swiss, birth.JdUt, flags)),
                      body.Tolerance)
                << "body " << body.Swiss << " at JD " << birth.JdUt;
        }
    }
}

TEST_F(SecondEphemeris, MoonOfTheDate) {
    for (const Birth& birth : Births(200)) {
        const MoonResult moon = ComputeMoon(birth.Input.Instant);
        EXPECT_LT(ArcDifference(moon.TropicalLongitude, Swiss(SE_MOON, birth.JdUt, SEFLG_NONUT)),
                  0.06)
            << "JD " << birth.JdUt;
    }
}

TEST_F(SecondEphemeris, MeanNodeLessItsExtraDegree) {
    for (const Birth& birth : Births(100)) {
        const AscendantResult asc = ComputeAscendant(birth.Input.Instant, birth.Input.Place);
        const PlanetsResult r = ComputePlanets(birth.Input.Instant, asc.Ayanamsa);
        const double rahu = r.Rahu + std::fabs(asc.Ayanamsa) + 1;
        // The node's formula counts its epoch from 2000 January 0.0 while d
        // counts from January 1.5, which puts it 0.078 degrees ahead.
        EXPECT_LT(ArcDifference(rahu, Swiss(SE_MEAN_NODE, birth.JdUt, SEFLG_NONUT)), 0.1)
            << "JD " << birth.JdUt;
        EXPECT_NEAR(ArcDifference(r.Rahu, r.Ketu), 180, 1e-9);
    }
}

TEST_F(SecondEphemeris, LahiriAyanamsa) {
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
    for (const Birth& birth : Births(100)) {
        char error[256] = "";
        double lahiri = 0;
        swe_get_ayanamsa_ex_ut(birth.JdUt, SEFLG_SWIEPH, &lahiri, error);
        EXPECT_NEAR(-ComputeAscendant(birth.Input.Instant, birth.Input.Place).Ayanamsa, lahiri,
                    0.005)
            << "JD " << birth.JdUt;
        EXPECT_NEAR(-ComputeMoon(birth.Input.Instant).Ayanamsa, lahiri, 0.005)
            << "JD " << birth.JdUt;
    }
}

TEST_F(SecondEphemeris, AscendantAndMidheaven) {
    for (const Birth& birth : Births(200)) {
        const AscendantResult asc = ComputeAscendant(birth.Input.Instant, birth.Input.Place);
        const double east = birth.East ? 1 : -1;
        const double north = birth.South ? -1 : 1;
        double cusps[13];
        double ascmc[10];
        swe_houses(birth.JdUt, north * (birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0),
                   east * (birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0), 'P', cusps,
                   ascmc);
        EXPECT_LT(ArcDifference(asc.TropicalMidheaven, ascmc[1]), 0.02) << "JD " << birth.JdUt;
        EXPECT_LT(ArcDifference(asc.TropicalAscendant, ascmc[0]), 0.05) << "JD " << birth.JdUt;
    }
}

} // namespace
} // namespace tirovane::engine
