#include "matching/ashtakoota.h"
#include "texts/match_texts.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tirovane::matching {
namespace {

// The expectations below are written from the published rules in their own
// words (name lists, relation sentences, the printed yoni grid as text) and
// looked up by name, never through the library's arrays.

const std::vector<std::string> SignNames = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                            "Leo",         "Virgo",     "Libra",    "Scorpio",
                                            "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// A longitude in the middle of nakshatra n (13°20′ each).
double MiddleOfStar(int n) {
    return (n * 800.0 + 400.0) / 60.0;
}

// A longitude inside both sign s and nakshatra n, if the two overlap.
std::optional<double> InSignAndStar(int s, int n) {
    const double lo = std::max(s * 30.0, n * 800.0 / 60.0);
    const double hi = std::min(s * 30.0 + 30.0, (n + 1) * 800.0 / 60.0);
    if (hi - lo < 1e-6) {
        return std::nullopt;
    }
    return (lo + hi) / 2;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::stringstream in(text);
    std::string part;
    while (std::getline(in, part, separator)) {
        part.erase(0, part.find_first_not_of(' '));
        part.erase(part.find_last_not_of(' ') + 1);
        if (!part.empty()) {
            parts.push_back(part);
        }
    }
    return parts;
}

// ---- attributes ------------------------------------------------------------

TEST(MoonAttributes, SignAndStarIndicesAtTheirEdges) {
    const double second = 1.0 / 3600;
    struct Case {
        double Longitude;
        int Sign, Nakshatra;
    } cases[] = {
        {0, 0, 0},
        {30 - second, 0, 2},
        {30, 1, 2},
        {40 - second, 1, 2}, // Krittika ends at 40°
        {40, 1, 3},
        {13 + 1.0 / 3 - second, 0, 0}, // 13°20′ less one second
        {13 + 1.0 / 3 + second, 0, 1},
        {360 - second, 11, 26},
        {360, 0, 0}, // a full turn is Aries again
        {-second, 11, 26},
    };
    for (const Case& c : cases) {
        const MoonAttributes a = AttributesOfMoon(c.Longitude);
        EXPECT_EQ(a.Sign, c.Sign) << c.Longitude;
        EXPECT_EQ(a.Nakshatra, c.Nakshatra) << c.Longitude;
    }
}

TEST(MoonAttributes, VarnaSignLordVashyaBySign) {
    // Varna lists, sign lords and vashya classes, as the rules list them.
    const std::map<std::string, std::string> varna = {
        {"Cancer", "Brahmin"},  {"Scorpio", "Brahmin"}, {"Pisces", "Brahmin"},
        {"Aries", "Kshatriya"}, {"Leo", "Kshatriya"},   {"Sagittarius", "Kshatriya"},
        {"Taurus", "Vaishya"},  {"Virgo", "Vaishya"},   {"Capricorn", "Vaishya"},
        {"Gemini", "Shudra"},   {"Libra", "Shudra"},    {"Aquarius", "Shudra"}};
    const std::map<std::string, std::string> lord = {
        {"Aries", "Mars"},       {"Taurus", "Venus"},    {"Gemini", "Mercury"},
        {"Cancer", "Moon"},      {"Leo", "Sun"},         {"Virgo", "Mercury"},
        {"Libra", "Venus"},      {"Scorpio", "Mars"},    {"Sagittarius", "Jupiter"},
        {"Capricorn", "Saturn"}, {"Aquarius", "Saturn"}, {"Pisces", "Jupiter"}};
    // First half (below 15°) and second half of each sign.
    const std::map<std::string, std::pair<std::string, std::string>> vashya = {
        {"Aries", {"Chatushpada", "Chatushpada"}},
        {"Taurus", {"Chatushpada", "Chatushpada"}},
        {"Gemini", {"Manava", "Manava"}},
        {"Cancer", {"Jalachara", "Jalachara"}},
        {"Leo", {"Vanachara", "Vanachara"}},
        {"Virgo", {"Manava", "Manava"}},
        {"Libra", {"Manava", "Manava"}},
        {"Scorpio", {"Keeta", "Keeta"}},
        {"Sagittarius", {"Manava", "Chatushpada"}},
        {"Capricorn", {"Chatushpada", "Jalachara"}},
        {"Aquarius", {"Manava", "Manava"}},
        {"Pisces", {"Jalachara", "Jalachara"}}};
    const double second = 1.0 / 3600;
    for (int s = 0; s < 12; ++s) {
        const std::string& name = SignNames[s];
        for (const double within : {0.0, 15 - second, 15.0, 30 - second}) {
            const MoonAttributes a = AttributesOfMoon(s * 30 + within);
            SCOPED_TRACE(name + " " + std::to_string(within));
            ASSERT_EQ(a.Sign, s);
            EXPECT_EQ(VarnaName(a.VarnaClass), varna.at(name));
            EXPECT_EQ(PlanetName(a.SignLord), lord.at(name));
            const auto& halves = vashya.at(name);
            EXPECT_EQ(VashyaName(a.VashyaClass), within < 15 ? halves.first : halves.second);
        }
    }
}

TEST(MoonAttributes, YoniGanaNadiByNakshatra) {
    const std::vector<std::string> animals = Split(
        "Horse, Elephant, Sheep, Serpent, Serpent, Dog, Cat, Sheep, Cat, Rat, Rat, Cow, Buffalo, "
        "Tiger, Buffalo, Tiger, Deer, Deer, Dog, Monkey, Mongoose, Monkey, Lion, Horse, Lion, "
        "Cow, Elephant",
        ',');
    ASSERT_EQ(animals.size(), 27u);
    const std::map<std::string, std::set<int>> gana = {
        {"Deva", {0, 4, 6, 7, 12, 14, 16, 21, 26}},
        {"Manushya", {1, 3, 5, 10, 11, 19, 20, 24, 25}},
        {"Rakshasa", {2, 8, 9, 13, 15, 17, 18, 22, 23}}};
    const std::map<std::string, std::set<int>> nadi = {
        {"Adi", {0, 5, 6, 11, 12, 17, 18, 23, 24}},
        {"Madhya", {1, 4, 7, 10, 13, 16, 19, 22, 25}},
        {"Antya", {2, 3, 8, 9, 14, 15, 20, 21, 26}}};
    for (int n = 0; n < 27; ++n) {
        for (const double edge :
             {n * 800.0 / 60 + 1e-9, MiddleOfStar(n), (n + 1) * 800.0 / 60 - 1e-9}) {
            const MoonAttributes a = AttributesOfMoon(edge);
            SCOPED_TRACE(n);
            ASSERT_EQ(a.Nakshatra, n);
            EXPECT_EQ(YoniName(a.Animal), animals[n]);
            EXPECT_EQ(gana.at(std::string(GanaName(a.GanaClass))).count(n), 1u);
            EXPECT_EQ(nadi.at(std::string(NadiName(a.NadiClass))).count(n), 1u);
        }
    }
}

// ---- the eight parts ----------------------------------------------------------

TEST(Ashtakoota, VarnaByRank) {
    const std::map<std::string, int> rank = {
        {"Brahmin", 4}, {"Kshatriya", 3}, {"Vaishya", 2}, {"Shudra", 1}};
    for (int s1 = 0; s1 < 12; ++s1) {
        for (int s2 = 0; s2 < 12; ++s2) {
            const Ashtakoota m = MatchMoons(s1 * 30 + 1, s2 * 30 + 1);
            const int r1 = rank.at(std::string(VarnaName(m.Groom.VarnaClass)));
            const int r2 = rank.at(std::string(VarnaName(m.Bride.VarnaClass)));
            EXPECT_EQ(m.Varna, r1 >= r2 ? 1 : 0) << SignNames[s1] << " " << SignNames[s2];
        }
    }
    // A worked pair each way: Cancer (Brahmin) with Gemini (Shudra).
    EXPECT_EQ(MatchMoons(95, 65).Varna, 1);
    EXPECT_EQ(MatchMoons(65, 95).Varna, 0);
}

TEST(Ashtakoota, VashyaEveryClassPair) {
    // One longitude of each class, and the grid of the rules by class names.
    const std::map<std::string, double> where = {{"Chatushpada", 10},
                                                 {"Manava", 70},
                                                 {"Jalachara", 100},
                                                 {"Vanachara", 130},
                                                 {"Keeta", 220}};
    const std::vector<std::string> order = {"Chatushpada", "Manava", "Jalachara", "Vanachara",
                                            "Keeta"};
    const double grid[5][5] = {{2, 1, 1, 0.5, 1},
                               {1, 2, 0.5, 0, 1},
                               {1, 0.5, 2, 1, 1},
                               {0.5, 0, 1, 2, 0},
                               {1, 1, 1, 0, 2}};
    for (int i = 0; i < 5; ++i) {
        for (int j = 0; j < 5; ++j) {
            const Ashtakoota m = MatchMoons(where.at(order[i]), where.at(order[j]));
            ASSERT_EQ(VashyaName(m.Groom.VashyaClass), order[i]);
            ASSERT_EQ(VashyaName(m.Bride.VashyaClass), order[j]);
            EXPECT_EQ(m.Vashya, grid[i][j]) << order[i] << " with " << order[j];
        }
    }
    // The halves of Sagittarius and Capricorn count: Sagittarius 14° is
    // Manava, 16° Chatushpada; Capricorn 16° is Jalachara.
    EXPECT_EQ(MatchMoons(254, 256).Vashya, 1);   // Manava with Chatushpada
    EXPECT_EQ(MatchMoons(286, 130).Vashya, 1);   // Jalachara with Vanachara
    EXPECT_EQ(MatchMoons(284, 130).Vashya, 0.5); // Chatushpada with Vanachara
}

TEST(Ashtakoota, TaraEveryStarPair) {
    // Count the stars by walking forward from one to the other, the way the
    // count is done by hand: the star itself is the first.
    const auto walk = [](int from, int to) {
        int count = 1;
        for (int at = from; at != to; at = (at + 1) % 27) {
            ++count;
        }
        return count;
    };
    const std::set<int> unlucky = {3, 5, 7, 12, 14, 16, 21, 23, 25};
    for (int n1 = 0; n1 < 27; ++n1) {
        for (int n2 = 0; n2 < 27; ++n2) {
            const double expected =
                (unlucky.count(walk(n2, n1)) ? 0 : 1.5) + (unlucky.count(walk(n1, n2)) ? 0 : 1.5);
            const Ashtakoota m = MatchMoons(MiddleOfStar(n1), MiddleOfStar(n2));
            EXPECT_EQ(m.Tara, expected) << n1 << " with " << n2;
            EXPECT_EQ(m.Tara, MatchMoons(MiddleOfStar(n2), MiddleOfStar(n1)).Tara);
        }
    }
    // Worked examples: Aswini with Bharani counts 2 and 27: 3 points;
    // Aswini with Krittika counts 3 one way: 1.5; Aswini with Mrigasira
    // (index 4) counts 5 and 24: 1.5.
    EXPECT_EQ(MatchMoons(MiddleOfStar(1), MiddleOfStar(0)).Tara, 3);
    EXPECT_EQ(MatchMoons(MiddleOfStar(2), MiddleOfStar(0)).Tara, 1.5);
    EXPECT_EQ(MatchMoons(MiddleOfStar(4), MiddleOfStar(0)).Tara, 1.5);
}

TEST(Ashtakoota, YoniEveryAnimalPair) {
    // The grid as printed, rows and columns in this order.
    const std::vector<std::string> order = Split(
        "Horse Elephant Sheep Serpent Dog Cat Rat Cow Buffalo Tiger Deer Monkey Mongoose Lion",
        ' ');
    const std::vector<std::string> rows = {
        "4 2 2 3 2 2 2 1 0 1 1 3 2 1", "2 4 3 3 2 2 2 2 3 1 2 3 2 0", "2 3 4 2 1 2 1 3 3 1 2 0 3 1",
        "3 3 2 4 2 1 1 1 1 2 2 2 0 2", "2 2 1 2 4 2 1 2 2 1 0 2 1 1", "2 2 2 1 2 4 0 2 2 1 3 3 2 1",
        "2 2 1 1 1 0 4 2 2 2 2 2 1 2", "1 2 3 1 2 2 2 4 3 0 3 2 2 1", "0 3 3 1 2 2 2 3 4 1 2 2 2 1",
        "1 1 1 2 1 1 2 0 1 4 1 1 2 1", "1 2 2 2 0 3 2 3 2 1 4 2 2 1", "3 3 0 2 2 3 2 2 2 1 2 4 3 2",
        "2 2 3 0 1 2 1 2 2 2 2 3 4 2", "1 0 1 2 1 1 2 1 1 1 1 2 2 4"};
    std::map<std::pair<std::string, std::string>, int> grid;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto cells = Split(rows[i], ' ');
        ASSERT_EQ(cells.size(), order.size());
        for (std::size_t j = 0; j < cells.size(); ++j) {
            grid[{order[i], order[j]}] = std::stoi(cells[j]);
        }
    }
    // Every pair of stars, hence every pair of animals, each way.
    std::set<std::pair<std::string, std::string>> seen;
    for (int n1 = 0; n1 < 27; ++n1) {
        for (int n2 = 0; n2 < 27; ++n2) {
            const Ashtakoota m = MatchMoons(MiddleOfStar(n1), MiddleOfStar(n2));
            const std::pair<std::string, std::string> key{std::string(YoniName(m.Groom.Animal)),
                                                          std::string(YoniName(m.Bride.Animal))};
            EXPECT_EQ(m.Yoni, grid.at(key)) << key.first << " with " << key.second;
            seen.insert(key);
        }
    }
    EXPECT_EQ(seen.size(), 14u * 14u);
    // The traditional sworn enemies score nothing, and only they do.
    const std::set<std::set<std::string>> enemies = {
        {"Horse", "Buffalo"}, {"Elephant", "Lion"}, {"Sheep", "Monkey"}, {"Serpent", "Mongoose"},
        {"Dog", "Deer"},      {"Cat", "Rat"},       {"Cow", "Tiger"}};
    for (const auto& [pair, points] : grid) {
        EXPECT_EQ(points == 0, enemies.count({pair.first, pair.second}) == 1)
            << pair.first << " with " << pair.second;
    }
}

