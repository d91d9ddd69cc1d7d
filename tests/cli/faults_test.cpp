// tirovane-cli where things go wrong: damaged saved readings, pipes and
// devices given as files, output that cannot be written, input that cannot
// be read, file names in other encodings, and what `save` would lose.

#include "files/saved_reading.h"
#include "tests/cli/cli_runner.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using tirovane::test::RunCli;
using tirovane::test::RunCliShell;
using tirovane::test::ShellRun;
using tirovane::test::WorkedExamplePerson;

const char* const WrongExtension =
    "Please Check The File. The name of a saved reading ends in \"tvr\", like \"reading.tvr\".";
const char* const NotOrdinary = "it is not an ordinary file (a device, a pipe or a socket)";

class CliFaults : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("tirovane-cli-faults-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string In(const std::string& name) const { return (dir / name).string(); }
    static void Write(const std::string& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static std::string Pair() {
        json partner = WorkedExamplePerson();
        partner["Name"] = "Partner";
        return WorkedExamplePerson().dump() + "\n" + partner.dump() + "\n";
    }
    // The 34 lines of a good saved reading, unscrambled.
    static std::vector<std::string> GoodLines() {
        return {"Example",
                "4",
                "12",
                "1992",
                "0",
                "0",
                "29",
                "0",
                "0",
                "51",
                "30",
                "False",
                "False",
                "False",
                "London",
                "England",
                "United Kingdom",
                "Partner",
                "4",
                "12",
                "1992",
                "0",
                "0",
                "29",
                "0",
                "0",
                "51",
                "30",
                "False",
                "False",
                "False",
                "London",
                "England",
                "United Kingdom"};
    }
    static std::string FileOf(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += tirovane::Scramble(line) + "\r\n";
        }
        return bytes;
    }
    fs::path dir;
};

