#include "engine/calendar.h"
#include "engine/planets.h"

#include <gtest/gtest.h>

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

TEST(UniversalMoment, ZoneRowOffsetAndTheDaylightSavingHour) {
    EngineInput input;
    input.Year = 1950;
    input.Month = 1;
    input.Day = 1;
    input.Hour = 2;
    input.Minute = 0;
    input.SignedZoneHours = -5;
    input.SignedZoneMinutes = -30;
    EXPECT_EQ(UniversalMoment(input), (CivilDateTime{1949, 12, 31, 20, 30}));
    input.DaylightSaving = true;
    EXPECT_EQ(UniversalMoment(input), (CivilDateTime{1949, 12, 31, 19, 30}));
    input.SignedZoneHours = 3;
    input.SignedZoneMinutes = 30;
    input.Hour = 22;
    EXPECT_EQ(UniversalMoment(input), (CivilDateTime{1950, 1, 2, 0, 30}));
}

} // namespace
} // namespace tirovane::engine
