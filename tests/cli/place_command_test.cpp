// tirovane-cli place, and "Place" in the input lines, end to end through
// the real executable.

#include "tests/cli/cli_runner.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using nlohmann::json;
using tirovane::test::CliRun;
using tirovane::test::RunCli;

TEST(PlaceCommand, ListsTheFormsFieldsBestFirst) {
    const CliRun run = RunCli("place Madras", "");
    EXPECT_EQ(run.ExitStatus, 0);
    ASSERT_GE(run.Lines.size(), 1u);
    ASSERT_LE(run.Lines.size(), 10u);
    const auto p = nlohmann::ordered_json::parse(run.Lines[0]);
    const std::vector<std::string> keys = {"Name",
                                           "State",
                                           "Country",
                                           "CountryCode",
                                           "Population",
                                           "Latitude",
                                           "Longitude",
                                           "LatitudeDegrees",
                                           "LatitudeMinutes",
                                           "South",
                                           "LongitudeDegrees",
                                           "LongitudeMinutes",
                                           "East",
                                           "TimeZone"};
    std::vector<std::string> got;
    for (const auto& item : p.items()) {
        got.push_back(item.key());
    }
    EXPECT_EQ(got, keys);
    EXPECT_EQ(p["Name"], "Chennai");
    EXPECT_EQ(p["State"], "Tamil Nadu");
    EXPECT_EQ(p["Country"], "India");
    EXPECT_EQ(p["CountryCode"], "IN");
    EXPECT_EQ(p["TimeZone"], "Asia/Kolkata");
    // Chennai: 13°05' N, 80°17' E.
    EXPECT_EQ(p["LatitudeDegrees"], 13);
    EXPECT_NEAR(p["LatitudeMinutes"].get<int>(), 5, 1);
    EXPECT_EQ(p["South"], false);
    EXPECT_EQ(p["LongitudeDegrees"], 80);
    EXPECT_NEAR(p["LongitudeMinutes"].get<int>(), 17, 1);
    EXPECT_EQ(p["East"], true);
}

struct DatedFact {
    const char* Arguments;
    const char* Name;
    int OffsetMinutes;
    bool Dst;
    int Row;
    bool NoteEmpty;
};

class PlaceOnADate : public ::testing::TestWithParam<DatedFact> {};

TEST_P(PlaceOnADate, GivesTheOffsetRowAndBox) {
    const DatedFact& f = GetParam();
    const CliRun run = RunCli(std::string("place ") + f.Arguments + " --limit 1", "");
    EXPECT_EQ(run.ExitStatus, 0);
    ASSERT_EQ(run.Lines.size(), 1u);
    const json p = json::parse(run.Lines[0]);
    EXPECT_EQ(p["Name"], f.Name);
    EXPECT_EQ(p["UtcOffsetMinutes"], f.OffsetMinutes);
    EXPECT_EQ(p["DaylightSaving"], f.Dst);
    EXPECT_EQ(p["ZoneRow"], f.Row);
    EXPECT_EQ(p["Note"].get<std::string>().empty(), f.NoteEmpty) << p["Note"];
}

INSTANTIATE_TEST_SUITE_P(
    KnownHistory, PlaceOnADate,
    ::testing::Values(
        DatedFact{"Kolkata --date 1943-05-01", "Kolkata", 390, true, 34, true},
        DatedFact{"Bombay --date 1970-06-01 --time 06:15", "Mumbai", 330, false, 34, true},
        DatedFact{"London --date 1970-01-15", "London", 60, false, 20, true},
        DatedFact{"London --date 1985-07-01", "London", 60, true, 29, true},
        DatedFact{"Chicago --date 1960-07-01", "Chicago", -300, true, 21, true},
        DatedFact{"Indianapolis --date 1960-07-01", "Indianapolis", -300, false, 27, true},
        DatedFact{"Sydney --date 1990-01-15", "Sydney", 660, true, 8, true},
        DatedFact{"Auckland --date 1990-01-15", "Auckland", 780, true, 47, true},
        DatedFact{"Kathmandu --date 1990-06-01", "Kathmandu", 345, false, 34, false},
        DatedFact{"London --date 1986-03-30 --time 1:30", "London", 0, false, 29, false}));

TEST(PlaceCommand, ExitStatusesAndLimits) {
    EXPECT_EQ(RunCli("place Qqxqzvw", "").ExitStatus, 1);
    EXPECT_TRUE(RunCli("place Qqxqzvw", "").Lines.empty());
    EXPECT_EQ(RunCli("place Springfield --limit 3", "").Lines.size(), 3u);
    EXPECT_EQ(RunCli("place San Jose, Costa Rica --limit 1", "").ExitStatus, 0);
    for (const char* bad :
         {"place", "place London --date 1970-13-01", "place London --date 1970-2-30",
          "place London --date 1900-01-01", "place London --date 1970-02-30",
          "place London --date 1970-01-15 --time 24:00", "place London --date 1970-01-15 --time 7",
          "place London --time 07:00", "place London --limit 0", "place London --limit x",
          "place London --limit 1001", "place ''", "place '  ,  '"}) {
        const CliRun run = RunCli(bad, "");
        EXPECT_EQ(run.ExitStatus, 2) << bad;
        EXPECT_TRUE(run.Lines.empty()) << bad;
    }
    // The messages say what is wanted.
    const auto blank = tirovane::test::RunCliShell("place ' '");
    EXPECT_NE(blank.Err.find("The place to find is empty"), std::string::npos) << blank.Err;
    const auto limit = tirovane::test::RunCliShell("place London --limit 0");
    EXPECT_NE(limit.Err.find("not in range 1 to 1000"), std::string::npos) << limit.Err;
}

