#include "reading/pair_match.h"
#include "texts/match_texts.h"
#include "texts/result_lines.h"

#include <gtest/gtest.h>

namespace tirovane {
namespace {

BirthDetails WorkedExample(int day = 12) {
    BirthDetails d;
    d.Name = "Example";
    d.Day = day;
    d.Month = 4;
    d.Year = 1992;
    SelectZoneRow(d, 29); // Greenwich Mean Time
    d.LatitudeDegrees = 51;
    d.LatitudeMinutes = 30;
    d.City = "London";
    d.State = "England";
    d.Country = "United Kingdom";
    return d;
}

TEST(PointsText, WholeNumbersPlainlyHalvesWithOneDecimal) {
    const struct {
        double Points;
        const char* Text;
    } cases[] = {{0, "0"}, {0.5, "0.5"}, {1.5, "1.5"}, {3, "3"}, {23.5, "23.5"}, {36, "36"}};
    for (const auto& c : cases) {
        EXPECT_EQ(texts::PointsText(c.Points), c.Text);
    }
}

TEST(MatchTableTextsOf, RowsTotalVerdictDoshasAndRoles) {
    // Aswini in Aries 5° with Rohini in Taurus 15°, counted by hand.
    const texts::MatchTableTexts t = texts::MatchTableTextsOf(MatchSides(5, 45));
    const texts::MatchRowTexts expected[] = {
        {"Varna", "Kshatriya", "Vaishya", "1", "1"},
        {"Vashya", "Chatushpada", "Chatushpada", "2", "2"},
        {"Tara", "Aswini", "Rohini", "1.5", "3"},
        {"Yoni", "Horse", "Serpent", "3", "4"},
        {"Graha Maitri", "Mars", "Venus", "3", "5"},
        {"Gana", "Deva", "Manushya", "5", "6"},
        {"Bhakoot", "Aries", "Taurus", "0", "7"},
        {"Nadi", "Adi", "Antya", "8", "8"},
    };
    for (std::size_t k = 0; k < t.Rows.size(); ++k) {
        SCOPED_TRACE(expected[k].Koota);
        EXPECT_EQ(t.Rows[k].Koota, expected[k].Koota);
        EXPECT_EQ(t.Rows[k].First, expected[k].First);
        EXPECT_EQ(t.Rows[k].Partner, expected[k].Partner);
        EXPECT_EQ(t.Rows[k].Points, expected[k].Points);
        EXPECT_EQ(t.Rows[k].Maximum, expected[k].Maximum);
    }
    EXPECT_EQ(t.Total, "23.5");
    EXPECT_EQ(t.Verdict, "Acceptable match");
    EXPECT_EQ(t.NadiDosha, "Nadi dosha: none");
    EXPECT_EQ(t.BhakootDosha, "Bhakoot dosha: present");
    EXPECT_NE(t.Roles.find("first person on the groom's side"), std::string::npos);
    EXPECT_NE(t.Roles.find("partner on the bride's side"), std::string::npos);
}

TEST(ReadingMatch, FollowsTheReadingThroughBothPeopleAndBack) {
    ReadingState state;
    EXPECT_FALSE(ReadingMatch(state));
    ComputePerson(state, FirstPerson, WorkedExample());
    EXPECT_FALSE(ReadingMatch(state)) << "only the first person is computed";
    ComputePerson(state, Partner, WorkedExample());
    // The same Moon (Cancer, Aslesha) on both sides: everything but Nadi.
    const auto same = ReadingMatch(state);
    ASSERT_TRUE(same);
    EXPECT_EQ(same->Points.Total, 28);
    EXPECT_EQ(same->Points.NadiDosha, matching::Dosha::Present);
    EXPECT_EQ(matching::YoniName(same->Points.Groom.Animal), "Cat");

    // A new first person starts a new pair: no match until the partner.
    ComputePerson(state, FirstPerson, WorkedExample());
    EXPECT_FALSE(ReadingMatch(state));

    // A day later the Moon stands in Leo, Magha. Cancer/Aslesha (Brahmin,
    // Jalachara, Cat, Moon, Rakshasa, Antya) with Leo/Magha (Kshatriya,
    // Vanachara, Rat, Sun, Rakshasa, Antya): 1 + 1 + 3 + 0 + 5 + 6 + 0 + 0.
    const PersonChart& partner = ComputePerson(state, Partner, WorkedExample(13));
    ASSERT_EQ(partner.MoonNakshatra, "Magha");
    const auto next = ReadingMatch(state);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->Points.Varna, 1);
    EXPECT_EQ(next->Points.Vashya, 1);
    EXPECT_EQ(next->Points.Tara, 3);
    EXPECT_EQ(next->Points.Yoni, 0);
    EXPECT_EQ(next->Points.GrahaMaitri, 5);
    EXPECT_EQ(next->Points.Gana, 6);
    EXPECT_EQ(next->Points.Bhakoot, 0);
    EXPECT_EQ(next->Points.Nadi, 0);
    EXPECT_EQ(next->Points.Total, 16);
    EXPECT_EQ(next->Points.BhakootDosha, matching::Dosha::Cancelled); // Moon and Sun are friends
    EXPECT_EQ(next->Points.NadiDosha, matching::Dosha::Present);

    ResetManglikLines(state);
    EXPECT_FALSE(ReadingMatch(state));
}

TEST(MatchPair, MatchLinesOfThePair) {
    // A person is Manglik (M), not Manglik (N) or has the dosha cancelled
    // (C) from each reference.
    const auto result = [](char verdict) {
        manglik::ManglikResult r;
        r.HadDosha = verdict != 'N';
        r.IsManglik = verdict == 'M';
        return r;
    };
    const auto with = [&](char lagna, char rashi) {
        PersonChart chart;
        chart.LagnaChart = result(lagna);
        chart.RashiChart = result(rashi);
        return chart;
    };
    const PairMatch both = MatchPair(with('M', 'N'), with('M', 'C'));
    EXPECT_EQ(texts::MatchLineText(both.Lagna), "Mangal Dosha has been nullified.");
    EXPECT_EQ(texts::MatchLineText(both.Chandra), "You do not have Manglik Dosha.");
    const PairMatch one = MatchPair(with('N', 'M'), with('M', 'N'));
    EXPECT_EQ(texts::MatchLineText(one.Lagna), "Mangal Dosha has not been nullified. Please "
                                               "consult an astrologer for further details.");
    EXPECT_EQ(one.Chandra, one.Lagna);
}

} // namespace
} // namespace tirovane
