#include "reading/chart_cells.h"
#include "reading/reading.h"
#include "texts/result_lines.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tirovane {
namespace {

using manglik::ManglikResult;
using manglik::ReferenceKind;

const char* const NotNullified =
    "Mangal Dosha has not been nullified. Please consult an astrologer for further details.";
const char* const Nullified = "Mangal Dosha has been nullified.";
const char* const NoDosha = "You do not have Manglik Dosha.";

ManglikResult Manglik(int house) {
    return {house, true, true, 50, {}};
}
ManglikResult NotManglik(int house) {
    return {house, false, false, 0, {}};
}
ManglikResult Cancelled(int house) {
    return {house, true, false, 0, {manglik::CancellationRule::LeoAquarius}};
}

// The result's lines as the reading's numbers make them in English.
texts::ResultLines Lines(const ReadingState& state) {
    return texts::ResultLinesOf(state);
}

std::string MatchLine(const std::string& flags) {
    return texts::MatchLineText(MatchOutcomeOf(flags));
}

ReadingState WithNames() {
    ReadingState state;
    state.People.People[0].Name = "Asha";
    state.People.People[1].Name = "Ravi Kumar";
    return state;
}

TEST(RecordEvaluation, LinesAndGreetingsByteForByte) {
    ReadingState state = WithNames();
    RecordEvaluation(state, 0, ReferenceKind::LagnaChart, Manglik(1));
    RecordEvaluation(state, 0, ReferenceKind::RashiChart, NotManglik(3));
    EXPECT_EQ(Lines(state).Male[0], "Position of Mars from Lagna is 1");
    EXPECT_EQ(Lines(state).Male[1], "Percentage of Mangala dosha is  50%");
    EXPECT_EQ(Lines(state).Male[2], "The person is Manglik");
    EXPECT_EQ(Lines(state).Male[3], "Position of Mars from Chandra is 3");
    EXPECT_EQ(Lines(state).Male[4], " ");
    EXPECT_EQ(Lines(state).Male[5], "The person is Not Manglik");
    EXPECT_EQ(Lines(state).Interpretation[0], "Hello Asha you are The person is Manglik");
    EXPECT_EQ(Lines(state).Interpretation[3], "Hello Asha you are The person is Not Manglik");
    // After the first person alone, both match lines advise a consultation.
    EXPECT_EQ(Lines(state).Interpretation[2], NotNullified);
    EXPECT_EQ(Lines(state).Interpretation[5], NotNullified);
    EXPECT_EQ(Lines(state).Interpretation[1], "-");
    EXPECT_EQ(Lines(state).Female[0], "-");

    RecordEvaluation(state, 1, ReferenceKind::LagnaChart, Cancelled(12));
    RecordEvaluation(state, 1, ReferenceKind::RashiChart, Manglik(8));
    EXPECT_EQ(Lines(state).Female[0], "Position of Mars from Lagna is 12");
    EXPECT_EQ(Lines(state).Female[1],
              "Your Mangal Dosha has been cancelled due to other placements in your chart. ");
    EXPECT_EQ(Lines(state).Female[2], "The person is Non Manglik");
    EXPECT_EQ(Lines(state).Female[3], "Position of Mars from Chandra is 8");
    EXPECT_EQ(Lines(state).Interpretation[1],
              "Your partner Ravi Kumar is The person is Non Manglik");
    EXPECT_EQ(Lines(state).Interpretation[4], "Your partner Ravi Kumar is The person is Manglik");
    EXPECT_EQ(state.LagnaMatchFlags.Text(), "01");
    EXPECT_EQ(state.ChandraMatchFlags.Text(), "10");
    EXPECT_EQ(Lines(state).Interpretation[2], NotNullified);
    EXPECT_EQ(Lines(state).Interpretation[5], NotNullified);
}

TEST(RecordEvaluation, MatchLinesForBothNeitherAndCancelled) {
    struct Case {
        ManglikResult First, Partner;
        const char* Line;
    };
    const Case cases[] = {
        {Manglik(1), Manglik(7), Nullified},       {NotManglik(3), NotManglik(5), NoDosha},
        {Cancelled(2), Cancelled(4), NoDosha}, // a cancelled dosha counts as none
        {Cancelled(2), NotManglik(9), NoDosha},    {Manglik(1), NotManglik(9), NotNullified},
        {NotManglik(9), Manglik(8), NotNullified},
    };
    for (const Case& c : cases) {
        for (const ReferenceKind kind : {ReferenceKind::LagnaChart, ReferenceKind::RashiChart}) {
            ReadingState state = WithNames();
            RecordEvaluation(state, 0, kind, c.First);
            RecordEvaluation(state, 1, kind, c.Partner);
            const int line = kind == ReferenceKind::LagnaChart ? 2 : 5;
            const int other = kind == ReferenceKind::LagnaChart ? 5 : 2;
            EXPECT_EQ(Lines(state).Interpretation[line], c.Line);
            // The other reference has no flags yet: its line advises a consultation.
            EXPECT_EQ(Lines(state).Interpretation[other], NotNullified);
        }
    }
}

TEST(RecordEvaluation, FlagsHoldExactlyTheCurrentReading) {
    ReadingState state = WithNames();
    const auto person = [&state](int index, const ManglikResult& lagna,
                                 const ManglikResult& chandra) {
        RecordEvaluation(state, index, ReferenceKind::LagnaChart, lagna);
        RecordEvaluation(state, index, ReferenceKind::RashiChart, chandra);
    };
    person(0, Manglik(1), NotManglik(3));
    person(1, Manglik(7), NotManglik(5));
    EXPECT_EQ(Lines(state).Interpretation[2], Nullified);
    EXPECT_EQ(Lines(state).Interpretation[5], NoDosha);

    // The partner recomputed on its own replaces only the partner's flag.
    person(1, NotManglik(9), NotManglik(9));
    EXPECT_EQ(state.LagnaMatchFlags.Text(), "01");
    EXPECT_EQ(Lines(state).Interpretation[2], NotNullified);
    EXPECT_EQ(Lines(state).Interpretation[5], NoDosha);

    // A new first person starts the flags afresh, then the partner completes them.
    person(0, Manglik(1), Manglik(1));
    EXPECT_EQ(state.LagnaMatchFlags.Text(), "1");
    EXPECT_EQ(Lines(state).Interpretation[2], NotNullified);
    person(1, Manglik(8), Manglik(2));
    EXPECT_EQ(Lines(state).Interpretation[2], Nullified);
    EXPECT_EQ(Lines(state).Interpretation[5], Nullified);

    ResetManglikLines(state);
    EXPECT_EQ(state.LagnaMatchFlags.Text(), "");
    EXPECT_EQ(state.ChandraMatchFlags.Text(), "");
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(Lines(state).Male[k], "-");
        EXPECT_EQ(Lines(state).Female[k], "-");
        EXPECT_EQ(Lines(state).Interpretation[k], "-");
    }
    // The partner alone after the reset compares with nobody.
    person(1, Manglik(1), Manglik(1));
    EXPECT_EQ(state.LagnaMatchFlags.Text(), "1");
    EXPECT_EQ(Lines(state).Interpretation[2], NotNullified);
}

