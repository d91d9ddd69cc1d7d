// The words of the Navamsa chart and the dasha, checked against values
// worked by hand.

#include "kundli/dasha.h"
#include "texts/chart_texts.h"
#include "texts/kundli_texts.h"

#include <gtest/gtest.h>

namespace tirovane::texts {
namespace {

constexpr double Birth = 2448724.5; // 1992 April 12, 0 h UT
constexpr double Year = kundli::DaysPerYear;

TEST(KundliTexts, BalanceSentenceCountsYearsMonthsAndDays) {
    kundli::Vimshottari dasha;
    dasha.LordAtBirth = kundli::DashaLord::Saturn;
    // 12 years, 3 months of 30.4375 days and 5 days.
    dasha.BalanceYears = (12 * Year + 3 * Year / 12 + 5) / Year;
    EXPECT_EQ(BalanceText(dasha), "Saturn dasha: 12 years 3 months 5 days left at birth");
    dasha.LordAtBirth = kundli::DashaLord::Rahu;
    dasha.BalanceYears = (1 * Year + Year / 12 + 1) / Year;
    EXPECT_EQ(BalanceText(dasha), "Rahu dasha: 1 year 1 month 1 day left at birth");
    dasha.LordAtBirth = kundli::DashaLord::Mercury;
    dasha.BalanceYears = 0.2 / Year; // a Moon at the very end of Revati
    EXPECT_EQ(BalanceText(dasha), "Mercury dasha: 0 years 0 months 0 days left at birth");

    EXPECT_EQ(EnglishCount("%n year(s)", 1), "1 year");
    EXPECT_EQ(EnglishCount("%n year(s)", 0), "0 years");
    EXPECT_EQ(EnglishCount("%n day(s) (%n)", 2), "2 days (2)");
}

TEST(KundliTexts, TableRowsDatesAgesAndTheRunningPeriod) {
    // Moon at 6°40' (half of Aswini passed): Ketu, 3.5 of its 7 years
    // left, began 3.5 years before birth. On the birth's clock 5 h 30 min
    // ahead, birth at 0 h UT is 05:30 on 1992-04-12.
    kundli::Kundli kundli;
    kundli.Dasha = kundli::VimshottariDasha(20.0 / 3.0, Birth);
    kundli.BirthJulianDay = Birth;
    kundli.ClockOffsetHours = 5.5;
    // Ten years after birth: Venus (from 3.5 to 23.5 years), in its own
    // antardasha (3 1/3 years) no longer; the Sun's runs from 3.5 + 3 1/3
    // = 6.83 to 6.83 + 1 = 7.83 years, the Moon's to 9.5, Mars's to 10.67.
    const DashaTable table = DashaTableOf(kundli, Birth + 10 * Year);
    EXPECT_EQ(table.Balance, "Ketu dasha: 3 years 6 months 0 days left at birth");
    ASSERT_TRUE(table.Running);
    EXPECT_EQ(*table.Running, 1);
    const DashaRow& ketu = table.Periods[0];
    EXPECT_EQ(ketu.Cells[0], "Ketu");
    // 3.5 years = 1278.375 days before 1992-04-12 05:30: 1988-10-11 20:30.
    EXPECT_EQ(ketu.Cells[1], "1988-10-11");
    EXPECT_EQ(ketu.Cells[3], "before birth");
    EXPECT_EQ(ketu.Cells[4], "3 y 6 m");
    EXPECT_EQ(ketu.Cells[5], "");
    const DashaRow& venus = table.Periods[1];
    EXPECT_EQ(venus.Cells[0], "Venus");
    EXPECT_EQ(venus.Cells[2], table.Periods[2].Cells[1]) << "one period ends where the next starts";
    EXPECT_EQ(venus.Cells[3], "3 y 6 m");
    EXPECT_EQ(venus.Cells[4], "23 y 6 m");
    EXPECT_EQ(venus.Cells[5], "Running");
    EXPECT_TRUE(venus.Running);
    const auto& subs = table.Subs[1];
    EXPECT_EQ(subs[0].Cells[0], "Venus");
    EXPECT_EQ(subs[3].Cells[0], "Mars"); // Venus, Sun, Moon, Mars
    for (int s = 0; s < kundli::DashaLordCount; ++s) {
        EXPECT_EQ(subs[static_cast<std::size_t>(s)].Running, s == 3) << s;
    }
    EXPECT_EQ(subs[3].Cells[3], "9 y 6 m");
    for (int m = 0; m < kundli::DashaLordCount; ++m) {
        EXPECT_EQ(table.Periods[static_cast<std::size_t>(m)].Running, m == 1) << m;
    }
    // Before the first period and after the last nothing runs.
    EXPECT_FALSE(DashaTableOf(kundli, Birth - 4 * Year).Running);
    EXPECT_FALSE(DashaTableOf(kundli, Birth + 117 * Year).Running);
}

TEST(KundliTexts, TimelineCutsThePeriodsAtBirthAndTheCycle) {
    kundli::Kundli kundli;
    kundli.Dasha = kundli::VimshottariDasha(20.0 / 3.0, Birth);
    kundli.BirthJulianDay = Birth;
    const TimelineRow row = TimelineRowOf("Asha", kundli, Birth + 30 * Year);
    ASSERT_EQ(row.Segments.size(), 9u);
    EXPECT_EQ(row.Segments[0].Label, "Ketu");
    EXPECT_DOUBLE_EQ(row.Segments[0].FromAge, 0) << "cut at birth";
    EXPECT_NEAR(row.Segments[0].ToAge, 3.5, 1e-9);
    EXPECT_NEAR(row.Segments[1].ToAge, 23.5, 1e-9);
    EXPECT_NEAR(row.Segments[8].ToAge, 116.5, 1e-9) << "the cycle ends 120 years after it began";
    ASSERT_TRUE(row.TodayAge);
    EXPECT_NEAR(*row.TodayAge, 30, 1e-9);
    EXPECT_FALSE(TimelineRowOf("Asha", kundli, Birth - 1).TodayAge) << "not born yet";
}

TEST(KundliTexts, NavamsaCellsPlaceEachBodyInItsNinthPart) {
    // Worked by hand: Int(λ × 9 / 30) mod 12.
    PersonChart chart;
    auto& at = chart.Sidereal.Longitudes;
    at = {118.7,  // Sun, 28°42' Cancer: 35 mod 12 = 11, Pisces
          100.87, // Moon, 10°52' Cancer: 30 mod 12 = 6, Libra
          3.0,    // Mercury, 3° Aries: Aries
          3.4,    // Venus, 3°24' Aries: second part, Taurus
          109.98, // Mars, 19°59' Cancer: 32 mod 12 = 8, Sagittarius
          359.9,  // Jupiter, end of Pisces: 107 mod 12 = 11, Pisces
          200,    // Saturn, 20° Libra: 60 mod 12 = 0, Aries
          50,     // Rahu, 20° Taurus: 15 mod 12 = 3, Cancer
          230,    // Ketu, 20° Scorpio: 69 mod 12 = 9, Capricorn
          130,    // Ascendant, 10° Leo: 39 mod 12 = 3, Cancer
          10};    // Midheaven: in no cell
    chart.Sidereal.Retrograde[engine::Jupiter] = true;
    const ChartCellTexts cells = NavamsaCellsOf(chart);
    EXPECT_EQ(cells[0], "Budha\r\nShani");
    EXPECT_EQ(cells[1], "Shukra");
    EXPECT_EQ(cells[3], "Asc\r\nRahu");
    EXPECT_EQ(cells[6], "Chandra");
    EXPECT_EQ(cells[8], "Mangala");
    EXPECT_EQ(cells[9], "Ketu");
    EXPECT_EQ(cells[11], "Surya\r\nGuru (R) ");
    for (int k : {2, 4, 5, 7, 10}) {
        EXPECT_EQ(cells[static_cast<std::size_t>(k)], "") << k;
    }
}

} // namespace
} // namespace tirovane::texts
