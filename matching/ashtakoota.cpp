#include "matching/ashtakoota.h"

#include "texts/marker.h"

#include <array>

namespace tirovane::matching {

namespace {

template <typename E> constexpr std::size_t At(E value) {
    return static_cast<std::size_t>(value);
}

// Rows: the groom; columns: the bride. Order Chatushpada, Manava,
// Jalachara, Vanachara, Keeta.
constexpr double VashyaTable[5][5] = {
    {2, 1, 1, 0.5, 1}, {1, 2, 0.5, 0, 1}, {1, 0.5, 2, 1, 1}, {0.5, 0, 1, 2, 0}, {1, 1, 1, 0, 2},
};

// Order of the Yoni enumeration: Horse, Elephant, Sheep, Serpent, Dog, Cat,
// Rat, Cow, Buffalo, Tiger, Deer, Monkey, Mongoose, Lion.
constexpr int YoniTable[YoniCount][YoniCount] = {
    {4, 2, 2, 3, 2, 2, 2, 1, 0, 1, 1, 3, 2, 1}, {2, 4, 3, 3, 2, 2, 2, 2, 3, 1, 2, 3, 2, 0},
    {2, 3, 4, 2, 1, 2, 1, 3, 3, 1, 2, 0, 3, 1}, {3, 3, 2, 4, 2, 1, 1, 1, 1, 2, 2, 2, 0, 2},
    {2, 2, 1, 2, 4, 2, 1, 2, 2, 1, 0, 2, 1, 1}, {2, 2, 2, 1, 2, 4, 0, 2, 2, 1, 3, 3, 2, 1},
    {2, 2, 1, 1, 1, 0, 4, 2, 2, 2, 2, 2, 1, 2}, {1, 2, 3, 1, 2, 2, 2, 4, 3, 0, 3, 2, 2, 1},
    {0, 3, 3, 1, 2, 2, 2, 3, 4, 1, 2, 2, 2, 1}, {1, 1, 1, 2, 1, 1, 2, 0, 1, 4, 1, 1, 2, 1},
    {1, 2, 2, 2, 0, 3, 2, 3, 2, 1, 4, 2, 2, 1}, {3, 3, 0, 2, 2, 3, 2, 2, 2, 1, 2, 4, 3, 2},
    {2, 2, 3, 0, 1, 2, 1, 2, 2, 2, 2, 3, 4, 2}, {1, 0, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 4},
};

constexpr Relation F = Relation::Friend;
constexpr Relation N = Relation::Neutral;
constexpr Relation E = Relation::Enemy;

// Rows regard columns; order Sun, Moon, Mars, Mercury, Jupiter, Venus,
// Saturn. A planet's view of itself is never read.
constexpr Relation Relations[PlanetCount][PlanetCount] = {
    /* Sun     */ {F, F, F, N, F, E, E},
    /* Moon    */ {F, F, N, F, N, N, N},
    /* Mars    */ {F, F, F, E, F, N, N},
    /* Mercury */ {F, E, N, F, N, F, N},
    /* Jupiter */ {F, F, F, E, F, E, N},
    /* Venus   */ {E, E, N, F, N, F, F},
    /* Saturn  */ {E, E, E, F, N, F, F},
};

// Rows: the groom; columns: the bride. Order Deva, Manushya,
// Rakshasa.
constexpr double GanaTable[3][3] = {{6, 5, 1}, {6, 6, 0}, {0, 0, 6}};

// A whole number reduced into 0 .. m-1, whatever its sign.
int Modulo(int value, int m) {
    const int r = value % m;
    return r < 0 ? r + m : r;
}

// 1.5 points for one direction of the star count, none for the 3rd, 5th
// and 7th star of each round of nine.
double TaraOneWay(int count) {
    const int place = count % 9;
    return place == 3 || place == 5 || place == 7 ? 0 : 1.5;
}

bool EachFriendOfOther(Planet a, Planet b) {
    return a == b ||
           (NaturalRelation(a, b) == Relation::Friend && NaturalRelation(b, a) == Relation::Friend);
}

} // namespace

Relation NaturalRelation(Planet from, Planet to) {
    return Relations[At(from)][At(to)];
}

std::string_view DoshaText(Dosha dosha) {
    switch (dosha) {
    case Dosha::None:
        return "none";
    case Dosha::Present:
        return "present";
    case Dosha::Cancelled:
        return "cancelled";
    }
    return {};
}

std::string_view KootaName(Koota koota) {
    constexpr std::array<std::string_view, KootaCount> names = {
        QT_TRANSLATE_NOOP("Matching", "Varna"),        QT_TRANSLATE_NOOP("Matching", "Vashya"),
        QT_TRANSLATE_NOOP("Matching", "Tara"),         QT_TRANSLATE_NOOP("Matching", "Yoni"),
        QT_TRANSLATE_NOOP("Matching", "Graha Maitri"), QT_TRANSLATE_NOOP("Matching", "Gana"),
        QT_TRANSLATE_NOOP("Matching", "Bhakoot"),      QT_TRANSLATE_NOOP("Matching", "Nadi")};
    return names.at(At(koota));
}

double KootaMaximum(Koota koota) {
    return static_cast<double>(At(koota) + 1);
}

double Ashtakoota::Points(Koota koota) const {
    switch (koota) {
    case Koota::Varna:
        return Varna;
    case Koota::Vashya:
        return Vashya;
    case Koota::Tara:
        return Tara;
    case Koota::Yoni:
        return Yoni;
    case Koota::GrahaMaitri:
        return GrahaMaitri;
    case Koota::Gana:
        return Gana;
    case Koota::Bhakoot:
        return Bhakoot;
    case Koota::Nadi:
        return Nadi;
    }
    return 0;
}

double VarnaPoints(Varna groom, Varna bride) {
    return static_cast<int>(groom) >= static_cast<int>(bride) ? 1 : 0;
}

double VashyaPoints(Vashya groom, Vashya bride) {
    return VashyaTable[At(groom)][At(bride)];
}

double TaraPoints(int groomNakshatra, int brideNakshatra) {
    const int fromBride = Modulo(groomNakshatra - brideNakshatra, 27) + 1;
    const int fromGroom = Modulo(brideNakshatra - groomNakshatra, 27) + 1;
    return TaraOneWay(fromBride) + TaraOneWay(fromGroom);
}

double YoniPoints(Yoni groom, Yoni bride) {
    return YoniTable[At(groom)][At(bride)];
}

double GrahaMaitriPoints(Planet groom, Planet bride) {
    if (groom == bride) {
        return 5;
    }
    const Relation a = NaturalRelation(groom, bride);
    const Relation b = NaturalRelation(bride, groom);
    const int friends = (a == F) + (b == F);
    const int enemies = (a == E) + (b == E);
    if (friends == 2) {
        return 5;
    }
    if (friends == 1) {
        return enemies == 1 ? 1 : 4; // friend/enemy, friend/neutral
    }
    if (enemies == 0) {
        return 3; // neutral/neutral
    }
    return enemies == 1 ? 0.5 : 0; // neutral/enemy, enemy/enemy
}

double GanaPoints(Gana groom, Gana bride) {
    return GanaTable[At(groom)][At(bride)];
}

double BhakootPoints(int groomSign, int brideSign) {
    const int d = Modulo(brideSign - groomSign, 12) + 1;
    return d == 1 || d == 3 || d == 4 || d == 7 || d == 10 || d == 11 ? 7 : 0;
}

double NadiPoints(Nadi groom, Nadi bride) {
    return groom != bride ? 8 : 0;
}

Grade MatchVerdict(double total) {
    if (total < 18) {
        return Grade::NotRecommended;
    }
    if (total <= 24) {
        return Grade::Acceptable;
    }
    if (total <= 32) {
        return Grade::Good;
    }
    return Grade::Excellent;
}

Ashtakoota MatchAttributes(const MoonAttributes& groom, const MoonAttributes& bride) {
    Ashtakoota m;
    m.Groom = groom;
    m.Bride = bride;
    m.Varna = VarnaPoints(groom.VarnaClass, bride.VarnaClass);
    m.Vashya = VashyaPoints(groom.VashyaClass, bride.VashyaClass);
    m.Tara = TaraPoints(groom.Nakshatra, bride.Nakshatra);
    m.Yoni = YoniPoints(groom.Animal, bride.Animal);
    m.GrahaMaitri = GrahaMaitriPoints(groom.SignLord, bride.SignLord);
    m.Gana = GanaPoints(groom.GanaClass, bride.GanaClass);
    m.Bhakoot = BhakootPoints(groom.Sign, bride.Sign);
    m.Nadi = NadiPoints(groom.NadiClass, bride.NadiClass);
    m.Total = m.Varna + m.Vashya + m.Tara + m.Yoni + m.GrahaMaitri + m.Gana + m.Bhakoot + m.Nadi;
    m.Verdict = MatchVerdict(m.Total);

    if (m.Nadi == 0) {
        const bool sameSign = groom.Sign == bride.Sign;
        const bool sameStar = groom.Nakshatra == bride.Nakshatra;
        m.NadiDosha = sameSign != sameStar ? Dosha::Cancelled : Dosha::Present;
    }
    if (m.Bhakoot == 0) {
        m.BhakootDosha =
            EachFriendOfOther(groom.SignLord, bride.SignLord) ? Dosha::Cancelled : Dosha::Present;
    }
    return m;
}

Ashtakoota MatchMoons(double groomMoon, double brideMoon) {
    return MatchAttributes(AttributesOfMoon(groomMoon), AttributesOfMoon(brideMoon));
}

} // namespace tirovane::matching
