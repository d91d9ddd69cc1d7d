#pragma once

#include "matching/attributes.h"

#include <array>
#include <string_view>

// The ten poruthams (Dasa Porutham) of South Indian matching, from the same
// Moon attributes as the 36-point match. Every count runs from the bride's
// star or sign to the groom's, inclusively.

namespace tirovane::matching {

enum class Porutham {
    Dina,
    Gana,
    Mahendra,
    StreeDeergha,
    Yoni,
    Rasi,
    RasiAdhipathi,
    Vasya,
    Rajju,
    Vedha
};
inline constexpr int PoruthamCount = 10;

// Good, fair (still a match) or no match.
enum class PoruthamGrade { Uttamam, Madhyamam, Adhamam };

// Why a porutham got its grade; the numbers and names the reason speaks of
// are in `Poruthams` and the two people's attributes.
enum class PoruthamReason {
    SameStarGood,         // Dina: the same star, one that is good when shared
    SameStarFair,         //   ... fair when shared
    SameStarBad,          //   ... not good when shared
    StarCount,            // Dina, Mahendra, Stree Deergha: the star count decides
    StarCountGroomPada,   // Dina: count 12, 14 or 16, the groom's pada decides
    LastStarSameSign,     // Dina: count 27 within one sign
    LastStarOtherSign,    // Dina: count 27 across two signs
    Ganas,                // Gana: the two ganas decide
    SameYoni,             // Yoni
    HostileYonis,
    OtherYonis,
    SignCount,            // Rasi: the sign count decides
    SameSignGroomStarFirst,
    SameSignBrideStarFirst,
    SameStarGroomPadaLower,
    SameStarGroomPadaNotLower,
    SameLord,             // Rasi Adhipathi
    FriendlyLords,
    EnemyLords,
    NeutralLords,
    GroomSignVasya,       // Vasya: the groom's sign is in the bride's list
    BrideSignVasya,       //   the bride's sign is in the groom's list
    NoVasya,
    DifferentRajju,       // Rajju: different bands
    SameRajju,            //   the same band; its meaning follows from the band
    Vedha,                // Vedha: the two stars obstruct each other
    NoVedha
};

struct PoruthamResult {
    PoruthamGrade Grade = PoruthamGrade::Adhamam;
    PoruthamReason Reason = PoruthamReason::NoVedha;

    // Uttamam and madhyamam count as a match.
    bool Matches() const { return Grade != PoruthamGrade::Adhamam; }
};

// The five bands (rajju) of the stars, from the feet to the head.
enum class RajjuBand { Pada, Kati, Nabhi, Kantha, Siro };

struct Poruthams {
    MoonAttributes Groom;
    MoonAttributes Bride;
    std::array<PoruthamResult, PoruthamCount> Results{};
    int StarCount = 1; // c27 from the bride's star to the groom's, 1 .. 27
    int SignCount = 1; // c12 from the bride's sign to the groom's, 1 .. 12
    int Count = 0;     // poruthams that match, 0 .. 10
    double Score = 0;  // uttamam 1, madhyamam 0.5
    PoruthamGrade Verdict = PoruthamGrade::Adhamam;
    // The essentials that failed.
    bool RajjuDosha = false;
    bool VedhaDosha = false;

    const PoruthamResult& operator[](Porutham p) const {
        return Results[static_cast<std::size_t>(p)];
    }
};

// "Dina", "Gana", ..., "Stree Deergha", ..., "Rasi Adhipathi", ... (marked
// for translation in the context "Porutham").
std::string_view PoruthamName(Porutham porutham);
// The command-line tool's key: "Dina", ..., "StreeDeergha", "RasiAdhipathi".
std::string_view PoruthamKey(Porutham porutham);
// "uttamam", "madhyamam", "adhamam": the command-line tool's grade codes.
std::string_view PoruthamGradeCode(PoruthamGrade grade);

RajjuBand RajjuOf(int nakshatra);
// Whether two stars obstruct each other; never a star with itself.
bool AreVedha(int nakshatra, int other);
// Whether `sign` is in the vasya list of `owner` (0 Aries .. 11 Pisces).
bool IsVasyaTo(int sign, int owner);
bool AreHostile(Yoni a, Yoni b);

Poruthams MatchPoruthams(const MoonAttributes& groom, const MoonAttributes& bride);

} // namespace tirovane::matching
