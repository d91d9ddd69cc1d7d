#include "matching/porutham.h"

#include "matching/ashtakoota.h"
#include "texts/marker.h"

#include <algorithm>

namespace tirovane::matching {

namespace {

using G = PoruthamGrade;
using R = PoruthamReason;

constexpr int Modulo(int value, int m) {
    const int r = value % m;
    return r < 0 ? r + m : r;
}

// c27 and c12: inclusive counts from x to y.
constexpr int Count27(int x, int y) {
    return Modulo(y - x, 27) + 1;
}
constexpr int Count12(int x, int y) {
    return Modulo(y - x, 12) + 1;
}

template <std::size_t N> constexpr bool IsOneOf(int value, const int (&set)[N]) {
    return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

// Dina for a couple born in the same star: stars that are good, fair or
// not good when shared (0 Aswini .. 26 Revati).
constexpr int SharedStarGood[] = {3, 5, 9, 12, 15, 21, 25, 26};
constexpr int SharedStarFair[] = {0, 2, 4, 6, 7, 10, 11, 13, 16, 19, 20};

PoruthamResult Dina(const MoonAttributes& groom, const MoonAttributes& bride, int c) {
    constexpr int good[] = {2, 4, 6, 8, 9, 11, 13, 15, 18, 20, 24, 26};
    if (c == 1) {
        if (IsOneOf(groom.Nakshatra, SharedStarGood)) {
            return {G::Uttamam, R::SameStarGood};
        }
        if (IsOneOf(groom.Nakshatra, SharedStarFair)) {
            return {G::Madhyamam, R::SameStarFair};
        }
        return {G::Adhamam, R::SameStarBad};
    }
    if (IsOneOf(c, good)) {
        return {G::Uttamam, R::StarCount};
    }
    // Counts 12, 14 and 16 fail for the groom's pada 1, 4 and 3.
    if (c == 12 || c == 14 || c == 16) {
        const int failingPada = c == 12 ? 1 : c == 14 ? 4 : 3;
        return {groom.Pada == failingPada ? G::Adhamam : G::Madhyamam, R::StarCountGroomPada};
    }
    if (c == 27) {
        return groom.Sign == bride.Sign ? PoruthamResult{G::Madhyamam, R::LastStarSameSign}
                                        : PoruthamResult{G::Adhamam, R::LastStarOtherSign};
    }
    return {G::Adhamam, R::StarCount};
}

PoruthamResult GanaPorutham(Gana groom, Gana bride) {
    if (groom == bride) {
        return {G::Uttamam, R::Ganas};
    }
    if (groom == Gana::Rakshasa || bride == Gana::Rakshasa) {
        return {G::Adhamam, R::Ganas};
    }
    return {G::Madhyamam, R::Ganas}; // Deva with Manushya
}

PoruthamResult Mahendra(int c) {
    constexpr int good[] = {4, 7, 10, 13, 16, 19, 22, 25};
    return {IsOneOf(c, good) ? G::Uttamam : G::Adhamam, R::StarCount};
}

PoruthamResult StreeDeergha(int c) {
    return {c > 13 ? G::Uttamam : c > 7 ? G::Madhyamam : G::Adhamam, R::StarCount};
}

PoruthamResult YoniPorutham(Yoni groom, Yoni bride) {
    if (groom == bride) {
        return {G::Uttamam, R::SameYoni};
    }
    if (AreHostile(groom, bride)) {
        return {G::Adhamam, R::HostileYonis};
    }
    return {G::Madhyamam, R::OtherYonis};
}

PoruthamResult Rasi(const MoonAttributes& groom, const MoonAttributes& bride, int r) {
    if (r == 1) {
        if (groom.Nakshatra != bride.Nakshatra) {
            return groom.Nakshatra < bride.Nakshatra
                       ? PoruthamResult{G::Madhyamam, R::SameSignGroomStarFirst}
                       : PoruthamResult{G::Adhamam, R::SameSignBrideStarFirst};
        }
        return groom.Pada < bride.Pada ? PoruthamResult{G::Madhyamam, R::SameStarGroomPadaLower}
                                       : PoruthamResult{G::Adhamam, R::SameStarGroomPadaNotLower};
    }
    return {r >= 7 ? G::Uttamam : G::Adhamam, R::SignCount};
}

PoruthamResult RasiAdhipathi(Planet groom, Planet bride) {
    if (groom == bride) {
        return {G::Uttamam, R::SameLord};
    }
    const Relation toBride = NaturalRelation(groom, bride);
    const Relation toGroom = NaturalRelation(bride, groom);
    if (toBride == Relation::Friend && toGroom == Relation::Friend) {
        return {G::Uttamam, R::FriendlyLords};
    }
    if (toBride == Relation::Enemy || toGroom == Relation::Enemy) {
        return {G::Adhamam, R::EnemyLords};
    }
    return {G::Madhyamam, R::NeutralLords};
}

PoruthamResult Vasya(int groomSign, int brideSign) {
    if (IsVasyaTo(groomSign, brideSign)) {
        return {G::Uttamam, R::GroomSignVasya};
    }
    if (IsVasyaTo(brideSign, groomSign)) {
        return {G::Uttamam, R::BrideSignVasya};
    }
    return {G::Adhamam, R::NoVasya};
}

PoruthamResult Rajju(int groomStar, int brideStar) {
    return RajjuOf(groomStar) == RajjuOf(brideStar) ? PoruthamResult{G::Adhamam, R::SameRajju}
                                                    : PoruthamResult{G::Uttamam, R::DifferentRajju};
}

PoruthamResult VedhaPorutham(int groomStar, int brideStar) {
    return AreVedha(groomStar, brideStar) ? PoruthamResult{G::Adhamam, R::Vedha}
                                          : PoruthamResult{G::Uttamam, R::NoVedha};
}

} // namespace

std::string_view PoruthamName(Porutham porutham) {
    constexpr std::array<std::string_view, PoruthamCount> names = {
        QT_TRANSLATE_NOOP("Porutham", "Dina"),
        QT_TRANSLATE_NOOP("Porutham", "Gana"),
        QT_TRANSLATE_NOOP("Porutham", "Mahendra"),
        QT_TRANSLATE_NOOP("Porutham", "Stree Deergha"),
        QT_TRANSLATE_NOOP("Porutham", "Yoni"),
        QT_TRANSLATE_NOOP("Porutham", "Rasi"),
        QT_TRANSLATE_NOOP("Porutham", "Rasi Adhipathi"),
        QT_TRANSLATE_NOOP("Porutham", "Vasya"),
        QT_TRANSLATE_NOOP("Porutham", "Rajju"),
        QT_TRANSLATE_NOOP("Porutham", "Vedha")};
    return names.at(static_cast<std::size_t>(porutham));
}

std::string_view PoruthamKey(Porutham porutham) {
    constexpr std::array<std::string_view, PoruthamCount> keys = {
        "Dina", "Gana",          "Mahendra", "StreeDeergha", "Yoni",
        "Rasi", "RasiAdhipathi", "Vasya",    "Rajju",        "Vedha"};
    return keys.at(static_cast<std::size_t>(porutham));
}

std::string_view PoruthamGradeCode(PoruthamGrade grade) {
    switch (grade) {
    case G::Uttamam:
        return "uttamam";
    case G::Madhyamam:
        return "madhyamam";
    case G::Adhamam:
        return "adhamam";
    }
    return {};
}

RajjuBand RajjuOf(int nakshatra) {
    using B = RajjuBand;
    // Each run of nine stars walks from the feet to the head and back.
    constexpr std::array<B, 9> walk = {B::Pada,  B::Kati,  B::Nabhi, B::Kantha, B::Siro,
                                       B::Kantha, B::Nabhi, B::Kati,  B::Pada};
    return walk.at(static_cast<std::size_t>(Modulo(nakshatra, 27) % 9));
}

bool AreVedha(int nakshatra, int other) {
    // Pairs of stars (0 Aswini .. 26 Revati), and the three stars of Mars
    // (Mrigashira, Chitra, Dhanishtha), any two of which obstruct each other.
    constexpr std::array<std::array<int, 2>, 12> pairs = {{{0, 17},
                                                           {1, 16},
                                                           {2, 15},
                                                           {3, 14},
                                                           {5, 21},
                                                           {6, 20},
                                                           {7, 19},
                                                           {8, 18},
                                                           {9, 26},
                                                           {10, 25},
                                                           {11, 24},
                                                           {12, 23}}};
    constexpr int mars[] = {4, 13, 22};
    if (nakshatra == other) {
        return false;
    }
    if (IsOneOf(nakshatra, mars) && IsOneOf(other, mars)) {
        return true;
    }
    return std::any_of(pairs.begin(), pairs.end(), [&](const std::array<int, 2>& pair) {
        return (pair[0] == nakshatra && pair[1] == other) ||
               (pair[1] == nakshatra && pair[0] == other);
    });
}

bool IsVasyaTo(int sign, int owner) {
    // Each sign's list, Aries to Pisces; -1 fills a list of one.
    constexpr std::array<std::array<int, 2>, 12> lists = {{{4, 7},
                                                           {3, 6},
                                                           {5, -1},
                                                           {7, 8},
                                                           {6, -1},
                                                           {11, 2},
                                                           {9, 5},
                                                           {3, -1},
                                                           {11, -1},
                                                           {0, 10},
                                                           {0, -1},
                                                           {9, -1}}};
    const auto& list = lists.at(static_cast<std::size_t>(Modulo(owner, 12)));
    return sign == list[0] || sign == list[1];
}

bool AreHostile(Yoni a, Yoni b) {
    constexpr std::array<std::array<Yoni, 2>, 7> enemies = {{{Yoni::Horse, Yoni::Buffalo},
                                                             {Yoni::Elephant, Yoni::Lion},
                                                             {Yoni::Sheep, Yoni::Monkey},
                                                             {Yoni::Serpent, Yoni::Mongoose},
                                                             {Yoni::Dog, Yoni::Deer},
                                                             {Yoni::Cat, Yoni::Rat},
                                                             {Yoni::Cow, Yoni::Tiger}}};
    return std::any_of(enemies.begin(), enemies.end(), [&](const std::array<Yoni, 2>& pair) {
        return (pair[0] == a && pair[1] == b) || (pair[1] == a && pair[0] == b);
    });
}

Poruthams MatchPoruthams(const MoonAttributes& groom, const MoonAttributes& bride) {
    Poruthams p;
    p.Groom = groom;
    p.Bride = bride;
    p.StarCount = Count27(bride.Nakshatra, groom.Nakshatra);
    p.SignCount = Count12(bride.Sign, groom.Sign);
    const int c = p.StarCount;
    auto& r = p.Results;
    r[static_cast<std::size_t>(Porutham::Dina)] = Dina(groom, bride, c);
    r[static_cast<std::size_t>(Porutham::Gana)] = GanaPorutham(groom.GanaClass, bride.GanaClass);
    r[static_cast<std::size_t>(Porutham::Mahendra)] = Mahendra(c);
    r[static_cast<std::size_t>(Porutham::StreeDeergha)] = StreeDeergha(c);
    r[static_cast<std::size_t>(Porutham::Yoni)] = YoniPorutham(groom.Animal, bride.Animal);
    r[static_cast<std::size_t>(Porutham::Rasi)] = Rasi(groom, bride, p.SignCount);
    r[static_cast<std::size_t>(Porutham::RasiAdhipathi)] =
        RasiAdhipathi(groom.SignLord, bride.SignLord);
    r[static_cast<std::size_t>(Porutham::Vasya)] = Vasya(groom.Sign, bride.Sign);
    r[static_cast<std::size_t>(Porutham::Rajju)] = Rajju(groom.Nakshatra, bride.Nakshatra);
    r[static_cast<std::size_t>(Porutham::Vedha)] = VedhaPorutham(groom.Nakshatra, bride.Nakshatra);

    for (const PoruthamResult& result : r) {
        p.Count += result.Matches() ? 1 : 0;
        p.Score += result.Grade == G::Uttamam ? 1 : result.Grade == G::Madhyamam ? 0.5 : 0;
    }
    p.RajjuDosha = !p[Porutham::Rajju].Matches();
    p.VedhaDosha = !p[Porutham::Vedha].Matches();
    const bool essentials = p[Porutham::Dina].Matches() && p[Porutham::Gana].Matches() &&
                            p[Porutham::Yoni].Matches() && p[Porutham::Rasi].Matches() &&
                            p[Porutham::Rajju].Matches();
    if (p.RajjuDosha || p.VedhaDosha) {
        p.Verdict = G::Adhamam;
    } else if (p.Count >= 8) {
        p.Verdict = G::Uttamam;
    } else if (p.Count >= 6 && essentials) {
        p.Verdict = G::Madhyamam;
    } else {
        p.Verdict = G::Adhamam;
    }
    return p;
}

} // namespace tirovane::matching
