// The precise engine against positions reduced by hand from published
// sources: the apparent tropical positions of the worked examples in Meeus,
// Astronomical Algorithms (2nd ed.), made sidereal with the Lahiri ayanamsa
// as the Indian Astronomical Ephemeris defines it (23°15'00.658" on
// 1956 March 21, 0 h, nutation included) carried along by the IAU 2006
// general precession; and ascendants from the textbook formula with the
// IAU 1982 sidereal time.

#include "engine/precise_engine.h"

#include <array>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <swephexp.h>
#include <vector>

namespace tirovane::engine {
namespace {

constexpr double Degree = 3.14159265358979323846 / 180.0;
constexpr double ArcSecond = 1.0 / 3600.0;

double ArcDifference(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

// Julian centuries of terrestrial time from J2000.0.
double Centuries(double jdTt) {
    return (jdTt - 2451545.0) / 36525.0;
}

// General precession in longitude since J2000.0, arc-seconds (IAU 2006).
double GeneralPrecession(double t) {
    return 5028.796195 * t + 1.1054348 * t * t + 0.00007964 * t * t * t;
}

// Mean Lahiri ayanamsa in degrees: the published true value of 1956 March 21
// less that day's nutation in longitude (16.77"), plus the precession since.
double MeanLahiri(double jdTt) {
    const double base = 23.0 + 15.0 / 60.0 + 0.658 / 3600.0 - 16.77 / 3600.0;
    return base +
           (GeneralPrecession(Centuries(jdTt)) - GeneralPrecession(Centuries(2435553.5))) / 3600.0;
}

// Nutation in longitude, degrees, to half an arc-second (Meeus ch. 22).
double NutationInLongitude(double jdTt) {
    const double t = Centuries(jdTt);
    const double node = (125.04452 - 1934.136261 * t) * Degree;
    const double sun = (280.4665 + 36000.7698 * t) * Degree;
    const double moon = (218.3165 + 481267.8813 * t) * Degree;
    return (-17.20 * std::sin(node) - 1.32 * std::sin(2 * sun) - 0.23 * std::sin(2 * moon) +
            0.21 * std::sin(2 * node)) *
           ArcSecond;
}

// Mean obliquity, degrees (Meeus 22.2), plus nutation in obliquity.
double TrueObliquity(double jdTt) {
    const double t = Centuries(jdTt);
    const double node = (125.04452 - 1934.136261 * t) * Degree;
    const double sun = (280.4665 + 36000.7698 * t) * Degree;
    const double moon = (218.3165 + 481267.8813 * t) * Degree;
    const double mean = 23.0 + 26.0 / 60.0 + 21.448 / 3600.0 - 46.8150 / 3600.0 * t;
    return mean + (9.20 * std::cos(node) + 0.57 * std::cos(2 * sun) + 0.10 * std::cos(2 * moon) -
                   0.09 * std::cos(2 * node)) *
                      ArcSecond;
}

// Tropical ascendant and midheaven, degrees, from the local apparent
// sidereal time: IAU 1982 mean sidereal time (Meeus 12.4) plus the equation
// of the equinoxes.
struct Angles {
    double Ascendant;
    double Midheaven;
};
Angles TropicalAngles(double jdUt, double jdTt, double latitude, double eastLongitude) {
    const double t = (jdUt - 2451545.0) / 36525.0;
    const double mean = 280.46061837 + 360.98564736629 * (jdUt - 2451545.0) + 0.000387933 * t * t -
                        t * t * t / 38710000.0;
    const double eps = TrueObliquity(jdTt) * Degree;
    const double ramc = (mean + NutationInLongitude(jdTt) * std::cos(eps) + eastLongitude) * Degree;
    const double asc = std::atan2(std::cos(ramc), -(std::sin(ramc) * std::cos(eps) +
                                                    std::tan(latitude * Degree) * std::sin(eps)));
    // Inside the polar circles the formula can give the western
    // intersection of the ecliptic and the horizon; the ascendant is the
    // eastern one, whose hour angle is negative.
    const double ra = std::atan2(std::sin(asc) * std::cos(eps), std::cos(asc));
    const double hourAngle = std::remainder(ramc - ra, 2 * 180.0 * Degree);
    const double rising = hourAngle > 0 ? asc + 180.0 * Degree : asc;
    const double mc = std::atan2(std::sin(ramc), std::cos(ramc) * std::cos(eps));
    const auto turn = [](double radians) {
        const double d = std::fmod(radians / Degree, 360.0);
        return d < 0 ? d + 360.0 : d;
    };
    return {turn(rising), turn(mc)};
}

class PreciseEngine : public ::testing::Test {
protected:
    void TearDown() override { SetPreciseEphemerisFolder(SystemFolder); }
    const std::string SystemFolder = PreciseEphemerisFolder();
};

// Apparent tropical longitudes of Meeus's worked examples (at 0 h TT), made
// sidereal: minus the nutation and the mean ayanamsa.
TEST_F(PreciseEngine, MatchesPublishedPositionsMadeSidereal) {
    struct Case {
        const char* What;
        int Slot;
        double JdTt;
        double DeltaT; // seconds, TT - UT, from the published tables
        double ApparentTropical;
        double Tolerance; // degrees: the accuracy of the published theory
    };
    const std::array<Case, 4> cases = {{
        // Example 47.a: the Moon, 1992 April 12.
        {"Moon", Moon, 2448724.5, 58.4, 133.167265, 0.004},
        // Example 25.b: the Sun, 1992 October 13, 199°54'21.818".
        {"Sun", Sun, 2448908.5, 58.9, 199.0 + 54.0 / 60 + 21.818 / 3600, 0.001},
        // Example 33.a: Venus, 1992 December 20.
        {"Venus", Venus, 2448976.5, 59.0, 313.08102, 0.001},
        // Example 47.a: the mean ascending node, 1992 April 12 (nutation
        // added, as the apparent positions have it).
        {"Rahu", Rahu, 2448724.5, 58.4, 274.400656 + NutationInLongitude(2448724.5), 0.001},
    }};
    for (const Case& c : cases) {
        const double jdUt = c.JdTt - c.DeltaT / 86400.0;
        const PrecisePositions p = ComputePrecisePositions(jdUt, 0.0, 0.0);
        const double expected =
            c.ApparentTropical - NutationInLongitude(c.JdTt) - MeanLahiri(c.JdTt);
        EXPECT_LT(ArcDifference(p.Longitudes[c.Slot], expected), c.Tolerance)
            << c.What << ": " << p.Longitudes[c.Slot] << " expected " << expected;
        EXPECT_EQ(p.Source, PreciseSource::EphemerisFiles) << c.What;
    }
}

TEST_F(PreciseEngine, AyanamsaIsTheLahiriValueWithNutation) {
    struct Case {
        double JdTt;
        double DeltaT;
        double Expected;
    };
    const std::array<Case, 3> cases = {{
        // The defining value itself.
        {2435553.5, 31.5, 23.0 + 15.0 / 60 + 0.658 / 3600},
        {2448724.5, 58.4, MeanLahiri(2448724.5) + NutationInLongitude(2448724.5)},
        {2451545.0, 63.8, MeanLahiri(2451545.0) + NutationInLongitude(2451545.0)},
    }};
    for (const Case& c : cases) {
        const PrecisePositions p = ComputePrecisePositions(c.JdTt - c.DeltaT / 86400.0, 0, 0);
        EXPECT_NEAR(p.Ayanamsa, c.Expected, 1.5 * ArcSecond) << c.JdTt;
    }
}

// Ascendant and midheaven at ordinary and polar latitudes, both hemispheres.
TEST_F(PreciseEngine, AscendantAndMidheavenFromSiderealTime) {
    struct Case {
        const char* Place;
        double JdUt;
        double Latitude;
        double EastLongitude;
    };
    const std::array<Case, 5> cases = {{
        {"London", 2448724.5, 51.5, 0.0},
        {"Delhi", 2447893.75, 28.6, 77.2},
        {"Buenos Aires", 2451000.3, -34.6, -58.4},
        {"Longyearbyen", 2455197.9, 78.22, 15.65},
        {"McMurdo", 2459000.2, -77.85, 166.67},
    }};
    std::vector<Case> all(cases.begin(), cases.end());
    // Through a whole day at 78° N and 78° S, where the rising point runs
    // through every sign within the day.
    for (int hour = 0; hour < 24; ++hour) {
        all.push_back({"Longyearbyen, hourly", 2455197.5 + hour / 24.0, 78.22, 15.65});
        all.push_back({"McMurdo, hourly", 2459000.5 + hour / 24.0, -77.85, 166.67});
    }
    for (const Case& c : all) {
        const double jdTt = c.JdUt + 65.0 / 86400.0;
        const PrecisePositions p = ComputePrecisePositions(c.JdUt, c.Latitude, c.EastLongitude);
        const Angles tropical = TropicalAngles(c.JdUt, jdTt, c.Latitude, c.EastLongitude);
        const double ayanamsa = MeanLahiri(jdTt) + NutationInLongitude(jdTt);
        // The ascendant moves fast in longitude near the poles: allow for
        // the sidereal time's half second of arc there.
        EXPECT_LT(ArcDifference(p.Longitudes[Ascendant], tropical.Ascendant - ayanamsa), 0.003)
            << c.Place << " " << c.JdUt << ": " << p.Longitudes[Ascendant];
        EXPECT_LT(ArcDifference(p.Longitudes[Midheaven], tropical.Midheaven - ayanamsa), 0.002)
            << c.Place << ": " << p.Longitudes[Midheaven];
    }
}

// Mercury stood still on 1990 April 23 and again on May 17 (station times
// from published almanacs): retrograde between, direct outside.
TEST_F(PreciseEngine, RetrogradeFromTheSpeedInLongitude) {
    struct Case {
        double JdUt;
        bool MercuryRetrograde;
    };
    const std::array<Case, 4> cases = {{
        {2448000.0, false}, // 1990 April 18, 12 h
        {2448013.0, true},  // 1990 May 1, 12 h
        {2448027.0, true},  // 1990 May 15, 12 h
        {2448058.0, false}, // 1990 June 15, 12 h
    }};
    for (const Case& c : cases) {
        const PrecisePositions p = ComputePrecisePositions(c.JdUt, 0, 0);
        EXPECT_EQ(p.Retrograde[Mercury], c.MercuryRetrograde) << c.JdUt;
        EXPECT_EQ(p.Speeds[Mercury] < 0, c.MercuryRetrograde) << c.JdUt;
        // The Sun, the Moon and the nodes are never marked.
        EXPECT_FALSE(p.Retrograde[Sun] || p.Retrograde[Moon] || p.Retrograde[Rahu] ||
                     p.Retrograde[Ketu]);
    }
}

TEST_F(PreciseEngine, KetuOppositeRahuAndEveryLongitudeInOneTurn) {
    for (double jd = 2415385.5; jd < 2469807.5; jd += 997.3) {
        const PrecisePositions p = ComputePrecisePositions(jd, 45, 10);
        EXPECT_NEAR(ArcDifference(p.Longitudes[Ketu], p.Longitudes[Rahu]), 180.0, 1e-9);
        for (double longitude : p.Longitudes) {
            EXPECT_GE(longitude, 0.0);
            EXPECT_LT(longitude, 360.0);
        }
    }
}

// Another user of the library closing it (which resets its sidereal mode
// to its default) changes nothing.
TEST_F(PreciseEngine, StaysLahiriAfterTheLibraryWasClosedElsewhere) {
    const PrecisePositions before = ComputePrecisePositions(2451545.0, 20, 30);
    swe_close();
    const PrecisePositions after = ComputePrecisePositions(2451545.0, 20, 30);
    EXPECT_DOUBLE_EQ(after.Ayanamsa, before.Ayanamsa);
    EXPECT_NEAR(after.Ayanamsa, MeanLahiri(2451545.0) + NutationInLongitude(2451545.0),
                1.5 * ArcSecond);
    for (int body = Sun; body <= Midheaven; ++body) {
        EXPECT_DOUBLE_EQ(after.Longitudes[body], before.Longitudes[body]) << body;
    }
}

// Without its files the library falls back to its analytic theory: the
// result says so, and stays close to the file-based one.
TEST_F(PreciseEngine, MissingEphemerisFilesAreReported) {
    const PrecisePositions files = ComputePrecisePositions(2448724.5, 51.5, 0);
    ASSERT_EQ(files.Source, PreciseSource::EphemerisFiles);

    const auto empty = std::filesystem::temp_directory_path() / "tirovane-no-ephemeris";
    std::filesystem::create_directories(empty);
    SetPreciseEphemerisFolder(empty.string());
    const PrecisePositions analytic = ComputePrecisePositions(2448724.5, 51.5, 0);
    EXPECT_EQ(analytic.Source, PreciseSource::AnalyticFallback);
    for (int body = Sun; body <= Midheaven; ++body) {
        EXPECT_LT(ArcDifference(analytic.Longitudes[body], files.Longitudes[body]), 0.01) << body;
    }

    SetPreciseEphemerisFolder(SystemFolder);
    EXPECT_EQ(ComputePrecisePositions(2448724.5, 51.5, 0).Source, PreciseSource::EphemerisFiles);
}

} // namespace
} // namespace tirovane::engine
