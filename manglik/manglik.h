#pragma once

#include "engine/tables.h"

#include <array>
#include <string>
#include <string_view>

// Whether Mars causes Mangal dosha counted from a reference sign (the
// ascendant or the Moon), whether other placements cancel it, and how
// strong it is.

namespace tirovane::manglik {

// "LagnaChart" counts from the ascendant, "RashiChart" from the Moon.
enum class ReferenceKind { LagnaChart, RashiChart };

std::string_view KindText(ReferenceKind kind);

struct ManglikTables {
    std::array<std::string_view, 12> SignNames;
    // "st", "nd", "rd", then nine "th": the suffixes of the house ordinals.
    std::array<std::string_view, 12> OrdinalSuffixes;
};

const ManglikTables& LoadManglikTables();

struct ManglikResult {
    int House = 1; // house of Mars, the reference sign being house 1
    bool HadDosha = false;
    bool IsManglik = false;
    std::string Percentage;
    std::string DetailLine;
    std::string Verdict;

    friend bool operator==(const ManglikResult&, const ManglikResult&) = default;
};

inline constexpr std::string_view ManglikVerdict = "The person is Manglik";
inline constexpr std::string_view NotManglikVerdict = "The person is Not Manglik";
inline constexpr std::string_view CancelledVerdict = "The person is Non Manglik";

using ChartPositionTexts = std::array<std::string, engine::ChartBodyCount>;

// True when the two bodies (chart texts "DD Abc MM") stand at most 10 whole
// degrees apart along the shorter arc; minutes are ignored.
bool IsConjunct(std::string_view marsPosition, std::string_view otherPosition);

// The evaluation from a reference position (a chart text) over a person's
// chart positions: Mars in slot 4, Mercury in 2 and Jupiter in 5 are read.
ManglikResult EvaluateManglik(std::string_view referencePosition,
                              const ChartPositionTexts& positions);

// The same, with the reference taken from the chart: the ascendant (slot 9)
// for LagnaChart, the Moon (slot 1) for RashiChart.
ManglikResult EvaluateManglik(ReferenceKind kind, const ChartPositionTexts& positions);

} // namespace tirovane::manglik
