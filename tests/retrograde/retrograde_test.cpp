#include "retrograde/retrograde.h"
#include "retrograde/station_tables.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <utility>
#include <swephexp.h>

namespace tirovane::retrograde {
namespace {

using engine::CivilDateTime;

TEST(IsRetrograde, MercuryAroundItsStationsOfSpring1990) {
    // Period 284: "4,23,1990,6,40," to "5,17,1990,2,2,".
    EXPECT_FALSE(IsRetrograde("Mercury", {1990, 4, 23, 0, 0}));
    EXPECT_FALSE(IsRetrograde("Mercury", {1990, 4, 23, 23, 59}));
    EXPECT_TRUE(IsRetrograde("Mercury", {1990, 4, 24, 0, 0}));
    EXPECT_TRUE(IsRetrograde("Mercury", {1990, 5, 16, 23, 59}));
    EXPECT_FALSE(IsRetrograde("Mercury", {1990, 5, 17, 0, 0}));
    EXPECT_FALSE(IsRetrograde("Mercury", {1990, 5, 17, 12, 0}));
}

TEST(IsRetrograde, SaturnMidPeriodAndMarsAcrossTheYearEnd) {
    EXPECT_TRUE(IsRetrograde("Saturn", {1990, 7, 1, 12, 0}));
    EXPECT_TRUE(IsRetrograde("Mars", {1990, 12, 31, 12, 0}));
    EXPECT_FALSE(IsRetrograde("Mars", {1991, 1, 1, 12, 0}));
}

TEST(IsRetrograde, OutsideTheTablesAndUnknownNames) {
    EXPECT_FALSE(IsRetrograde("Mercury", {1899, 12, 31, 12, 0}));
    EXPECT_FALSE(IsRetrograde("Jupiter", {2051, 6, 1, 12, 0}));
    EXPECT_FALSE(IsRetrograde("Sun", {1990, 7, 1, 12, 0}));
    EXPECT_FALSE(IsRetrograde("saturn", {1990, 7, 1, 12, 0}));
    // Jupiter's last period runs into 2051.
    EXPECT_TRUE(IsRetrograde("Jupiter", {2051, 2, 1, 12, 0}));
}

TEST(RetrogradeFlags, EveryRetrogradePlanetInItsOwnSlot) {
    // 1 July 1990: Saturn retrograde (from 4 May to 23 September); the
    // Sun, Moon, nodes, ascendant and midheaven never carry the flag.
    const auto flags = RetrogradeFlags({1990, 7, 1, 9, 30});
    EXPECT_TRUE(flags[engine::Saturn]);
    for (const int slot : {0, 1, 7, 8, 9, 10}) {
        EXPECT_FALSE(flags[slot]) << slot;
    }
    EXPECT_FALSE(RetrogradeFlags({1990, 10, 1, 9, 30})[engine::Saturn]) << "direct again";
}

// The flags of every day, from before the tables to after them, against the
// search of each planet's periods: the two must agree on every station day.
TEST(RetrogradeFlags, EveryDayAgreesWithThePeriodSearch) {
    const std::pair<const char*, int> planets[] = {{"Mercury", engine::Mercury},
                                                   {"Venus", engine::Venus},
                                                   {"Mars", engine::Mars},
                                                   {"Jupiter", engine::Jupiter},
                                                   {"Saturn", engine::Saturn}};
    int retrogradeDays = 0;
    for (CivilDateTime day{1898, 1, 1, 12, 0}; day.Year <= 2053;
         day = engine::AddMinutes(day, 1440)) {
        const auto flags = RetrogradeFlags(day);
        for (const auto& [name, slot] : planets) {
            ASSERT_EQ(flags[slot], IsRetrograde(name, day))
                << name << " " << day.Year << "-" << day.Month << "-" << day.Day;
            retrogradeDays += flags[slot] ? 1 : 0;
        }
    }
    // Mercury alone is retrograde about a fifth of its days.
    EXPECT_GT(retrogradeDays, 150 * 365 / 5);
}

TEST(RetrogradeFlags, ADateThatDoesNotExistFlagsNothing) {
    EXPECT_EQ(RetrogradeFlags({1990, 2, 30, 0, 0}), (std::array<bool, engine::ChartBodyCount>{}));
    EXPECT_EQ(RetrogradeFlags({1990, 7, 1, 24, 0}), (std::array<bool, engine::ChartBodyCount>{}));
}

// The marks against a second ephemeris: a planet whose longitude speed is
// negative through the whole birth day is retrograde on it, and one whose
// speed stays positive through the day is not.
TEST(RetrogradeFlags, AgreesWithTheSwissEphemerisOverThe150Years) {
    static char path[] = TIROVANE_SWE_EPHE_DIR;
    swe_set_ephe_path(path);
    const struct {
        const char* Name;
        int Body;
        int Slot;
    } planets[] = {{"Mercury", SE_MERCURY, 2},
                   {"Venus", SE_VENUS, 3},
                   {"Mars", SE_MARS, 4},
                   {"Jupiter", SE_JUPITER, 5},
                   {"Saturn", SE_SATURN, 6}};
    const auto speed = [](int body, double jd) {
        double xx[6];
        char error[256];
        swe_calc_ut(jd, body, SEFLG_SWIEPH | SEFLG_SPEED, xx, error);
        return xx[3];
    };
    int several = 0;
    int compared = 0;
    for (CivilDateTime day{1900, 1, 10, 12, 0}; day.Year <= 2050;
         day = engine::AddMinutes(day, 1440LL * 37)) {
        const auto flags = RetrogradeFlags(day);
        const double midnight = swe_julday(day.Year, day.Month, day.Day, 0, SE_GREG_CAL);
        int marked = 0;
        for (const auto& p : planets) {
            // Station rows are in universal time; allow a day's margin either side.
            const double before = speed(p.Body, midnight - 1);
            const double after = speed(p.Body, midnight + 2);
            if (before < 0 && after < 0) {
                EXPECT_TRUE(flags[p.Slot])
                    << p.Name << " " << day.Year << "-" << day.Month << "-" << day.Day;
                ++marked;
                ++compared;
            } else if (before > 0 && after > 0) {
                EXPECT_FALSE(flags[p.Slot])
                    << p.Name << " " << day.Year << "-" << day.Month << "-" << day.Day;
                ++compared;
            }
        }
        several += marked >= 3 ? 1 : 0;
    }
    swe_close();
    EXPECT_GT(compared, 7000);
    EXPECT_GT(several, 10) << "dates with three or more planets marked at once";
}

template <std::size_t N>
void CheckTable(const char* planet, const StationTable<N>& table, std::size_t rows,
                const char* firstStart, const char* firstEnd, const char* lastStart,
                const char* lastEnd, int shortest, int longest) {
    SCOPED_TRACE(planet);
    EXPECT_EQ(N, rows);
    EXPECT_EQ(table.Retrograde.front(), firstStart);
    EXPECT_EQ(table.Direct.front(), firstEnd);
    EXPECT_EQ(table.Retrograde.back(), lastStart);
    EXPECT_EQ(table.Direct.back(), lastEnd);
    EXPECT_EQ(RetrogradePeriods(planet).size(), N) << "every row parses";
    long long previousEnd = -1000000;
    for (std::size_t i = 0; i < N; ++i) {
        const auto start = ParseStationRow(table.Retrograde[i]);
        const auto end = ParseStationRow(table.Direct[i]);
        ASSERT_TRUE(start && end) << "row " << i;
        const long long s = engine::DaysFromCivil(start->Year, start->Month, start->Day);
        const long long e = engine::DaysFromCivil(end->Year, end->Month, end->Day);
        EXPECT_LT(previousEnd, s) << "row " << i << " overlaps the one before";
        EXPECT_GE(e - s, shortest - 1) << "row " << i;
        EXPECT_LE(e - s, longest + 1) << "row " << i;
        EXPECT_GE(start->Year, 1900);
        EXPECT_LE(start->Year, 2050);
        previousEnd = e;
    }
}

TEST(StationTables, CountsPrintedRowsOrderAndLengths) {
    CheckTable("Mercury", MercuryStations, 476, "3,15,1900,13,19,", "4,7,1900,18,42,",
               "12,1,2050,17,17,", "12,21,2050,11,33,", 19, 24);
    CheckTable("Venus", VenusStations, 95, "6,16,1900,22,56,", "7,30,1900,2,44,",
               "9,25,2050,22,15,", "11,6,2050,19,4,", 40, 43);
    CheckTable("Mars", MarsStations, 71, "1,13,1901,6,16,", "4,4,1901,7,21,", "7,15,2050,5,50,",
               "9,13,2050,9,41,", 59, 81);
    CheckTable("Jupiter", JupiterStations, 139, "3,27,1900,20,39,", "7,29,1900,1,35,",
               "12,21,2050,13,21,", "4,21,2051,23,46,", 116, 124);
    CheckTable("Saturn", SaturnStations, 146, "4,14,1900,6,2,", "9,2,1900,14,39,",
               "5,18,2050,13,6,", "10,6,2050,11,5,", 133, 141);
}

TEST(ParseStationRow, WellFormedRowsOnly) {
    EXPECT_EQ(ParseStationRow("4,23,1990,6,40,"), (CivilDateTime{1990, 4, 23, 6, 40}));
    EXPECT_FALSE(ParseStationRow("4,23,1990,6,40"));   // no trailing comma
    EXPECT_FALSE(ParseStationRow("4,23,1990,6,40,,")); // extra field
    EXPECT_FALSE(ParseStationRow("2,30,1990,6,40,"));  // no such day
    // February's 29th by the Gregorian leap rule, and each month's last day.
    EXPECT_TRUE(ParseStationRow("2,29,2000,0,0,"));
    EXPECT_TRUE(ParseStationRow("2,29,1988,0,0,"));
    EXPECT_FALSE(ParseStationRow("2,29,1900,0,0,"));
    EXPECT_FALSE(ParseStationRow("2,29,1990,0,0,"));
    EXPECT_TRUE(ParseStationRow("12,31,1990,0,0,"));
    EXPECT_FALSE(ParseStationRow("4,31,1990,0,0,"));
    EXPECT_FALSE(ParseStationRow("13,1,1990,0,0,"));
    EXPECT_FALSE(ParseStationRow("1,0,1990,0,0,"));
    EXPECT_FALSE(ParseStationRow("4,23,1990,24,0,"));  // no such hour
    EXPECT_FALSE(ParseStationRow("4,x3,1990,6,40,"));
    EXPECT_FALSE(ParseStationRow(""));
}

TEST(StationTables, TheGeneratorReproducesTheCommittedFile) {
    const std::string command = std::string(TIROVANE_GENERATOR_PATH);
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string generated;
    char buffer[8192];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        generated.append(buffer, n);
    }
    ASSERT_EQ(::pclose(pipe), 0) << "the generator failed";
    std::ifstream committed(TIROVANE_STATION_TABLES_SOURCE, std::ios::binary);
    std::stringstream text;
    text << committed.rdbuf();
    EXPECT_TRUE(generated == text.str()) << "retrograde/station_tables.cpp is not what the "
                                            "generator writes; remake it";
}

} // namespace
} // namespace tirovane::retrograde
