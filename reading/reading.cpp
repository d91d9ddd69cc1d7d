#include "reading/reading.h"

#include "engine/precise_engine.h"

namespace tirovane {

std::string MatchFlags::Text() const {
    std::string text;
    if (Partner) {
        text += *Partner ? '1' : '0';
    }
    if (FirstPerson) {
        text += *FirstPerson ? '1' : '0';
    }
    return text;
}

MatchOutcome MatchOutcomeOf(const std::string& flagText) {
    if (flagText == "11") {
        return MatchOutcome::Nullified;
    }
    if (flagText == "00") {
        return MatchOutcome::NoDosha;
    }
    return MatchOutcome::NotNullified;
}

void RecordEvaluation(ReadingState& state, int person, manglik::ReferenceKind kind,
                      const manglik::ManglikResult& result) {
    const bool lagna = kind == manglik::ReferenceKind::LagnaChart;
    const auto index = static_cast<std::size_t>(person);
    (lagna ? state.Shown.Lagna : state.Shown.Rashi)[index] = result;
    state.Shown.Names[index] = state.People.People[index].Name;

    // The first person's evaluation starts the reading's flags afresh; the
    // partner's replaces only the partner's flag.
    MatchFlags& flags = lagna ? state.LagnaMatchFlags : state.ChandraMatchFlags;
    if (person == FirstPerson) {
        flags = MatchFlags{result.IsManglik, std::nullopt};
    } else {
        flags.Partner = result.IsManglik;
    }
}

const PersonChart& ComputePerson(ReadingState& state, int index, const BirthDetails& details) {
    state.LastPerson = index;
    state.LastInput = MakeEngineInput(details);
    state.People.People[index] = details;
    state.CrossChecks[static_cast<std::size_t>(index)].reset();
    if (state.Engine == ChartEngineChoice::Precise) {
        try {
            state.LastChart = CalculateChart(state.LastInput, ChartEngineChoice::Precise);
        } catch (const engine::PreciseEngineError& error) {
            state.LastChart = CalculateChart(state.LastInput);
            PersonCrossCheck failed;
            failed.Check = FailedCheck(error.what(), true);
            state.CrossChecks[static_cast<std::size_t>(index)] = std::move(failed);
        }
    } else {
        state.LastChart = CalculateChart(state.LastInput);
        if (state.CrossCheckEnabled) {
            state.CrossChecks[static_cast<std::size_t>(index)] =
                CheckAgainstPreciseEphemeris(state.LastInput, state.LastChart);
        }
    }
    // The first person starts a new pair.
    if (index == FirstPerson) {
        state.MoonLongitudes[Partner].reset();
        state.Charts[Partner].reset();
    }
    state.MoonLongitudes[index] = state.LastChart.Sidereal.Longitudes[engine::Moon];
    state.Charts[static_cast<std::size_t>(index)] = state.LastChart;
    RecordEvaluation(state, index, manglik::ReferenceKind::LagnaChart, state.LastChart.LagnaChart);
    RecordEvaluation(state, index, manglik::ReferenceKind::RashiChart, state.LastChart.RashiChart);
    return state.LastChart;
}

PersonCrossCheck CheckAgainstPreciseEphemeris(const engine::EngineInput& input,
                                              const PersonChart& described) {
    PersonCrossCheck result;
    try {
        result.PreciseChart = CalculateChart(input, ChartEngineChoice::Precise);
        result.Check = CompareCharts(described, *result.PreciseChart);
    } catch (const engine::PreciseEngineError& error) {
        result.Check = FailedCheck(error.what(), false);
    }
    return result;
}

void ResetManglikLines(ReadingState& state) {
    state.Shown = {};
    for (auto& check : state.CrossChecks) {
        check.reset();
    }
    state.LagnaMatchFlags.Clear();
    state.ChandraMatchFlags.Clear();
    state.MoonLongitudes = {};
}

MatchingTables MatchingTablesOf(std::string_view code) {
    if (code == "points") {
        return MatchingTables::Points;
    }
    if (code == "poruthams") {
        return MatchingTables::Poruthams;
    }
    return MatchingTables::Both;
}

std::string MatchingTablesCode(MatchingTables tables) {
    switch (tables) {
    case MatchingTables::Points:
        return "points";
    case MatchingTables::Poruthams:
        return "poruthams";
    case MatchingTables::Both:
        return "both";
    }
    return "both";
}

} // namespace tirovane
