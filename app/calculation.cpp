#include "app/calculation.h"

#include "app/reference_tables.h"
#include "engine/ascendant.h"
#include "engine/moon.h"
#include "engine/planets.h"
#include "engine/text_forms.h"
#include "retrograde/retrograde.h"

namespace tirovane {

engine::EngineInput MakeEngineInput(const BirthDetails& details) {
    const ZoneRow& zone = LoadReferenceTables().Zones.at(static_cast<std::size_t>(details.ZoneRow));
    engine::EngineInput input;
    input.Name = details.Name;
    input.Month = details.Month;
    input.Day = details.Day;
    input.Year = details.Year;
    input.Hour = details.Hour;
    input.Minute = details.Minute;
    input.ZoneHours = details.ZoneHours;
    input.ZoneMinutes = details.ZoneMinutes;
    input.SignedZoneHours = zone.WestHours;
    input.SignedZoneMinutes = zone.WestMinutes;
    input.LongitudeDegrees = details.LongitudeDegrees;
    input.LongitudeMinutes = details.LongitudeMinutes;
    input.LatitudeDegrees = details.LatitudeDegrees;
    input.LatitudeMinutes = details.LatitudeMinutes;
    input.East = details.East;
    input.South = details.South;
    input.DaylightSaving = details.DaylightSaving;
    input.City = std::string(engine::TrimBlanks(details.City));
    input.State = std::string(engine::TrimBlanks(details.State));
    input.Country = std::string(engine::TrimBlanks(details.Country));
    return input;
}

PersonChart CalculateChart(const engine::EngineInput& input, const PersonChart& previous) {
    engine::AscendantResult ascendant = engine::ComputeAscendant(input);
    engine::MoonResult moon = engine::ComputeMoon(input);
    engine::PlanetsResult planets = engine::ComputePlanets(input, ascendant, moon);

    PersonChart chart;
    chart.AyanamsaText = std::move(ascendant.AyanamsaText);
    chart.AscendantText = std::move(ascendant.AscendantText);
    chart.MidheavenText = std::move(ascendant.MidheavenText);
    chart.MoonPositionText = std::move(moon.MoonPositionText);
    chart.MoonNakshatra = std::move(moon.MoonNakshatra);
    chart.MoonSignName = moon.MoonSignName ? std::move(*moon.MoonSignName) : previous.MoonSignName;
    chart.ChartPositions = std::move(planets.ChartPositions);
    chart.ChartBodyNames = std::move(planets.ChartBodyNames);
    chart.ChartBodySanskritNames = std::move(planets.ChartBodySanskritNames);
    // Retrograde marks follow the entered local date, as the tables list days.
    retrograde::MarkRetrogrades(chart.ChartBodySanskritNames,
                                {input.Year, input.Month, input.Day, input.Hour, input.Minute});

    chart.AyanamsaDisplay =
        chart.AyanamsaText.empty() ? std::string() : chart.AyanamsaText.substr(1);
    const std::string& asc = chart.AscendantText;
    chart.AscendantSign = asc.size() >= 3 ? asc.substr(asc.size() - 3) : asc;
    chart.LagnaName = engine::SignNameFromText(asc).value_or(previous.LagnaName);
    if (const auto lookup = LookUpNakshatraLord(chart.AscendantSign, chart.MoonNakshatra)) {
        chart.NakshatraLord = lookup->NakshatraLord;
        chart.PadaCount = lookup->PadaCount;
    } else {
        chart.NakshatraLord = previous.NakshatraLord;
        chart.PadaCount = previous.PadaCount;
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
