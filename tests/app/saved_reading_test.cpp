#include "files/codepage.h"
#include "files/file_io.h"
#include "files/saved_reading.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/resource.h>

namespace tirovane {
namespace {

TEST(Scramble, ReversesAndShiftsBy85) {
    EXPECT_EQ(Scramble("abc"), "\xB8\xB7\xB6");
    EXPECT_EQ(Scramble("True"), "\xBA\xCA\xC7\xA9");
    EXPECT_EQ(Scramble(""), "");
    EXPECT_EQ(Unscramble("\xB8\xB7\xB6"), "abc");
    // Codes 171 to 255 cannot be shifted and are dropped.
    EXPECT_EQ(Scramble("Jos\xE9"), "\xC8\xC4\x9F");
    EXPECT_EQ(Scramble(std::string("\xAA\xAB", 2)), "\xFF");
    // Unscrambling drops what no scramble can have written.
    EXPECT_EQ(Unscramble(std::string("\x10\xB6", 2)), "a");
}

TEST(Scramble, UnscrambleUndoesItForCodesUpTo170) {
    std::string all;
    for (int code = 0; code <= 170; ++code) {
        all += static_cast<char>(code);
    }
    EXPECT_EQ(Unscramble(Scramble(all)), all);
    for (const char c : Scramble(all)) {
        EXPECT_GE(static_cast<unsigned char>(c), 85) << "no line break can appear in a line";
    }
}

BirthDetails Person(const char* name) {
    BirthDetails d;
    d.Name = name;
    d.Day = 5;
    d.Month = 3;
    d.Year = 1980;
    d.Hour = 9;
    d.Minute = 5;
    SelectZoneRow(d, 34);
    d.LatitudeDegrees = 28;
    d.LatitudeMinutes = 6;
    d.South = true;
    d.LongitudeDegrees = 77;
    d.LongitudeMinutes = 12;
    d.East = true;
    d.City = "Delhi";
    d.State = "Delhi";
    d.Country = "India";
    return d;
}

std::vector<std::string> Lines(const std::string& file) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = file.find("\r\n", start)) != std::string::npos; start = at + 2) {
        lines.push_back(file.substr(start, at - start));
    }
    EXPECT_EQ(start, file.size()) << "every line ends in CR LF";
    return lines;
}

TEST(ReadingFile, ThirtyFourLinesMonthBeforeDayLongitudeBeforeLatitude) {
    const std::string file = ReadingFileBytes({Person("Ab"), Person(" Cd ")}, {34, 70});
    const std::vector<std::string> lines = Lines(file);
    ASSERT_EQ(lines.size(), 34u);
    const char* expected[17] = {"Ab", "3", "5",    "1980", "9",     "5",     "34",    "77",   "12",
                                "28", "6", "True", "True", "False", "Delhi", "Delhi", "India"};
    for (int k = 0; k < 17; ++k) {
        EXPECT_EQ(Unscramble(lines[k]), expected[k]) << "line " << k + 1;
    }
    EXPECT_EQ(lines[0], "\xB7\x96");
    EXPECT_EQ(Unscramble(lines[17]), "Cd") << "blanks around a field are removed";
    EXPECT_EQ(Unscramble(lines[23]), "70");
}

TEST(ReadingFile, OpeningRestoresTheForm) {
    const BirthDetails first = Person("Asha");
    BirthDetails partner = Person("Ravi Kumar");
    partner.East = false;
    partner.South = false;
    partner.DaylightSaving = true;
    partner.Month = 12;
    partner.Day = 31;
    partner.Year = 2050;
    partner.Hour = 23;
    partner.Minute = 59;
    const auto forms = ApplyReadingFile(ReadingFileBytes({first, partner}, {34, 50}), {});
    EXPECT_EQ(DetailsOf(forms[0]).Name, "Asha");
    EXPECT_EQ(forms[0].ZoneRow, 34);
    EXPECT_EQ(forms[0].South, true);
    EXPECT_EQ(forms[0].LatitudeDegrees, "28");
    EXPECT_EQ(forms[0].LongitudeMinutes, "12");
    EXPECT_EQ(forms[0].MonthIndex, 2);
    EXPECT_EQ(forms[0].DayIndex, 4);
    EXPECT_EQ(forms[1].East, false);
    EXPECT_EQ(forms[1].South, false);
    EXPECT_TRUE(forms[1].DaylightSaving);
    EXPECT_EQ(forms[1].ZoneRow, 50);
    EXPECT_EQ(forms[1].MonthIndex, 11);
    EXPECT_EQ(forms[1].DayIndex, 30);
    EXPECT_EQ(forms[1].YearIndex, 149);
    EXPECT_EQ(forms[1].HourIndex, 23);
    EXPECT_EQ(forms[1].MinuteIndex, 59);
    EXPECT_EQ(forms[1].Name, "Ravi Kumar");
}

