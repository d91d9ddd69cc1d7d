#include "matching/porutham.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace tirovane::matching {
namespace {

// The expectations are written from the published rules in their own words
// (name lists, relation sentences) and looked up by name, never through the
// library's tables.

const std::vector<std::string> Stars = {
    "Ashwini",          "Bharani",         "Krittika",   "Rohini",      "Mrigashira",
    "Ardra",            "Punarvasu",       "Pushya",     "Ashlesha",    "Magha",
    "Purva Phalguni",   "Uttara Phalguni", "Hasta",      "Chitra",      "Swati",
    "Vishakha",         "Anuradha",        "Jyeshtha",   "Mula",        "Purva Ashadha",
    "Uttara Ashadha",   "Shravana",        "Dhanishta",  "Shatabhisha", "Purva Bhadrapada",
    "Uttara Bhadrapada", "Revati"};

const std::vector<std::string> Signs = {"Aries", "Taurus",  "Gemini",      "Cancer",
                                        "Leo",   "Virgo",   "Libra",       "Scorpio",
                                        "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

std::vector<std::string> List(const std::string& text) {
    std::vector<std::string> names;
    std::stringstream in(text);
    std::string name;
    while (std::getline(in, name, ',')) {
        name.erase(0, name.find_first_not_of(' '));
        names.push_back(name);
    }
    return names;
}

bool In(const std::string& text, const std::string& name) {
    const auto names = List(text);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// One person's star, pada and sign, written out from a pada index 0 .. 107.
struct Person {
    std::string Star;
    int Pada;
    std::string Sign;
    double Longitude;
};

Person PersonOfPada(int q) {
    // The middle of the pada: 3°20' each.
    const double longitude = q * 10.0 / 3.0 + 10.0 / 6.0;
    return {Stars[static_cast<std::size_t>(q / 4)], q % 4 + 1,
            Signs[static_cast<std::size_t>(longitude / 30)], longitude};
}

int StarNumber(const std::string& star) {
    return static_cast<int>(std::find(Stars.begin(), Stars.end(), star) - Stars.begin()) + 1;
}
int SignNumber(const std::string& sign) {
    return static_cast<int>(std::find(Signs.begin(), Signs.end(), sign) - Signs.begin()) + 1;
}

const std::map<std::string, std::string> Ganas = {
    {"Deva", "Ashwini, Mrigashira, Punarvasu, Pushya, Hasta, Swati, Anuradha, Shravana, Revati"},
    {"Manushya", "Bharani, Rohini, Ardra, Purva Phalguni, Uttara Phalguni, Purva Ashadha, "
                 "Uttara Ashadha, Purva Bhadrapada, Uttara Bhadrapada"},
    {"Rakshasa", "Krittika, Ashlesha, Magha, Chitra, Vishakha, Jyeshtha, Mula, Dhanishta, "
                 "Shatabhisha"}};

const std::map<std::string, std::string> Animals = {
    {"Horse", "Ashwini, Shatabhisha"},          {"Elephant", "Bharani, Revati"},
    {"Sheep", "Krittika, Pushya"},              {"Serpent", "Rohini, Mrigashira"},
    {"Dog", "Ardra, Mula"},                     {"Cat", "Punarvasu, Ashlesha"},
    {"Rat", "Magha, Purva Phalguni"},           {"Cow", "Uttara Phalguni, Uttara Bhadrapada"},
    {"Buffalo", "Hasta, Swati"},                {"Tiger", "Chitra, Vishakha"},
    {"Deer", "Anuradha, Jyeshtha"},             {"Monkey", "Purva Ashadha, Shravana"},
    {"Mongoose", "Uttara Ashadha"},             {"Lion", "Dhanishta, Purva Bhadrapada"}};

const std::map<std::string, std::string> Lords = {
    {"Aries", "Mars"},        {"Taurus", "Venus"},    {"Gemini", "Mercury"},
    {"Cancer", "Moon"},       {"Leo", "Sun"},         {"Virgo", "Mercury"},
    {"Libra", "Venus"},       {"Scorpio", "Mars"},    {"Sagittarius", "Jupiter"},
    {"Capricorn", "Saturn"},  {"Aquarius", "Saturn"}, {"Pisces", "Jupiter"}};

// Each planet's friends and enemies; the rest are neutral to it.
const std::map<std::string, std::pair<std::string, std::string>> Regard = {
    {"Sun", {"Moon, Mars, Jupiter", "Venus, Saturn"}},
    {"Moon", {"Sun, Mercury", ""}},
    {"Mars", {"Sun, Moon, Jupiter", "Mercury"}},
    {"Mercury", {"Sun, Venus", "Moon"}},
    {"Jupiter", {"Sun, Moon, Mars", "Mercury, Venus"}},
    {"Venus", {"Mercury, Saturn", "Sun, Moon"}},
    {"Saturn", {"Mercury, Venus", "Sun, Moon, Mars"}}};

const std::map<std::string, std::string> VasyaLists = {
    {"Aries", "Leo, Scorpio"},        {"Taurus", "Cancer, Libra"},
    {"Gemini", "Virgo"},              {"Cancer", "Scorpio, Sagittarius"},
    {"Leo", "Libra"},                 {"Virgo", "Pisces, Gemini"},
    {"Libra", "Capricorn, Virgo"},    {"Scorpio", "Cancer"},
    {"Sagittarius", "Pisces"},        {"Capricorn", "Aries, Aquarius"},
    {"Aquarius", "Aries"},            {"Pisces", "Capricorn"}};

const std::map<std::string, std::string> Rajjus = {
    {"Pada", "Ashwini, Ashlesha, Magha, Jyeshtha, Mula, Revati"},
    {"Kati", "Bharani, Pushya, Purva Phalguni, Anuradha, Purva Ashadha, Uttara Bhadrapada"},
    {"Nabhi", "Krittika, Punarvasu, Uttara Phalguni, Vishakha, Uttara Ashadha, "
              "Purva Bhadrapada"},
    {"Kantha", "Rohini, Ardra, Hasta, Swati, Shravana, Shatabhisha"},
    {"Siro", "Mrigashira, Chitra, Dhanishta"}};

const char* const VedhaPairs[] = {
    "Ashwini, Jyeshtha",          "Bharani, Anuradha",        "Krittika, Vishakha",
    "Rohini, Swati",              "Ardra, Shravana",          "Punarvasu, Uttara Ashadha",
    "Pushya, Purva Ashadha",      "Ashlesha, Mula",           "Magha, Revati",
    "Purva Phalguni, Uttara Bhadrapada", "Uttara Phalguni, Purva Bhadrapada",
    "Hasta, Shatabhisha",         "Mrigashira, Chitra",       "Mrigashira, Dhanishta",
    "Chitra, Dhanishta"};

template <typename Map> std::string Key(const Map& map, const std::string& name) {
    for (const auto& [key, names] : map) {
        if (In(names, name)) {
            return key;
        }
    }
    ADD_FAILURE() << name << " is in no list";
    return {};
}

const char U = 'U', M = 'M', A = 'A';

// The grades of the ten poruthams, in their order, as letters.
std::string Expected(const Person& b, const Person& g) {
    const int c = (StarNumber(b.Star) - StarNumber(g.Star) + 27) % 27 + 1;
    std::string grades;

    // Dina
    if (c == 1) {
        grades += In("Rohini, Ardra, Magha, Hasta, Vishakha, Shravana, Uttara Bhadrapada, Revati",
                     b.Star)
                      ? U
                  : In("Ashwini, Krittika, Mrigashira, Punarvasu, Pushya, Purva Phalguni, "
                       "Uttara Phalguni, Chitra, Anuradha, Purva Ashadha, Uttara Ashadha",
                       b.Star)
                      ? M
                      : A;
    } else if (std::set<int>{2, 4, 6, 8, 9, 11, 13, 15, 18, 20, 24, 26}.count(c)) {
        grades += U;
    } else if (c == 12) {
        grades += b.Pada == 1 ? A : M;
    } else if (c == 14) {
        grades += b.Pada == 4 ? A : M;
    } else if (c == 16) {
        grades += b.Pada == 3 ? A : M;
    } else if (c == 27) {
        grades += b.Sign == g.Sign ? M : A;
    } else {
        grades += A;
    }

    // Gana
    const std::string gb = Key(Ganas, b.Star);
    const std::string gg = Key(Ganas, g.Star);
    grades += gb == gg ? U : (gb == "Rakshasa" || gg == "Rakshasa") ? A : M;

    // Mahendra
    grades += std::set<int>{4, 7, 10, 13, 16, 19, 22, 25}.count(c) ? U : A;

    // Stree Deergha
    grades += c > 13 ? U : c > 7 ? M : A;

    // Yoni
    const std::string yb = Key(Animals, b.Star);
    const std::string yg = Key(Animals, g.Star);
    const std::set<std::set<std::string>> hostile = {
        {"Horse", "Buffalo"}, {"Elephant", "Lion"},   {"Sheep", "Monkey"}, {"Serpent", "Mongoose"},
        {"Dog", "Deer"},      {"Cat", "Rat"},         {"Cow", "Tiger"}};
    grades += yb == yg ? U : hostile.count({yb, yg}) ? A : M;

    // Rasi
    const int r = (SignNumber(b.Sign) - SignNumber(g.Sign) + 12) % 12 + 1;
    if (r == 1) {
        const bool fair = b.Star != g.Star ? StarNumber(b.Star) < StarNumber(g.Star)
                                           : b.Pada < g.Pada;
        grades += fair ? M : A;
    } else {
        grades += r >= 7 ? U : A;
    }

    // Rasi Adhipathi
    const std::string lb = Lords.at(b.Sign);
    const std::string lg = Lords.at(g.Sign);
    const bool friends = In(Regard.at(lb).first, lg) && In(Regard.at(lg).first, lb);
    const bool enemies = In(Regard.at(lb).second, lg) || In(Regard.at(lg).second, lb);
    grades += lb == lg || friends ? U : enemies ? A : M;

    // Vasya
    grades += In(VasyaLists.at(g.Sign), b.Sign) || In(VasyaLists.at(b.Sign), g.Sign) ? U : A;

    // Rajju
    grades += Key(Rajjus, b.Star) == Key(Rajjus, g.Star) ? A : U;

    // Vedha
    bool vedha = false;
    for (const char* pair : VedhaPairs) {
        vedha = vedha || (In(pair, b.Star) && In(pair, g.Star) && b.Star != g.Star);
    }
    grades += vedha ? A : U;
    return grades;
}

std::string Letters(const Poruthams& p) {
    std::string grades;
    for (const PoruthamResult& r : p.Results) {
        grades += r.Grade == PoruthamGrade::Uttamam ? U : r.Grade == PoruthamGrade::Madhyamam ? M : A;
    }
    return grades;
}

Poruthams Match(const Person& groom, const Person& bride) {
    return MatchPoruthams(AttributesOfMoon(groom.Longitude), AttributesOfMoon(bride.Longitude));
}

TEST(Poruthams, EveryPairOfPadasGradedAsTheRulesSay) {
    int differing = 0;
    for (int qb = 0; qb < 108; ++qb) {
        for (int qg = 0; qg < 108; ++qg) {
            const Person b = PersonOfPada(qb);
            const Person g = PersonOfPada(qg);
            const Poruthams p = Match(b, g);
            const std::string want = Expected(b, g);
            if (Letters(p) != want && ++differing <= 10) {
                ADD_FAILURE() << "groom " << b.Star << " pada " << b.Pada << ", bride " << g.Star
                              << " pada " << g.Pada << ": " << Letters(p) << ", want " << want;
            }
            // Count, score and verdict from the grades.
            const int count = static_cast<int>(std::count_if(
                want.begin(), want.end(), [](char grade) { return grade != A; }));
            const double score = static_cast<double>(std::count(want.begin(), want.end(), U)) +
                                 0.5 * static_cast<double>(std::count(want.begin(), want.end(), M));
            ASSERT_EQ(p.Count, count);
            ASSERT_EQ(p.Score, score);
            const bool rajju = want[8] != A;
            const bool vedha = want[9] != A;
            ASSERT_EQ(p.RajjuDosha, !rajju);
            ASSERT_EQ(p.VedhaDosha, !vedha);
            const bool essentials =
                want[0] != A && want[1] != A && want[4] != A && want[5] != A && rajju;
            const PoruthamGrade verdict = !rajju || !vedha ? PoruthamGrade::Adhamam
                                          : count >= 8     ? PoruthamGrade::Uttamam
                                          : count >= 6 && essentials ? PoruthamGrade::Madhyamam
                                                                     : PoruthamGrade::Adhamam;
            ASSERT_EQ(p.Verdict, verdict) << b.Star << " with " << g.Star;
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(Poruthams, SymmetriesOfTheRules) {
    for (int qb = 0; qb < 108; ++qb) {
        for (int qg = 0; qg < 108; ++qg) {
            const Poruthams ab = Match(PersonOfPada(qb), PersonOfPada(qg));
            const Poruthams ba = Match(PersonOfPada(qg), PersonOfPada(qb));
            // Mahendra counts 4, 7, ... 25 from either side: c and 29 - c.
            ASSERT_EQ(ab[Porutham::Mahendra].Grade, ba[Porutham::Mahendra].Grade) << qb << " " << qg;
            ASSERT_EQ(ab[Porutham::Vedha].Grade, ba[Porutham::Vedha].Grade);
            ASSERT_EQ(ab[Porutham::Rajju].Grade, ba[Porutham::Rajju].Grade);
            ASSERT_EQ(ab[Porutham::Gana].Grade, ba[Porutham::Gana].Grade);
            ASSERT_EQ(ab[Porutham::Yoni].Grade, ba[Porutham::Yoni].Grade);
            ASSERT_EQ(ab[Porutham::Vasya].Matches(), ba[Porutham::Vasya].Matches());
            if (qb / 4 == qg / 4) {
                // A couple of one star always shares a rajju band and is
                // never vedha.
                ASSERT_FALSE(ab[Porutham::Rajju].Matches());
                ASSERT_TRUE(ab[Porutham::Vedha].Matches());
                ASSERT_EQ(ab.Verdict, PoruthamGrade::Adhamam);
            }
        }
    }
}

TEST(Poruthams, TablesOfStarsAndSigns) {
    // Every star in exactly one band; three in Siro, six in each other.
    std::map<RajjuBand, int> bands;
    for (int n = 0; n < 27; ++n) {
        ++bands[RajjuOf(n)];
    }
    EXPECT_EQ(bands[RajjuBand::Siro], 3);
    EXPECT_EQ(bands[RajjuBand::Pada], 6);
    EXPECT_EQ(RajjuOf(StarNumber("Shravana") - 1), RajjuBand::Kantha);
    EXPECT_EQ(RajjuOf(StarNumber("Uttara Bhadrapada") - 1), RajjuBand::Kati);
    // Vedha is no sum of star numbers: Ardra (6) with Shravana (22), but
    // not Mrigashira (5) with Uttara Ashadha (21), which also sum to 28.
    EXPECT_TRUE(AreVedha(5, 21));
    EXPECT_FALSE(AreVedha(4, 20));
    EXPECT_FALSE(AreVedha(13, 13));
    int pairs = 0;
    for (int a = 0; a < 27; ++a) {
        for (int b = 0; b < 27; ++b) {
            pairs += AreVedha(a, b) ? 1 : 0;
        }
    }
    EXPECT_EQ(pairs, 2 * 15);
    // Vasya reads the owner's list: Leo is in Aries's list, not the reverse.
    EXPECT_TRUE(IsVasyaTo(4, 0));
    EXPECT_FALSE(IsVasyaTo(0, 4));
    EXPECT_TRUE(IsVasyaTo(0, 10)); // Aries in Aquarius's list
    EXPECT_TRUE(AreHostile(Yoni::Cow, Yoni::Tiger));
    EXPECT_FALSE(AreHostile(Yoni::Cow, Yoni::Cow));
}

TEST(Poruthams, AWorkedCouple) {
    // By hand: the bride in Ashwini pada 1 (Aries 1°), the groom in Rohini
    // pada 2 (Taurus 15°). From Ashwini to Rohini is the 4th star; from
    // Aries to Taurus the 2nd sign.
    const Poruthams p = MatchPoruthams(AttributesOfMoon(45), AttributesOfMoon(1));
    EXPECT_EQ(p.StarCount, 4);
    EXPECT_EQ(p.SignCount, 2);
    EXPECT_EQ(p.Groom.Pada, 2);
    EXPECT_EQ(p.Bride.Pada, 1);
    // Dina U (4), Gana M (Manushya with Deva), Mahendra U (4), Stree
    // Deergha A (4), Yoni M (Serpent, Horse), Rasi A (2), Rasi Adhipathi M
    // (Venus and Mars neutral to each other), Vasya A, Rajju U (Kantha,
    // Pada), Vedha U.
    EXPECT_EQ(Letters(p), "UMUAMAMAUU");
    EXPECT_EQ(p[Porutham::Rasi].Reason, PoruthamReason::SignCount);
    EXPECT_EQ(p[Porutham::RasiAdhipathi].Reason, PoruthamReason::NeutralLords);
    EXPECT_EQ(p.Count, 7);
    EXPECT_EQ(p.Score, 5.5);
    // Seven match, but Rasi does not: no madhyamam.
    EXPECT_EQ(p.Verdict, PoruthamGrade::Adhamam);
    EXPECT_FALSE(p.RajjuDosha);
    EXPECT_FALSE(p.VedhaDosha);
}

TEST(Poruthams, NamesKeysAndGradeCodes) {
    EXPECT_EQ(PoruthamName(Porutham::StreeDeergha), "Stree Deergha");
    EXPECT_EQ(PoruthamKey(Porutham::StreeDeergha), "StreeDeergha");
    EXPECT_EQ(PoruthamKey(Porutham::RasiAdhipathi), "RasiAdhipathi");
    EXPECT_EQ(PoruthamGradeCode(PoruthamGrade::Madhyamam), "madhyamam");
}

} // namespace
} // namespace tirovane::matching
