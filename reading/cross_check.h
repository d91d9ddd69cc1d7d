#pragma once

#include "reading/calculation.h"

#include <array>
#include <optional>
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
    // The described chart's values.
    CheckedValues Described;
    // The precise positions came from the library's analytic theory, its
    // ephemeris files being missing.
    bool AnalyticFallback = false;
    // What the notice of a difference names: the described chart's
    // ascendant and Moon signs and the Moon's nakshatra, and the precise
    // chart's ascendant, Moon and Mars (sidereal degrees) and nakshatra.
    int DescribedAscendantSign = 0;
    int DescribedMoonSign = 0;
    int DescribedNakshatra = 0;
    int PreciseNakshatra = 0;
    double PreciseAscendant = 0;
    double PreciseMoon = 0;
    double PreciseMars = 0;
    // When the precise engine could not compute the chart: why, in the
    // library's own words (possibly empty); and whether the described
    // positions are shown in its place.
    std::optional<std::string> Failure;
    bool DescribedShownInstead = false;
};

// Compares the described chart with the precise chart of the same birth.
CrossCheck CompareCharts(const PersonChart& described, const PersonChart& precise);

// The check of a chart the precise engine could not compute.
CrossCheck FailedCheck(std::string_view why, bool describedShownInstead);

} // namespace tirovane