// Texts in several scripts, as users write their names and places.
struct ScriptCase {
    const char* What;
    const char* Name;
    const char* City;
};

const ScriptCase ScriptCases[] = {
    {"accented Latin", "Jos\u00E9 \u00D6zt\u00FCrk", "\u0141\u00F3d\u017A"},
    {"Devanagari", "\u0906\u0936\u093E \u0936\u0930\u094D\u092E\u093E",
     "\u0926\u093F\u0932\u094D\u0932\u0940"},
    {"Tamil", "\u0B95\u0BBE\u0BB0\u0BCD\u0BA4\u0BCD\u0BA4\u0BBF\u0B95\u0BCD",
     "\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8"},
    {"Telugu", "\u0C38\u0C40\u0C24", "\u0C35\u0C3F\u0C1C\u0C2F\u0C35\u0C3E\u0C21"},
    // Malayalam's chillu written with the zero-width joiner.
    {"Malayalam", "\u0D05\u0D30\u0D41\u0D23\u0D4D\u200D", "Koch\u0113"},
    {"typographic apostrophe", "O\u2019Brien", "Saint-Denis"},
};

TEST(ReadingFile, ATextOutsideTheShiftableCodesIsSavedWholeInUtf8) {
    for (const ScriptCase& c : ScriptCases) {
        BirthDetails first = Person(c.Name);
        first.City = c.City;
        BirthDetails partner = Person("Ravi");
        partner.Country = "K\u00F6ln";
        const std::string file = ReadingFileBytes({first, partner}, {34, 29});
        const std::vector<std::string> lines = Lines(file);
        ASSERT_EQ(lines.size(), 35u) << c.What;
        EXPECT_EQ(lines[0], "Tirovane reading, UTF-8") << c.What;
        EXPECT_EQ(lines[1], c.Name) << c.What << ": the lines are plain UTF-8";
        EXPECT_EQ(lines[2], "3");
        EXPECT_EQ(lines[15], c.City);
        EXPECT_EQ(lines[34], "K\u00F6ln");
        EXPECT_FALSE(FindUnreadableLine(file).has_value()) << c.What;

        const auto forms = ApplyReadingFile(file, {});
        EXPECT_EQ(forms[0].Name, c.Name) << c.What;
        EXPECT_EQ(forms[0].City, c.City) << c.What;
        EXPECT_EQ(forms[0].ZoneRow, 34);
        EXPECT_EQ(forms[0].MonthIndex, 2);
        EXPECT_EQ(forms[0].South, true);
        EXPECT_EQ(forms[1].Name, "Ravi");
        EXPECT_EQ(forms[1].ZoneRow, 29);
        EXPECT_EQ(forms[1].Country, "K\u00F6ln") << c.What;
    }
}

TEST(ReadingFile, TheDescribedFormIsKeptWhileEveryCodeIsAtMost170) {
    // U+00AA has code 170, the last one the shift keeps; U+00AB is 171.
    const std::string kept = ReadingFileBytes({Person("A\u00AA"), Person("B")}, {0, 0});
    EXPECT_EQ(Lines(kept).size(), 34u);
    EXPECT_EQ(Lines(kept)[0], "\xFF\x96") << "170 + 85 = 255, then 'A' + 85";
    EXPECT_EQ(ApplyReadingFile(kept, {})[0].Name, "A\u00AA");

    const std::string whole = ReadingFileBytes({Person("A\u00AB"), Person("B")}, {0, 0});
    EXPECT_EQ(Lines(whole).size(), 35u);
    EXPECT_EQ(ApplyReadingFile(whole, {})[0].Name, "A\u00AB");
    // The euro sign has a code (128) below 171 in Windows-1252.
    EXPECT_EQ(Lines(ReadingFileBytes({Person("\u20AC"), Person("B")}, {0, 0})).size(), 34u);
}