// The natural relations, as sentences.
std::map<std::string, std::map<std::string, std::string>> RelationsFromSentences() {
    const std::vector<std::string> sentences = {
        "Sun: friends Moon, Mars, Jupiter; neutral Mercury; enemies Venus, Saturn",
        "Moon: friends Sun, Mercury; neutral Mars, Jupiter, Venus, Saturn; enemies",
        "Mars: friends Sun, Moon, Jupiter; neutral Venus, Saturn; enemies Mercury",
        "Mercury: friends Sun, Venus; neutral Mars, Jupiter, Saturn; enemies Moon",
        "Jupiter: friends Sun, Moon, Mars; neutral Saturn; enemies Mercury, Venus",
        "Venus: friends Mercury, Saturn; neutral Mars, Jupiter; enemies Sun, Moon",
        "Saturn: friends Mercury, Venus; neutral Jupiter; enemies Sun, Moon, Mars"};
    std::map<std::string, std::map<std::string, std::string>> relation;
    for (const std::string& sentence : sentences) {
        const auto colon = sentence.find(':');
        const std::string planet = sentence.substr(0, colon);
        for (const std::string& group : Split(sentence.substr(colon + 1), ';')) {
            const auto blank = group.find(' ');
            const std::string kind = group.substr(0, blank);
            if (blank == std::string::npos) {
                continue;
            }
            for (const std::string& other : Split(group.substr(blank + 1), ',')) {
                relation[planet][other] = kind;
            }
        }
    }
    return relation;
}

