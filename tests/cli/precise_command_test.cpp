// tirovane-cli with the precise ephemeris: `--precise` charts and readings,
// and `--cross-check`, whose items must be exactly those in which the
// default and the precise outputs of the same births differ.

#include "tests/cli/cli_runner.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

using nlohmann::json;
using tirovane::test::CliRun;
using tirovane::test::RunCli;
using tirovane::test::WorkedExamplePerson;

std::vector<json> Parse(const CliRun& run) {
    std::vector<json> out;
    for (const std::string& line : run.Lines) {
        out.push_back(json::parse(line));
    }
    return out;
}

TEST(PreciseCommand, ChartOfTheWorkedExample) {
    const std::string input = WorkedExamplePerson().dump() + "\n";
    const CliRun run = RunCli("chart --precise", input);
    EXPECT_EQ(run.ExitStatus, 0);
    ASSERT_EQ(run.Lines.size(), 1u);
    const json chart = json::parse(run.Lines[0]);
    // The same instant as the described engine: 1992 April 12, 0 h UT.
    EXPECT_DOUBLE_EQ(chart["JulianDayUT"].get<double>(), 2448724.5);
    // Meeus's example 47.a Moon, 133.167265° apparent at 0 h TT, less
    // nutation (0.00461°) and the Lahiri ayanamsa (23.7492°), plus its motion
    // of about 13.2° a day over the 58 s by which 0 h UT is later: 109.4224°,
    // in Cancer and Aslesha (106°40' to 120°).
    EXPECT_NEAR(chart["Longitudes"][1].get<double>(), 109.4224, 0.005);
    EXPECT_EQ(chart["MoonSignName"], "Kataka");
    EXPECT_EQ(chart["MoonNakshatra"], "Aslesha");
    EXPECT_EQ(chart["AnalyticFallback"], false);
    // Every field of the default chart, from the other engine.
    const json described = json::parse(RunCli("chart", input).Lines.at(0));
    for (const auto& [key, value] : described.items()) {
        EXPECT_TRUE(chart.contains(key)) << key;
    }
    EXPECT_FALSE(described.contains("AnalyticFallback"));
    EXPECT_FALSE(described.contains("CrossCheck"));
    EXPECT_NE(chart["Longitudes"], described["Longitudes"]);
    // Both engines agree within the described theory's error (1.5°).
    for (int body = 0; body < 11; ++body) {
        double d = std::fabs(chart["Longitudes"][body].get<double>() -
                             described["Longitudes"][body].get<double>());
        d = std::min(d, 360 - d);
        EXPECT_LT(d, 1.5) << body;
    }
}

TEST(PreciseCommand, PreciseAndCrossCheckTogetherAreRefused) {
    EXPECT_EQ(RunCli("chart --precise --cross-check", "").ExitStatus, 2);
    EXPECT_EQ(RunCli("reading --precise --cross-check", "").ExitStatus, 2);
}

json RandomPerson(std::mt19937& random, int n) {
    json p = WorkedExamplePerson();
    p["Name"] = "Person";
    p["Year"] = std::uniform_int_distribution(1901, 2050)(random);
    p["Month"] = std::uniform_int_distribution(1, 12)(random);
    p["Day"] = std::uniform_int_distribution(1, 28)(random);
    p["Hour"] = std::uniform_int_distribution(0, 23)(random);
    p["Minute"] = std::uniform_int_distribution(0, 59)(random);
    p["ZoneRow"] = std::uniform_int_distribution(0, 70)(random);
    p["LatitudeDegrees"] = std::uniform_int_distribution(0, 60)(random);
    p["LongitudeDegrees"] = std::uniform_int_distribution(0, 179)(random);
    p["South"] = n % 3 == 0;
    p["East"] = n % 2 == 0;
    p["DaylightSaving"] = n % 5 == 0;
    return p;
}

// The seven items as the default and the precise outputs show them.
json Items(const json& chart) {
    return {chart["AscendantSign"],         chart["MoonSignName"],
            chart["MoonNakshatra"],         chart["LagnaChart"]["House"],
            chart["LagnaChart"]["Verdict"], chart["RashiChart"]["House"],
            chart["RashiChart"]["Verdict"]};
}

