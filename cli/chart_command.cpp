#include "cli/chart_command.h"

#include "cli/json_io.h"
#include "cli/line_reader.h"
#include "cli/place_command.h"
#include "engine/precise_engine.h"
#include "texts/cross_check_texts.h"

namespace tirovane::cli {

namespace {

Json ChartLine(const engine::EngineInput& input, const EngineOptions& options) {
    PersonChart chart;
    if (options.Precise) {
        try {
            chart = CalculateChart(input, ChartEngineChoice::Precise);
        } catch (const engine::PreciseEngineError& error) {
            return ErrorJson(texts::PreciseFailureNotice(error.what()));
        }
    } else {
        chart = CalculateChart(input);
    }
    Json result = ChartToJson(chart);
    // The numbers behind the texts: the longitudes in chart order and the
    // birth instant.
    result["Longitudes"] = chart.Sidereal.Longitudes;
    result["JulianDayUT"] = input.Instant.JulianDayUT;
    AddKundli(result, chart, input.Instant);
    if (options.Precise) {
        AddPreciseSource(result, chart);
    } else if (options.CrossCheck) {
        result["CrossCheck"] = CrossCheckToJson(CheckAgainstPreciseEphemeris(input, chart));
    }
    return result;
}

} // namespace

int RunChart(std::istream& in, std::ostream& out, const EngineOptions& options) {
    LineReader reader(in);
    std::string line;
    bool tooLong = false;
    bool allCharted = true;
    while (reader.Next(line, tooLong)) {
        Json result;
        if (tooLong) {
            result = ErrorJson("The line is longer than 1 MiB.");
        } else {
            const PlaceLine placed = ResolvePlaceLine(line);
            const auto person = placed.Error
                                    ? std::variant<BirthDetails, std::string>(*placed.Error)
                                    : CheckedPerson(placed.Line);
            if (const auto* problem = std::get_if<std::string>(&person)) {
                result = ErrorJson(*problem);
            } else {
                result = ChartLine(MakeEngineInput(std::get<BirthDetails>(person)), options);
                if (placed.Resolved) {
                    result["PlaceResolved"] = *placed.Resolved;
                }
            }
        }
        allCharted = allCharted && !result.contains("error");
        out << JsonLine(result) << '\n';
        // Flush whenever no further input is waiting, so that a caller that
        // writes one line and waits for its answer gets it at once.
        if (in.rdbuf()->in_avail() <= 0) {
            out.flush();
        }
        if (!out) {
            break; // nowhere to write: the caller reports it
        }
    }
    out.flush();
    return allCharted ? 0 : 1;
}

} // namespace tirovane::cli
