// tirovane-cli report end to end: the PDF read back with poppler's tools.
// The worked example (12 April 1992, 00:00 GMT, London) has its ascendant in
// Scorpio (Vrischika), its Moon in Cancer (Kataka), and Mars in Aquarius:
// house 4 from Lagna and house 8 from Chandra, both cancelled.

#include "tests/cli/cli_runner.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using tirovane::test::RunCliShell;
using tirovane::test::ShellRun;
using tirovane::test::WorkedExamplePerson;

// What a shell command writes to its standard output, and its status.
std::pair<std::string, int> Shell(const std::string& command) {
    FILE* pipe = ::popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    for (size_t n = 0; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// Whitespace runs made single blanks, as a search in a PDF viewer sees text.
std::string Simplified(const std::string& text) {
    std::string out;
    bool blank = false;
    for (const char c : text) {
        const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (!space) {
            out += c;
        } else if (!blank) {
            out += ' ';
        }
        blank = space;
    }
    return out;
}

// The number in the attribute `name="..."` of one line of pdftotext's
// -bbox output.
double Attribute(const std::string& line, const std::string& name) {
    const std::string key = " " + name + "=\"";
    const std::size_t at = line.find(key);
    return at == std::string::npos ? std::nan("") : std::stod(line.substr(at + key.size()));
}

std::string PdfText(const fs::path& pdf) {
    const auto [out, status] = Shell("pdftotext -enc UTF-8 '" + pdf.string() + "' -");
    EXPECT_EQ(status, 0) << "pdftotext " << pdf;
    return Simplified(out);
}

class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("tirovane-report-test-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        json partner = WorkedExamplePerson();
        partner["Name"] = "Partner";
        partner["DaylightSaving"] = true;
        partner["Hour"] = 1;
        std::ofstream(folder / "pair.jsonl") << WorkedExamplePerson().dump() << "\n"
                                             << partner.dump() << "\n";
    }
    void TearDown() override {
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder);
    }
    std::string In(const std::string& name) const { return "'" + (folder / name).string() + "'"; }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder;
};

TEST_F(ReportCommand, TheWorkedExampleInBothChartStyles) {
    for (const char* style : {"", " --style south", " --style north"}) {
        SCOPED_TRACE(style);
        const ShellRun run =
            RunCliShell("report " + In("report.pdf") + style + " < " + In("pair.jsonl"));
        EXPECT_EQ(run.ExitStatus, 0) << run.Err;
        EXPECT_EQ(run.Out, "");
        EXPECT_EQ(run.Err, "");
        const std::string text = PdfText(folder / "report.pdf");
        for (const char* expected : {
                 "Name: Example",
                 "Name: Partner",
                 "Date of Birth: April 12, 1992",
                 "Time of Birth: 0 HH 0 MM",
                 "Latitude: 51 Degree 30 Minute North",
                 "Longitude: 0 Degree 0 Minute West",
                 "City: London",
                 "Time Zone: Greenwich Mean Time,GMT,0.0",
                 "Daylight Saving: No",
                 "Daylight Saving: Yes",
                 "Vrishcika",
                 "Kataka",
                 "Position of Mars from Lagna is 4",
                 "Position of Mars from Chandra is 8",
                 "Your Mangal Dosha has been cancelled due to other placements in your chart.",
                 "The person is Non Manglik",
                 "You do not have Manglik Dosha.",
                 "Total",
                 "Remedies for Manglik",
                 "6) Persisting clash with the family",
                 "Tirovane v1.15",
             }) {
            EXPECT_NE(text.find(expected), std::string::npos) << expected;
        }
        EXPECT_LT(fs::file_size(folder / "report.pdf"), 1024u * 1024u);
        EXPECT_EQ(Entries(), (std::vector<std::string>{"pair.jsonl", "report.pdf"}));
    }
}