TEST(Ashtakoota, GrahaMaitriEverySignPair) {
    auto relation = RelationsFromSentences();
    for (const auto& [planet, others] : relation) {
        EXPECT_EQ(others.size(), 6u) << planet; // every other planet, once
    }
    // Points by the pair of views, in either order.
    const std::map<std::multiset<std::string>, double> points = {
        {{"friends", "friends"}, 5}, {{"friends", "neutral"}, 4},   {{"neutral", "neutral"}, 3},
        {{"friends", "enemies"}, 1}, {{"neutral", "enemies"}, 0.5}, {{"enemies", "enemies"}, 0}};
    const std::vector<std::string> lords = {"Mars",    "Venus",   "Mercury", "Moon",
                                            "Sun",     "Mercury", "Venus",   "Mars",
                                            "Jupiter", "Saturn",  "Saturn",  "Jupiter"};
    std::set<std::pair<std::string, std::string>> lordPairs;
    for (int s1 = 0; s1 < 12; ++s1) {
        for (int s2 = 0; s2 < 12; ++s2) {
            const std::string& a = lords[s1];
            const std::string& b = lords[s2];
            const double expected =
                a == b ? 5 : points.at({relation.at(a).at(b), relation.at(b).at(a)});
            const Ashtakoota m = MatchMoons(s1 * 30 + 3, s2 * 30 + 3);
            EXPECT_EQ(m.GrahaMaitri, expected) << SignNames[s1] << " with " << SignNames[s2];
            lordPairs.insert({a, b});
        }
    }
    EXPECT_EQ(lordPairs.size(), 49u);
    // Worked pairs: Sun and Saturn are enemies both ways (Leo with
    // Aquarius); Moon regards Venus neutral, Venus the Moon an enemy.
    EXPECT_EQ(MatchMoons(125, 305).GrahaMaitri, 0);
    EXPECT_EQ(MatchMoons(95, 35).GrahaMaitri, 0.5);
}

