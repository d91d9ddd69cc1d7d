// 10,000 random births over the whole input domain (every zone row, both
// hemispheres both ways, daylight saving on and off, 1901 to 2050, the last
// days of the months) through the chart and reading commands, compared line
// for line with the outputs kept in tests/cli/golden. Those outputs were
// written before positions travelled as numbers through the program; every
// text must come out byte for byte as it did then. The chart command's
// numeric fields, the reading's 36-point match and the rules that cancelled
// each evaluation, added since, are checked for their shape and then left
// out of the comparison.
//
// tools/golden_sweep/make_golden_sweep.py wrote the files and recreates the
// same births from its seed.

#include "cli/chart_command.h"
#include "cli/reading_command.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

namespace tirovane::cli {
namespace {

// The lines of a gzip file, through the system's gzip.
std::vector<std::string> GzipLines(const std::string& path) {
    std::vector<std::string> lines;
    const std::string command = "gzip -dc '" + path + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return lines;
    }
    std::string text;
    char buffer[1 << 16];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        text.append(buffer, got);
    }
    pclose(pipe);
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Each evaluation lists the rules that cancelled it exactly when it was
// cancelled (a dosha house, no longer Manglik); the list is then left out.
void CheckAndDropCancelledBy(nlohmann::ordered_json& chart, std::size_t i) {
    for (const char* kind : {"LagnaChart", "RashiChart"}) {
        auto& evaluation = chart[kind];
        const bool cancelled =
            evaluation["HadDosha"].get<bool>() && !evaluation["IsManglik"].get<bool>();
        EXPECT_EQ(evaluation["CancelledBy"].empty(), !cancelled) << i << " " << kind;
        evaluation.erase("CancelledBy");
    }
}

// The recorded births are named "Person 12", "City 12": names with digits,
// which the input form never took and the tool now refuses as it does. The
// digits become letters (0 "a" .. 9 "j") in the births and in the recorded
// greeting lines that repeat the names.
std::string DigitsAsLetters(std::string text) {
    for (char& c : text) {
        if (c >= '0' && c <= '9') {
            c = static_cast<char>('a' + (c - '0'));
        }
    }
    return text;
}

std::string WithLetterNames(const std::string& birth) {
    nlohmann::ordered_json person = nlohmann::ordered_json::parse(birth);
    for (const char* field : {"Name", "City", "State", "Country"}) {
        person[field] = DigitsAsLetters(person[field].get<std::string>());
    }
    return person.dump();
}

std::string WithLetterNamesInGreetings(std::string reading) {
    const std::string person = "Person ";
    for (std::size_t at = reading.find(person); at != std::string::npos;
         at = reading.find(person, at + 1)) {
        for (std::size_t k = at + person.size();
             k < reading.size() && reading[k] >= '0' && reading[k] <= '9'; ++k) {
            reading[k] = static_cast<char>('a' + (reading[k] - '0'));
        }
    }
    return reading;
}

class GoldenSweep : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const std::vector<std::string> chart =
            GzipLines(std::string(TIROVANE_GOLDEN_DIR) + "/chart_sweep.txt.gz");
        for (std::size_t i = 0; i + 1 < chart.size(); i += 2) {
            Inputs().push_back(WithLetterNames(chart[i]));
            ChartOutputs().push_back(chart[i + 1]);
        }
        ReadingOutputs() = GzipLines(std::string(TIROVANE_GOLDEN_DIR) + "/reading_sweep.txt.gz");
        for (std::string& reading : ReadingOutputs()) {
            reading = WithLetterNamesInGreetings(reading);
        }
    }
    static std::vector<std::string>& Inputs() {
        static std::vector<std::string> lines;
        return lines;
    }
    static std::vector<std::string>& ChartOutputs() {
        static std::vector<std::string> lines;
        return lines;
    }
    static std::vector<std::string>& ReadingOutputs() {
        static std::vector<std::string> lines;
        return lines;
    }
};

TEST_F(GoldenSweep, TheFilesHoldTenThousandBirths) {
    ASSERT_EQ(Inputs().size(), 10000u);
    ASSERT_EQ(ChartOutputs().size(), 10000u);
    ASSERT_EQ(ReadingOutputs().size(), 5000u);
}