// The report in Hindi: Devanagari faces embedded, the reading's texts in
// Hindi. Qt's PDF writer maps a glyph back to characters only where the
// glyph is one character, so vowel signs (the short i before its consonant,
// the e above it) and conjuncts are lost to text extraction: the words
// checked are ones that extraction gives back whole.
TEST_F(ReportCommand, InHindiWithItsFontsEmbedded) {
    const ShellRun run =
        RunCliShell("report " + In("hi.pdf") + " --language hi < " + In("pair.jsonl"));
    EXPECT_EQ(run.ExitStatus, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    const auto [fonts, status] = Shell("pdffonts '" + (folder / "hi.pdf").string() + "'");
    EXPECT_EQ(status, 0);
    for (const char* face :
         {"NotoSansDevanagari-Regular", "NotoSansDevanagari-Bold", "DejaVuSans"}) {
        const std::size_t at = fonts.find(face);
        ASSERT_NE(at, std::string::npos) << face << "\n" << fonts;
        const std::string line = fonts.substr(at, fonts.find('\n', at) - at);
        EXPECT_NE(line.find(" yes "), std::string::npos) << "embedded: " << line;
    }
    const std::string text = PdfText(folder / "hi.pdf");
    for (const char* expected : {
             "\u0928\u093E\u092E: Example",                   // "Name: Example"
             "\u092E\u0902\u0917\u0932 \u092D\u093E\u0935 4", // "Mars ... house 4"
             "\u0915\u0941\u0932",                            // "Total"
             "Tirovane v1.15",
         }) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(text.find("Position of Mars"), std::string::npos) << "no English result line";

    // A language the program does not ship is refused by name.
    const ShellRun unknown =
        RunCliShell("report " + In("xx.pdf") + " --language xx < " + In("pair.jsonl"));
    EXPECT_EQ(unknown.ExitStatus, 2);
    EXPECT_NE(unknown.Err.find("xx"), std::string::npos) << unknown.Err;
    EXPECT_FALSE(fs::exists(folder / "xx.pdf"));
}

// Each shipped Indian language: the report is written, its script's faces
// are embedded, and no result line is left in English.
TEST_F(ReportCommand, InEveryLanguageWithItsScriptsFaceEmbedded) {
    const struct {
        const char* Code;
        const char* Face;
    } languages[] = {{"mr", "NotoSansDevanagari"}, {"bn", "NotoSansBengali"},
                     {"ta", "NotoSansTamil"},      {"te", "NotoSansTelugu"},
                     {"kn", "NotoSansKannada"},    {"ml", "NotoSansMalayalam"}};
    for (const auto& language : languages) {
        SCOPED_TRACE(language.Code);
        const std::string file = std::string(language.Code) + ".pdf";
        const ShellRun run = RunCliShell("report " + In(file) + " --language " + language.Code +
                                         " < " + In("pair.jsonl"));
        ASSERT_EQ(run.ExitStatus, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        const auto [fonts, status] = Shell("pdffonts '" + (folder / file).string() + "'");
        EXPECT_EQ(status, 0);
        for (const char* weight : {"-Regular", "-Bold"}) {
            const std::string face = std::string(language.Face) + weight;
            const std::size_t at = fonts.find(face);
            ASSERT_NE(at, std::string::npos) << face << "\n" << fonts;
            const std::string line = fonts.substr(at, fonts.find('\n', at) - at);
            EXPECT_NE(line.find(" yes "), std::string::npos) << "embedded: " << line;
        }
        const std::string text = PdfText(folder / file);
        EXPECT_NE(text.find("Tirovane v1.15"), std::string::npos);
        for (const char* english : {"Position of Mars", "Name:", "Remedies for Manglik", "Total"}) {
            EXPECT_EQ(text.find(english), std::string::npos) << english;
        }
    }
}

TEST_F(ReportCommand, ChartStylesDrawDifferentCharts) {
    for (const char* style : {"south", "north"}) {
        EXPECT_EQ(RunCliShell("report " + In(std::string(style) + ".pdf") + " --style " + style +
                              " < " + In("pair.jsonl"))
                      .ExitStatus,
                  0);
    }
    // Both hold the same texts; the pictures of the charts differ.
    EXPECT_EQ(PdfText(folder / "south.pdf").size(), PdfText(folder / "north.pdf").size());
    const auto [south, s] = Shell("pdftoppm -f 1 -l 1 -r 30 -gray " + In("south.pdf"));
    const auto [north, n] = Shell("pdftoppm -f 1 -l 1 -r 30 -gray " + In("north.pdf"));
    ASSERT_EQ(s, 0);
    ASSERT_EQ(n, 0);
    EXPECT_TRUE(south != north) << "the same first page in both styles";
}

// A saved reading gives the same report as its two lines; the tool needs
// no display even where the environment names one that does not exist.
TEST_F(ReportCommand, FromASavedReadingWithoutADisplay) {
    ASSERT_EQ(RunCliShell("save " + In("pair.tvr") + " < " + In("pair.jsonl")).ExitStatus, 0);
    const auto [out, status] = Shell("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " +
                                     std::string(TIROVANE_CLI_PATH) + " report " + In("saved.pdf") +
                                     " --reading " + In("pair.tvr") + " 2>&1");
    EXPECT_EQ(status, 0) << out;
    EXPECT_EQ(out, "");
    const std::string text = PdfText(folder / "saved.pdf");
    EXPECT_NE(text.find("Name: Example"), std::string::npos);
    EXPECT_NE(text.find("Name: Partner"), std::string::npos);
    EXPECT_NE(text.find("Position of Mars from Chandra is 8"), std::string::npos);
    // The other commands start without a display too.
    const auto [chart, chartStatus] =
        Shell("env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(TIROVANE_CLI_PATH) + " chart < " +
              In("pair.jsonl") + " 2>&1");
    EXPECT_EQ(chartStatus, 0) << chart;
}

// The engine the positions came from is named, and with --cross-check the
// notice of what the precise ephemeris places differently is printed (20
// December 1972, 12:24 GMT, London: the engines disagree on Mars).
TEST_F(ReportCommand, TheEngineAndTheCrossCheckNotice) {
    json boundary = WorkedExamplePerson();
    boundary["Name"] = "Boundary";
    boundary["Day"] = 20;
    boundary["Month"] = 12;
    boundary["Year"] = 1972;
    boundary["Hour"] = 12;
    boundary["Minute"] = 24;
    std::ofstream(folder / "boundary.jsonl") << boundary.dump() << "\n"
                                             << WorkedExamplePerson().dump() << "\n";
    struct Case {
        const char* Options;
        const char* Engine;
        bool Notice;
    };
    for (const Case& c :
         {Case{"", "Positions from Tirovane's own ephemeris", false},
          Case{" --precise", "Positions from the Swiss Ephemeris", false},
          Case{" --cross-check", "Positions from Tirovane's own ephemeris", true}}) {
        SCOPED_TRACE(c.Options);
        const ShellRun run =
            RunCliShell("report " + In("b.pdf") + c.Options + " < " + In("boundary.jsonl"));
        ASSERT_EQ(run.ExitStatus, 0) << run.Err;
        const std::string text = PdfText(folder / "b.pdf");
        EXPECT_NE(text.find(c.Engine), std::string::npos);
        EXPECT_EQ(text.find("A precise ephemeris places ") != std::string::npos, c.Notice);
    }
}

// Names and places of thousands of letters run onto further pages, yet no
// word is set outside the page's margins of 15 mm (42.5 pt), the footer
// band included.
TEST_F(ReportCommand, LongTextsStayWithinTheMargins) {
    json person = WorkedExamplePerson();
    std::string name;
    for (int k = 0; k < 300; ++k) {
        name += "Abcdefghij";
    }
    person["Name"] = name;
    std::string city;
    for (int k = 0; k < 80; ++k) {
        city += "Longcity ";
    }
    person["City"] = city;
    std::ofstream(folder / "long.jsonl") << person.dump() << "\n" << person.dump() << "\n";
    const ShellRun run = RunCliShell("report " + In("long.pdf") + " < " + In("long.jsonl"));
    ASSERT_EQ(run.ExitStatus, 0) << run.Err;
    const auto [boxes, status] = Shell("pdftotext -bbox " + In("long.pdf") + " -");
    ASSERT_EQ(status, 0);
    constexpr double Margin = 42.5;
    constexpr double Slack = 1; // a glyph's box may reach a little past its line
    int pages = 0;
    int words = 0;
    double width = 0;
    double height = 0;
    std::istringstream lines(boxes);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos) {
            continue;
        }
        if (line.compare(start, 6, "<page ") == 0) {
            ++pages;
            width = Attribute(line, "width");
            height = Attribute(line, "height");
        } else if (line.compare(start, 6, "<word ") == 0) {
            ++words;
            const double xMin = Attribute(line, "xMin"), yMin = Attribute(line, "yMin");
            const double xMax = Attribute(line, "xMax"), yMax = Attribute(line, "yMax");
            EXPECT_GE(xMin, Margin - Slack) << line;
            EXPECT_GE(yMin, Margin - Slack) << line;
            EXPECT_LE(xMax, width - Margin + Slack) << line;
            EXPECT_LE(yMax, height - Margin + Slack) << line;
        }
    }
    EXPECT_GT(pages, 3);
    EXPECT_GT(words, 500);
}