TEST(PreciseCommand, CrossCheckNamesExactlyTheItemsThatDiffer) {
    const std::vector<std::string> names = {"AscendantSign", "MoonSignName", "MoonNakshatra",
                                            "LagnaHouse",    "LagnaVerdict", "RashiHouse",
                                            "RashiVerdict"};
    std::mt19937 random(20261208);
    std::string input;
    for (int n = 0; n < 300; ++n) {
        input += RandomPerson(random, n).dump() + "\n";
    }
    const std::vector<json> described = Parse(RunCli("chart", input));
    const std::vector<json> precise = Parse(RunCli("chart --precise", input));
    const CliRun checkedRun = RunCli("chart --cross-check", input);
    EXPECT_EQ(checkedRun.ExitStatus, 0);
    const std::vector<json> checked = Parse(checkedRun);
    ASSERT_EQ(described.size(), 300u);
    ASSERT_EQ(precise.size(), 300u);
    ASSERT_EQ(checked.size(), 300u);
    int disagreements = 0;
    for (std::size_t n = 0; n < checked.size(); ++n) {
        const json ours = Items(described[n]);
        const json theirs = Items(precise[n]);
        json differing = json::array();
        json preciseValues;
        for (std::size_t item = 0; item < names.size(); ++item) {
            if (ours[item] != theirs[item]) {
                differing.push_back(names[item]);
            }
            preciseValues[names[item]] = theirs[item];
        }
        const json& check = checked[n]["CrossCheck"];
        EXPECT_EQ(check["Differing"], differing) << n;
        EXPECT_EQ(check["Agrees"], differing.empty()) << n;
        EXPECT_EQ(check["Precise"], preciseValues) << n;
        EXPECT_EQ(check["Notice"].get<std::string>().empty(), differing.empty()) << n;
        // The rest of the line is the default chart.
        json rest = checked[n];
        rest.erase("CrossCheck");
        EXPECT_EQ(rest, described[n]) << n;
        disagreements += differing.empty() ? 0 : 1;
    }
    // Boundaries are crossed often enough that some of 300 births differ.
    EXPECT_GT(disagreements, 0);
}

TEST(PreciseCommand, ReadingWithCrossCheckAndPrecise) {
    json partner = WorkedExamplePerson();
    partner["Name"] = "Partner";
    partner["Year"] = 1990;
    const std::string input = WorkedExamplePerson().dump() + "\n" + partner.dump() + "\n";
    const json plain = json::parse(RunCli("reading", input).Lines.at(0));
    const CliRun checkedRun = RunCli("reading --cross-check", input);
    EXPECT_EQ(checkedRun.ExitStatus, 0);
    json checked = json::parse(checkedRun.Lines.at(0));
    const CliRun preciseRun = RunCli("reading --precise", input);
    EXPECT_EQ(preciseRun.ExitStatus, 0);
    const json precise = json::parse(preciseRun.Lines.at(0));
    for (int person = 0; person < 2; ++person) {
        const json& check = checked["people"][person]["CrossCheck"];
        EXPECT_EQ(check["Precise"]["LagnaVerdict"],
                  precise["people"][person]["LagnaChart"]["Verdict"]);
        EXPECT_EQ(check["Precise"]["RashiHouse"], precise["people"][person]["RashiChart"]["House"]);
        checked["people"][person].erase("CrossCheck");
        EXPECT_EQ(precise["people"][person]["AnalyticFallback"], false);
    }
    // Without the check the reading is the plain one, field for field.
    EXPECT_EQ(checked, plain);
    // The precise reading's lines follow its own verdicts.
    EXPECT_EQ(precise["lblResult_Male"][2], precise["people"][0]["LagnaChart"]["Verdict"]);
    EXPECT_EQ(precise["lblResult_Female"][5], precise["people"][1]["RashiChart"]["Verdict"]);
}

} // namespace
