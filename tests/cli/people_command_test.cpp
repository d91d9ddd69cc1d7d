// tirovane-cli people and match --library end to end: a matchmaker's day
// with the real tool. The worked example's Moon is in Cancer, Aslesha; a
// day later in Leo, Magha: hand-counted, the example with a twin of its own
// birth gives 28 of 36, with the next day's birth 16.

#include "tests/cli/cli_runner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using tirovane::test::RunCliShell;
using tirovane::test::ShellRun;
using tirovane::test::WorkedExamplePerson;

json Named(const char* name, int day = 12, const char* sex = nullptr) {
    json person = WorkedExamplePerson();
    person["Name"] = name;
    person["Day"] = day;
    if (sex != nullptr) {
        person["Sex"] = sex;
    }
    return person;
}

std::vector<json> JsonLines(const std::string& text) {
    std::vector<json> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(json::parse(line));
    }
    return lines;
}

class PeopleCommand : public testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("tirovane-people-cli-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string In(const std::string& name) const { return (dir / name).string(); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(In(name), std::ios::binary) << text;
    }
    std::string Read(const std::string& name) {
        std::ifstream in(In(name), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    ShellRun People(const std::string& library, const std::string& arguments) {
        return RunCliShell("people --library " + In(library) + " " + arguments);
    }

    fs::path dir;
};

TEST_F(PeopleCommand, AddListSearchExportImportAndRemove) {
    Write("in.jsonl", Named("Asha", 12, "female").dump() + "\n\n" + Named("José", 13).dump() +
                          "\n" + Named("Asha", 12, "female").dump() + "\n");
    const ShellRun added = People("lib.sqlite", "add < " + In("in.jsonl"));
    EXPECT_EQ(added.ExitStatus, 0) << added.Err;
    const auto ids = JsonLines(added.Out);
    ASSERT_EQ(ids.size(), 2u) << "the same person twice is added once";
    EXPECT_EQ(ids[0], (json{{"Id", 1}, {"Name", "Asha"}}));
    EXPECT_EQ(ids[1], (json{{"Id", 2}, {"Name", "José"}}));
    EXPECT_NE(added.Err.find("Asha is already in the library (Id 1)."), std::string::npos);
    EXPECT_NE(added.Err.find("\"line\":4"), std::string::npos) << "the blank line counts";

    const auto listed = JsonLines(People("lib.sqlite", "list").Out);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0]["Sex"], "female");
    EXPECT_EQ(listed[0]["LatitudeDegrees"], 51);
    EXPECT_FALSE(listed[1].contains("Sex"));
    EXPECT_EQ(JsonLines(People("lib.sqlite", "list --search JOSE").Out).size(), 1u);
    EXPECT_EQ(JsonLines(People("lib.sqlite", "list --search nobody").Out).size(), 0u);

    // Exported as CSV and imported into a new library: the same people.
    ASSERT_EQ(People("lib.sqlite", "export " + In("all.csv")).ExitStatus, 0);
    EXPECT_EQ(Read("all.csv").substr(0, 20), "Name,Day,Month,Year,");
    const ShellRun imported = People("copy.sqlite", "import " + In("all.csv"));
    EXPECT_EQ(imported.ExitStatus, 0) << imported.Err;
    auto copy = JsonLines(People("copy.sqlite", "list").Out);
    auto original = listed;
    for (auto* people : {&copy, &original}) {
        for (json& p : *people) {
            p.erase("Added");
            p.erase("Changed");
        }
    }
    EXPECT_EQ(copy, original);
    // And as JSON lines.
    ASSERT_EQ(People("lib.sqlite", "export " + In("all.jsonl")).ExitStatus, 0);
    EXPECT_EQ(JsonLines(Read("all.jsonl")).size(), 2u);

    EXPECT_EQ(People("lib.sqlite", "remove 2").ExitStatus, 0);
    const ShellRun again = People("lib.sqlite", "remove 2");
    EXPECT_EQ(again.ExitStatus, 1);
    EXPECT_NE(again.Err.find("There is no person with Id 2 in the library."), std::string::npos);
    EXPECT_EQ(JsonLines(People("lib.sqlite", "list").Out).size(), 1u);
}

