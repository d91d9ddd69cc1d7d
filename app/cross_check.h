#pragma once

#include "app/calculation.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The cross-check of a person's chart against the precise ephemeris: the
// seven values a verdict rests on, compared between the described chart and
// the precise one, and a plain notice of what differs and why it matters.

namespace tirovane {

// The compared items, in the order they are named.
enum class CheckedItem : int {
    AscendantSign,
    MoonSignName,
    MoonNakshatra,
    LagnaHouse,
    LagnaVerdict,
    RashiHouse,
    RashiVerdict,
};
inline constexpr int CheckedItemCount = 7;

// "AscendantSign", "MoonSignName", "MoonNakshatra", "LagnaHouse",
// "LagnaVerdict", "RashiHouse", "RashiVerdict".
std::string_view CheckedItemName(CheckedItem item);

// The seven values of one chart.
struct CheckedValues {
    std::string AscendantSign; // abbreviation, "Leo"
    std::string MoonSignName;  // Sanskrit name, "Simha"
    std::string MoonNakshatra;
    int LagnaHouse = 1;
    manglik::Verdict LagnaVerdict = manglik::Verdict::NotManglik;
    int RashiHouse = 1;
    manglik::Verdict RashiVerdict = manglik::Verdict::NotManglik;

    friend bool operator==(const CheckedValues&, const CheckedValues&) = default;
};

CheckedValues CheckedValuesOf(const PersonChart& chart);

struct CrossCheck {
    bool Agrees = true;
    // The items whose values differ, in item order.
    std::vector<CheckedItem> Differing;
    // The precise chart's values.
    CheckedValues Precise;
    // The precise positions came from the library's analytic theory, its
    // ephemeris files being missing.
    bool AnalyticFallback = false;
    // Sentences saying what differs and why it matters; empty when every
    // item agrees.
    std::string Notice;
};

// Compares the described chart with the precise chart of the same birth.
CrossCheck CompareCharts(const PersonChart& described, const PersonChart& precise);

// "0°12′ Leo": whole degrees and minutes within the sign, truncated as the
// position texts truncate them, and the sign's English name.
std::string NoticePosition(double longitude);

// The sentence the result shows when the precise positions came from the
// library's analytic theory.
inline constexpr std::string_view AnalyticFallbackNotice =
    "The Swiss Ephemeris files were not found, so its less precise analytic theory was used.";

// "The precise ephemeris could not compute this chart: <why>."
std::string PreciseFailureNotice(std::string_view why);

} // namespace tirovane
