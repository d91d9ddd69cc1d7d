#pragma once

#include "matching/ashtakoota.h"
#include "reading/pair_match.h"
#include "texts/words.h"

#include <array>
#include <string>

// The texts of the 36-point match table.

namespace tirovane::texts {

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
    std::string Roles;        // which person stands on which side (SidesText)
};

// The headings of the table's columns (context "Matching").
inline constexpr std::array<const char*, 5> MatchTableHeadings = {
    QT_TRANSLATE_NOOP("Matching", "Koota"), QT_TRANSLATE_NOOP("Matching", "First person"),
    QT_TRANSLATE_NOOP("Matching", "Partner"), QT_TRANSLATE_NOOP("Matching", "Points"),
    QT_TRANSLATE_NOOP("Matching", "Maximum")};

// The table's other captions (context "Matching").
inline constexpr const char* TotalCaption = QT_TRANSLATE_NOOP("Matching", "Total");

// A heading or caption of the table in the language of the words.
std::string MatchingCaption(const char* source, const Words& words = English());

// The part's name: "Varna", ..., "Graha Maitri", ...
std::string KootaName(matching::Koota koota, const Words& words = English());

// "Not recommended: fewer than 18 of 36 points", "Acceptable match", ...
std::string GradeText(matching::Grade grade, const Words& words = English());

// Which person was counted on which side (`groom`: the index in input
// order of the person counted as the groom).
std::string SidesText(int groom, const Words& words = English());

// The table with its columns in input order: the first person, the partner.
MatchTableTexts MatchTableTextsOf(const SidedMatch& match, const Words& words = English());

} // namespace tirovane::texts