// A report that cannot be made or written is told on standard error, with
// status 1, and leaves nothing behind: no part of a file, no temporary
// file, an existing file as it was.
TEST_F(ReportCommand, FailuresAreToldAndLeaveNothing) {
    std::ofstream(folder / "kept.pdf") << "a user's own file";
    fs::permissions(folder / "kept.pdf", fs::perms::owner_read);
    std::ofstream(folder / "one.jsonl") << WorkedExamplePerson().dump() << "\n";
    struct Case {
        const char* Name;
        std::string Arguments;
        int Status;
        std::string Message;
    };
    const Case cases[] = {
        {"a folder that does not exist",
         "report " + In("none/report.pdf") + " < " + In("pair.jsonl"), 1,
         "could not be written: No such file or directory."},
        {"a read-only file", "report " + In("kept.pdf") + " < " + In("pair.jsonl"), 1,
         "could not be written: it is read-only."},
        {"a folder in the file's place", "report " + In("") + " < " + In("pair.jsonl"), 1,
         "could not be written"},
        {"one person only", "report " + In("report.pdf") + " < " + In("one.jsonl"), 1,
         "the partner: The reading needs two lines: the first person, then the partner."},
        {"a saved reading that is missing",
         "report " + In("report.pdf") + " --reading " + In("missing.tvr"), 1,
         "could not be opened"},
        {"an unknown chart style",
         "report " + In("report.pdf") + " --style west < " + In("pair.jsonl"), 2, "west"},
        {"no file named", "report < " + In("pair.jsonl"), 2, "OUT"},
    };
    const std::vector<std::string> before = Entries();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        const ShellRun run = RunCliShell(c.Arguments);
        EXPECT_EQ(run.ExitStatus, c.Status);
        EXPECT_EQ(run.Out, "");
        EXPECT_NE(run.Err.find(c.Message), std::string::npos) << run.Err;
        EXPECT_EQ(Entries(), before);
    }
    std::ifstream kept(folder / "kept.pdf");
    std::stringstream content;
    content << kept.rdbuf();
    EXPECT_EQ(content.str(), "a user's own file");
}

} // namespace
