#include "atlas/time_zone_history.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace tirovane::atlas {
namespace {

std::unique_ptr<TimeZoneHistory> Zone(const std::string& name) {
    std::string error;
    auto zone = TimeZoneHistory::Load(name, TimeZoneHistory::DefaultDir(), &error);
    EXPECT_NE(zone, nullptr) << error;
    return zone;
}

TEST(TimeZoneHistoryTest, DaysFromCivilMatchesKnownDates) {
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(2000, 3, 1), 11017);
    EXPECT_EQ(DaysFromCivil(1901, 1, 1), -25202);
    EXPECT_EQ(DaysFromCivil(1969, 12, 31), -1);
}

struct OffsetFact {
    const char* Zone;
    int Year, Month, Day, Hour, Minute;
    int OffsetMinutes;
    bool Dst;
    int StandardMinutes;
};

class OffsetFactTest : public ::testing::TestWithParam<OffsetFact> {};

TEST_P(OffsetFactTest, MatchesTheRecord) {
    const OffsetFact& f = GetParam();
    const auto zone = Zone(f.Zone);
    ASSERT_NE(zone, nullptr);
    const LocalTimeResolution r = zone->AtLocal(f.Year, f.Month, f.Day, f.Hour, f.Minute);
    EXPECT_EQ(r.Kind, LocalTimeKind::Unique);
    EXPECT_EQ(r.Clock.OffsetSeconds, f.OffsetMinutes * 60);
    EXPECT_EQ(r.Clock.DaylightSaving, f.Dst);
    EXPECT_EQ(r.Clock.StandardOffsetSeconds, f.StandardMinutes * 60);
}

// Offsets from the histories of these zones: India's war time from
// 1942 to 1945; Britain's all-year +1 of 1968-71; Indianapolis on
// Eastern Standard Time without daylight saving from 1958 to 1969; New
// Zealand's and Australia's summer times; Nepal's +5:45 since 1986;
// instants past the database's tables follow its rule for later years.
INSTANTIATE_TEST_SUITE_P(
    KnownHistory, OffsetFactTest,
    ::testing::Values(OffsetFact{"Asia/Kolkata", 1943, 5, 1, 12, 0, 390, true, 330},
                      OffsetFact{"Asia/Kolkata", 1970, 6, 1, 12, 0, 330, false, 330},
                      OffsetFact{"Europe/London", 1970, 1, 15, 12, 0, 60, false, 60},
                      OffsetFact{"Europe/London", 1985, 7, 1, 12, 0, 60, true, 0},
                      OffsetFact{"Europe/London", 1985, 1, 15, 12, 0, 0, false, 0},
                      OffsetFact{"Europe/London", 1941, 6, 1, 12, 0, 120, true, 0},
                      OffsetFact{"America/Chicago", 1960, 7, 1, 12, 0, -300, true, -360},
                      OffsetFact{"America/Indiana/Indianapolis", 1960, 7, 1, 12, 0, -300, false,
                                 -300},
                      OffsetFact{"Australia/Sydney", 1990, 1, 15, 12, 0, 660, true, 600},
                      OffsetFact{"Pacific/Auckland", 1990, 1, 15, 12, 0, 780, true, 720},
                      OffsetFact{"Asia/Kathmandu", 1990, 6, 1, 12, 0, 345, false, 345},
                      OffsetFact{"America/New_York", 2045, 7, 1, 12, 0, -240, true, -300},
                      OffsetFact{"America/New_York", 2045, 12, 1, 12, 0, -300, false, -300},
                      OffsetFact{"Australia/Sydney", 2049, 1, 15, 12, 0, 660, true, 600},
                      OffsetFact{"Australia/Adelaide", 2049, 7, 15, 12, 0, 570, false, 570},
                      OffsetFact{"Europe/Dublin", 2000, 1, 15, 12, 0, 0, false, 0},
                      OffsetFact{"Europe/Dublin", 2000, 7, 1, 12, 0, 60, true, 0},
                      OffsetFact{"Europe/Dublin", 2049, 1, 15, 12, 0, 0, false, 0},
                      OffsetFact{"Europe/Dublin", 2049, 7, 1, 12, 0, 60, true, 0},
                      OffsetFact{"UTC", 1999, 12, 31, 23, 59, 0, false, 0}));

