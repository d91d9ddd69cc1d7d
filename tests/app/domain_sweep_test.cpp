// Every zone row, both hemispheres both ways, with and without daylight
// saving, over dates from 1901 to 2050 and coordinates up to the limits the
// input checks allow: every text the pipeline makes is well formed.

#include "reading/calculation.h"
#include "engine/planets.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace tirovane {
namespace {

const std::set<std::string> Signs = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                     "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

// Parses "D° M' S\" Abc" and checks it is written exactly so.
bool WellFormedPosition(const std::string& text) {
    int d = -1, m = -1, sec = -1;
    char sign[4] = {};
    if (std::sscanf(text.c_str(), "%d\u00B0 %d' %d\" %3s", &d, &m, &sec, sign) != 4) {
        return false;
    }
    const std::string rebuilt = std::to_string(d) + "\u00B0 " + std::to_string(m) + "' " +
                                std::to_string(sec) + "\" " + sign;
    return rebuilt == text && d >= 0 && d <= 29 && m >= 0 && m <= 59 && sec >= 0 && sec <= 59 &&
           Signs.contains(sign);
}

// "DD Abc MM" with two-digit degrees 00-29 and minutes 00-59.
bool WellFormedChartText(const std::string& text) {
    if (text.size() != 9 || text[2] != ' ' || text[6] != ' ') {
        return false;
    }
    const auto digits = [&](std::size_t at, int most) {
        return std::isdigit(static_cast<unsigned char>(text[at])) &&
               std::isdigit(static_cast<unsigned char>(text[at + 1])) &&
               std::stoi(text.substr(at, 2)) <= most;
    };
    return digits(0, 29) && digits(7, 59) && Signs.contains(text.substr(3, 3));
}

TEST(DomainSweep, EveryTextIsWellFormedOverTheWholeDomain) {
    std::set<std::string> nakshatras;
    for (const engine::NakshatraRow& row : engine::Nakshatras) {
        nakshatras.emplace(row.Name);
    }
    std::set<std::string> signNames;
    for (const engine::SignRow& row : engine::Signs) {
        signNames.emplace(row.SanskritName);
    }
    std::mt19937 random(2050);
    // Coordinates at the limits of the input checks and between them.
    const std::array<std::array<int, 4>, 4> places = {
        {{0, 0, 0, 0}, {90, 0, 180, 0}, {89, 59, 179, 59}, {66, 33, 12, 0}}};
    int charts = 0;
    for (int zone = 0; zone < 71; ++zone) {
        for (int variant = 0; variant < 16; ++variant) {
            BirthDetails d;
            d.Name = "Sweep";
            d.Year = variant == 0   ? 1901
                     : variant == 1 ? 2050
                                    : std::uniform_int_distribution(1901, 2050)(random);
            d.Month = variant == 0   ? 1
                      : variant == 1 ? 12
                                     : std::uniform_int_distribution(1, 12)(random);
            d.Day = variant == 0   ? 1
                    : variant == 1 ? 31
                                   : std::uniform_int_distribution(1, 28)(random);
            d.Hour = variant == 0   ? 0
                     : variant == 1 ? 23
                                    : std::uniform_int_distribution(0, 23)(random);
            d.Minute = variant == 0   ? 0
                       : variant == 1 ? 59
                                      : std::uniform_int_distribution(0, 59)(random);
            SelectZoneRow(d, zone);
            const auto& place = places[static_cast<std::size_t>(variant % 4)];
            d.LatitudeDegrees = place[0];
            d.LatitudeMinutes = place[1];
            d.LongitudeDegrees = place[2];
            d.LongitudeMinutes = place[3];
            for (int flags = 0; flags < 8; ++flags) {
                d.South = flags & 1;
                d.East = flags & 2;
                d.DaylightSaving = flags & 4;
                const PersonChart c = CalculateChart(MakeEngineInput(d));
                ++charts;
                const std::string where =
                    "zone " + std::to_string(zone) + " " + std::to_string(d.Year) + "-" +
                    std::to_string(d.Month) + "-" + std::to_string(d.Day) + " flags " +
                    std::to_string(flags) + " place " + std::to_string(variant % 4);
                ASSERT_TRUE(WellFormedPosition(c.AscendantText)) << c.AscendantText << " " << where;
                ASSERT_TRUE(WellFormedPosition(c.MidheavenText)) << c.MidheavenText << " " << where;
                ASSERT_TRUE(WellFormedPosition(c.MoonPositionText)) << where;
                for (const std::string& text : c.ChartPositions) {
                    ASSERT_TRUE(WellFormedChartText(text)) << text << " " << where;
                }
                ASSERT_TRUE(nakshatras.contains(c.MoonNakshatra)) << where;
                ASSERT_TRUE(signNames.contains(c.MoonSignName)) << where;
                ASSERT_TRUE(signNames.contains(c.LagnaName)) << where;
                ASSERT_FALSE(c.NakshatraLord.empty()) << where;
                ASSERT_EQ(c.AyanamsaText.rfind("-2", 0), 0u) << c.AyanamsaText << " " << where;
                ASSERT_GE(c.LagnaChart.House, 1);
                ASSERT_LE(c.LagnaChart.House, 12);
                ASSERT_GE(c.RashiChart.House, 1);
                ASSERT_LE(c.RashiChart.House, 12);
            }
        }
    }
    EXPECT_EQ(charts, 71 * 16 * 8);
}

TEST(DomainSweep, KeplersEquationSettlesForEveryAnomaly) {
    for (double e = 0; e < 0.31; e += 0.01) {
        for (double m = -7; m < 14; m += 0.013) {
            const double nu = engine::SolveKepler(m, e);
            ASSERT_TRUE(std::isfinite(nu)) << e << " " << m;
            ASSERT_GE(nu, 0);
            ASSERT_LT(nu, 6.2831853072);
        }
    }
}

} // namespace
} // namespace tirovane