TEST(Ashtakoota, GanaEveryClassPair) {
    // Deva 0 (Aswini), Manushya 1 (Bharani), Rakshasa 2 (Krittika).
    const double grid[3][3] = {{6, 5, 1}, {6, 6, 0}, {0, 0, 6}};
    const int star[3] = {0, 1, 2};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_EQ(MatchMoons(MiddleOfStar(star[i]), MiddleOfStar(star[j])).Gana, grid[i][j])
                << i << " " << j;
        }
    }
}

TEST(Ashtakoota, BhakootBySignDistance) {
    for (int s1 = 0; s1 < 12; ++s1) {
        for (int s2 = 0; s2 < 12; ++s2) {
            // The partner's sign counted from the first person's, inclusive.
            int d = 1;
            for (int at = s1; at != s2; at = (at + 1) % 12) {
                ++d;
            }
            const bool good = d == 1 || d == 3 || d == 4 || d == 7 || d == 10 || d == 11;
            const Ashtakoota m = MatchMoons(s1 * 30 + 5, s2 * 30 + 5);
            EXPECT_EQ(m.Bhakoot, good ? 7 : 0) << SignNames[s1] << " with " << SignNames[s2];
        }
    }
    // Aries with Taurus (2/12) and with Leo (5/9) fail; with Libra (7/7) holds.
    EXPECT_EQ(MatchMoons(5, 35).Bhakoot, 0);
    EXPECT_EQ(MatchMoons(5, 125).Bhakoot, 0);
    EXPECT_EQ(MatchMoons(5, 185).Bhakoot, 7);
}

