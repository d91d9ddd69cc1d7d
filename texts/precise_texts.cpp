#include "texts/precise_texts.h"

#include "engine/sidereal_chart.h"
#include "engine/tables.h"
#include "engine/text_forms.h"
#include "texts/chart_texts.h"
#include "texts/cross_check_texts.h"
#include "texts/manglik_texts.h"
#include "texts/names.h"

#include <algorithm>

namespace tirovane::texts {

namespace {

constexpr const char* Context = "PreciseChart";

std::string T(const Words& words, const char* source) {
    return words.Translate(Context, source);
}

// A full position, "DD° MM' SS\" Abc", with the sign in the words' language.
std::string Position(double longitude, const Words& words) {
    const std::string text = engine::FormatSignPosition(longitude);
    return text.substr(0, text.size() - 3) +
           SignAbbreviation(engine::SignIndexOf(longitude), words);
}

} // namespace

std::string PreciseChartText(const PersonChart& chart, const Words& words) {
    const bool english = words.Language() == "en";
    std::string text =
        T(words, QT_TRANSLATE_NOOP("PreciseChart",
                                   "Swiss Ephemeris, Lahiri ayanamsa, apparent positions"));
    if (chart.AnalyticFallback) {
        text += "\n" + AnalyticFallbackNotice(words);
    }
    text += "\n\n";
    for (int body = 0; body < engine::ChartBodyCount; ++body) {
        // "Surya / Sun" in English; a translation names each body once.
        std::string name = BodySanskritName(body, words);
        if (chart.Sidereal.Retrograde[static_cast<std::size_t>(body)]) {
            name += words.Translate("Bodies", " (R) ");
        }
        if (english) {
            name += " / " + BodyName(body, words);
        }
        name.resize(std::max<std::size_t>(name.size() + 1, 28), ' ');
        text += name + Position(chart.Sidereal.Longitudes[body], words) + "\n";
    }
    const ChartValueTexts values = ChartValuesOf(chart, words);
    text += "\n" + Fill(T(words, QT_TRANSLATE_NOOP("PreciseChart", "Ayanamsa: %1")),
                        {chart.AyanamsaDisplay});
    text += "\n" + Fill(T(words, QT_TRANSLATE_NOOP("PreciseChart", "Lagna / Asc: %1 (%2)")),
                        {SignAbbreviation(chart.AscendantSignIndex, words), values.Vedic[1]});
    text +=
        "\n" + Fill(T(words, QT_TRANSLATE_NOOP("PreciseChart", "Nakshatra: %1, pada %2, lord %3")),
                    {values.Vedic[2], chart.PadaCount, values.Vedic[4]});
    text += "\n" + Fill(T(words, QT_TRANSLATE_NOOP("PreciseChart", "Rashi/Moon Sign: %1")),
                        {values.Vedic[5]});
    text +=
        "\n\n" +
        Fill(T(words, QT_TRANSLATE_NOOP("PreciseChart", "Position of Mars from Lagna is %1: %2")),
             {std::to_string(chart.LagnaChart.House),
              VerdictText(manglik::VerdictOf(chart.LagnaChart), words)});
    text +=
        "\n" +
        Fill(T(words, QT_TRANSLATE_NOOP("PreciseChart", "Position of Mars from Chandra is %1: %2")),
             {std::to_string(chart.RashiChart.House),
              VerdictText(manglik::VerdictOf(chart.RashiChart), words)}) +
        "\n";
    return text;
}

} // namespace tirovane::texts
