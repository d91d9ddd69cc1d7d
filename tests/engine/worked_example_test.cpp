// The published worked example (12 April 1992, 00:00 GMT, 0 degrees
// longitude, 51 degrees 30 minutes north) and the ayanamsa checkpoints.

#include "engine/ascendant.h"
#include "engine/described_chart.h"
#include "engine/engine_input.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/text_forms.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tirovane::engine {
namespace {

// A birth entered at a local clock time in a zone (west hours), at 51
// degrees 30 minutes north and a whole number of degrees of longitude.
EngineInput Entered(CivilDateTime local, int westHours, bool dst, bool east, int longitudeDegrees) {
    return {MakeBirthInstant(local, westHours, 0, dst),
            MakeGeoPlace(51, 30, false, longitudeDegrees, 0, east)};
}

EngineInput WorkedExample() {
    return Entered({1992, 4, 12, 0, 0}, 0, false, false, 0);
}

TEST(WorkedExample, Ascendant) {
    const EngineInput input = WorkedExample();
    const AscendantResult r = ComputeAscendant(input.Instant, input.Place);
    EXPECT_NEAR(r.CenturiesFrom1900, 0.9227789, 5e-8);
    EXPECT_NEAR(r.Ayanamsa, -23.7545, 5e-5);
    EXPECT_NEAR(r.SiderealTime, 200.4425, 5e-5);
    EXPECT_NEAR(r.TropicalAscendant, 259.1467, 5e-5);
    EXPECT_NEAR(r.TropicalMidheaven, 202.1103, 5e-5);
    EXPECT_EQ(FormatSignPosition(r.Ascendant), "25\u00B0 23' 31\" Sco");
    EXPECT_EQ(FormatSignPosition(r.Midheaven), "28\u00B0 21' 21\" Vir");
    EXPECT_EQ(FormatSignedAngle(r.Ayanamsa).rfind("-23\u00B0 45' ", 0), 0u);
}

TEST(WorkedExample, Moon) {
    const MoonResult r = ComputeMoon(WorkedExample().Instant);
    EXPECT_NEAR(r.CenturiesFromJ2000, -0.0772211, 5e-8);
    EXPECT_NEAR(r.TropicalLongitude, 133.1581, 5e-5);
    EXPECT_NEAR(r.Ayanamsa, -23.7541, 5e-5);
    EXPECT_NEAR(r.SiderealLongitude, 109.4039, 5e-5);
    EXPECT_EQ(FormatSignPosition(r.SiderealLongitude), "19\u00B0 24' 14\" Can");
    EXPECT_EQ(Nakshatras[NakshatraIndexOf(r.SiderealLongitude)].Name, "Aslesha");
    EXPECT_EQ(Signs[SignIndexOf(r.SiderealLongitude)].SanskritName, "Kataka");
}

TEST(WorkedExample, PlanetsNodesAndChartPositions) {
    const EngineInput input = WorkedExample();
    const AscendantResult asc = ComputeAscendant(input.Instant, input.Place);
    const PlanetsResult r = ComputePlanets(input.Instant, asc.Ayanamsa);
    EXPECT_DOUBLE_EQ(r.DaysFromEpoch, -2820.5);
    EXPECT_NEAR(r.TropicalLongitudes[TheoryEarth], 22.4465, 5e-5);
    EXPECT_EQ(FormatSignPosition(r.Longitudes[TheoryEarth]), "28\u00B0 41' 31\" Pis");
    EXPECT_EQ(FormatSignPosition(r.Longitudes[TheoryMercury]), "5\u00B0 24' 29\" Pis");
    EXPECT_EQ(FormatSignPosition(r.Longitudes[TheoryMars]), "17\u00B0 55' 48\" Aqu");
    EXPECT_EQ(FormatSignPosition(r.Rahu), "9\u00B0 43' 26\" Sag");
    EXPECT_EQ(FormatSignPosition(r.Ketu), "9\u00B0 43' 26\" Gem");

    // The whole chart in chart order, in the chart form.
    const SiderealChart chart = ComputeDescribedChart(input.Instant, input.Place);
    std::array<std::string, ChartBodyCount> positions;
    for (int b = 0; b < ChartBodyCount; ++b) {
        positions[b] = FormatChartPosition(FormatSignPosition(chart.Longitudes[b]));
    }
    const std::array<std::string, ChartBodyCount> expected = {
        "28 Pis 41",  "19 Can 24", "05 Pis 24", positions[3], "17 Aqu 55", positions[5],
        positions[6], "09 Sag 43", "09 Gem 43", "25 Sco 23",  "28 Vir 21"};
    EXPECT_EQ(positions, expected);
    EXPECT_DOUBLE_EQ(chart.Ayanamsa, asc.Ayanamsa);
}

TEST(Ayanamsa, PublishedCheckpoints) {
    EXPECT_NEAR(AyanamsaFrom1900(0), -22.4663, 5e-5);
    EXPECT_NEAR(AyanamsaFrom1900(0.9), -23.7214, 5e-5);
    EXPECT_NEAR(AyanamsaFromJ2000(0), -23.8537, 5e-5);
    EXPECT_NEAR(AyanamsaFromJ2000(-0.1), -23.7212, 5e-5);
    // The two forms agree within a thousandth of a degree at the start of 1990.
    EXPECT_NEAR(AyanamsaFrom1900(0.9), AyanamsaFromJ2000(-0.1), 1e-3);
}

TEST(PlanetElements, BaseValuesAtTheEpoch) {
    const OrbitalElements mars = PlanetElements(TheoryMars, 0);
    EXPECT_DOUBLE_EQ(mars.SemiMajorAxis, 1.52366231);
    EXPECT_DOUBLE_EQ(mars.Eccentricity, 0.09341233);
    EXPECT_NEAR(mars.Inclination * 180 / 3.14159265358979, 1.85061, 1e-12);
    EXPECT_NEAR(mars.AscendingNode * 180 / 3.14159265358979, 49.57854, 1e-12);
    EXPECT_NEAR(mars.Perihelion * 180 / 3.14159265358979, 336.04084, 1e-12);
    EXPECT_NEAR(mars.MeanLongitude * 180 / 3.14159265358979, 355.45332, 1e-11);
    // One century later the rates have been applied once.
    const OrbitalElements later = PlanetElements(TheorySaturn, 36525);
    EXPECT_NEAR(later.Eccentricity, 0.05415060 - 0.00036762, 1e-15);
    EXPECT_NEAR(later.Perihelion * 180 / 3.14159265358979, 92.43194 - 1948.89 / 3600, 1e-11);
    // The Earth's negative node is kept as it is (only L is reduced).
    EXPECT_LT(PlanetElements(TheoryEarth, 0).AscendingNode, 0);
}

TEST(SolveKepler, TrueAnomalySatisfiesKeplersEquation) {
    for (const double e : {0.0, 0.0067, 0.0934, 0.2056, 0.6}) {
        for (double m = 0; m < 6.28; m += 0.37) {
            const double nu = SolveKepler(m, e);
            ASSERT_GE(nu, 0);
            ASSERT_LT(nu, 6.28318530717958);
            // Eccentric anomaly from the true anomaly, then Kepler's equation.
            const double eccentric = 2 * std::atan(std::sqrt((1 - e) / (1 + e)) * std::tan(nu / 2));
            double mean = eccentric - e * std::sin(eccentric);
            if (mean < 0) {
                mean += 2 * 3.14159265358979;
            }
            EXPECT_NEAR(mean, m, 1e-9) << "e=" << e << " M=" << m;
        }
    }
}

// One instant for the whole chart: the same universal moment entered in
// different ways gives the same chart, to the arc-second of every text.
std::array<std::string, ChartBodyCount> PositionTexts(const EngineInput& input) {
    const SiderealChart chart = ComputeDescribedChart(input.Instant, input.Place);
    std::array<std::string, ChartBodyCount> texts;
    for (int b = 0; b < ChartBodyCount; ++b) {
        texts[b] = FormatSignPosition(chart.Longitudes[b]);
    }
    return texts;
}

TEST(OneInstant, ZoneEastOfGreenwichAtThePrimeMeridian) {
    // 01:00 Central European Time at 0 degrees is 00:00 universal time: the
    // worked example's chart to the arc-second.
    const auto texts = PositionTexts(Entered({1992, 4, 12, 1, 0}, -1, false, false, 0));
    EXPECT_EQ(texts[Ascendant], "25\u00B0 23' 31\" Sco");
    EXPECT_EQ(texts[Midheaven], "28\u00B0 21' 21\" Vir");
    EXPECT_EQ(texts[Moon], "19\u00B0 24' 14\" Can");
    EXPECT_EQ(texts[Sun], "28\u00B0 41' 31\" Pis");
    EXPECT_EQ(texts[Mars], "17\u00B0 55' 48\" Aqu");
    EXPECT_EQ(texts[Rahu], "9\u00B0 43' 26\" Sag");
    EXPECT_EQ(texts, PositionTexts(WorkedExample()));
}

TEST(OneInstant, DaylightSavingMovesPlanetsToo) {
    // 01:00 summer time in the Greenwich zone is 00:00 universal time.
    EXPECT_EQ(PositionTexts(Entered({1992, 4, 12, 1, 0}, 0, true, false, 0)),
              PositionTexts(WorkedExample()));
}

TEST(OneInstant, WestOfGreenwichInAZoneEastOfIt) {
    // 2 degrees west, Central European Time 01:00 and GMT 00:00 are the
    // same moment at the same place.
    EXPECT_EQ(PositionTexts(Entered({1992, 4, 12, 1, 0}, -1, false, false, 2)),
              PositionTexts(Entered({1992, 4, 12, 0, 0}, 0, false, false, 2)));
    // And east of Greenwich in a western zone: 20:00 on the 11th, four
    // hours behind Greenwich, is 00:00 on the 12th.
    EXPECT_EQ(PositionTexts(Entered({1992, 4, 11, 20, 0}, 4, false, true, 3)),
              PositionTexts(Entered({1992, 4, 12, 0, 0}, 0, false, true, 3)));
}

} // namespace
} // namespace tirovane::engine
