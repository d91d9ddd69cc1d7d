#include "texts/chart_texts.h"

#include "engine/sidereal_chart.h"
#include "engine/tables.h"
#include "kundli/navamsa.h"
#include "retrograde/retrograde.h"
#include "texts/names.h"

namespace tirovane::texts {

namespace {

// The marks of the chart cells, as the engine writes them.
constexpr const char* AscendantMark = QT_TRANSLATE_NOOP("Bodies", "Asc");
constexpr const char* RetrogradeMark = QT_TRANSLATE_NOOP("Bodies", " (R) ");
static_assert(std::string_view(" (R) ") == retrograde::RetrogradeMark);

// A text ending in (or holding at `at`) a sign's three-letter abbreviation,
// with the abbreviation in the words' language.
std::string WithSign(const std::string& text, std::size_t at, const Words& words) {
    if (text.size() < at + 3) {
        return text;
    }
    const int sign = engine::SignIndex(std::string_view(text).substr(at, 3));
    if (sign < 0) {
        return text;
    }
    return text.substr(0, at) + SignAbbreviation(sign, words) + text.substr(at + 3);
}

} // namespace

ChartValueTexts ChartValuesOf(const PersonChart& chart, const Words& words) {
    ChartValueTexts out;
    for (std::size_t b = 0; b < out.Positions.size(); ++b) {
        // "DD Abc MM": the sign is characters 4 to 6.
        out.Positions[b] = WithSign(chart.ChartPositions[b], 3, words);
    }
    const auto& longitudes = chart.Sidereal.Longitudes;
    const double moon = longitudes[engine::Moon];
    const std::string& ascendant = chart.AscendantText;
    out.Vedic = {
        chart.AyanamsaDisplay,
        RashiName(chart.AscendantSignIndex, words),
        NakshatraName(engine::NakshatraIndexOf(moon), words),
        chart.PadaCount,
        chart.NakshatraLord.empty() ? std::string()
                                    : words.Translate("Bodies", chart.NakshatraLord.c_str()),
        RashiName(engine::SignIndexOf(moon), words),
        ascendant.size() >= 3 ? WithSign(ascendant, ascendant.size() - 3, words) : ascendant,
    };
    return out;
}

namespace {

// The cells of a chart whose bodies stand at these longitudes.
ChartCellTexts CellsAt(const std::array<double, engine::ChartBodyCount>& longitudes,
                       const PersonChart& chart, const Words& words) {
    std::array<std::string, engine::ChartBodyCount> names;
    for (int b = 0; b < engine::ChartBodyCount; ++b) {
        names[static_cast<std::size_t>(b)] = BodySanskritName(b, words);
        if (chart.Sidereal.Retrograde[static_cast<std::size_t>(b)]) {
            names[static_cast<std::size_t>(b)] += words.Translate("Bodies", RetrogradeMark);
        }
    }
    return FillRashiChart(longitudes, names, words.Translate("Bodies", AscendantMark));
}

} // namespace

ChartCellTexts ChartCellsOf(const PersonChart& chart, const Words& words) {
    return CellsAt(chart.Sidereal.Longitudes, chart, words);
}

ChartCellTexts NavamsaCellsOf(const PersonChart& chart, const Words& words) {
    // Each body placed in the middle of its Navamsa sign; the midheaven,
    // which no cell shows, stays where it is.
    std::array<double, engine::ChartBodyCount> longitudes = chart.Sidereal.Longitudes;
    const auto signs = kundli::NavamsaSigns(longitudes);
    for (std::size_t b = 0; b < signs.size(); ++b) {
        longitudes[b] = signs[b] * 30.0 + 15;
    }
    return CellsAt(longitudes, chart, words);
}

} // namespace tirovane::texts
