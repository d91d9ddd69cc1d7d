#include "reading/pair_match.h"
#include "texts/match_texts.h"
#include "texts/porutham_texts.h"
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

TEST(GroomIndex, TheMaleOrTheOppositeOfTheOneGivenElseTheFirst) {
    const struct {
        Sex First;
        Sex Partner;
        int Groom;
    } cases[] = {
        {Sex::NotGiven, Sex::NotGiven, FirstPerson}, {Sex::Male, Sex::Female, FirstPerson},
        {Sex::Female, Sex::Male, Partner},           {Sex::Male, Sex::NotGiven, FirstPerson},
        {Sex::NotGiven, Sex::Male, Partner},         {Sex::Female, Sex::NotGiven, Partner},
        {Sex::NotGiven, Sex::Female, FirstPerson},   {Sex::Male, Sex::Male, FirstPerson},
        {Sex::Female, Sex::Female, FirstPerson},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GroomIndex(c.First, c.Partner), c.Groom)
            << static_cast<int>(c.First) << " " << static_cast<int>(c.Partner);
    }
}

TEST(MatchSides, AWomanWhoTypesFirstGetsTheTotalOfHerPartnerTypingFirst) {
    // Cancer 5° (Brahmin) and Gemini 5° (Shudra): Varna gives its point only
    // when the groom's varna is not below the bride's, so the order counts.
    const double his = 95;
    const double hers = 65;
    const SidedMatch heFirst = MatchSides(his, hers);
    const SidedMatch sheFirst = MatchSides(hers, his, Sex::Female);
    const SidedMatch unsaid = MatchSides(hers, his);
    EXPECT_EQ(heFirst.Points.Varna, 1);
    EXPECT_EQ(unsaid.Points.Varna, 0) << "without a sex the first person is the groom";
    EXPECT_EQ(sheFirst.Groom, Partner);
    EXPECT_EQ(sheFirst.Points.Total, heFirst.Points.Total);
    EXPECT_EQ(sheFirst.Poruthams.Count, heFirst.Poruthams.Count);
    EXPECT_EQ(sheFirst.Poruthams.StarCount, heFirst.Poruthams.StarCount);
    EXPECT_EQ(MatchSides(hers, his, Sex::NotGiven, Sex::Male).Points.Total, heFirst.Points.Total);

    // The table keeps the input order in its columns and says the sides.
    const texts::MatchTableTexts t = texts::MatchTableTextsOf(sheFirst);
    EXPECT_EQ(t.Rows[0].First, "Shudra");
    EXPECT_EQ(t.Rows[0].Partner, "Brahmin");
    EXPECT_EQ(t.Roles, "Points are counted with the partner on the groom's side and the first "
                       "person on the bride's side.");
}

TEST(PoruthamTexts, ReasonsCountScoreVerdictAndDoshas) {
    using matching::Porutham;
    const auto reasons = [](double groom, double bride) {
        return texts::PoruthamTableTextsOf(
            matching::MatchPoruthams(matching::AttributesOfMoon(groom),
                                     matching::AttributesOfMoon(bride)));
    };
    // The groom in Rohini pada 2 (Taurus 15°), the bride in Ashwini pada 1.
    const texts::PoruthamTableTexts worked = reasons(45, 1);
    const std::pair<Porutham, const char*> expected[] = {
        {Porutham::Dina, "Count from the bride's star to the groom's: 4."},
        {Porutham::Gana, "The groom's gana is Manushya, the bride's Deva."},
        {Porutham::Yoni, "The groom's yoni Serpent and the bride's Horse are not enemies."},
        {Porutham::Rasi, "Count from the bride's sign to the groom's: 2."},
        {Porutham::RasiAdhipathi, "Lords Venus and Mars: neither friends nor enemies."},
        {Porutham::Vasya, "Neither Taurus nor Aries is vasya to the other."},
        {Porutham::Rajju, "Different rajju: the groom's Kantha, the bride's Pada."},
        {Porutham::Vedha, "Rohini and Aswini do not obstruct each other."},
    };
    for (const auto& [porutham, reason] : expected) {
        EXPECT_EQ(worked.Rows[static_cast<std::size_t>(porutham)].Reason, reason);
    }
    EXPECT_EQ(worked.Rows[0].Porutham, "Dina");
    EXPECT_EQ(worked.Rows[1].Grade, "Madhyamam");
    EXPECT_EQ(worked.Count, "Matching poruthams: 7 of 10");
    EXPECT_EQ(worked.Score, "Score: 5.5 of 10");
    EXPECT_EQ(worked.Verdict, "Verdict: Adhamam");
    EXPECT_EQ(worked.Doshas, "Doshas: none");

    // Both in Rohini, the groom in pada 1, the bride in pada 3.
    const texts::PoruthamTableTexts same = reasons(41, 48);
    EXPECT_EQ(same.Rows[0].Reason, "Both are born in Rohini, a star that is good when shared.");
    EXPECT_EQ(same.Rows[5].Reason,
              "Both are born in Rohini; the groom's pada 1 is lower than the bride's 3.");
    EXPECT_EQ(same.Rows[8].Reason, "Both are in Kantha rajju: danger to the wife.");
    EXPECT_EQ(same.Doshas, "Doshas: Rajju");

    // The 12th star from the bride's with the groom in its first pada.
    const texts::PoruthamTableTexts twelfth = reasons(148, 1);
    EXPECT_EQ(twelfth.Rows[0].Reason,
              "Count from the bride's star to the groom's: 12; the groom's pada is 1.");
    EXPECT_EQ(twelfth.Rows[0].Grade, "Adhamam");
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