TEST_F(CliFaults, ADamagedSavedReadingNamesItsLine) {
    Write(In("good.tvr"), FileOf(GoodLines()));
    const ShellRun good = RunCliShell("reading " + In("good.tvr"));
    EXPECT_EQ(good.ExitStatus, 0) << good.Out;

    struct Case {
        int Line; // 1 to 34
        std::string Text;
        std::string Problem;
    };
    const Case cases[] = {
        {2, "13", "does not hold a month from 1 to 12"},
        {3, "99", "does not hold a day from 1 to 31"},
        {4, "1850", "does not hold a year from 1901 to 2050"},
        {5, "24", "does not hold an hour from 0 to 23"},
        {6, "", "does not hold a minute from 0 to 59"},
        {7, "-1", "does not hold a zone row from 0 to 70"},
        {24, "71", "does not hold a zone row from 0 to 70"},
        {30, "Maybe", "does not hold True or False"},
        {20, "05", "does not hold a day from 1 to 31"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> lines = GoodLines();
        lines[static_cast<std::size_t>(c.Line - 1)] = c.Text;
        Write(In("bad.tvr"), FileOf(lines));
        const ShellRun run = RunCliShell("reading " + In("bad.tvr"));
        EXPECT_EQ(run.ExitStatus, 1) << c.Line;
        const json error = json::parse(run.Out);
        EXPECT_EQ(error.value("error", ""), "The saved reading " + In("bad.tvr") +
                                                " is damaged: line " + std::to_string(c.Line) +
                                                " " + c.Problem + ".");
        EXPECT_EQ(error.value("line", 0), c.Line);
        EXPECT_EQ(error.value("person", -1), c.Line > 17 ? 1 : 0);
    }

    std::vector<std::string> shortFile = GoodLines();
    shortFile.resize(20);
    Write(In("short.tvr"), FileOf(shortFile));
    const ShellRun run = RunCliShell("reading " + In("short.tvr"));
    EXPECT_EQ(run.ExitStatus, 1);
    EXPECT_EQ(json::parse(run.Out)["error"],
              "The saved reading " + In("short.tvr") + " is damaged: line 21 is missing.");
}

TEST_F(CliFaults, PipesFoldersAndDevicesAreRefusedWithoutWaiting) {
    ASSERT_EQ(::mkfifo(In("x.tvr").c_str(), 0644), 0);
    fs::create_directories(In("folder.tvr"));
    struct Case {
        std::string Arguments, Error;
    };
    const Case cases[] = {
        {"reading " + In("x.tvr"),
         "The file " + In("x.tvr") + " could not be opened: " + NotOrdinary + "."},
        {"export " + In("out.txt") + " --reading " + In("x.tvr"),
         "The file " + In("x.tvr") + " could not be opened: " + NotOrdinary + "."},
        {"reading " + In("folder.tvr"),
         "The file " + In("folder.tvr") + " could not be opened: it is a folder."},
    };
    for (const Case& c : cases) {
        // A hang ends after a while with status 124.
        const ShellRun run = RunCliShell(c.Arguments + " < /dev/null");
        EXPECT_EQ(run.ExitStatus, 1) << c.Arguments;
        EXPECT_EQ(json::parse(run.Out), json({{"error", c.Error}})) << c.Arguments;
    }
    EXPECT_FALSE(fs::exists(In("out.txt")));

    // A device node in a scratch folder stands for /dev/null: exporting
    // over it must leave it a device.
    if (::mknod(In("null.txt").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        GTEST_SKIP() << "device nodes cannot be made here";
    }
    const tirovane::test::CliRun exported = RunCli("export " + In("null.txt"), Pair());
    EXPECT_EQ(exported.ExitStatus, 1);
    EXPECT_EQ(json::parse(exported.Lines.at(0)),
              json({{"error", "The file " + In("null.txt") +
                                  " could not be written: " + NotOrdinary + "."}}));
    struct stat status {};
    ASSERT_EQ(::lstat(In("null.txt").c_str(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
}

TEST_F(CliFaults, OutputThatCannotBeWrittenIsAFailure) {
    Write(In("pair.jsonl"), Pair());
    for (const char* command : {"chart", "reading", "match"}) {
        const ShellRun run =
            RunCliShell(std::string(command) + " < " + In("pair.jsonl") + " > /dev/full");
        EXPECT_EQ(run.ExitStatus, 1) << command;
        EXPECT_NE(run.Err.find("the output could not be written"), std::string::npos) << run.Err;
    }
    // A reader that goes away after the first bytes of a long stream.
    std::string many;
    for (int i = 0; i < 400; ++i) {
        many += WorkedExamplePerson().dump() + "\n";
    }
    Write(In("many.jsonl"), many);
    const std::string pipeline = std::string("bash -c '") + TIROVANE_CLI_PATH + " chart < " +
                                 In("many.jsonl") + " 2> " + In("err") +
                                 " | head -c 10 > /dev/null; exit ${PIPESTATUS[0]}'";
    const int status = std::system(pipeline.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << "ended by a signal";
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_NE(Read(In("err")).find("the output could not be written"), std::string::npos);
}

TEST_F(CliFaults, InputThatCannotBeReadIsReportedNotACrash) {
    for (const std::string& redirection : {std::string("<&-"), "< " + dir.string()}) {
        for (const std::string& command :
             {std::string("chart"), std::string("reading"), "save " + In("s.tvr")}) {
            const ShellRun run = RunCliShell(command + " " + redirection);
            EXPECT_EQ(run.ExitStatus, 1) << command << " " << redirection;
            EXPECT_EQ(run.Err, "tirovane-cli: standard input could not be read.\n")
                << command << " " << redirection;
        }
    }
    EXPECT_FALSE(fs::exists(In("s.tvr")));
}

TEST_F(CliFaults, FileNamesInOtherEncodingsAppearInTheMessages) {
    // Latin-1 "é" (0xE9) is no UTF-8.
    const std::string latin1 = In("caf\xE9");
    struct Case {
        std::string Arguments, Error;
    };
    const Case cases[] = {
        {"reading '" + latin1 + ".tvr'",
         "The file " + In("caf\xEF\xBF\xBD") +
             ".tvr could not be opened: No such file or directory."},
        {"export '" + latin1 + "/out.txt'",
         "The file " + In("caf\xEF\xBF\xBD") +
             "/out.txt could not be written: No such file or directory."},
    };
    Write(In("pair.jsonl"), Pair());
    for (const Case& c : cases) {
        const ShellRun run = RunCliShell(c.Arguments + " < " + In("pair.jsonl"));
        EXPECT_EQ(run.ExitStatus, 1) << c.Arguments;
        EXPECT_EQ(json::parse(run.Out), json({{"error", c.Error}}));
    }
}

TEST_F(CliFaults, SaveWritesOnlyWhatCanBeReadBack) {
    struct Case {
        const char* Field;
        std::string Text;
        std::string Error;
    };
    const Case cases[] = {
        {"Name", std::string(32768, 'a'), "Please enter at most 32767 letters"},
        {"City", std::string(32768, 'a'), "Please enter at most 32767 letters"},
        {"State", std::string(600000, 'b'), "Please enter at most 32767 letters"},
    };
    for (const Case& c : cases) {
        json partner = WorkedExamplePerson();
        partner[c.Field] = c.Text;
        const tirovane::test::CliRun run =
            RunCli("save " + In("p.tvr"), WorkedExamplePerson().dump() + "\n" + partner.dump());
        EXPECT_EQ(run.ExitStatus, 1) << c.Field;
        EXPECT_EQ(json::parse(run.Lines.at(0)),
                  json({{"error", c.Error}, {"person", 1}, {"field", c.Field}}));
        EXPECT_FALSE(fs::exists(In("p.tvr")));
    }

    // The longest name the form takes comes back whole.
    json longest = WorkedExamplePerson();
    longest["Name"] = std::string(32767, 'z');
    const std::string input = longest.dump() + "\n" + longest.dump() + "\n";
    ASSERT_EQ(RunCli("save " + In("long.tvr"), input).ExitStatus, 0);
    EXPECT_EQ(RunCli("reading " + In("long.tvr"), "").Lines, RunCli("reading", input).Lines);

    // The same words for a name without the extension, saving or reading.
    Write(In("x.txt"), FileOf(GoodLines()));
    for (const char* command : {"save", "reading"}) {
        const tirovane::test::CliRun run = RunCli(std::string(command) + " " + In("x.txt"), Pair());
        EXPECT_EQ(run.ExitStatus, 1) << command;
        EXPECT_EQ(json::parse(run.Lines.at(0)), json({{"error", WrongExtension}})) << command;
    }
    // An empty file name is a wrong name, never standard input.
    const tirovane::test::CliRun empty = RunCli("reading ''", Pair());
    EXPECT_EQ(empty.ExitStatus, 1);
    EXPECT_EQ(json::parse(empty.Lines.at(0)), json({{"error", WrongExtension}}));
    EXPECT_EQ(RunCli("export " + In("e.txt") + " --reading ''", Pair()).ExitStatus, 1);
    EXPECT_FALSE(fs::exists(In("e.txt")));
}

TEST(ChartLines, NumbersDuplicatesAndWholeValues) {
    struct Case {
        std::string Line;
        std::string Error; // empty: charted
    };
    const auto with = [](const char* field, const char* value) {
        std::string line = WorkedExamplePerson().dump();
        const std::string key = std::string("\"") + field + "\":";
        const auto at = line.find(key) + key.size();
        const auto end = line.find_first_of(",}", at);
        return line.replace(at, end - at, value);
    };
    std::string twice = WorkedExamplePerson().dump();
    twice.insert(1, "\"Hour\":5,");
    const Case cases[] = {
        {with("Day", "1e400"), "A number in the line is out of range."},
        {with("Day", "-1e400"), "A number in the line is out of range."},
        {twice, "Field Hour is given twice."},
        {with("Hour", "15.0"), ""},
        {with("Day", "12.000"), ""},
        {with("Hour", "15.5"), "Field Hour must be a whole number."},
        {with("Year", "1e3"), "Field Year must be from 1901 to 2050."},
        {with("Year", "1.992e3"), ""},
        {with("Hour", "24.0"), "Field Hour must be from 0 to 23."},
        {with("Hour", "\"15\""), "Field Hour must be a whole number."},
    };
    std::string input;
    for (const Case& c : cases) {
        input += c.Line + "\n";
    }
    const tirovane::test::CliRun run = RunCli("chart", input);
    ASSERT_EQ(run.Lines.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const json out = json::parse(run.Lines[i]);
        if (cases[i].Error.empty()) {
            EXPECT_FALSE(out.contains("error")) << cases[i].Line << " " << out.dump();
        } else {
            EXPECT_EQ(out, json({{"error", cases[i].Error}})) << cases[i].Line;
        }
    }
    // 15.0 is the hour 15: the same chart as the integer.
    const tirovane::test::CliRun integer = RunCli("chart", with("Hour", "15") + "\n");
    EXPECT_EQ(run.Lines[3], integer.Lines.at(0));
}

} // namespace
