#include "app/reading.h"

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

std::string_view MatchLine(const std::string& flagText) {
    if (flagText == "11") {
        return "Mangal Dosha has been nullified.";
    }
    if (flagText == "00") {
        return "You do not have Manglik Dosha.";
    }
    return "Mangal Dosha has not been nullified. Please consult an astrologer for further "
           "details.";
}

ResultLines::ResultLines() {
    Male.fill("-");
    Female.fill("-");
    Interpretation.fill("-");
}

void RecordEvaluation(ReadingState& state, int person, manglik::ReferenceKind kind,
                      const manglik::ManglikResult& result) {
    const bool lagna = kind == manglik::ReferenceKind::LagnaChart;
    const std::size_t first = lagna ? 0 : 3;
    auto& lines = person == FirstPerson ? state.Lines.Male : state.Lines.Female;
    lines[first] = std::string(lagna ? "Position of Mars from Lagna is "
                                     : "Position of Mars from Chandra is ") +
                   std::to_string(result.House);
    lines[first + 1] = result.DetailLine;
    lines[first + 2] = result.Verdict;

    const std::string& name = state.People.People[person].Name;
    if (person == FirstPerson) {
        state.Lines.Interpretation[first] = "Hello " + name + " you are " + result.Verdict;
    } else {
        state.Lines.Interpretation[first + 1] = "Your partner " + name + " is " + result.Verdict;
    }

    // The first person's evaluation starts the reading's flags afresh; the
    // partner's replaces only the partner's flag.
    MatchFlags& flags = lagna ? state.LagnaMatchFlags : state.ChandraMatchFlags;
    const bool manglik = result.Verdict == manglik::ManglikVerdict;
    if (person == FirstPerson) {
        flags = MatchFlags{manglik, std::nullopt};
    } else {
        flags.Partner = manglik;
    }

    state.Lines.Interpretation[2] = MatchLine(state.LagnaMatchFlags.Text());
    state.Lines.Interpretation[5] = MatchLine(state.ChandraMatchFlags.Text());
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
            failed.Check.Agrees = false;
            failed.Check.Notice = PreciseFailureNotice(error.what()) +
                                  " The positions shown are those of the described engine.";
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
        result.Check.Agrees = false;
        result.Check.Notice = PreciseFailureNotice(error.what());
    }
    return result;
}

void ResetManglikLines(ReadingState& state) {
    state.Lines.Reset();
    for (auto& check : state.CrossChecks) {
        check.reset();
    }
    state.LagnaMatchFlags.Clear();
    state.ChandraMatchFlags.Clear();
    state.MoonLongitudes = {};
}

} // namespace tirovane
