#include "reading/cross_check.h"

#include "engine/angles.h"
#include "engine/sidereal_chart.h"
#include "engine/text_forms.h"

#include <algorithm>
#include <cmath>

namespace tirovane {

std::string_view CheckedItemName(CheckedItem item) {
    static constexpr std::array<std::string_view, CheckedItemCount> Names = {
        "AscendantSign", "MoonSignName", "MoonNakshatra", "LagnaHouse",
        "LagnaVerdict",  "RashiHouse",   "RashiVerdict"};
    return Names[static_cast<std::size_t>(item)];
}

CheckedValues CheckedValuesOf(const PersonChart& chart) {
    return {chart.AscendantSign,
            chart.MoonSignName,
            chart.MoonNakshatra,
            chart.LagnaChart.House,
            manglik::VerdictOf(chart.LagnaChart),
            chart.RashiChart.House,
            manglik::VerdictOf(chart.RashiChart)};
}

CrossCheck FailedCheck(std::string_view why, bool describedShownInstead) {
    CrossCheck check;
    check.Agrees = false;
    check.Failure = std::string(why);
    check.DescribedShownInstead = describedShownInstead;
    return check;
}

CrossCheck CompareCharts(const PersonChart& described, const PersonChart& precise) {
    CrossCheck check;
    check.Described = CheckedValuesOf(described);
    const CheckedValues& ours = check.Described;
    check.Precise = CheckedValuesOf(precise);
    check.AnalyticFallback = precise.AnalyticFallback;
    const CheckedValues& theirs = check.Precise;
    const std::array<bool, CheckedItemCount> same = {
        ours.AscendantSign == theirs.AscendantSign, ours.MoonSignName == theirs.MoonSignName,
        ours.MoonNakshatra == theirs.MoonNakshatra, ours.LagnaHouse == theirs.LagnaHouse,
        ours.LagnaVerdict == theirs.LagnaVerdict,   ours.RashiHouse == theirs.RashiHouse,
        ours.RashiVerdict == theirs.RashiVerdict};
    for (int item = 0; item < CheckedItemCount; ++item) {
        if (!same[static_cast<std::size_t>(item)]) {
            check.Differing.push_back(static_cast<CheckedItem>(item));
        }
    }
    check.Agrees = check.Differing.empty();
    if (check.Agrees) {
        return check;
    }

    const auto& longitudes = precise.Sidereal.Longitudes;
    check.DescribedAscendantSign = described.AscendantSignIndex;
    check.DescribedMoonSign = engine::SignIndexOf(described.Sidereal.Longitudes[engine::Moon]);
    check.DescribedNakshatra =
        engine::NakshatraIndexOf(described.Sidereal.Longitudes[engine::Moon]);
    check.PreciseNakshatra = engine::NakshatraIndexOf(longitudes[engine::Moon]);
    check.PreciseAscendant = longitudes[engine::Ascendant];
    check.PreciseMoon = longitudes[engine::Moon];
    check.PreciseMars = longitudes[engine::Mars];
    return check;
}

} // namespace tirovane
