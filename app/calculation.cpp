#include "app/calculation.h"

#include "app/reference_tables.h"
#include "engine/described_chart.h"
#include "engine/text_forms.h"
#include "retrograde/retrograde.h"

namespace tirovane {

PersonChart CalculateChart(const engine::EngineInput& input) {
    PersonChart chart;
    engine::SiderealChart& sidereal = chart.Sidereal;
    sidereal = engine::ComputeDescribedChart(input.Instant, input.Place);
    // Retrograde marks follow the entered local date, as the tables list days.
    sidereal.Retrograde = retrograde::RetrogradeFlags(input.Instant.Local);

    const auto& longitudes = sidereal.Longitudes;
    chart.AyanamsaText = engine::FormatSignedAngle(sidereal.Ayanamsa);
    chart.AscendantText = engine::FormatSignPosition(longitudes[engine::Ascendant]);
    chart.MidheavenText = engine::FormatSignPosition(longitudes[engine::Midheaven]);
    chart.MoonPositionText = engine::FormatSignPosition(longitudes[engine::Moon]);
    const int nakshatra = engine::NakshatraIndexOf(longitudes[engine::Moon]);
    chart.MoonNakshatra = engine::NakshatraNames[static_cast<std::size_t>(nakshatra)];
    chart.MoonSignName = engine::SignSanskritNames[static_cast<std::size_t>(
        engine::SignIndexOf(longitudes[engine::Moon]))];
    for (int b = 0; b < engine::ChartBodyCount; ++b) {
        chart.ChartPositions[b] =
            engine::FormatChartPosition(engine::FormatSignPosition(longitudes[b]));
        chart.ChartBodyNames[b] = engine::ChartBodyNames[b];
        chart.ChartBodySanskritNames[b] = engine::ChartBodySanskritNames[b];
        if (sidereal.Retrograde[b]) {
            chart.ChartBodySanskritNames[b] += retrograde::RetrogradeMark;
        }
    }

    chart.AyanamsaDisplay = chart.AyanamsaText.substr(1);
    const int ascendantSign = engine::SignIndexOf(longitudes[engine::Ascendant]);
    chart.AscendantSign = engine::SignAbbreviation(ascendantSign);
    chart.LagnaName = engine::SignSanskritNames[static_cast<std::size_t>(ascendantSign)];
    if (const auto lookup = LookUpNakshatraLord(chart.AscendantSign, chart.MoonNakshatra)) {
        chart.NakshatraLord = lookup->NakshatraLord;
        chart.PadaCount = lookup->PadaCount;
    }
    chart.ChartCells =
        FillRashiChart(chart.ChartPositions, chart.ChartBodySanskritNames, chart.AscendantSign);
    chart.LagnaChart =
        manglik::EvaluateManglik(manglik::ReferenceKind::LagnaChart, chart.ChartPositions);
    chart.RashiChart =
        manglik::EvaluateManglik(manglik::ReferenceKind::RashiChart, chart.ChartPositions);
    return chart;
}

} // namespace tirovane
