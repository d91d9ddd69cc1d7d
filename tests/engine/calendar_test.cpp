#include "engine/birth_instant.h"
#include "engine/calendar.h"

#include <gtest/gtest.h>
#include <random>

namespace tirovane::engine {
namespace {

TEST(JulianDayNumber, PublishedDatesAndTheGregorianReform) {
    struct Case {
        int Month, Day, Year;
        double Expected;
    };
    const Case cases[] = {
        {1, 1, 2000, 2451545},   {1, 1, 1900, 2415021},  {10, 4, 1582, 2299160},
        {10, 15, 1582, 2299161}, {4, 12, 1992, 2448725}, // JD 2448724.5 at 0 h
        {12, 31, 2050, 2470172}, {3, 1, 1904, 2416541},  {2, 29, 1904, 2416540},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JulianDayNumber(c.Month, c.Day, c.Year), c.Expected)
            << c.Year << "-" << c.Month << "-" << c.Day;
    }
}

TEST(DaysFromJ2000, EpochAndWorkedExample) {
    EXPECT_DOUBLE_EQ(DaysFromJ2000(2000, 1, 1, 12, 0), 0.0);
    EXPECT_DOUBLE_EQ(DaysFromJ2000(1992, 4, 12, 0, 0), -2820.5);
    EXPECT_DOUBLE_EQ(DaysFromJ2000(2000, 1, 2, 18, 30), 1.0 + 6.5 / 24);
    // Agrees with the Julian day count over the whole range of entry years.
    for (int year = 1901; year <= 2050; year += 7) {
        EXPECT_DOUBLE_EQ(DaysFromJ2000(year, 3, 1, 12, 0), JulianDayNumber(3, 1, year) - 2451545)
            << year;
    }
}

TEST(UniversalHours, SignedZoneAndDaylightSaving) {
    struct Case {
        double Local, SignedZone;
        bool Dst;
        double Expected;
    };
    const Case cases[] = {
        {10.5, -5.5, false, 5.0},                              // India
        {10.5, -5.5, true, 4.0},     {12.0, 3.5, false, 15.5}, // Newfoundland
        {0.25, -10.0, false, -9.75},                           // not folded into the day
        {23.0, 8.0, true, 30.0},     {6.0, 0.0, true, 5.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(UniversalHours(c.Local, c.SignedZone, c.Dst), c.Expected);
    }
}

// Where the zone's direction agrees with the birth place's hemisphere, the
// signed zone gives what the rule "zone sign from the hemisphere" gives.
TEST(UniversalHours, AgreesWithTheHemisphereRuleWhenTheZoneMatchesThePlace) {
    const auto hemisphereRule = [](double h, double z, bool east, bool dst) {
        if (dst) {
            z += east ? 1 : -1;
        }
        return east ? h - z : h + z;
    };
    for (const double zone : {0.5, 3.5, 5.5, 8.0, 13.0}) {
        for (const bool dst : {false, true}) {
            EXPECT_DOUBLE_EQ(UniversalHours(7.25, -zone, dst),
                             hemisphereRule(7.25, zone, true, dst));
            EXPECT_DOUBLE_EQ(UniversalHours(7.25, zone, dst),
                             hemisphereRule(7.25, zone, false, dst));
        }
    }
}

TEST(AddMinutes, CarriesAcrossDaysMonthsYearsAndLeapDays) {
    struct Case {
        CivilDateTime From;
        long long Minutes;
        CivilDateTime Expected;
    };
    const Case cases[] = {
        {{1950, 1, 1, 2, 0}, -330, {1949, 12, 31, 20, 30}},
        {{2000, 2, 28, 23, 30}, 60, {2000, 2, 29, 0, 30}},
        {{1900, 2, 28, 23, 0}, 60, {1900, 3, 1, 0, 0}}, // 1900 is no leap year
        {{2050, 12, 31, 23, 0}, 13 * 60, {2051, 1, 1, 12, 0}},
        {{1901, 1, 1, 0, 0}, -12 * 60, {1900, 12, 31, 12, 0}},
        {{1992, 4, 12, 0, 0}, 0, {1992, 4, 12, 0, 0}},
        {{1996, 3, 1, 0, 15}, -30, {1996, 2, 29, 23, 45}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AddMinutes(c.From, c.Minutes), c.Expected)
            << c.From.Year << "-" << c.From.Month << "-" << c.From.Day << " + " << c.Minutes;
    }
}

TEST(MakeBirthInstant, ZoneRowOffsetAndTheDaylightSavingHour) {
    // Local 1950-01-01 02:00 in India (zone row -5 h -30 min): 20:30 UT the
    // day before, JD 2433281.5 + 20.5/24.
    BirthInstant i = MakeBirthInstant({1950, 1, 1, 2, 0}, -5, -30, false);
    EXPECT_EQ(i.Local, (CivilDateTime{1950, 1, 1, 2, 0}));
    EXPECT_EQ(i.Universal, (CivilDateTime{1949, 12, 31, 20, 30}));
    EXPECT_DOUBLE_EQ(i.UniversalHours, -3.5);
    EXPECT_DOUBLE_EQ(i.JulianDayUT, 2433281.5 + 20.5 / 24);
    i = MakeBirthInstant({1950, 1, 1, 2, 0}, -5, -30, true);
    EXPECT_EQ(i.Universal, (CivilDateTime{1949, 12, 31, 19, 30}));
    EXPECT_DOUBLE_EQ(i.UniversalHours, -4.5);
    EXPECT_DOUBLE_EQ(i.JulianDayUT, 2433281.5 + 19.5 / 24);
    // Newfoundland (+3 h 30 min) late in the evening with daylight saving:
    // past midnight of the next day.
    i = MakeBirthInstant({1950, 1, 1, 22, 0}, 3, 30, true);
    EXPECT_EQ(i.Universal, (CivilDateTime{1950, 1, 2, 0, 30}));
    EXPECT_DOUBLE_EQ(i.UniversalHours, 24.5);
    EXPECT_DOUBLE_EQ(i.JulianDayUT, 2433283.5 + 0.5 / 24);
    // J2000.0 itself.
    EXPECT_DOUBLE_EQ(MakeBirthInstant({2000, 1, 1, 12, 0}, 0, 0, false).JulianDayUT, 2451545.0);
}

// The unfolded universal hours on the local date and the folded universal
// date-time are the same moment: the Julian Day Number of the local date
// plus the hours gives the Julian Day of the universal date-time.
TEST(MakeBirthInstant, UnfoldedHoursAndUniversalDateAgree) {
    std::mt19937 random(7);
    for (int n = 0; n < 2000; ++n) {
        const CivilDateTime local{std::uniform_int_distribution(1901, 2050)(random),
                                  std::uniform_int_distribution(1, 12)(random),
                                  std::uniform_int_distribution(1, 28)(random),
                                  std::uniform_int_distribution(0, 23)(random),
                                  std::uniform_int_distribution(0, 59)(random)};
        const int hours = std::uniform_int_distribution(-13, 12)(random);
        const int minutes = hours == 0 ? 0 : (hours < 0 ? -30 : 30) * (n % 2);
        const BirthInstant i = MakeBirthInstant(local, hours, minutes, n % 3 == 0);
        const double fromLocal =
            JulianDayNumber(local.Month, local.Day, local.Year) - 0.5 + i.UniversalHours / 24;
        EXPECT_NEAR(i.JulianDayUT, fromLocal, 1e-8) << n;
    }
}

TEST(MakeGeoPlace, WestAndNorthArePositive) {
    EXPECT_EQ(MakeGeoPlace(51, 30, false, 0, 0, false), (GeoPlace{51.5, 0}));
    EXPECT_EQ(MakeGeoPlace(33, 52, true, 151, 12, true), (GeoPlace{-(33 + 52 / 60.0), -151.2}));
    EXPECT_EQ(MakeGeoPlace(40, 42, false, 74, 0, false), (GeoPlace{40.7, 74}));
}

} // namespace
} // namespace tirovane::engine
