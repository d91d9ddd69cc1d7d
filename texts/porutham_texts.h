#pragma once

#include "matching/porutham.h"
#include "texts/words.h"

#include <array>
#include <string>

// The texts of the ten poruthams: each porutham's grade and reason, and the
// count, score, verdict and doshas.

namespace tirovane::texts {

struct PoruthamRowTexts {
    std::string Porutham; // "Stree Deergha"
    std::string Grade;    // "Uttamam"
    std::string Reason;   // "Count from the bride's star to the groom's: 14."
};

struct PoruthamTableTexts {
    std::array<PoruthamRowTexts, matching::PoruthamCount> Rows;
    std::string Count;   // "Matching poruthams: 7 of 10"
    std::string Score;   // "Score: 5.5 of 10"
    std::string Verdict; // "Verdict: Madhyamam"
    std::string Doshas;  // "Doshas: none"
};

// The headings of the table's columns (context "Porutham").
inline constexpr std::array<const char*, 3> PoruthamTableHeadings = {
    QT_TRANSLATE_NOOP("Porutham", "Porutham"), QT_TRANSLATE_NOOP("Porutham", "Grade"),
    QT_TRANSLATE_NOOP("Porutham", "Reason")};

// A heading or caption in the context "Porutham" in the language of the words.
std::string PoruthamCaption(const char* source, const Words& words = English());

std::string PoruthamName(matching::Porutham porutham, const Words& words = English());
// "Uttamam", "Madhyamam", "Adhamam".
std::string PoruthamGradeText(matching::PoruthamGrade grade, const Words& words = English());
// Why the porutham got its grade, from the two people's stars and signs.
std::string PoruthamReasonText(const matching::Poruthams& match, matching::Porutham porutham,
                               const Words& words = English());

PoruthamTableTexts PoruthamTableTextsOf(const matching::Poruthams& match,
                                        const Words& words = English());

} // namespace tirovane::texts
