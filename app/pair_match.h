#pragma once

#include "app/calculation.h"
#include "app/reading.h"
#include "matching/ashtakoota.h"

#include <array>
#include <optional>
#include <string>

// The comparison of two computed people: the 36-point match of their Moons,
// the two Manglik match lines of the pair, and the texts of the match table.

namespace tirovane {

struct PairMatch {
    matching::Ashtakoota Points;
    std::string LagnaMatchLine;
    std::string ChandraMatchLine;
};

// The first person (the groom's side) with the partner (the bride's side).
matching::Ashtakoota MatchMoons(const PersonChart& first, const PersonChart& partner);

// The match lines as a complete reading of these two people shows them.
PairMatch MatchPair(const PersonChart& first, const PersonChart& partner);

// The reading's match once both people are computed.
std::optional<matching::Ashtakoota> ReadingMatch(const ReadingState& state);

// Points as shown: whole numbers plainly, halves with ".5" ("3", "1.5").
std::string PointsText(double points);

// One row of the match table: the part, what each person brings to it, the
// points and the most the part can give.
struct MatchRowTexts {
    std::string Koota;
    std::string First;
    std::string Partner;
    std::string Points;
    std::string Maximum;
};

struct MatchTableTexts {
    std::array<MatchRowTexts, matching::KootaCount> Rows;
    std::string Total;        // "23.5"
    std::string Verdict;      // "Acceptable match"
    std::string NadiDosha;    // "Nadi dosha: none"
    std::string BhakootDosha; // "Bhakoot dosha: cancelled"
    std::string Roles;        // which person stands on which side
};

// The headings of the table's columns.
inline constexpr std::array<const char*, 5> MatchTableHeadings = {"Koota", "First person",
                                                                  "Partner", "Points", "Maximum"};

MatchTableTexts MatchTableTextsOf(const matching::Ashtakoota& match);

} // namespace tirovane
