#include "texts/precise_texts.h"

#include "app/cross_check.h"
#include "engine/text_forms.h"
#include "texts/cross_check_texts.h"
#include "texts/manglik_texts.h"

#include <algorithm>

namespace tirovane::texts {

std::string PreciseChartText(const PersonChart& chart) {
    std::string text = "Swiss Ephemeris, Lahiri ayanamsa, apparent positions";
    if (chart.AnalyticFallback) {
        text += "\n" + AnalyticFallbackNotice();
    }
    text += "\n\n";
    for (int body = 0; body < engine::ChartBodyCount; ++body) {
        std::string name = chart.ChartBodySanskritNames[static_cast<std::size_t>(body)];
        name += " / " + std::string(engine::ChartBodyNames[static_cast<std::size_t>(body)]);
        name.resize(std::max<std::size_t>(name.size() + 1, 28), ' ');
        text += name + engine::FormatSignPosition(chart.Sidereal.Longitudes[body]) + "\n";
    }
    text += "\nAyanamsa: " + chart.AyanamsaDisplay;
    text += "\nLagna / Asc: " + chart.AscendantSign + " (" + chart.LagnaName + ")";
    text += "\nNakshatra: " + chart.MoonNakshatra + ", pada " + chart.PadaCount + ", lord " +
            chart.NakshatraLord;
    text += "\nRashi/Moon Sign: " + chart.MoonSignName;
    text += "\n\nPosition of Mars from Lagna is " + std::to_string(chart.LagnaChart.House) + ": " +
            VerdictText(manglik::VerdictOf(chart.LagnaChart));
    text += "\nPosition of Mars from Chandra is " + std::to_string(chart.RashiChart.House) + ": " +
            VerdictText(manglik::VerdictOf(chart.RashiChart)) + "\n";
    return text;
}

} // namespace tirovane::texts
