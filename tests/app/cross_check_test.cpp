// The cross-check on constructed charts where a body sits a minute of arc
// either side of a boundary, with the houses and verdicts worked out by hand
// from the Manglik rules; and the whole flow of a reading with the check.

#include "reading/cross_check.h"
#include "reading/reading.h"
#include "engine/precise_engine.h"
#include "texts/cross_check_texts.h"

#include <gtest/gtest.h>
#include <vector>

namespace tirovane {
namespace {

constexpr double Minute = 1.0 / 60.0;

// A chart with Mercury and Jupiter far from every Mars used below.
engine::SiderealChart Numbers(double ascendant, double moon, double mars) {
    engine::SiderealChart chart;
    chart.Longitudes = {200, moon, 300, 230, mars, 250, 150, 10, 190, ascendant, 280};
    chart.Ayanamsa = chart.MoonAyanamsa = -23.5;
    return chart;
}

std::vector<std::string> Names(const std::vector<CheckedItem>& items) {
    std::vector<std::string> names;
    for (CheckedItem item : items) {
        names.emplace_back(CheckedItemName(item));
    }
    return names;
}

TEST(CrossCheck, BoundariesOneMinuteEitherSide) {
    struct Case {
        const char* What;
        engine::SiderealChart Described;
        engine::SiderealChart Precise;
        std::vector<std::string> Differing;
        std::string Notice;
    };
    const std::vector<Case> cases = {
        {"Mars from 29°59' Gemini to 0°1' Cancer, Lagna Aries, Moon Libra: house 3 to 4 "
         "from Lagna (12.5%, no cancellation for Cancer in 4), 9 to 10 from Chandra",
         Numbers(15, 195, 90 - 0.5 * Minute),
         Numbers(15, 195, 90 + 1.5 * Minute),
         {"LagnaHouse", "LagnaVerdict", "RashiHouse"},
         "A precise ephemeris places Mars at 0\u00B01\u2032 Cancer, in house 4 from Lagna: from "
         "Lagna this person would be Manglik. A precise ephemeris places Mars at "
         "0\u00B01\u2032 Cancer, in house 10 from Chandra: the verdict from Chandra stays the "
         "same."},
        {"Mars back from 0°1' Cancer to 29°59' Gemini: the dosha from Lagna goes",
         Numbers(15, 195, 90 + 1.5 * Minute),
         Numbers(15, 195, 90 - 0.5 * Minute),
         {"LagnaHouse", "LagnaVerdict", "RashiHouse"},
         "A precise ephemeris places Mars at 29\u00B059\u2032 Gemini, in house 3 from Lagna: "
         "from Lagna this person would be Not Manglik. A precise ephemeris places Mars at "
         "29\u00B059\u2032 Gemini, in house 9 from Chandra: the verdict from Chandra stays the "
         "same."},
        {"Mars from 29°59' Cancer to 0°1' Leo, Lagna Capricorn, Moon Taurus: house 7 cancelled "
         "by the Cancer rule becomes house 8 cancelled by Leo; from Chandra house 3 becomes 4, "
         "cancelled by Leo",
         Numbers(285, 45, 120 - 0.5 * Minute),
         Numbers(285, 45, 120 + 1.5 * Minute),
         {"LagnaHouse", "RashiHouse", "RashiVerdict"},
         "A precise ephemeris places Mars at 0\u00B01\u2032 Leo, in house 8 from Lagna: the "
         "verdict from Lagna stays the same. A precise ephemeris places Mars at 0\u00B01\u2032 "
         "Leo, in house 4 from Chandra: from Chandra this person would be Non Manglik, the "
         "dosha being cancelled."},
        {"the ascendant from 29°59' Pisces to 0°1' Aries with Mars at 15° Cancer: house 5 "
         "becomes house 4",
         Numbers(360 - 0.5 * Minute, 195, 105),
         Numbers(1.5 * Minute, 195, 105),
         {"AscendantSign", "LagnaHouse", "LagnaVerdict"},
         "A precise ephemeris places the ascendant at 0\u00B01\u2032 Aries, not in Pisces: the "
         "houses from Lagna count from there. A precise ephemeris places Mars at 15\u00B00\u2032 "
         "Cancer, in house 4 from Lagna: from Lagna this person would be Manglik."},
        {"the Moon from 29°59' Virgo to 0°1' Libra with Mars at 15° Scorpio: house 3 becomes "
         "house 2 (no cancellation for Scorpio in 2), within one nakshatra",
         Numbers(15, 180 - 0.5 * Minute, 225),
         Numbers(15, 180 + 1.5 * Minute, 225),
         {"MoonSignName", "RashiHouse", "RashiVerdict"},
         "A precise ephemeris places the Moon at 0\u00B01\u2032 Libra, not in Virgo: the houses "
         "from Chandra count from there. A precise ephemeris places Mars at 15\u00B00\u2032 "
         "Scorpio, in house 2 from Chandra: from Chandra this person would be Manglik."},
        {"the Moon across 13°20' Aries, Aswini to Bharani, within one sign",
         Numbers(15, 13 + 19.5 * Minute, 105),
         Numbers(15, 13 + 21.5 * Minute, 105),
         {"MoonNakshatra"},
         "A precise ephemeris places the Moon in the nakshatra Bharani, not Aswini: its pada "
         "and lord change with it."},
        {"everything a few minutes apart but on the same sides",
         Numbers(15, 195, 105),
         Numbers(15 + 5 * Minute, 195 - 7 * Minute, 105 + 3 * Minute),
         {},
         ""},
    };
    for (const Case& c : cases) {
        const CrossCheck check =
            CompareCharts(ChartFromNumbers(c.Described), ChartFromNumbers(c.Precise));
        EXPECT_EQ(check.Agrees, c.Differing.empty()) << c.What;
        EXPECT_EQ(Names(check.Differing), c.Differing) << c.What;
        EXPECT_EQ(texts::CrossCheckNotice(check), c.Notice) << c.What;
    }
}

TEST(CrossCheck, PreciseValuesAreThePreciseChartsOwn) {
    // Lagna Aries, Moon Libra (Thula, in Swati at 195°), Mars 0°1' Cancer.
    const PersonChart precise = ChartFromNumbers(Numbers(15, 195, 90 + 1.5 * Minute));
    const CrossCheck check =
        CompareCharts(ChartFromNumbers(Numbers(15, 195, 90 - 0.5 * Minute)), precise);
    const CheckedValues& p = check.Precise;
    EXPECT_EQ(p.AscendantSign, "Ari");
    EXPECT_EQ(p.MoonSignName, "Thula");
    EXPECT_EQ(p.MoonNakshatra, "Swati");
    EXPECT_EQ(p.LagnaHouse, 4);
    EXPECT_EQ(p.LagnaVerdict, manglik::Verdict::Manglik);
    EXPECT_EQ(p.RashiHouse, 10);
    EXPECT_EQ(p.RashiVerdict, manglik::Verdict::NotManglik);
}

TEST(CrossCheck, AnalyticFallbackIsSaidWithTheNotice) {
    PersonChart precise = ChartFromNumbers(Numbers(15, 195, 90 + 1.5 * Minute));
    precise.AnalyticFallback = true;
    const CrossCheck check =
        CompareCharts(ChartFromNumbers(Numbers(15, 195, 90 - 0.5 * Minute)), precise);
    EXPECT_TRUE(check.AnalyticFallback);
    const std::string notice = texts::CrossCheckNotice(check);
    const std::string tail =
        "The Swiss Ephemeris files were not found, so its less precise analytic theory was used.";
    ASSERT_GE(notice.size(), tail.size());
    EXPECT_EQ(notice.substr(notice.size() - tail.size()), tail);
}

BirthDetails Person(int day, int month, int year, int hour, int zoneRow, bool daylightSaving) {
    BirthDetails d;
    d.Name = "Asha";
    d.Day = day;
    d.Month = month;
    d.Year = year;
    d.Hour = hour;
    SelectZoneRow(d, zoneRow);
    d.DaylightSaving = daylightSaving;
    d.LatitudeDegrees = 28;
    d.LatitudeMinutes = 36;
    d.LongitudeDegrees = 77;
    d.LongitudeMinutes = 12;
    d.East = true;
    d.City = "Delhi";
    d.State = "Delhi";
    d.Country = "India";
    return d;
}

// Midnight of 1 July 1990 on an Indian clock with daylight saving is
// 17:30 universal time on 30 June (JD 2448073.5 is 1 July, 0 h): the precise
// chart is the library's for that moment.
TEST(PreciseChart, MidnightWithDaylightSavingFallsOnThePreviousDay) {
    const engine::EngineInput input = MakeEngineInput(Person(1, 7, 1990, 0, 34, true));
    EXPECT_NEAR(input.Instant.JulianDayUT, 2448073.5 - 6.5 / 24, 1e-9);
    const PersonChart chart = CalculateChart(input, ChartEngineChoice::Precise);
    const engine::PrecisePositions direct =
        engine::ComputePrecisePositions(2448073.5 - 6.5 / 24, 28.6, 77.2);
    for (int body = engine::Sun; body <= engine::Midheaven; ++body) {
        EXPECT_DOUBLE_EQ(chart.Sidereal.Longitudes[body], direct.Longitudes[body]) << body;
    }
    EXPECT_EQ(chart.Engine, ChartEngineChoice::Precise);
    EXPECT_FALSE(chart.AnalyticFallback);
    EXPECT_DOUBLE_EQ(chart.Sidereal.Ayanamsa, -direct.Ayanamsa);
}

// 1 May 1990: Mercury retrograde (23 April to 17 May), found from its speed
// and marked as the station tables mark it.
TEST(PreciseChart, RetrogradeMercuryIsMarked) {
    const PersonChart chart = CalculateChart(MakeEngineInput(Person(1, 5, 1990, 12, 29, false)),
                                             ChartEngineChoice::Precise);
    EXPECT_EQ(chart.ChartBodySanskritNames[engine::Mercury], "Budha (R) ");
    EXPECT_EQ(chart.ChartBodySanskritNames[engine::Sun], "Surya");
}

TEST(ReadingState, CrossCheckIsKeptPerPersonAndClearedByBack) {
    ReadingState state;
    state.CrossCheckEnabled = true;
    const PersonChart first = ComputePerson(state, FirstPerson, Person(1, 7, 1990, 0, 34, true));
    ASSERT_TRUE(state.CrossChecks[0].has_value());
    EXPECT_FALSE(state.CrossChecks[1].has_value());
    ASSERT_TRUE(state.CrossChecks[0]->PreciseChart.has_value());
    EXPECT_EQ(state.CrossChecks[0]->PreciseChart->Engine, ChartEngineChoice::Precise);
    EXPECT_EQ(first.Engine, ChartEngineChoice::Described);
    ComputePerson(state, Partner, Person(12, 4, 1992, 0, 29, false));
    EXPECT_TRUE(state.CrossChecks[1].has_value());
    ResetManglikLines(state);
    EXPECT_FALSE(state.CrossChecks[0].has_value() || state.CrossChecks[1].has_value());

    // With the precise engine chosen the results themselves are precise, and
    // there is nothing to check them against.
    state.Engine = ChartEngineChoice::Precise;
    const PersonChart precise = ComputePerson(state, FirstPerson, Person(1, 7, 1990, 0, 34, true));
    EXPECT_EQ(precise.Engine, ChartEngineChoice::Precise);
    EXPECT_FALSE(state.CrossChecks[0].has_value());
}

} // namespace
} // namespace tirovane
