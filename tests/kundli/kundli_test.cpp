#include "kundli/dasha.h"
#include "kundli/navamsa.h"

#include <gtest/gtest.h>

namespace tirovane::kundli {
namespace {

constexpr double Birth = 2448724.5; // 1992 April 12, 0 h UT
constexpr double Second = 1.0 / 3600;

TEST(Navamsa, EachSignsNinePartsCountOnFromAries) {
    // Every 3°20' boundary, one arc second either side.
    for (int part = 0; part < 108; ++part) {
        const double boundary = part * 10.0 / 3.0;
        EXPECT_EQ(NavamsaSign(boundary + Second), part % 12) << part;
        if (part > 0) {
            EXPECT_EQ(NavamsaSign(boundary - Second), (part - 1) % 12) << part;
        }
    }
    EXPECT_EQ(NavamsaSign(360 - Second), 11);
    // The classical rule for each sign's first part: movable signs (Aries,
    // Cancer, Libra, Capricorn) from themselves, fixed signs from their
    // ninth, dual signs from their fifth.
    for (int sign = 0; sign < 12; ++sign) {
        const int start = sign % 3 == 0 ? sign : sign % 3 == 1 ? (sign + 8) % 12 : (sign + 4) % 12;
        EXPECT_EQ(NavamsaSign(sign * 30.0 + 1), start) << sign;
    }
    std::array<double, engine::ChartBodyCount> longitudes{};
    longitudes[engine::Sun] = 0.5;        // Aries' first part: Aries
    longitudes[engine::Moon] = 33.5;      // Taurus' 2nd part: Capricorn + 1
    longitudes[engine::Ascendant] = 359;  // Pisces' last: Pisces
    longitudes[engine::Midheaven] = 100;  // not a Navamsa body
    const auto signs = NavamsaSigns(longitudes);
    EXPECT_EQ(signs[engine::Sun], 0);
    EXPECT_EQ(signs[engine::Moon], 10);
    EXPECT_EQ(signs[engine::Ascendant], 11);
}

TEST(Vimshottari, WorkedBalancesAtBirth) {
    const struct {
        double Moon;
        DashaLord Lord;
        double Balance;
        const char* Where;
    } cases[] = {
        {0, DashaLord::Ketu, 7, "the first point of Aswini: all of Ketu's 7 years"},
        {13 + 20.0 / 60, DashaLord::Venus, 20, "13°20' exactly: Bharani begins"},
        {359 + 59.0 / 60, DashaLord::Mercury, 17.0 / 800, "one arc minute of Revati left"},
        // horosoft.net, "Calculation of Major Periods": Moon 6s 7°35' in
        // Swati, 745' of 800' to go, 745 × 18 / 800 = 16 y 9 m 5 d of Rahu.
        {187 + 35.0 / 60, DashaLord::Rahu, 745.0 * 18 / 800, "Libra 7°35'"},
        // K. S. Krishnamurti's method as taught in "Krishnamurti Paddhati"
        // (futuresamachar.com, ch. 13, seventh step): Moon 23°11' Aquarius
        // in Purva Bhadrapada, 609' to go, 609/800 × 16 = 12 y 2 m 8 d of
        // Jupiter.
        {323 + 11.0 / 60, DashaLord::Jupiter, 609.0 / 800 * 16, "Aquarius 23°11'"},
    };
    for (const auto& c : cases) {
        const Vimshottari d = VimshottariDasha(c.Moon, Birth);
        EXPECT_EQ(d.LordAtBirth, c.Lord) << c.Where;
        EXPECT_NEAR(d.BalanceYears, c.Balance, 1e-9) << c.Where;
        EXPECT_EQ(d.Periods[0].Lord, c.Lord) << c.Where;
        // The running period ends when its balance is spent.
        EXPECT_NEAR(d.Periods[0].EndJulianDay, Birth + c.Balance * 365.25, 1e-6) << c.Where;
    }
}

TEST(Vimshottari, PeriodsFollowInOrderAndAddUp) {
    const DashaLord order[] = {DashaLord::Ketu,    DashaLord::Venus,  DashaLord::Sun,
                               DashaLord::Moon,    DashaLord::Mars,   DashaLord::Rahu,
                               DashaLord::Jupiter, DashaLord::Saturn, DashaLord::Mercury};
    const double years[] = {7, 20, 6, 10, 7, 18, 16, 19, 17};
    for (double moon = 0.3; moon < 360; moon += 7.1) {
        const Vimshottari d = VimshottariDasha(moon, Birth);
        const int first = static_cast<int>(d.LordAtBirth);
        // The nine periods cover the 120 years, the first begun before birth.
        EXPECT_LE(d.Periods[0].StartJulianDay, Birth);
        EXPECT_NEAR(d.Periods[8].EndJulianDay - d.Periods[0].StartJulianDay, 120 * 365.25, 1e-6);
        for (int m = 0; m < 9; ++m) {
            const Mahadasha& period = d.Periods[static_cast<std::size_t>(m)];
            const int lord = (first + m) % 9;
            ASSERT_EQ(period.Lord, order[lord]) << moon;
            EXPECT_NEAR(period.EndJulianDay - period.StartJulianDay, years[lord] * 365.25, 1e-6);
            if (m > 0) {
                EXPECT_EQ(period.StartJulianDay, d.Periods[static_cast<std::size_t>(m - 1)].EndJulianDay);
            }
            // Nine antardashas from its own lord, Y_M × Y_S / 120 each,
            // end to end from the start of the period to its end.
            double total = 0;
            for (int s = 0; s < 9; ++s) {
                const DashaPeriod& sub = period.Sub[static_cast<std::size_t>(s)];
                const int subLord = (lord + s) % 9;
                ASSERT_EQ(sub.Lord, order[subLord]);
                EXPECT_NEAR(sub.EndJulianDay - sub.StartJulianDay,
                            years[lord] * years[subLord] / 120 * 365.25, 1e-6);
                total += sub.EndJulianDay - sub.StartJulianDay;
                if (s > 0) {
                    EXPECT_EQ(sub.StartJulianDay, period.Sub[static_cast<std::size_t>(s - 1)].EndJulianDay);
                }
            }
            EXPECT_EQ(period.Sub[0].StartJulianDay, period.StartJulianDay);
            EXPECT_EQ(period.Sub[8].EndJulianDay, period.EndJulianDay);
            EXPECT_NEAR(total, period.EndJulianDay - period.StartJulianDay, 1e-6);
        }
    }
}

TEST(Vimshottari, DatesOnTheBirthsOwnClockAndAges) {
    // Bangladesh time runs 6 h ahead of universal time: 18:00 UT is
    // already the next day's midnight there, and belongs to that day.
    const double midnightThere = 2451545.25; // 2000-01-01 18:00 UT
    EXPECT_EQ(DateOnClock(midnightThere, 6), (CivilDate{2000, 1, 2}));
    EXPECT_EQ(DateOnClock(midnightThere - 1e-6, 6), (CivilDate{2000, 1, 1}));
    EXPECT_EQ(DateOnClock(2451545.0, 0), (CivilDate{2000, 1, 1}));
    EXPECT_EQ(DateOnClock(2451545.0, -13), (CivilDate{1999, 12, 31}));
    EXPECT_EQ(DateOnClock(2415020.5, 0), (CivilDate{1900, 1, 1}));
    EXPECT_EQ(DateOnClock(2488128.5, 0), (CivilDate{2100, 3, 1})) << "2100 is no leap year";

    // The clock of a birth at 06:30 in Indian time with daylight saving:
    // the zone's 5 h 30 min and one hour more.
    const engine::BirthInstant birth = engine::MakeBirthInstant({1985, 8, 15, 6, 30}, -5, -30, true);
    EXPECT_DOUBLE_EQ(ClockOffsetHours(birth), 6.5);

    EXPECT_EQ(AgeAt(Birth + 365.25 * 12.5, Birth).Years, 12);
    EXPECT_EQ(AgeAt(Birth + 365.25 * 12.5, Birth).Months, 6);
    EXPECT_EQ(AgeAt(Birth - 30, Birth).Years, 0) << "before birth: no age";
}

TEST(Vimshottari, BalanceInYearsMonthsAndDays) {
    // Worked by hand with a 365.25-day year and months of 30.4375 days.
    struct Case {
        double Years;
        Span Expected;
    };
    const Case cases[] = {
        {7, {7, 0, 0}},       // Ketu's whole period at 0 degrees
        {20, {20, 0, 0}},     // Venus's at 13 degrees 20 minutes
        {12.25, {12, 3, 0}},  // a quarter year is three months exactly
        // 12 years, 3 months and 5 days: 12 x 365.25 + 3 x 30.4375 + 5 days
        {(4383 + 91.3125 + 5) / 365.25, {12, 3, 5}},
        {29.0 / 365.25, {0, 0, 29}},
        {31.0 / 365.25, {0, 1, 0}}, // 31 days are one month and 0.56 of a day
        {0.5 / 365.25, {0, 0, 0}},  // half a day left: no whole day
        {0, {0, 0, 0}},
        {-1, {0, 0, 0}},
    };
    for (const Case& c : cases) {
        const Span span = SpanOf(c.Years);
        EXPECT_EQ(span.Years, c.Expected.Years) << c.Years;
        EXPECT_EQ(span.Months, c.Expected.Months) << c.Years;
        EXPECT_EQ(span.Days, c.Expected.Days) << c.Years;
    }
}

TEST(Vimshottari, PeriodRunningAtAnInstant) {
    // Moon at 0 degrees: Ketu from birth for 7 years, its first antardasha
    // Ketu's own for 7 x 7 / 120 years; then Venus for 20 years, whose
    // second antardasha is the Sun's (after Venus's own 20 x 20 / 120).
    const Vimshottari dasha = VimshottariDasha(0, Birth);
    const double year = DaysPerYear;
    EXPECT_EQ(RunningAt(dasha, Birth), (RunningPeriod{0, 0}));
    EXPECT_EQ(RunningAt(dasha, Birth + 0.4 * year), (RunningPeriod{0, 0}));
    EXPECT_EQ(RunningAt(dasha, Birth + 0.45 * year), (RunningPeriod{0, 1})) << "Venus in Ketu";
    EXPECT_EQ(RunningAt(dasha, Birth + 7 * year), (RunningPeriod{1, 0})) << "a start belongs";
    EXPECT_EQ(RunningAt(dasha, Birth + (7 + 3.4) * year), (RunningPeriod{1, 1}));
    EXPECT_EQ(RunningAt(dasha, Birth + 119.99 * year), (RunningPeriod{8, 8}));
    EXPECT_FALSE(RunningAt(dasha, Birth + 120.01 * year)) << "after the cycle";
    EXPECT_FALSE(RunningAt(dasha, Birth - 1)) << "before the first period";
}

} // namespace
} // namespace tirovane::kundli
