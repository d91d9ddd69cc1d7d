#pragma once

#include "matching/attributes.h"

#include <string_view>

// The 36-point match (Ashtakoota) of two people from their Moons, the groom
// and the bride: the parts that are not symmetric count from the groom.

namespace tirovane::matching {

// How one planet regards another.
enum class Relation { Friend, Neutral, Enemy };

Relation NaturalRelation(Planet from, Planet to);

enum class Dosha { None, Present, Cancelled };

// "none", "present" or "cancelled": the codes the command-line tool writes.
std::string_view DoshaText(Dosha dosha);

// How good a total is: below 18, 18 to 24, 24.5 to 32, above 32.
enum class Grade { NotRecommended, Acceptable, Good, Excellent };

// The eight parts in their usual order, with their maxima.
enum class Koota { Varna, Vashya, Tara, Yoni, GrahaMaitri, Gana, Bhakoot, Nadi };
inline constexpr int KootaCount = 8;

std::string_view KootaName(Koota koota); // "Varna", ..., "Graha Maitri", ...
double KootaMaximum(Koota koota);

// The points of each part; halves are exact in a double.
struct Ashtakoota {
    MoonAttributes Groom;
    MoonAttributes Bride;
    double Varna = 0;
    double Vashya = 0;
    double Tara = 0;
    double Yoni = 0;
    double GrahaMaitri = 0;
    double Gana = 0;
    double Bhakoot = 0;
    double Nadi = 0;
    double Total = 0;
    Grade Verdict = Grade::NotRecommended;
    Dosha NadiDosha = Dosha::None;
    Dosha BhakootDosha = Dosha::None;

    double Points(Koota koota) const;
};

// The parts one at a time, groom then bride.
double VarnaPoints(Varna groom, Varna bride);
double VashyaPoints(Vashya groom, Vashya bride);
double TaraPoints(int groomNakshatra, int brideNakshatra);
double YoniPoints(Yoni groom, Yoni bride);
double GrahaMaitriPoints(Planet groom, Planet bride);
double GanaPoints(Gana groom, Gana bride);
double BhakootPoints(int groomSign, int brideSign);
double NadiPoints(Nadi groom, Nadi bride);

Grade MatchVerdict(double total);

Ashtakoota MatchAttributes(const MoonAttributes& groom, const MoonAttributes& bride);

// From the two Moons' sidereal longitudes in degrees.
Ashtakoota MatchMoons(double groomMoon, double brideMoon);

} // namespace tirovane::matching
