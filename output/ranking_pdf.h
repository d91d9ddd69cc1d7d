#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// A ranking of candidates as a PDF table: A4 landscape pages, the title and
// the column headings on each, the page number at the foot. Texts are set
// in the program's faces, so that every script is shown and embedded.

namespace tirovane {

struct RankingTable {
    std::string Title;       // "Matches for Asha"
    std::string PagePattern; // "Page %1"
    std::array<std::string, 10> Headings;
    std::vector<std::array<std::string, 10>> Rows;
};

// The PDF's bytes, or nothing when it could not be made.
std::optional<std::string> RankingPdfBytes(const RankingTable& table);

} // namespace tirovane