TEST(MatchLine, FlagTexts) {
    EXPECT_EQ(MatchLine("11"), Nullified);
    EXPECT_EQ(MatchLine("00"), NoDosha);
    EXPECT_EQ(MatchLine("10"), NotNullified);
    EXPECT_EQ(MatchLine("01"), NotNullified);
    EXPECT_EQ(MatchLine("1"), NotNullified);
    EXPECT_EQ(MatchLine("0"), NotNullified);
    EXPECT_EQ(MatchLine(""), NotNullified);
}

// Longitudes from positions written as the chart shows them, "DD Abc MM".
std::array<double, 11> Positions(std::initializer_list<const char*> texts) {
    const std::string signs = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    std::array<double, 11> p{};
    std::size_t i = 0;
    for (const std::string t : texts) {
        p[i++] = static_cast<double>(signs.find(t.substr(3, 3)) / 3 * 30) +
                 std::stoi(t.substr(0, 2)) + std::stoi(t.substr(7, 2)) / 60.0;
    }
    return p;
}

const std::array<std::string, 11> Names = {"Surya",   "Chandra",   "Budha",    "Shukra",
                                           "Mangala", "Guru (R) ", "Shani",    "Rahu",
                                           "Ketu",    "Ascendant", "Midheaven"};

TEST(FillRashiChart, AscendantFirstThenBodiesInChartOrder) {
    const auto p =
        Positions({"05 Leo 10", "20 Sco 00", "17 Leo 00", "02 Vir 00", "29 Pis 59", "10 Pis 00",
                   "00 Ari 00", "09 Sag 43", "09 Gem 43", "05 Leo 30", "28 Vir 21"});
    const ChartCellTexts cells = FillRashiChart(p, Names);
    EXPECT_EQ(cells[4], "Asc\r\nSurya\r\nBudha");
    EXPECT_EQ(cells[7], "Chandra");
    EXPECT_EQ(cells[5], "Shukra"); // the midheaven is not placed
    EXPECT_EQ(cells[11], "Mangala\r\nGuru (R) ");
    EXPECT_EQ(cells[0], "Shani");
    EXPECT_EQ(cells[8], "Rahu");
    EXPECT_EQ(cells[2], "Ketu");
    for (const int k : {1, 3, 6, 9, 10}) {
        EXPECT_EQ(cells[k], "") << k;
    }
}