TEST_F(PeopleCommand, BadLinesImportNothingUnlessSkipped) {
    Write("people.csv",
          "Name,Date,Time,Place,Sex\n"
          "Meera,1990-05-04,07:15,Chennai,female\n"
          "R2D2,1990-05-04,07:15,Chennai,\n"                         // a digit in the name
          "Kavya,1990-02-30,07:15,Chennai,female\n"                  // no such day
          "K. Iyer,1988-11-30,23:05,\"Bengaluru, Karnataka\",male\n" // a quoted comma
          "Anu,1990-05-04,7.15,Chennai,\n");                         // not HH:MM
    const ShellRun refused = People("lib.sqlite", "import " + In("people.csv"));
    EXPECT_EQ(refused.ExitStatus, 1);
    EXPECT_TRUE(refused.Out.empty());
    EXPECT_FALSE(fs::exists(In("lib.sqlite"))) << "nothing imported, no library made";
    for (const char* line : {"\"line\":3", "\"line\":4", "\"line\":6"}) {
        EXPECT_NE(refused.Err.find(line), std::string::npos) << line << "\n" << refused.Err;
    }
    EXPECT_NE(refused.Err.find("Please enter only letters"), std::string::npos);
    EXPECT_NE(refused.Err.find("Nothing was imported: 3 bad lines."), std::string::npos);

    const ShellRun skipped = People("lib.sqlite", "import --skip-bad " + In("people.csv"));
    EXPECT_EQ(skipped.ExitStatus, 1) << "bad lines still make it a failure";
    const auto ids = JsonLines(skipped.Out);
    ASSERT_EQ(ids.size(), 2u);
    EXPECT_EQ(ids[1]["Name"], "K. Iyer");
    // The places were found at each birth's date: Chennai in India.
    const auto listed = JsonLines(People("lib.sqlite", "list --search chennai").Out);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0]["TimeZone"], "Asia/Kolkata");
    EXPECT_EQ(listed[0]["LatitudeDegrees"], 13);
    EXPECT_TRUE(listed[0]["East"].get<bool>());
}

TEST_F(PeopleCommand, MatchRanksTheLibraryBestFirst) {
    Write("in.jsonl", Named("Example").dump() + "\n" + Named("Next day", 13).dump() + "\n" +
                          Named("Twin").dump() + "\n");
    // The twin's name differs, so the two are two people.
    ASSERT_EQ(People("lib.sqlite", "add < " + In("in.jsonl")).ExitStatus, 0);
    const ShellRun run = RunCliShell("match --library " + In("lib.sqlite") + " --person 1");
    EXPECT_EQ(run.ExitStatus, 0) << run.Err;
    const auto ranked = JsonLines(run.Out);
    ASSERT_EQ(ranked.size(), 2u);
    EXPECT_EQ(ranked[0]["Id"], 3);
    EXPECT_EQ(ranked[0]["Name"], "Twin");
    EXPECT_EQ(ranked[0]["Ashtakoota"]["Total"], 28);
    EXPECT_EQ(ranked[1]["Ashtakoota"]["Total"], 16);
    EXPECT_EQ(ranked[1]["FirstPerson"]["Name"], "Example");
    EXPECT_TRUE(ranked[1].contains("Porutham"));

    EXPECT_EQ(
        JsonLines(RunCliShell("match --library " + In("lib.sqlite") + " --person 1 --limit 1").Out)
            .size(),
        1u);
    EXPECT_EQ(
        JsonLines(
            RunCliShell("match --library " + In("lib.sqlite") + " --person 1 --min-points 20").Out)
            .size(),
        1u);
    const ShellRun nobody = RunCliShell("match --library " + In("lib.sqlite") + " --person 9");
    EXPECT_EQ(nobody.ExitStatus, 1);
    EXPECT_NE(nobody.Err.find("There is no person with Id 9"), std::string::npos);
    EXPECT_EQ(RunCliShell("match --person 1").ExitStatus, 2) << "--person needs --library";
    EXPECT_EQ(
        RunCliShell("match --library " + In("lib.sqlite") + " --person 1 --sort best").ExitStatus,
        2);
}

TEST_F(PeopleCommand, ReadingNeverCreatesAndAForeignFileIsLeftAlone) {
    const ShellRun missing = People("none.sqlite", "list");
    EXPECT_EQ(missing.ExitStatus, 1);
    EXPECT_NE(missing.Err.find("There is no people library at"), std::string::npos);
    EXPECT_FALSE(fs::exists(In("none.sqlite")));
    EXPECT_EQ(RunCliShell("match --library " + In("none.sqlite") + " --person 1").ExitStatus, 1);

    Write("notes.txt", "my notes\n");
    Write("in.jsonl", Named("Asha").dump() + "\n");
    const ShellRun refused = People("notes.txt", "add < " + In("in.jsonl"));
    EXPECT_EQ(refused.ExitStatus, 1);
    EXPECT_NE(refused.Err.find("is not a people library; it was left as it was."),
              std::string::npos)
        << refused.Err;
    EXPECT_EQ(Read("notes.txt"), "my notes\n");
}

} // namespace
