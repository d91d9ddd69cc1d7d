#include "app/calculation.h"

#include <gtest/gtest.h>

namespace tirovane {
namespace {

BirthDetails WorkedExample() {
    BirthDetails d;
    d.Name = "Example";
    d.Day = 12;
    d.Month = 4;
    d.Year = 1992;
    SelectZoneRow(d, 29); // Greenwich Mean Time
    d.LatitudeDegrees = 51;
    d.LatitudeMinutes = 30;
    d.City = " London ";
    d.State = "England";
    d.Country = "United Kingdom";
    return d;
}

TEST(CalculateChart, WorkedExampleThroughThePipeline) {
    const PersonChart chart = CalculateChart(MakeEngineInput(WorkedExample()));
    EXPECT_EQ(chart.AscendantText, "25\u00B0 23' 31\" Sco");
    EXPECT_EQ(chart.MidheavenText, "28\u00B0 21' 21\" Vir");
    EXPECT_EQ(chart.MoonPositionText, "19\u00B0 24' 14\" Can");
    EXPECT_EQ(chart.MoonNakshatra, "Aslesha");
    EXPECT_EQ(chart.MoonSignName, "Kataka");
    EXPECT_EQ(chart.AscendantSign, "Sco");
    EXPECT_EQ(chart.LagnaName, "Vrishcika");
    EXPECT_EQ(chart.NakshatraLord, "Mercury");
    EXPECT_EQ(chart.PadaCount, "4");
    ASSERT_EQ(chart.AyanamsaText.front(), '-');
    EXPECT_EQ(chart.AyanamsaDisplay, chart.AyanamsaText.substr(1));
    EXPECT_EQ(chart.AyanamsaDisplay.rfind("23\u00B0 45' ", 0), 0u) << chart.AyanamsaDisplay;
    EXPECT_EQ(chart.ChartPositions[0], "28 Pis 41");
    EXPECT_EQ(chart.ChartPositions[1], "19 Can 24");
    EXPECT_EQ(chart.ChartPositions[2], "05 Pis 24");
    EXPECT_EQ(chart.ChartPositions[4], "17 Aqu 55");
    EXPECT_EQ(chart.ChartPositions[7], "09 Sag 43");
    EXPECT_EQ(chart.ChartPositions[8], "09 Gem 43");
    EXPECT_EQ(chart.ChartPositions[9], "25 Sco 23");
    EXPECT_EQ(chart.ChartPositions[10], "28 Vir 21");
    const std::array<std::string, 11> english = {"Sun",  "Moon",      "Mercury",  "Venus",
                                                 "Mars", "Jupiter",   "Saturn",   "Rahu",
                                                 "Ketu", "Ascendant", "Midheaven"};
    // Jupiter was retrograde from 30 December 1991 to 30 April 1992.
    const std::array<std::string, 11> sanskrit = {"Surya",   "Chandra",   "Budha",    "Shukra",
                                                  "Mangala", "Guru (R) ", "Shani",    "Rahu",
                                                  "Ketu",    "Ascendant", "Midheaven"};
    EXPECT_EQ(chart.ChartBodyNames, english);
    EXPECT_EQ(chart.ChartBodySanskritNames, sanskrit);
}

TEST(CalculateChart, RetrogradeMarksFollowTheEnteredLocalDate) {
    BirthDetails d = WorkedExample();
    d.Year = 1990;
    d.Month = 7;
    d.Day = 1;
    EXPECT_EQ(CalculateChart(MakeEngineInput(d)).ChartBodySanskritNames[6], "Shani (R) ");
    // 00:30 on 24 April 1990 in India is still the 23rd in universal time,
    // but the marking follows the date as entered: Mercury is marked.
    d.Month = 4;
    d.Day = 24;
    d.Hour = 0;
    d.Minute = 30;
    SelectZoneRow(d, 34);
    EXPECT_EQ(CalculateChart(MakeEngineInput(d)).ChartBodySanskritNames[2], "Budha (R) ");
    d.Day = 23;
    d.Hour = 23;
    EXPECT_EQ(CalculateChart(MakeEngineInput(d)).ChartBodySanskritNames[2], "Budha");
}

TEST(MakeEngineInput, TheInstantFromTheZoneRowAndThePlaceFromTheHemispheres) {
    BirthDetails d = WorkedExample();
    d.East = true;
    d.South = true;
    d.DaylightSaving = true;
    d.LongitudeDegrees = 77;
    d.LongitudeMinutes = 12;
    d.Hour = 3;
    SelectZoneRow(d, 34); // India, 5 h 30 min east
    const engine::EngineInput input = MakeEngineInput(d);
    // 03:00 local, less 5:30 for the zone and an hour for daylight saving:
    // 20:30 UT on 11 April 1992.
    EXPECT_EQ(input.Instant.Local, (engine::CivilDateTime{1992, 4, 12, 3, 0}));
    EXPECT_EQ(input.Instant.Universal, (engine::CivilDateTime{1992, 4, 11, 20, 30}));
    EXPECT_DOUBLE_EQ(input.Instant.UniversalHours, -3.5);
    EXPECT_DOUBLE_EQ(input.Instant.JulianDayUT, 2448723.5 + 20.5 / 24);
    EXPECT_DOUBLE_EQ(input.Place.WestLongitude, -77.2);
    EXPECT_DOUBLE_EQ(input.Place.NorthLatitude, -51.5);
}

} // namespace
} // namespace tirovane