json PersonAt(const char* place) {
    json person = tirovane::test::WorkedExamplePerson();
    for (const char* field :
         {"LatitudeDegrees", "LatitudeMinutes", "South", "LongitudeDegrees", "LongitudeMinutes",
          "East", "ZoneRow", "DaylightSaving", "City", "State", "Country"}) {
        person.erase(field);
    }
    person["Place"] = place;
    return person;
}

TEST(PlaceCommand, APlaceInAChartLineFillsThePlaceFields) {
    // The worked example, 00:00 GMT on 12 April 1992, was 1:00 British
    // Summer Time in London: row 29 with daylight saving gives the same
    // instant as the example typed by hand.
    json person = PersonAt("London, United Kingdom");
    person["Hour"] = 1;
    const CliRun run =
        RunCli("chart", tirovane::test::WorkedExamplePerson().dump() + "\n" + person.dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 0);
    ASSERT_EQ(run.Lines.size(), 2u);
    const json byHand = json::parse(run.Lines[0]);
    const json chart = json::parse(run.Lines[1]);
    EXPECT_FALSE(byHand.contains("PlaceResolved"));
    ASSERT_TRUE(chart.contains("PlaceResolved")) << run.Lines[1];
    const json& resolved = chart["PlaceResolved"];
    EXPECT_EQ(resolved["Name"], "London");
    EXPECT_EQ(resolved["CountryCode"], "GB");
    EXPECT_EQ(resolved["ZoneRow"], 29);
    EXPECT_EQ(resolved["DaylightSaving"], true);
    EXPECT_EQ(resolved["UtcOffsetMinutes"], 60);
    EXPECT_EQ(resolved["Note"], "");
    EXPECT_DOUBLE_EQ(chart["JulianDayUT"].get<double>(), byHand["JulianDayUT"].get<double>());
    EXPECT_EQ(chart["MoonSignName"], "Kataka");
}

TEST(PlaceCommand, AnUnknownPlaceIsAnErrorLineNamingIt) {
    const CliRun run =
        RunCli("chart", PersonAt("Qqxqzvw").dump() + "\n" + PersonAt("Chennai").dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 1);
    ASSERT_EQ(run.Lines.size(), 2u);
    const json first = json::parse(run.Lines[0]);
    ASSERT_TRUE(first.contains("error"));
    EXPECT_NE(first["error"].get<std::string>().find("Qqxqzvw"), std::string::npos);
    EXPECT_EQ(json::parse(run.Lines[1])["PlaceResolved"]["Name"], "Chennai");
}

TEST(PlaceCommand, AReadingFromTownNamesAlone) {
    const std::string input = PersonAt("Bombay").dump() + "\n" + PersonAt("Calcutta").dump() + "\n";
    const CliRun run = RunCli("reading", input);
    EXPECT_EQ(run.ExitStatus, 0);
    ASSERT_EQ(run.Lines.size(), 1u);
    const json reading = json::parse(run.Lines[0]);
    ASSERT_EQ(reading["people"].size(), 2u);
    EXPECT_EQ(reading["people"][0]["PlaceResolved"]["Name"], "Mumbai");
    EXPECT_EQ(reading["people"][1]["PlaceResolved"]["Name"], "Kolkata");
    EXPECT_EQ(reading["people"][1]["PlaceResolved"]["ZoneRow"], 34);
}

} // namespace

namespace {

TEST(PlaceCommand, SaveWithPlacesWritesTheirFieldsAndSaysWhatTheyWere) {
    // 1:00 BST in London is the worked example's instant; the partner in
    // Chennai on the same date.
    json first = PersonAt("London, United Kingdom");
    first["Hour"] = 1;
    json partner = PersonAt("Madras");
    partner["Name"] = "Partner";
    const std::string file = (std::filesystem::temp_directory_path() / "place_pair.tvr").string();
    const CliRun save = RunCli("save " + file, first.dump() + "\n" + partner.dump() + "\n");
    EXPECT_EQ(save.ExitStatus, 0);
    ASSERT_EQ(save.Lines.size(), 1u);
    const json said = json::parse(save.Lines[0]);
    ASSERT_EQ(said["PlaceResolved"].size(), 2u);
    EXPECT_EQ(said["PlaceResolved"][0]["Name"], "London");
    EXPECT_EQ(said["PlaceResolved"][1]["Name"], "Chennai");

    // The saved reading reads back as the reading of the same lines.
    const CliRun fromFile = RunCli("reading " + file, "");
    const CliRun fromResolved = RunCli("reading", first.dump() + "\n" + partner.dump() + "\n");
    ASSERT_EQ(fromFile.Lines.size(), 1u);
    ASSERT_EQ(fromResolved.Lines.size(), 1u);
    json a = json::parse(fromFile.Lines[0]);
    json b = json::parse(fromResolved.Lines[0]);
    for (json* reading : {&a, &b}) {
        for (json& person : (*reading)["people"]) {
            person.erase("PlaceResolved");
        }
    }
    EXPECT_EQ(a, b);
    std::filesystem::remove(file);
}

} // namespace