// ---- totals, verdicts and doshas ------------------------------------------------

TEST(Ashtakoota, VerdictBands) {
    const struct {
        double Total;
        const char* Verdict;
    } cases[] = {{0, "Not recommended: fewer than 18 of 36 points"},
                 {17.5, "Not recommended: fewer than 18 of 36 points"},
                 {18, "Acceptable match"},
                 {24, "Acceptable match"},
                 {24.5, "Good match"},
                 {32, "Good match"},
                 {32.5, "Excellent match"},
                 {36, "Excellent match"}};
    for (const auto& c : cases) {
        EXPECT_EQ(texts::GradeText(MatchVerdict(c.Total)), c.Verdict) << c.Total;
    }
}

TEST(Ashtakoota, WorkedPairs) {
    // Hand-counted pairs.
    struct Case {
        const char* What;
        double First, Partner;
        double Varna, Vashya, Tara, Yoni, Maitri, Gana, Bhakoot, Nadi, Total;
        const char* Verdict;
        Dosha NadiDosha, BhakootDosha;
    } cases[] = {
        // Aswini, Aries 5° (Kshatriya, Chatushpada, Horse, Mars, Deva, Adi)
        // with Rohini, Taurus 15° (Vaishya, Chatushpada, Serpent, Venus,
        // Manushya, Antya): Tara counts 4 and 25 -> 1.5; Mars/Venus
        // neutral both ways -> 3; Bhakoot 2/12 -> 0, Mars and Venus not
        // friends -> present.
        {"Aswini with Rohini", 5, 45, 1, 2, 1.5, 3, 3, 5, 0, 8, 23.5, "Acceptable match",
         Dosha::None, Dosha::Present},
        // Uttara Phalguni, Leo 28° (Kshatriya, Vanachara, Cow, Sun,
        // Manushya, Adi) with Mula, Sagittarius 5° (Kshatriya, Manava, Dog,
        // Jupiter, Rakshasa, Adi): Tara counts 21 and 8 -> 1.5; Cow/Dog 2;
        // Sun/Jupiter friends 5; Bhakoot 5/9 -> 0 but friends -> cancelled;
        // Nadi both Adi, signs and stars differ -> present.
        {"Uttara Phalguni with Mula", 148, 245, 1, 0, 1.5, 2, 5, 0, 0, 0, 9.5,
         "Not recommended: fewer than 18 of 36 points", Dosha::Present, Dosha::Cancelled},
        // Krittika in Aries (35° is Taurus, so 28°) with Krittika in Taurus
        // (35°): same star, different signs -> Nadi dosha cancelled.
        {"Krittika across the cusp", 28, 35, 1, 2, 3, 4, 3, 6, 0, 0, 19, "Acceptable match",
         Dosha::Cancelled, Dosha::Present},
    };
    for (const Case& c : cases) {
        const Ashtakoota m = MatchMoons(c.First, c.Partner);
        SCOPED_TRACE(c.What);
        EXPECT_EQ(m.Varna, c.Varna);
        EXPECT_EQ(m.Vashya, c.Vashya);
        EXPECT_EQ(m.Tara, c.Tara);
        EXPECT_EQ(m.Yoni, c.Yoni);
        EXPECT_EQ(m.GrahaMaitri, c.Maitri);
        EXPECT_EQ(m.Gana, c.Gana);
        EXPECT_EQ(m.Bhakoot, c.Bhakoot);
        EXPECT_EQ(m.Nadi, c.Nadi);
        EXPECT_EQ(m.Total, c.Total);
        EXPECT_EQ(texts::GradeText(m.Verdict), c.Verdict);
        EXPECT_EQ(m.NadiDosha, c.NadiDosha);
        EXPECT_EQ(m.BhakootDosha, c.BhakootDosha);
    }
}