TEST(FillRashiChart, NodesOppositeUnderOtherBodies) {
    const auto p =
        Positions({"01 Cap 00", "02 Cap 00", "03 Can 00", "04 Sag 00", "05 Aqu 00", "06 Aqu 00",
                   "29 Pis 59", "07 Cap 00", "07 Can 00", "01 Tau 00", "01 Aqu 00"});
    const ChartCellTexts cells = FillRashiChart(p, Names);
    EXPECT_EQ(cells[9], "Surya\r\nChandra\r\nRahu");
    EXPECT_EQ(cells[3], "Budha\r\nKetu");
    EXPECT_EQ(cells[10], "Mangala\r\nGuru (R) ");
    EXPECT_EQ(cells[8], "Shukra");
    EXPECT_EQ(cells[11], "Shani");
    EXPECT_EQ(cells[1], "Asc");
    int filled = 0;
    for (const std::string& cell : cells) {
        filled += cell.empty() ? 0 : 1;
    }
    EXPECT_EQ(filled, 6);
}

// The placeholders of a whole sentence: each filled once, in any order the
// translation puts them; an argument's own "%1" is never filled again.
TEST(Fill, PlaceholdersInAnyOrderFilledOnce) {
    struct Case {
        const char* Pattern;
        std::vector<std::string> Arguments;
        const char* Expected;
    };
    const Case cases[] = {
        {"Hello %1 you are %2", {"Asha", "Manglik"}, "Hello Asha you are Manglik"},
        {"%2 \u0915\u094B %1",
         {"6 \u0918\u0902\u091F\u0947", "15 \u0905\u0917\u0938\u094D\u0924"},
         "15 \u0905\u0917\u0938\u094D\u0924 \u0915\u094B 6 \u0918\u0902\u091F\u0947"},
        {"%1 to %2; it is taken as %1.",
         {"UTC+1:00", "UTC+2:00"},
         "UTC+1:00 to UTC+2:00; it is taken as UTC+1:00."},
        {"Name: %1", {"100%1 sure"}, "Name: 100%1 sure"},
        {"50%", {}, "50%"},
        {"%1 and %3", {"a"}, "a and %3"},
        {"%10 items", {"x"}, "x0 items"},
    };
    for (const Case& c : cases) {
        std::vector<std::string_view> views(c.Arguments.begin(), c.Arguments.end());
        std::string text;
        switch (views.size()) {
        case 0:
            text = texts::Fill(c.Pattern, {});
            break;
        case 1:
            text = texts::Fill(c.Pattern, {views[0]});
            break;
        default:
            text = texts::Fill(c.Pattern, {views[0], views[1]});
            break;
        }
        EXPECT_EQ(text, c.Expected) << c.Pattern;
    }
}

} // namespace
} // namespace tirovane
