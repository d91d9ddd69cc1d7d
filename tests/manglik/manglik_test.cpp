#include "manglik/manglik.h"
#include "texts/manglik_texts.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tirovane::manglik {
namespace {

// The longitude of a position written as the chart shows it, "DD Abc MM",
// plus a few arc-seconds so that no value sits on a whole minute.
double At(const std::string& chartText) {
    const std::string signs = "AriTauGemCanLeoVirLibScoSagCapAquPis";
    const auto sign = static_cast<double>(signs.find(chartText.substr(3, 3)) / 3);
    return sign * 30 + std::stoi(chartText.substr(0, 2)) +
           std::stoi(chartText.substr(7, 2)) / 60.0 + 7 / 3600.0;
}

// A chart with the given ascendant, Moon, Mars, Jupiter and Mercury; the
// other bodies stand far away and play no part.
ChartLongitudes Chart(const char* ascendant, const char* mars, const char* jupiter = "15 Lib 00",
                      const char* mercury = "15 Lib 30", const char* moon = "01 Ari 00") {
    ChartLongitudes p;
    p.fill(At("20 Lib 00"));
    p[engine::Ascendant] = At(ascendant);
    p[engine::Moon] = At(moon);
    p[engine::Mars] = At(mars);
    p[engine::Jupiter] = At(jupiter);
    p[engine::Mercury] = At(mercury);
    return p;
}

const char* const Cancelled =
    "Your Mangal Dosha has been cancelled due to other placements in your chart. ";

TEST(EvaluateManglik, HousesCancellationsAndPercentages) {
    struct Case {
        const char* What;
        ChartLongitudes Positions;
        int House;
        bool HadDosha, IsManglik;
        const char* Percentage;
        const char* Detail;
        const char* Verdict;
    };
    const char* M = "The person is Manglik";
    const char* N = "The person is Not Manglik";
    const char* C = "The person is Non Manglik";
    const Case cases[] = {
        {"own sign", Chart("10 Ari 00", "05 Ari 10"), 1, true, true, "50%",
         "Percentage of Mangala dosha is  50%", M},
        {"Leo in house 1", Chart("10 Leo 00", "05 Leo 10", "15 Pis 00", "15 Sag 00"), 1, true,
         false, "", Cancelled, C},
        {"Aquarius in house 8", Chart("10 Can 00", "05 Aqu 10", "15 Lib 00", "15 Sag 00"), 8, true,
         false, "", Cancelled, C},
        {"Cancer from Aries", Chart("29 Ari 59", "00 Can 00"), 4, true, true, "12.5%",
         "Percentage of Mangala dosha is  12.5%", M},
        {"Aries from Capricorn", Chart("10 Cap 00", "05 Ari 00"), 4, true, false, "", Cancelled, C},
        {"Scorpio from Leo", Chart("10 Leo 00", "05 Sco 00"), 4, true, false, "", Cancelled, C},
        {"Scorpio in house 1 stands", Chart("10 Sco 00", "05 Sco 00"), 1, true, true, "50%",
         "Percentage of Mangala dosha is  50%", M},
        {"Gemini from Taurus", Chart("10 Tau 00", "05 Gem 00"), 2, true, false, "", Cancelled, C},
        {"Virgo from Leo", Chart("10 Leo 00", "05 Vir 00"), 2, true, false, "", Cancelled, C},
        {"Taurus from Aries", Chart("10 Ari 00", "05 Tau 00"), 2, true, true, "6.25%",
         "Percentage of Mangala dosha is  6.25%", M},
        {"Libra from Aries", Chart("10 Ari 00", "05 Lib 00", "25 Cap 00", "25 Can 00"), 7, true,
         true, "25%", "Percentage of Mangala dosha is  25%", M},
        {"Capricorn from Cancer", Chart("10 Can 00", "05 Cap 00"), 7, true, false, "", Cancelled,
         C},
        {"Cancer from Capricorn", Chart("10 Cap 00", "05 Can 00"), 7, true, false, "", Cancelled,
         C},
        {"Capricorn from Gemini", Chart("10 Gem 00", "05 Cap 00"), 8, true, true, "100%",
         "Percentage of Mangala dosha is  100%", M},
        {"Pisces from Leo", Chart("10 Leo 00", "05 Pis 00"), 8, true, false, "", Cancelled, C},
        {"Sagittarius from Taurus", Chart("10 Tau 00", "05 Sag 00"), 8, true, false, "", Cancelled,
         C},
        {"Virgo from Libra", Chart("10 Lib 00", "05 Vir 00", "15 Ari 00", "15 Ari 00"), 12, true,
         true, "6.25%", "Percentage of Mangala dosha is  6.25%", M},
        {"Libra from Scorpio", Chart("10 Sco 00", "05 Lib 00", "15 Ari 00", "15 Ari 00"), 12, true,
         false, "", Cancelled, C},
        {"Taurus from Gemini", Chart("10 Gem 00", "05 Tau 00"), 12, true, false, "", Cancelled, C},
        {"house 3 beside Jupiter", Chart("10 Ari 00", "05 Gem 00", "05 Gem 30", "05 Gem 40"), 3,
         false, false, "", " ", N},
        {"house 5", Chart("10 Ari 00", "05 Leo 00"), 5, false, false, "", " ", N},
        {"house 6", Chart("10 Ari 00", "05 Vir 00"), 6, false, false, "", " ", N},
        {"house 9", Chart("10 Ari 00", "05 Sag 00"), 9, false, false, "", " ", N},
        {"house 10", Chart("10 Ari 00", "05 Cap 00"), 10, false, false, "", " ", N},
        {"house 11 from Pisces", Chart("10 Pis 00", "05 Cap 00"), 11, false, false, "", " ", N},
        {"house 12 across Aries", Chart("10 Ari 00", "05 Pis 00"), 12, true, true, "6.25%",
         "Percentage of Mangala dosha is  6.25%", M},
        {"Jupiter 6 degrees away across 0", Chart("10 Ari 00", "27 Pis 00", "03 Ari 00"), 12, true,
         false, "", Cancelled, C},
        {"Mercury 11 degrees away", Chart("10 Ari 00", "05 Can 00", "20 Lib 00", "16 Can 00"), 4,
         true, true, "12.5%", "Percentage of Mangala dosha is  12.5%", M},
        {"Mercury 10 degrees away", Chart("10 Ari 00", "05 Can 59", "20 Lib 00", "15 Can 00"), 4,
         true, false, "", Cancelled, C},
        {"Mercury on Mars", Chart("10 Ari 00", "12 Can 00", "20 Lib 00", "12 Can 00"), 4, true,
         false, "", Cancelled, C},
    };
    for (const Case& c : cases) {
        const ManglikResult r = EvaluateManglik(ReferenceKind::LagnaChart, c.Positions);
        EXPECT_EQ(r.House, c.House) << c.What;
        EXPECT_EQ(r.HadDosha, c.HadDosha) << c.What;
        EXPECT_EQ(r.IsManglik, c.IsManglik) << c.What;
        EXPECT_EQ(texts::PercentageText(r), c.Percentage) << c.What;
        EXPECT_EQ(texts::DetailLine(r), c.Detail) << c.What;
        EXPECT_EQ(texts::VerdictText(VerdictOf(r)), c.Verdict) << c.What;
    }
}

TEST(EvaluateManglik, CancelledByNamesEveryRuleThatHeldInOrder) {
    // Far away: Jupiter and Mercury 90 degrees and more from Mars unless a
    // case places them.
    struct Case {
        const char* What;
        ChartLongitudes Positions;
        std::vector<std::string> Rules;
        const char* Explanation;
    };
    const Case cases[] = {
        {"standing dosha", Chart("10 Ari 00", "05 Ari 00"), {}, ""},
        {"no dosha house, Jupiter on Mars",
         Chart("10 Ari 00", "05 Gem 00", "05 Gem 30", "05 Gem 40"),
         {},
         ""},
        {"Leo in house 1",
         Chart("10 Leo 00", "05 Leo 10", "15 Pis 00", "15 Sag 00"),
         {"LeoAquarius"},
         "Cancelled: Mars in Leo"},
        {"Aquarius in house 8",
         Chart("10 Can 00", "05 Aqu 10", "15 Lib 00", "15 Sag 00"),
         {"LeoAquarius"},
         "Cancelled: Mars in Aquarius"},
        {"Gemini in house 2",
         Chart("10 Tau 00", "05 Gem 00"),
         {"House2GeminiVirgo"},
         "Cancelled: Mars in Gemini in the 2nd house"},
        {"Aries in house 4",
         Chart("10 Cap 00", "05 Ari 00"),
         {"House4AriesScorpio"},
         "Cancelled: Mars in Aries in the 4th house"},
        {"Capricorn in house 7",
         Chart("10 Can 00", "05 Cap 00"),
         {"House7CancerCapricorn"},
         "Cancelled: Mars in Capricorn in the 7th house"},
        {"Pisces in house 8",
         Chart("10 Leo 00", "05 Pis 00"),
         {"House8SagittariusPisces"},
         "Cancelled: Mars in Pisces in the 8th house"},
        {"Libra in house 12",
         Chart("10 Sco 00", "05 Lib 00", "15 Ari 00", "15 Ari 00"),
         {"House12TaurusLibra"},
         "Cancelled: Mars in Libra in the 12th house"},
        {"Jupiter across Pisces and Aries",
         Chart("10 Ari 00", "27 Pis 00", "03 Ari 00"),
         {"JupiterConjunct"},
         "Cancelled: Mars within 10\u00B0 of Jupiter"},
        {"Mercury on Mars",
         Chart("10 Ari 00", "12 Can 00", "20 Lib 00", "12 Can 00"),
         {"MercuryConjunct"},
         "Cancelled: Mars within 10\u00B0 of Mercury"},
        // Every rule is tested: a sign rule and both conjunctions together.
        {"all three",
         Chart("10 Cap 00", "05 Ari 00", "01 Ari 00", "14 Ari 00"),
         {"House4AriesScorpio", "JupiterConjunct", "MercuryConjunct"},
         "Cancelled: Mars in Aries in the 4th house; Mars within 10\u00B0 of Jupiter; Mars "
         "within 10\u00B0 of Mercury"},
        {"Aries in house 4 and Jupiter",
         Chart("10 Cap 00", "05 Ari 00", "10 Ari 00"),
         {"House4AriesScorpio", "JupiterConjunct"},
         "Cancelled: Mars in Aries in the 4th house; Mars within 10\u00B0 of Jupiter"},
        {"Aquarius with Mercury",
         Chart("10 Aqu 00", "05 Aqu 00", "15 Lib 00", "28 Cap 00"),
         {"LeoAquarius", "MercuryConjunct"},
         "Cancelled: Mars in Aquarius; Mars within 10\u00B0 of Mercury"},
        // Scorpio in house 1 is no sign rule; Mercury 11 degrees away is
        // too far: the dosha stands.
        {"Scorpio in house 1, Mercury 11 degrees off",
         Chart("10 Sco 00", "05 Sco 00", "15 Ari 00", "16 Sco 00"),
         {},
         ""},
    };
    for (const Case& c : cases) {
        const ManglikResult r = EvaluateManglik(ReferenceKind::LagnaChart, c.Positions);
        std::vector<std::string> names;
        for (const CancellationRule rule : r.CancelledBy) {
            names.emplace_back(RuleName(rule));
        }
        EXPECT_EQ(names, c.Rules) << c.What;
        // Cancelled exactly when a rule held for a dosha house.
        EXPECT_EQ(r.HadDosha && !r.IsManglik, !c.Rules.empty()) << c.What;
        EXPECT_EQ(texts::ExplainCancellation(r, c.Positions[engine::Mars]), c.Explanation)
            << c.What;
    }
}

TEST(EvaluateManglik, TheKindChoosesTheReference) {
    // Ascendant in Aries, Moon in Libra, Mars in Aries: house 1 from Lagna,
    // house 7 from Chandra.
    const ChartLongitudes p =
        Chart("10 Ari 00", "05 Ari 00", "20 Cap 00", "20 Cap 30", "01 Lib 00");
    EXPECT_EQ(EvaluateManglik(ReferenceKind::LagnaChart, p).House, 1);
    EXPECT_EQ(EvaluateManglik(ReferenceKind::RashiChart, p).House, 7);
    EXPECT_EQ(texts::PercentageText(EvaluateManglik(ReferenceKind::RashiChart, p)), "25%");
    EXPECT_EQ(EvaluateManglik(At("03 Pis 00"), p).House, 2);
}

TEST(IsConjunct, WholeDegreesAlongTheShorterArc) {
    struct Case {
        const char* A;
        const char* B;
        bool Close;
    };
    const Case cases[] = {
        {"27 Pis 00", "03 Ari 00", true},
        {"03 Ari 00", "27 Pis 00", true},
        {"05 Leo 00", "16 Leo 00", false},
        {"05 Leo 59", "15 Leo 00", true},
        {"12 Sco 00", "12 Sco 00", true},
        {"25 Ari 00", "04 Tau 00", true},
        {"29 Ari 00", "00 Gem 00", false},
        {"00 Ari 00", "29 Sag 00", false},
        {"05 Ari 00", "25 Pis 00", true},
        {"04 Ari 00", "23 Pis 00", false},
        {"00 Ari 00", "00 Lib 00", false},
        // Whole degrees are truncated, never rounded: 5 deg 59' is 5.
        {"05 Ari 59", "15 Ari 58", true},
        {"04 Ari 59", "15 Ari 00", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsConjunct(At(c.A), At(c.B)), c.Close) << c.A << " / " << c.B;
    }
}

// The whole-degree longitude of the rule, from the number: one arc-second
// either side of a sign's start, and the last arc-second of the circle.
TEST(WholeDegreeLongitude, TruncatedAtSignBoundaries) {
    const double second = 1 / 3600.0;
    struct Case {
        double Longitude;
        int Expected;
    };
    const Case cases[] = {
        {0 + second, 0},     {30 - second, 29},   {30 + second, 30},   {59.5, 59},
        {120 - second, 119}, {120 + second, 120}, {360 - second, 359}, {360, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WholeDegreeLongitude(c.Longitude), c.Expected) << c.Longitude;
    }
}

TEST(LoadManglikTables, OrdinalSuffixes) {
    const ManglikTables& t = LoadManglikTables();
    const char* suffixes[] = {"st", "nd", "rd", "th", "th", "th",
                              "th", "th", "th", "th", "th", "th"};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(t.OrdinalSuffixes[k], suffixes[k]);
    }
    EXPECT_EQ(KindText(ReferenceKind::LagnaChart), "LagnaChart");
    EXPECT_EQ(KindText(ReferenceKind::RashiChart), "RashiChart");
}

} // namespace
} // namespace tirovane::manglik
