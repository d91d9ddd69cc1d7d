#include "cli/chart_command.h"

#include "cli/json_io.h"
#include "cli/json_writer.h"
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

// The chart of the described engine written straight as text, the bytes
// the document of ChartLine gives, without building the document: most of
// the time of a line went to it.
void WriteDescribedChartLine(std::string& text, const engine::EngineInput& input,
                             const std::optional<Json>& resolved) {
    const PersonChart chart = CalculateChart(input);
    JsonWriter out(text);
    out.BeginObject();
    WriteChartFields(out, chart);
    out.Key("Longitudes").Numbers(chart.Sidereal.Longitudes);
    out.Key("JulianDayUT").Number(input.Instant.JulianDayUT);
    WriteKundliFields(out, chart, input.Instant);
    if (resolved) {
        out.Key("PlaceResolved").Raw(JsonLine(*resolved));
    }
    out.EndObject();
}

} // namespace

int RunChart(std::istream& in, std::ostream& out, const EngineOptions& options) {
    LineReader reader(in);
    std::string line;
    bool tooLong = false;
    bool allCharted = true;
    const bool described = !options.Precise && !options.CrossCheck;
    std::string text;
    while (reader.Next(line, tooLong)) {
        Json result;
        text.clear(); // the buffer of the last line, its room kept
        if (tooLong) {
            result = ErrorJson("The line is longer than 1 MiB.");
        } else {
            const PlaceLine placed = ResolvePlaceLine(line);
            const auto person = placed.Error
                                    ? std::variant<BirthDetails, std::string>(*placed.Error)
                                    : CheckedPerson(placed.Line);
            if (const auto* problem = std::get_if<std::string>(&person)) {
                result = ErrorJson(*problem);
            } else if (described) {
                WriteDescribedChartLine(text, MakeEngineInput(std::get<BirthDetails>(person)),
                                        placed.Resolved);
            } else {
                result = ChartLine(MakeEngineInput(std::get<BirthDetails>(person)), options);
                if (placed.Resolved) {
                    result["PlaceResolved"] = *placed.Resolved;
                }
            }
        }
        if (text.empty()) {
            allCharted = allCharted && !result.contains("error");
            text = JsonLine(result);
        }
        out << text << '\n';
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
