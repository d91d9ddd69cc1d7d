// tirovane-cli reading end to end. The worked example's Mars (Aquarius),
// ascendant (Scorpio) and Moon (Cancer) give house 4 from Lagna and house 8
// from Chandra, both cancelled because Mars is in Aquarius.

#include "tests/cli/cli_runner.h"

#include <gtest/gtest.h>

namespace {

using nlohmann::json;
using tirovane::test::CliRun;
using tirovane::test::RunCli;
using tirovane::test::WorkedExamplePerson;

const char* const Cancelled =
    "Your Mangal Dosha has been cancelled due to other placements in your chart. ";

TEST(ReadingCommand, BothPeopleAndEveryResultLine) {
    json partner = WorkedExamplePerson();
    partner["Name"] = "Partner";
    const CliRun run =
        RunCli("reading", WorkedExamplePerson().dump() + "\n" + partner.dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 0);
    ASSERT_EQ(run.Lines.size(), 1u);
    const json reading = json::parse(run.Lines[0]);
    const json male = {
        "Position of Mars from Lagna is 4",   Cancelled, "The person is Non Manglik",
        "Position of Mars from Chandra is 8", Cancelled, "The person is Non Manglik"};
    EXPECT_EQ(reading["lblResult_Male"], male);
    EXPECT_EQ(reading["lblResult_Female"], male);
    const json interpretation = {"Hello Example you are The person is Non Manglik",
                                 "Your partner Partner is The person is Non Manglik",
                                 "You do not have Manglik Dosha.",
                                 "Hello Example you are The person is Non Manglik",
                                 "Your partner Partner is The person is Non Manglik",
                                 "You do not have Manglik Dosha."};
    EXPECT_EQ(reading["lblInterpretation"], interpretation);

    ASSERT_EQ(reading["people"].size(), 2u);
    const json& first = reading["people"][0];
    EXPECT_EQ(first["AscendantText"], "25\u00B0 23' 31\" Sco");
    EXPECT_EQ(first["LagnaChart"]["House"], 4);
    EXPECT_EQ(first["LagnaChart"]["HadDosha"], true);
    EXPECT_EQ(first["LagnaChart"]["IsManglik"], false);
    EXPECT_EQ(first["LagnaChart"]["Percentage"], "");
    EXPECT_EQ(first["RashiChart"]["House"], 8);
    EXPECT_EQ(first["RashiChart"]["Verdict"], "The person is Non Manglik");
    // Chart cells: the ascendant's cell starts with "Asc"; Sun and Mercury
    // stand in Pisces, Mars in Aquarius, Rahu in Sagittarius, Ketu in Gemini.
    const json& cells = first["ChartCells"];
    ASSERT_EQ(cells.size(), 12u);
    EXPECT_EQ(cells[7].get<std::string>().rfind("Asc", 0), 0u);
    EXPECT_EQ(cells[11].get<std::string>().rfind("Surya\r\nBudha", 0), 0u);
    EXPECT_NE(cells[10].get<std::string>().find("Mangala"), std::string::npos);
    EXPECT_NE(cells[8].get<std::string>().find("Rahu"), std::string::npos);
    EXPECT_NE(cells[2].get<std::string>().find("Ketu"), std::string::npos);
    EXPECT_NE(cells[3].get<std::string>().find("Chandra"), std::string::npos);
}

TEST(ReadingCommand, TheFirstPersonWhoFailsIsNamed) {
    json badPartner = WorkedExamplePerson();
    badPartner["Month"] = 11;
    badPartner["Day"] = 31;
    json badFirst = WorkedExamplePerson();
    badFirst["City"] = "";

    CliRun run = RunCli("reading", WorkedExamplePerson().dump() + "\n" + badPartner.dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 1);
    ASSERT_EQ(run.Lines.size(), 1u);
    EXPECT_EQ(json::parse(run.Lines[0]),
              json({{"error", "Please Enter Correct Date Or Month !"}, {"person", 1}}));

    run = RunCli("reading", badFirst.dump() + "\n" + badPartner.dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(json::parse(run.Lines.at(0)),
              json({{"error", "Please Enter City name"}, {"person", 0}}));

    run = RunCli("reading", WorkedExamplePerson().dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(json::parse(run.Lines.at(0))["person"], 1);

    run = RunCli("reading", "{}\n");
    EXPECT_EQ(json::parse(run.Lines.at(0)),
              json({{"error", "Missing field Name."}, {"person", 0}}));
}

} // namespace