TEST(TimeZoneHistoryTest, ReportsTheSkippedHourInSpring) {
    // Britain put its clocks from 1:00 GMT to 2:00 BST on 30 March 1986.
    const auto london = Zone("Europe/London");
    const LocalTimeResolution r = london->AtLocal(1986, 3, 30, 1, 30);
    EXPECT_EQ(r.Kind, LocalTimeKind::Skipped);
    EXPECT_EQ(r.Clock.OffsetSeconds, 0);
    EXPECT_EQ(r.Other.OffsetSeconds, 3600);
    // Taken with the clock before the jump: 1:30 GMT.
    EXPECT_EQ(r.UtcSeconds, DaysFromCivil(1986, 3, 30) * 86400 + 5400);
    EXPECT_EQ(london->AtLocal(1986, 3, 30, 0, 59).Kind, LocalTimeKind::Unique);
    EXPECT_EQ(london->AtLocal(1986, 3, 30, 2, 0).Kind, LocalTimeKind::Unique);

    // The United States on 14 March 2021, 2:00 EST to 3:00 EDT.
    const auto ny = Zone("America/New_York");
    EXPECT_EQ(ny->AtLocal(2021, 3, 14, 2, 30).Kind, LocalTimeKind::Skipped);
}

TEST(TimeZoneHistoryTest, ReportsTheRepeatedHourInAutumn) {
    // 26 October 1986: 2:00 BST back to 1:00 GMT, so 1:30 came twice.
    const auto london = Zone("Europe/London");
    const LocalTimeResolution r = london->AtLocal(1986, 10, 26, 1, 30);
    EXPECT_EQ(r.Kind, LocalTimeKind::Repeated);
    EXPECT_EQ(r.Clock.OffsetSeconds, 3600);
    EXPECT_TRUE(r.Clock.DaylightSaving);
    EXPECT_EQ(r.Other.OffsetSeconds, 0);
    EXPECT_EQ(r.UtcSeconds, DaysFromCivil(1986, 10, 26) * 86400 + 1800);
    EXPECT_EQ(london->AtLocal(1986, 10, 26, 2, 0).Kind, LocalTimeKind::Unique);

    // New York, 7 November 2049, from the rule past the tables.
    const auto ny = Zone("America/New_York");
    const LocalTimeResolution later = ny->AtLocal(2049, 11, 7, 1, 30);
    EXPECT_EQ(later.Kind, LocalTimeKind::Repeated);
    EXPECT_EQ(later.Clock.OffsetSeconds, -4 * 3600);
    EXPECT_EQ(later.Other.OffsetSeconds, -5 * 3600);
}

TEST(TimeZoneHistoryTest, RefusesUnknownNamesAndDamagedFiles) {
    std::string error;
    EXPECT_EQ(TimeZoneHistory::Load("Nowhere/Atlantis", TimeZoneHistory::DefaultDir(), &error),
              nullptr);
    EXPECT_FALSE(error.empty());
    for (const char* name : {"", "../../etc/passwd", "/etc/passwd", "Asia/Kolkata\n"}) {
        EXPECT_EQ(TimeZoneHistory::Load(name), nullptr) << name;
    }
    const auto dir = std::filesystem::temp_directory_path() / "tirovane_tz_test";
    std::filesystem::create_directories(dir);
    std::ifstream in(TimeZoneHistory::DefaultDir() + "/Europe/London", std::ios::binary);
    const std::string whole((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    for (const std::string& bytes : {std::string(), std::string("TZif2"), whole.substr(0, 60),
                                     whole.substr(0, whole.size() / 2), "XZif" + whole.substr(4)}) {
        std::ofstream(dir / "Bad", std::ios::binary) << bytes;
        EXPECT_EQ(TimeZoneHistory::Load("Bad", dir.string()), nullptr) << bytes.size();
    }
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace tirovane::atlas
