#include "reading/calculation.h"

#include "engine/precise_engine.h"
#include "engine/text_forms.h"
#include "reading/reference_tables.h"
#include "retrograde/retrograde.h"

namespace tirovane {

PersonChart ChartFromNumbers(const engine::SiderealChart& sidereal) {
    PersonChart chart;
    chart.Sidereal = sidereal;
    const auto& longitudes = sidereal.Longitudes;
    const double moon = longitudes[engine::Moon];
    const int ascendantSign = engine::SignIndexOf(longitudes[engine::Ascendant]);
    const int nakshatra = engine::NakshatraIndexOf(moon);

    chart.AyanamsaText = engine::FormatSignedAngle(sidereal.Ayanamsa);
    chart.AscendantText = engine::FormatSignPosition(longitudes[engine::Ascendant]);
    chart.MidheavenText = engine::FormatSignPosition(longitudes[engine::Midheaven]);
    chart.MoonPositionText = engine::FormatSignPosition(moon);
    chart.MoonNakshatra = engine::Nakshatras[static_cast<std::size_t>(nakshatra)].Name;
    chart.MoonSignName =
        engine::Signs[static_cast<std::size_t>(engine::SignIndexOf(moon))].SanskritName;
    for (int b = 0; b < engine::ChartBodyCount; ++b) {
        chart.ChartPositions[b] = engine::FormatChartPosition(longitudes[b]);
        chart.ChartBodyNames[b] = engine::ChartBodyNames[b];
        chart.ChartBodySanskritNames[b] = engine::ChartBodySanskritNames[b];
        if (sidereal.Retrograde[b]) {
            chart.ChartBodySanskritNames[b] += retrograde::RetrogradeMark;
        }
    }

    // The ayanamsa is always negative: its display drops the minus sign.
    chart.AyanamsaDisplay = chart.AyanamsaText.substr(1);
    chart.AscendantSign = engine::SignAbbreviation(ascendantSign);
    chart.AscendantSignIndex = ascendantSign;
    chart.LagnaName = engine::Signs[static_cast<std::size_t>(ascendantSign)].SanskritName;
    if (const auto lookup = LookUpNakshatraLord(nakshatra)) {
        chart.NakshatraLord = lookup->NakshatraLord;
        chart.PadaCount = lookup->PadaCount;
    }
    chart.ChartCells = FillRashiChart(longitudes, chart.ChartBodySanskritNames);
    chart.LagnaChart = manglik::EvaluateManglik(manglik::ReferenceKind::LagnaChart, longitudes);
    chart.RashiChart = manglik::EvaluateManglik(manglik::ReferenceKind::RashiChart, longitudes);
    return chart;
}

PersonChart CalculateChart(const engine::EngineInput& input, engine::ChartEngine chartEngine) {
    engine::SiderealChart sidereal = chartEngine(input.Instant, input.Place);
    // Retrograde marks follow the entered local date, as the tables list days.
    sidereal.Retrograde = retrograde::RetrogradeFlags(input.Instant.Local);
    return ChartFromNumbers(sidereal);
}

PersonChart CalculateChart(const engine::EngineInput& input, ChartEngineChoice engine) {
    if (engine == ChartEngineChoice::Described) {
        return CalculateChart(input);
    }
    // The precise engine marks retrograde planets from their speeds.
    const engine::PreciseChart precise =
        engine::ComputePreciseChartWithSource(input.Instant, input.Place);
    PersonChart chart = ChartFromNumbers(precise.Chart);
    chart.Engine = ChartEngineChoice::Precise;
    chart.AnalyticFallback = precise.Source == engine::PreciseSource::AnalyticFallback;
    return chart;
}

} // namespace tirovane
