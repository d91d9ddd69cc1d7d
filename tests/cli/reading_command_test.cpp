// tirovane-cli reading end to end. The worked example's Mars (Aquarius),
// ascendant (Scorpio) and Moon (Cancer) give house 4 from Lagna and house 8
// from Chandra, both cancelled because Mars is in Aquarius.

#include "tests/cli/cli_runner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

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

namespace {

std::string TempPath(const char* name) {
    return (std::filesystem::temp_directory_path() /
            ("tirovane-cli-" + std::to_string(::getpid()) + "-" + name))
        .string();
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(SavedReadingCommands, SaveThenReadingFromTheFileGivesTheSameReading) {
    json partner = WorkedExamplePerson();
    partner["Name"] = "Partner";
    partner["ZoneRow"] = 61;
    partner["South"] = true;
    // She is female: the sex travels through the file and makes the
    // partner the groom.
    json first = WorkedExamplePerson();
    first["Sex"] = "female";
    const std::string input = first.dump() + "\n" + partner.dump() + "\n";
    const std::string file = TempPath("pair.tvr");
    EXPECT_EQ(RunCli("save " + file, input).ExitStatus, 0);
    const std::string bytes = ReadBytes(file);
    // "Example" reversed and shifted by 85, then CR LF.
    EXPECT_EQ(bytes.substr(0, 9), "\xBA\xC1\xC5\xC2\xB6\xCD\x9A\r\n");
    const CliRun fromFile = RunCli("reading " + file, "");
    const CliRun fromInput = RunCli("reading", input);
    EXPECT_EQ(fromFile.ExitStatus, 0);
    ASSERT_EQ(fromFile.Lines.size(), 1u);
    EXPECT_EQ(fromFile.Lines, fromInput.Lines);
    EXPECT_EQ(json::parse(fromFile.Lines.at(0))["Groom"], 1);
    std::filesystem::remove(file);

    EXPECT_EQ(json::parse(RunCli("reading /tmp/reading.TVR", "").Lines.at(0)),
              json({{"error", "Please Check The File. The name of a saved reading ends in "
                              "\"tvr\", like \"reading.tvr\"."}}));
    EXPECT_EQ(RunCli("reading /no/such/file.tvr", "").ExitStatus, 1);
}

// Names and places in other scripts are saved whole (in the UTF-8 form of
// the file) and read back to the same reading; the export keeps them too.
TEST(SavedReadingCommands, NamesInEveryScriptComeBackWhole) {
    struct Case {
        const char* What;
        const char* Name;
        const char* City;
    };
    const Case cases[] = {
        {"Devanagari", "\u0906\u0936\u093E \u0936\u0930\u094D\u092E\u093E",
         "\u0926\u093F\u0932\u094D\u0932\u0940"},
        {"Tamil", "\u0B95\u0BBE\u0BB0\u0BCD\u0BA4\u0BCD\u0BA4\u0BBF\u0B95\u0BCD",
         "\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8"},
        {"Telugu", "\u0C38\u0C40\u0C24", "\u0C35\u0C3F\u0C1C\u0C2F\u0C35\u0C3E\u0C21"},
        {"accented Latin, from the place finder", "Jos\u00E9", "\u0141\u00F3d\u017A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        json partner = WorkedExamplePerson();
        partner["Name"] = c.Name;
        partner["City"] = c.City;
        const std::string input = WorkedExamplePerson().dump() + "\n" + partner.dump() + "\n";
        const std::string file = TempPath("scripts.tvr");
        ASSERT_EQ(RunCli("save " + file, input).ExitStatus, 0);
        EXPECT_EQ(ReadBytes(file).rfind("Tirovane reading, UTF-8\r\n", 0), 0u);
        const CliRun fromFile = RunCli("reading " + file, "");
        EXPECT_EQ(fromFile.ExitStatus, 0);
        EXPECT_EQ(fromFile.Lines, RunCli("reading", input).Lines);
        const json reading = json::parse(fromFile.Lines.at(0));
        EXPECT_EQ(reading["lblInterpretation"][4].get<std::string>().find(c.Name), 13u)
            << "\"Your partner \" and the name";

        const std::string exported = TempPath("scripts.txt");
        ASSERT_EQ(RunCli("export " + exported + " --reading " + file, "").ExitStatus, 0);
        const std::string text = ReadBytes(exported);
        EXPECT_EQ(text.rfind("\xEF\xBB\xBFName: " + std::string(c.Name) + "\r\n", 0), 0u)
            << "UTF-8 after a byte-order mark";
        EXPECT_NE(text.find("City: " + std::string(c.City) + "\r\n"), std::string::npos);
        std::filesystem::remove(file);
        std::filesystem::remove(exported);
    }
}

TEST(SavedReadingCommands, ExportWritesThePartnersChart) {
    json partner = WorkedExamplePerson();
    partner["Name"] = "Partner";
    partner["Hour"] = 7;
    partner["Minute"] = 3;
    const std::string out = TempPath("partner.txt");
    const CliRun run =
        RunCli("export " + out, WorkedExamplePerson().dump() + "\n" + partner.dump() + "\n");
    EXPECT_EQ(run.ExitStatus, 0);
    const std::string text = ReadBytes(out);
    EXPECT_EQ(text.rfind("Name: Partner\r\nDate of Birth: April 12, 1992\r\n"
                         "Time of Birth: 7 Hour 3 Minute\r\n"
                         "Latitude: 51 Degree 30 Minute \r\nLongitude: 0 Degree 0 Minute \r\n",
                         0),
              0u);
    EXPECT_NE(text.find("\r\r\nOther Planetary Details\r\nAyanamsa: 23\xB0 45' "),
              std::string::npos);
    std::filesystem::remove(out);
    EXPECT_EQ(RunCli("export", "").ExitStatus, 2);
}

} // namespace