TEST_F(GoldenSweep, ChartCommandWritesEveryTextAsBefore) {
    ASSERT_EQ(Inputs().size(), 10000u);
    std::string input;
    for (const std::string& line : Inputs()) {
        input += line;
        input += '\n';
    }
    std::istringstream in(input);
    std::ostringstream out;
    EXPECT_EQ(RunChart(in, out), 0);
    const std::vector<std::string> lines = Lines(out.str());
    ASSERT_EQ(lines.size(), ChartOutputs().size());
    int differing = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // The Navamsa and the dasha close the line; every tenth birth's are
        // read and checked, the others are cut off unread (the dasha is
        // nine tenths of the line).
        const std::size_t kundli = lines[i].find(",\"NavamsaSigns\":");
        ASSERT_NE(kundli, std::string::npos) << i;
        const bool whole = i % 10 == 0;
        nlohmann::ordered_json chart =
            nlohmann::ordered_json::parse(whole ? lines[i] : lines[i].substr(0, kundli) + "}");
        // The numbers are there: eleven longitudes in [0, 360) and the
        // instant's Julian day within the years of the entry form.
        const auto& longitudes = chart["Longitudes"];
        ASSERT_EQ(longitudes.size(), 11u) << i;
        for (const auto& longitude : longitudes) {
            ASSERT_TRUE(longitude.is_number_float()) << i;
            ASSERT_GE(longitude.get<double>(), 0) << i;
            ASSERT_LT(longitude.get<double>(), 360) << i;
        }
        const double jd = chart["JulianDayUT"].get<double>();
        // 1900-12-31 and 2051-01-02 at 0 h UT: the widest zones move a
        // birth of 1901 or 2050 no further.
        ASSERT_GT(jd, 2415384.5) << i;
        ASSERT_LT(jd, 2470173.5 + 1) << i;
        // The Navamsa signs of the ten bodies, and the dasha running at
        // birth: its first period spans the birth instant.
        if (whole) {
            ASSERT_EQ(chart["NavamsaSigns"].size(), 10u) << i;
            for (std::size_t body = 0; body < 10; ++body) {
                ASSERT_EQ(chart["NavamsaSigns"][body].get<int>(),
                          static_cast<int>(longitudes[body].get<double>() / (10.0 / 3)) % 12)
                    << i;
            }
            const auto& periods = chart["Dasha"]["Periods"];
            ASSERT_EQ(periods.size(), 9u) << i;
            ASSERT_EQ(periods[0]["Lord"], chart["Dasha"]["Lord"]) << i;
            ASSERT_LE(periods[0]["StartJulianDay"].get<double>(), jd) << i;
            ASSERT_GT(periods[0]["EndJulianDay"].get<double>(), jd) << i;
        }
        chart.erase("Longitudes");
        chart.erase("JulianDayUT");
        chart.erase("NavamsaSigns");
        chart.erase("Dasha");
        CheckAndDropCancelledBy(chart, i);
        if (chart.dump() != ChartOutputs()[i]) {
            ADD_FAILURE() << "birth " << i << ": " << Inputs()[i] << "\n now " << chart.dump()
                          << "\n was " << ChartOutputs()[i];
            if (++differing == 5) {
                break;
            }
        }
    }
}

// The JSON text without each person's "NavamsaSigns" and "Dasha" (written
// one after the other; the dasha's texts hold no braces).
std::string WithoutKundli(const std::string& json) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t at; (at = json.find(",\"NavamsaSigns\":", from)) != std::string::npos;) {
        out.append(json, from, at - from);
        std::size_t end = json.find("\"Dasha\":{", at);
        EXPECT_NE(end, std::string::npos);
        end += 8;
        for (int depth = 0;; ++end) {
            depth += json[end] == '{' ? 1 : json[end] == '}' ? -1 : 0;
            if (depth == 0) {
                break;
            }
        }
        from = end + 1;
    }
    out.append(json, from, std::string::npos);
    return out;
}

TEST_F(GoldenSweep, ReadingCommandWritesEveryByteAsBefore) {
    ASSERT_EQ(ReadingOutputs().size(), 5000u);
    int differing = 0;
    for (std::size_t k = 0; k < ReadingOutputs().size(); ++k) {
        std::istringstream in(Inputs()[2 * k] + "\n" + Inputs()[2 * k + 1] + "\n");
        std::ostringstream out;
        EXPECT_EQ(RunReading(in, out, std::nullopt), 0);
        // Every tenth reading is read whole; the others lose each person's
        // Navamsa and dasha unread (nine tenths of the line).
        const bool whole = k % 10 == 0;
        nlohmann::ordered_json reading =
            nlohmann::ordered_json::parse(whole ? out.str() : WithoutKundli(out.str()));
        // The 36-point match: its parts add up to the total within 0..36,
        // and each person's nakshatra is the one the chart shows.
        const auto& match = reading["Ashtakoota"];
        double sum = 0;
        for (const char* part :
             {"Varna", "Vashya", "Tara", "Yoni", "GrahaMaitri", "Gana", "Bhakoot", "Nadi"}) {
            sum += match[part].get<double>();
        }
        ASSERT_EQ(sum, match["Total"].get<double>()) << k;
        ASSERT_GE(sum, 0) << k;
        ASSERT_LE(sum, 36) << k;
        ASSERT_EQ(match["Attributes"]["FirstPerson"]["Nakshatra"],
                  reading["people"][0]["MoonNakshatra"])
            << k;
        ASSERT_EQ(match["Attributes"]["Partner"]["Nakshatra"],
                  reading["people"][1]["MoonNakshatra"])
            << k;
        // No sex is given: the first person is the groom. The poruthams'
        // count is the number that match, their score at most the count.
        ASSERT_EQ(reading["Groom"], 0) << k;
        const auto& poruthams = reading["Porutham"];
        int matching = 0;
        for (const char* key : {"Dina", "Gana", "Mahendra", "StreeDeergha", "Yoni", "Rasi",
                                "RasiAdhipathi", "Vasya", "Rajju", "Vedha"}) {
            matching += poruthams[key]["Match"].get<bool>() ? 1 : 0;
        }
        ASSERT_EQ(poruthams["Count"], matching) << k;
        ASSERT_LE(poruthams["Score"].get<double>(), matching) << k;
        reading.erase("Ashtakoota");
        reading.erase("Groom");
        reading.erase("Porutham");
        for (auto& person : reading["people"]) {
            if (whole) {
                ASSERT_EQ(person["NavamsaSigns"].size(), 10u) << k;
                ASSERT_EQ(person["Dasha"]["Periods"].size(), 9u) << k;
            }
            person.erase("NavamsaSigns");
            person.erase("Dasha");
        }
        CheckAndDropCancelledBy(reading["people"][0], k);
        CheckAndDropCancelledBy(reading["people"][1], k);
        if (reading.dump() + "\n" != ReadingOutputs()[k] + "\n") {
            ADD_FAILURE() << "pair " << k << "\n now " << out.str() << " was "
                          << ReadingOutputs()[k];
            if (++differing == 5) {
                break;
            }
        }
    }
}

} // namespace
} // namespace tirovane::cli