TEST(Ashtakoota, DoshaRulesOverEveryPlacement) {
    const auto lordOf = [](int s) { return PlanetName(SignLordOf(s)); };
    auto relation = RelationsFromSentences();
    std::vector<double> places;
    for (int s = 0; s < 12; ++s) {
        for (int n = 0; n < 27; ++n) {
            if (const auto at = InSignAndStar(s, n)) {
                places.push_back(*at);
            }
        }
    }
    ASSERT_EQ(places.size(), 36u); // 27 stars, 9 of them split by a sign cusp
    for (const double a : places) {
        for (const double b : places) {
            const Ashtakoota m = MatchMoons(a, b);
            const bool sameSign = m.Groom.Sign == m.Bride.Sign;
            const bool sameStar = m.Groom.Nakshatra == m.Bride.Nakshatra;
            SCOPED_TRACE(std::to_string(a) + " with " + std::to_string(b));
            if (m.Nadi == 8) {
                EXPECT_EQ(m.NadiDosha, Dosha::None);
            } else {
                EXPECT_EQ(m.NadiDosha, (sameSign && !sameStar) || (sameStar && !sameSign)
                                           ? Dosha::Cancelled
                                           : Dosha::Present);
            }
            const std::string la(lordOf(m.Groom.Sign));
            const std::string lb(lordOf(m.Bride.Sign));
            const bool friends = la == lb || (relation.at(la).at(lb) == "friends" &&
                                              relation.at(lb).at(la) == "friends");
            if (m.Bhakoot == 7) {
                EXPECT_EQ(m.BhakootDosha, Dosha::None);
            } else {
                EXPECT_EQ(m.BhakootDosha, friends ? Dosha::Cancelled : Dosha::Present);
            }
        }
    }
    EXPECT_EQ(DoshaText(Dosha::None), "none");
    EXPECT_EQ(DoshaText(Dosha::Present), "present");
    EXPECT_EQ(DoshaText(Dosha::Cancelled), "cancelled");
}