TEST(ReadingFile, TheSexesFollowTheThirtyFourLinesWhenGiven) {
    BirthDetails first = Person("Asha");
    first.PersonSex = Sex::Female;
    const BirthDetails partner = Person("Ravi");
    // The shifted form keeps its 34 lines and adds two, shifted too.
    const std::string shifted = ReadingFileBytes({first, partner}, {34, 34});
    const std::vector<std::string> lines = Lines(shifted);
    ASSERT_EQ(lines.size(), 36u);
    EXPECT_EQ(shifted.substr(0, shifted.size() - std::string("female\r\n\r\n").size()),
              ReadingFileBytes({Person("Asha"), partner}, {34, 34}))
        << "the first 34 lines as a file without sexes has them";
    EXPECT_EQ(Unscramble(lines[34]), "female");
    EXPECT_EQ(lines[35], "");
    auto forms = ApplyReadingFile(shifted, {});
    EXPECT_EQ(forms[0].PersonSex, Sex::Female);
    EXPECT_EQ(forms[1].PersonSex, Sex::NotGiven);
    EXPECT_FALSE(FindUnreadableLine(shifted).has_value());

    // The UTF-8 form: lines 36 and 37 after the marker line.
    BirthDetails hindi = Person("\u0930\u0935\u093F");
    hindi.PersonSex = Sex::Male;
    const std::string whole = ReadingFileBytes({first, hindi}, {34, 34});
    ASSERT_EQ(Lines(whole).size(), 37u);
    EXPECT_EQ(Lines(whole)[35], "female");
    EXPECT_EQ(Lines(whole)[36], "male");
    forms = ApplyReadingFile(whole, {});
    EXPECT_EQ(forms[0].PersonSex, Sex::Female);
    EXPECT_EQ(forms[1].PersonSex, Sex::Male);

    // A file of 34 lines (every older file) opens with no sex, whatever the
    // form held; a sex line that names none is damage, named by its line.
    PersonForm chosen;
    chosen.PersonSex = Sex::Male;
    forms = ApplyReadingFile(ReadingFileBytes({Person("A"), Person("B")}, {0, 0}), {chosen, chosen});
    EXPECT_EQ(forms[0].PersonSex, Sex::NotGiven);
    EXPECT_EQ(forms[1].PersonSex, Sex::NotGiven);
    std::string odd = whole;
    odd.replace(odd.rfind("male"), 4, "mail");
    const auto damage = FindUnreadableLine(odd);
    ASSERT_TRUE(damage.has_value());
    EXPECT_EQ(damage->Line, 37);
    EXPECT_EQ(damage->Problem, "does not hold male or female");
}

TEST(ReadingFile, DamageInTheUtf8FormIsNamedByItsLineInTheFile) {
    std::string file = ReadingFileBytes({Person("\u0906\u0936\u093E"), Person("B")}, {0, 0});
    // Line 3 of the file is the first person's month.
    std::string wrongMonth = file;
    wrongMonth.replace(wrongMonth.find("\r\n3\r\n"), 5, "\r\n13\r\n");
    const auto month = FindUnreadableLine(wrongMonth);
    ASSERT_TRUE(month.has_value());
    EXPECT_EQ(month->Line, 3);
    EXPECT_EQ(month->Problem, "does not hold a month from 1 to 12");

    const auto shortFile = FindUnreadableLine(file.substr(0, file.find("\r\n1980\r\n") + 2));
    ASSERT_TRUE(shortFile.has_value());
    EXPECT_EQ(shortFile->Line, 5) << "marker, name, month and day are there";
    EXPECT_EQ(shortFile->Problem, "is missing");

    std::string broken = file;
    broken.replace(broken.find("Delhi"), 1, "\xC3(");
    const auto notText = FindUnreadableLine(broken);
    ASSERT_TRUE(notText.has_value());
    EXPECT_EQ(notText->Line, 16);
    EXPECT_EQ(notText->Problem, "is not UTF-8 text");
}

// The file's lines, unscrambled texts given, as the program would write them.
std::string FileOf(const std::vector<std::string>& texts) {
    std::string file;
    for (const std::string& t : texts) {
        file += Scramble(t) + "\r\n";
    }
    return file;
}

TEST(ReadingFile, ShortAndOddFilesKeepWhatTheyCannotSet) {
    PersonForm current;
    current.DayIndex = 9;
    current.MonthIndex = 5;
    current.YearIndex = 80;
    current.HourIndex = 7;
    current.ZoneRow = 12;
    current.East = true;
    current.South = false;
    current.DaylightSaving = true;
    current.Name = "Old";
    const auto forms = ApplyReadingFile(FileOf({"New", "13", "32", "1900", "24", "60", "71", "5",
                                                "6", "7", "8", "0", "7", "maybe"}),
                                        {current, current});
    const PersonForm& f = forms[0];
    EXPECT_EQ(f.Name, "New");
    EXPECT_EQ(f.MonthIndex, 5) << "no thirteenth month";
    EXPECT_EQ(f.DayIndex, 9);
    EXPECT_EQ(f.YearIndex, 80);
    EXPECT_EQ(f.HourIndex, 7);
    EXPECT_EQ(f.MinuteIndex, 0);
    EXPECT_EQ(f.ZoneRow, 12);
    EXPECT_EQ(f.LongitudeDegrees, "5");
    EXPECT_EQ(f.LatitudeMinutes, "8");
    EXPECT_EQ(f.East, false) << "0 is false";
    EXPECT_EQ(f.South, true) << "a non-zero number is true";
    EXPECT_TRUE(f.DaylightSaving) << "neither a truth value nor a number";
    EXPECT_EQ(f.City, "") << "missing lines read as empty";
    EXPECT_EQ(forms[1].Name, "");
    EXPECT_EQ(forms[1].DayIndex, 9);

    const auto rounded = ApplyReadingFile(FileOf({"A", "4.4", "05"}), {current, current});
    EXPECT_EQ(rounded[0].MonthIndex, 3);
    EXPECT_EQ(rounded[0].DayIndex, 9) << "\"05\" is no entry of the day list";
}

