// tirovane-cli chart end to end: the real executable, fed through standard
// input, with its output lines and exit status checked.

#include "tests/cli/cli_runner.h"

#include <gtest/gtest.h>

namespace {

using nlohmann::json;
using tirovane::test::CliRun;
using tirovane::test::RunCli;

json WorkedExample() {
    return tirovane::test::WorkedExamplePerson();
}

TEST(ChartCommand, WorkedExampleAsJson) {
    const CliRun run = RunCli("chart", WorkedExample().dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 0);
    ASSERT_EQ(run.Lines.size(), 1u);
    const json chart = json::parse(run.Lines[0]);
    EXPECT_EQ(chart["AscendantText"], "25\u00B0 23' 31\" Sco");
    EXPECT_EQ(chart["MidheavenText"], "28\u00B0 21' 21\" Vir");
    EXPECT_EQ(chart["MoonPositionText"], "19\u00B0 24' 14\" Can");
    EXPECT_EQ(chart["MoonNakshatra"], "Aslesha");
    EXPECT_EQ(chart["MoonSignName"], "Kataka");
    EXPECT_EQ(chart["AscendantSign"], "Sco");
    EXPECT_EQ(chart["LagnaName"], "Vrishcika");
    EXPECT_EQ(chart["NakshatraLord"], "Mercury");
    EXPECT_EQ(chart["PadaCount"], "4");
    ASSERT_EQ(chart["ChartPositions"].size(), 11u);
    EXPECT_EQ(chart["ChartPositions"][4], "17 Aqu 55");
    EXPECT_EQ(chart["ChartPositions"][8], "09 Gem 43");
    EXPECT_EQ(chart["ChartBodyNames"][10], "Midheaven");
    EXPECT_EQ(chart["ChartBodySanskritNames"][0], "Surya");
    EXPECT_EQ(chart["AyanamsaDisplay"].get<std::string>().rfind("23\u00B0 45' ", 0), 0u);
    // The degree sign is written as UTF-8, not escaped.
    EXPECT_NE(run.Lines[0].find("\xC2\xB0"), std::string::npos);
}

TEST(ChartCommand, NavamsaAndDashaOfTheWorkedExample) {
    const CliRun run = RunCli("chart", WorkedExample().dump() + "\n");
    ASSERT_EQ(run.Lines.size(), 1u);
    const json chart = json::parse(run.Lines[0]);
    // By hand from the Moon at 19°24'14" Cancer: Aslesha (Mercury) began at
    // 106°40', 164.23' of its 800' are passed, 635.77/800 × 17 = 13.510
    // years of Mercury are left. Born 1992-04-12 at 0 h GMT, the period
    // ends 13 years (4748 days) and 186.6 days later: 2005-10-15.
    const json& dasha = chart["Dasha"];
    EXPECT_EQ(dasha["Lord"], "Mercury");
    EXPECT_NEAR(dasha["BalanceYears"].get<double>(), 13.5101, 0.0005);
    const json& periods = dasha["Periods"];
    ASSERT_EQ(periods.size(), 9u);
    EXPECT_EQ(periods[0]["Lord"], "Mercury");
    EXPECT_EQ(periods[0]["End"], "2005-10-15");
    EXPECT_EQ(periods[1]["Lord"], "Ketu");
    EXPECT_EQ(periods[1]["Start"], "2005-10-15");
    EXPECT_EQ(periods[8]["Lord"], "Saturn");
    // Mercury began 17 - 13.51 = 3.49 years before the birth: in 1988.
    EXPECT_EQ(periods[0]["Start"].get<std::string>().substr(0, 5), "1988-");
    ASSERT_EQ(periods[0]["Sub"].size(), 9u);
    EXPECT_EQ(periods[0]["Sub"][0]["Lord"], "Mercury");
    EXPECT_EQ(periods[0]["Sub"][1]["Lord"], "Ketu");
    EXPECT_EQ(periods[0]["Sub"][0]["Start"], periods[0]["Start"]);
    EXPECT_EQ(periods[0]["Sub"][8]["End"], periods[0]["End"]);
    // The Navamsa of the Moon: Cancer's 6th part (19°24' / 3°20'), counted
    // on from Cancer itself (a movable sign): Sagittarius.
    ASSERT_EQ(chart["NavamsaSigns"].size(), 10u);
    EXPECT_EQ(chart["NavamsaSigns"][1], 8);
}

TEST(ChartCommand, RetrogradeMarksInTheSanskritNames) {
    json saturn = WorkedExample();
    saturn["Year"] = 1990;
    saturn["Month"] = 7;
    saturn["Day"] = 1;
    const CliRun run = RunCli("chart", saturn.dump() + "\n");
    ASSERT_EQ(run.Lines.size(), 1u);
    EXPECT_EQ(json::parse(run.Lines[0])["ChartBodySanskritNames"][6], "Shani (R) ");
}

TEST(ChartCommand, BadLinesGetAnErrorAndTheRestGoesOn) {
    json missing = WorkedExample();
    missing.erase("Minute");
    json wrongType = WorkedExample();
    wrongType["East"] = "yes";
    json fractional = WorkedExample();
    fractional["Day"] = 3.5;
    json month = WorkedExample();
    month["Month"] = 13;
    json zone = WorkedExample();
    zone["ZoneRow"] = 71;
    json huge = WorkedExample();
    huge["Year"] = 18446744073709551615ULL;
    json name = WorkedExample();
    name["Name"] = 7;
    json emptyName = WorkedExample();
    emptyName["Name"] = "";
    json latitude = WorkedExample();
    latitude["LatitudeDegrees"] = 95;
    json longitude = WorkedExample();
    longitude["LongitudeMinutes"] = 60;
    json february = WorkedExample();
    february["Month"] = 2;
    february["Day"] = 30;
    json april = WorkedExample();
    april["Day"] = 31;
    json emptyCountry = WorkedExample();
    emptyCountry["Country"] = "";

    struct Case {
        std::string Line;
        std::string Error; // empty: a chart
    };
    const std::vector<Case> cases = {
        {WorkedExample().dump(), ""},
        {"this is not json", "The line is not a JSON object."},
        {"[1, 2, 3]", "The line is not a JSON object."},
        {"", "The line is not a JSON object."},
        {missing.dump(), "Missing field Minute."},
        {wrongType.dump(), "Field East must be true or false."},
        {fractional.dump(), "Field Day must be a whole number."},
        {month.dump(), "Field Month must be from 1 to 12."},
        {zone.dump(), "Field ZoneRow must be from 0 to 70."},
        {huge.dump(), "Field Year must be from 1901 to 2050."},
        {name.dump(), "Field Name must be a text."},
        {emptyName.dump(), "Please Enter Name"},
        {emptyCountry.dump(), "Please Enter Country name"},
        {latitude.dump(), "Please Enter Correct Latitude"},
        {longitude.dump(), "Please Enter Correct Longitude"},
        {february.dump(), "Please Enter Correct Date Or Month!"},
        {april.dump(), "Please Enter Correct Date Or Month !"},
        {WorkedExample().dump() + "\r", ""},
    };
    std::string input;
    for (const Case& c : cases) {
        input += c.Line + "\n";
    }
    const CliRun run = RunCli("chart", input);
    EXPECT_EQ(run.ExitStatus, 1);
    ASSERT_EQ(run.Lines.size(), cases.size());
    for (size_t i = 0; i < cases.size(); ++i) {
        const json out = json::parse(run.Lines[i]);
        if (cases[i].Error.empty()) {
            EXPECT_EQ(out["AscendantText"], "25\u00B0 23' 31\" Sco") << "line " << i;
        } else {
            EXPECT_EQ(out, json({{"error", cases[i].Error}})) << "line " << i;
        }
    }
}

TEST(ChartCommand, ExitStatusForGoodInputAndBadArguments) {
    const std::string two = WorkedExample().dump() + "\n" + WorkedExample().dump() + "\n";
    EXPECT_EQ(RunCli("chart", two).ExitStatus, 0);
    EXPECT_EQ(RunCli("chart", "").ExitStatus, 0);
    EXPECT_EQ(RunCli("", two).ExitStatus, 2);
    EXPECT_EQ(RunCli("horoscope", two).ExitStatus, 2);
    EXPECT_EQ(RunCli("chart --no-such-option", two).ExitStatus, 2);
}

TEST(ChartCommand, OverlongLineIsRefusedWithoutStoppingTheStream) {
    const std::string input = std::string(1 << 21, 'x') + "\n" + WorkedExample().dump() + "\n";
    const CliRun run = RunCli("chart", input);
    EXPECT_EQ(run.ExitStatus, 1);
    ASSERT_EQ(run.Lines.size(), 2u);
    EXPECT_EQ(json::parse(run.Lines[0]), json({{"error", "The line is longer than 1 MiB."}}));
    EXPECT_EQ(json::parse(run.Lines[1])["MoonNakshatra"], "Aslesha");
}

} // namespace
