#include "cli/precise_options.h"

#include "texts/cross_check_texts.h"
#include "texts/manglik_texts.h"

namespace tirovane::cli {

Json CrossCheckToJson(const PersonCrossCheck& check) {
    Json out;
    out["Agrees"] = check.Check.Agrees;
    out["Differing"] = Json::array();
    for (const CheckedItem item : check.Check.Differing) {
        out["Differing"].push_back(CheckedItemName(item));
    }
    if (!check.PreciseChart) {
        out["Precise"] = nullptr;
        out["error"] = texts::CrossCheckNotice(check.Check);
        return out;
    }
    const CheckedValues& values = check.Check.Precise;
    Json precise;
    precise["AscendantSign"] = values.AscendantSign;
    precise["MoonSignName"] = values.MoonSignName;
    precise["MoonNakshatra"] = values.MoonNakshatra;
    precise["LagnaHouse"] = values.LagnaHouse;
    precise["LagnaVerdict"] = texts::VerdictText(values.LagnaVerdict);
    precise["RashiHouse"] = values.RashiHouse;
    precise["RashiVerdict"] = texts::VerdictText(values.RashiVerdict);
    out["Precise"] = std::move(precise);
    out["Notice"] = texts::CrossCheckNotice(check.Check);
    return out;
}

void AddPreciseSource(Json& chart, const PersonChart& computed) {
    chart["AnalyticFallback"] = computed.AnalyticFallback;
}

} // namespace tirovane::cli