TEST(ReadingFile, GarbageNeverReadsPastItsEnd) {
    std::mt19937 random(7);
    for (int n = 0; n < 200; ++n) {
        std::string bytes(static_cast<std::size_t>(random() % 600), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(random());
        }
        const auto forms = ApplyReadingFile(bytes, {});
        for (const PersonForm& f : forms) {
            EXPECT_GE(f.ZoneRow, 0);
            EXPECT_LT(f.ZoneRow, 71);
            EXPECT_GE(f.MonthIndex, 0);
            EXPECT_LT(f.MonthIndex, 12);
            EXPECT_LT(f.DayIndex, 31);
            EXPECT_LT(f.YearIndex, 150);
        }
    }
}

TEST(ReadingFile, OnlyALowerCaseExtensionIsAccepted) {
    EXPECT_TRUE(HasReadingExtension("/home/a/reading.tvr"));
    EXPECT_FALSE(HasReadingExtension("/home/a/reading.TVR"));
    EXPECT_FALSE(HasReadingExtension("/home/a/reading.Tvr"));
    EXPECT_FALSE(HasReadingExtension("/home/a/reading.txt"));
    EXPECT_FALSE(HasReadingExtension("vr"));
}

TEST(Windows1252, TheDegreeSignAndTypographicQuotes) {
    EXPECT_EQ(ToWindows1252("23\u00B0 45'"), "23\xB0 45'");
    EXPECT_EQ(ToWindows1252("fianc\u00E9\u2019s \u20AC"), "fianc\xE9\x92s \x80");
    EXPECT_FALSE(ToWindows1252("\u0905x").has_value()) << "nothing is replaced or dropped";
    EXPECT_FALSE(ToWindows1252("\u0141\u00F3d\u017A").has_value()) << "no \"L\" with stroke";
    EXPECT_FALSE(ToWindows1252("a\xC3").has_value()) << "broken UTF-8";
    EXPECT_EQ(FromWindows1252("fianc\xE9\x92s \x80\xB0"), "fianc\u00E9\u2019s \u20AC\u00B0");
}

class FileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("tirovane-files-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::filesystem::path dir;
};

TEST_F(FileTest, AReplacedFileIsWrittenWhole) {
    const std::string path = (dir / "reading.tvr").string();
    ASSERT_FALSE(WriteFileAtomically(path, "first").has_value());
    ASSERT_FALSE(WriteFileAtomically(path, "second version").has_value());
    EXPECT_EQ(Read(path), "second version");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1)
        << "no temporary left";
}

TEST_F(FileTest, AFailedWriteKeepsTheOldFileAndSaysWhy) {
    const std::string path = (dir / "reading.tvr").string();
    ASSERT_FALSE(WriteFileAtomically(path, "the old reading").has_value());
    // A file size limit makes the write fail half way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &small);
    const auto failure = WriteFileAtomically(path, std::string(100, 'x'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    ASSERT_TRUE(failure.has_value());
    EXPECT_FALSE(failure->empty());
    EXPECT_EQ(Read(path), "the old reading");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);

    EXPECT_TRUE(WriteFileAtomically((dir / "no/such/folder.tvr").string(), "x").has_value());
    EXPECT_TRUE(WriteFileAtomically(dir.string(), "x").has_value()) << "a folder is no file";
}

TEST_F(FileTest, ReadingIsBounded) {
    const std::string path = (dir / "big.tvr").string();
    ASSERT_FALSE(WriteFileAtomically(path, std::string(5000, 'a')).has_value());
    const ReadResult result = ReadFileStart(path, 1000);
    ASSERT_TRUE(result.Bytes.has_value());
    EXPECT_EQ(result.Bytes->size(), 1000u);
    EXPECT_FALSE(ReadFileStart((dir / "missing.tvr").string(), 10).Bytes.has_value());
    EXPECT_FALSE(ReadFileStart(dir.string(), 10).Bytes.has_value()) << "a folder";
}

} // namespace
} // namespace tirovane
