#include "reading/calculation.h"
#include "reading/reference_tables.h"
#include "tests/printed_names.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

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

// One universal moment entered in two random zones, with and without
// daylight saving, at the same place: the same instant, and a chart whose
// numbers agree to far below an arc-second and whose position texts are
// identical. Only the retrograde marks may differ, as they follow the
// entered local date.
TEST(EqualInstants, RandomZonesAndDaylightSavingGiveEqualCharts) {
    std::mt19937 random(1208);
    const auto& zones = LoadReferenceTables().Zones;
    for (int n = 0; n < 300; ++n) {
        const engine::CivilDateTime universal{std::uniform_int_distribution(1902, 2049)(random),
                                              std::uniform_int_distribution(1, 12)(random),
                                              std::uniform_int_distribution(1, 28)(random),
                                              std::uniform_int_distribution(0, 23)(random),
                                              std::uniform_int_distribution(0, 59)(random)};
        BirthDetails base = WorkedExample();
        base.LatitudeDegrees = std::uniform_int_distribution(0, 66)(random);
        base.LongitudeDegrees = std::uniform_int_distribution(0, 179)(random);
        base.East = n % 2 == 0;
        base.South = n % 3 == 0;
        std::array<PersonChart, 2> charts;
        std::array<engine::BirthInstant, 2> instants;
        for (int i = 0; i < 2; ++i) {
            BirthDetails d = base;
            const int row = std::uniform_int_distribution(0, ZoneRowCount - 1)(random);
            d.DaylightSaving = std::uniform_int_distribution(0, 1)(random) == 1;
            const ZoneRow& zone = zones[row];
            // Local clock time = universal time less the zone's west offset,
            // plus the daylight-saving hour.
            const engine::CivilDateTime local =
                engine::AddMinutes(universal, -(zone.WestHours * 60LL + zone.WestMinutes) +
                                                  (d.DaylightSaving ? 60 : 0));
            d.Year = local.Year;
            d.Month = local.Month;
            d.Day = local.Day;
            d.Hour = local.Hour;
            d.Minute = local.Minute;
            SelectZoneRow(d, row);
            instants[i] = ComputeBirthInstant(d);
            charts[i] = CalculateChart(MakeEngineInput(d));
        }
        ASSERT_EQ(instants[0].Universal, universal) << n;
        ASSERT_EQ(instants[1].Universal, universal) << n;
        ASSERT_EQ(instants[0].JulianDayUT, instants[1].JulianDayUT) << n;
        for (int b = 0; b < engine::ChartBodyCount; ++b) {
            EXPECT_NEAR(charts[0].Sidereal.Longitudes[b], charts[1].Sidereal.Longitudes[b], 1e-9)
                << n << " body " << b;
        }
        EXPECT_EQ(charts[0].ChartPositions, charts[1].ChartPositions) << n;
        EXPECT_EQ(charts[0].AscendantText, charts[1].AscendantText) << n;
        EXPECT_EQ(charts[0].MidheavenText, charts[1].MidheavenText) << n;
        EXPECT_EQ(charts[0].MoonPositionText, charts[1].MoonPositionText) << n;
        EXPECT_EQ(charts[0].MoonNakshatra, charts[1].MoonNakshatra) << n;
        EXPECT_EQ(charts[0].AyanamsaText, charts[1].AyanamsaText) << n;
        EXPECT_EQ(charts[0].LagnaChart, charts[1].LagnaChart) << n;
        EXPECT_EQ(charts[0].RashiChart, charts[1].RashiChart) << n;
    }
}

// The Moon one arc-second either side of every nakshatra boundary and every
// sign boundary, through the derivation of the result's values. Expected
// mansions and signs by whole arc-seconds: a nakshatra spans 48000", a sign
// 108000".
TEST(MoonAtBoundaries, NakshatraAndSignOneArcSecondEitherSide) {
    const auto& nakshatras = test::PrintedNakshatraNames;
    const char* lords[9] = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                            "Rahu", "Jupiter", "Saturn", "Mercury"};
    const char* rashis[12] = {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
                              "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena"};
    const char* abbreviations[12] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                     "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    std::vector<long> arcSeconds;
    for (long k = 0; k <= 27; ++k) {
        arcSeconds.push_back(k * 48000 - 1);
        arcSeconds.push_back(k * 48000 + 1);
    }
    for (long k = 0; k <= 12; ++k) {
        arcSeconds.push_back(k * 108000 - 1);
        arcSeconds.push_back(k * 108000 + 1);
    }
    int checked = 0;
    for (const long seconds : arcSeconds) {
        if (seconds < 0 || seconds >= 360 * 3600) {
            continue;
        }
        engine::SiderealChart sidereal;
        sidereal.Ayanamsa = -23.5;
        sidereal.Longitudes.fill(200);
        sidereal.Longitudes[engine::Ascendant] = 15;
        sidereal.Longitudes[engine::Mars] = 105; // 15 Cancer
        sidereal.Longitudes[engine::Moon] = seconds / 3600.0;
        const PersonChart chart = ChartFromNumbers(sidereal);

        const long mansion = seconds / 48000;
        const long sign = seconds / 108000;
        const long inSign = seconds % 108000;
        char chartText[16];
        std::snprintf(chartText, sizeof chartText, "%02ld %s %02ld", inSign / 3600,
                      abbreviations[sign], inSign % 3600 / 60);
        const std::string where = std::to_string(seconds) + "\"";
        EXPECT_EQ(chart.MoonNakshatra, nakshatras[mansion]) << where;
        EXPECT_EQ(chart.NakshatraLord, lords[mansion % 9]) << where;
        EXPECT_EQ(chart.MoonSignName, rashis[sign]) << where;
        EXPECT_EQ(chart.ChartPositions[engine::Moon], chartText) << where;
        EXPECT_NE(chart.ChartCells[sign].find("Chandra"), std::string::npos) << where;
        // Mars in Cancer counted from the Moon's sign.
        EXPECT_EQ(chart.RashiChart.House, (3 - sign + 12) % 12 + 1) << where;
        ++checked;
    }
    EXPECT_EQ(checked, 2 * 27 + 2 * 12);
}

} // namespace
} // namespace tirovane