TEST(Ashtakoota, Invariants) {
    // A fine sweep of the whole circle against itself: every 1°20′ plus an
    // offset that avoids the cusps, so all sign/star combinations occur.
    std::vector<double> places;
    for (int k = 0; k < 270; ++k) {
        places.push_back(k * 4.0 / 3.0 + 0.37);
    }
    for (const double a : places) {
        for (const double b : places) {
            const Ashtakoota ab = MatchMoons(a, b);
            const Ashtakoota ba = MatchMoons(b, a);
            EXPECT_EQ(ab.Tara, ba.Tara);
            EXPECT_EQ(ab.Bhakoot, ba.Bhakoot);
            EXPECT_EQ(ab.Nadi, ba.Nadi);
            EXPECT_TRUE(ab.Nadi == 0 || ab.Nadi == 8);
            EXPECT_GE(ab.Total, 0);
            EXPECT_LE(ab.Total, 36);
            double sum = 0;
            for (int k = 0; k < KootaCount; ++k) {
                const auto koota = static_cast<Koota>(k);
                EXPECT_GE(ab.Points(koota), 0);
                EXPECT_LE(ab.Points(koota), KootaMaximum(koota));
                sum += ab.Points(koota);
            }
            EXPECT_EQ(sum, ab.Total);
            EXPECT_EQ(ab.Verdict, MatchVerdict(ab.Total));
        }
    }
    double maxima = 0;
    for (int k = 0; k < KootaCount; ++k) {
        maxima += KootaMaximum(static_cast<Koota>(k));
    }
    EXPECT_EQ(maxima, 36);
}

TEST(Ashtakoota, SameMoonSignAndStarGive28) {
    // The same sign and star score every part in full but Nadi: 1 + 2 + 3 +
    // 4 + 5 + 6 + 7 = 28, with the Nadi dosha present (nothing cancels it).
    // Only the vashya class can differ inside one sign and star: Purva
    // Ashadha spans Sagittarius 15° and Shravana Capricorn 15°, where the
    // class changes, so a pair on either side of those scores 1 for Vashya.
    for (int s = 0; s < 12; ++s) {
        for (int n = 0; n < 27; ++n) {
            const double lo = std::max(s * 30.0, n * 800.0 / 60.0);
            const double hi = std::min(s * 30.0 + 30.0, (n + 1) * 800.0 / 60.0);
            if (hi - lo < 1e-6) {
                continue;
            }
            for (const double a : {lo + 1e-7, (lo + hi) / 2, hi - 1e-7}) {
                for (const double b : {lo + 1e-7, (lo + hi) / 2, hi - 1e-7}) {
                    const Ashtakoota m = MatchMoons(a, b);
                    const bool splitHalves =
                        (s == 8 || s == 9) && ((a - s * 30.0 < 15) != (b - s * 30.0 < 15));
                    EXPECT_EQ(m.Total, splitHalves ? 27 : 28) << a << " with " << b;
                    EXPECT_EQ(m.NadiDosha, Dosha::Present);
                }
            }
        }
    }
    EXPECT_EQ(MatchMoons(254.9, 255.1).Total, 27); // Purva Ashadha, both halves
}

} // namespace
} // namespace tirovane::matching
