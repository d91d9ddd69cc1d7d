#include "cli/reading_command.h"

#include "files/codepage.h"
#include "files/file_io.h"
#include "files/saved_reading.h"
#include "cli/line_reader.h"
#include "cli/match_command.h"
#include "cli/place_command.h"
#include "texts/cross_check_texts.h"
#include "texts/export_text.h"
#include "texts/result_lines.h"
#include "texts/validation_texts.h"

#include <algorithm>

namespace tirovane::cli {

namespace {

Json PersonError(std::string_view message, int person) {
    Json out = ErrorJson(message);
    out["person"] = person;
    return out;
}

// The engine's additions to the reading's people.
void AddEngineFields(Json& json, const ComputedReading& reading, const EngineOptions& options) {
    for (int person = 0; person < 2; ++person) {
        Json& out = json["people"][static_cast<std::size_t>(person)];
        if (options.Precise) {
            AddPreciseSource(out, reading.Charts[static_cast<std::size_t>(person)]);
        } else if (const auto& check =
                       reading.State.CrossChecks[static_cast<std::size_t>(person)]) {
            out["CrossCheck"] = CrossCheckToJson(*check);
        }
    }
}

int Fail(std::ostream& out, const Json& error) {
    out << JsonLine(error) << '\n';
    return 1;
}

// The same answer for a wrong name whether a reading is read or saved.
Json WrongExtension() {
    return ErrorJson("Please Check The File. The name of a saved reading ends in \"tvr\", "
                     "like \"reading.tvr\".");
}

// A text box of the input form holds 32767 characters at the most, which
// keeps a saved reading far below what opening reads. (What the texts may
// hold is checked with every line, as the form checks it.)
constexpr std::size_t LongestText = 32767;

std::optional<Json> UnsavableText(const std::array<BirthDetails, 2>& people) {
    for (int person = 0; person < 2; ++person) {
        const BirthDetails& p = people[person];
        const std::pair<const char*, const std::string*> texts[] = {
            {"Name", &p.Name}, {"City", &p.City}, {"State", &p.State}, {"Country", &p.Country}};
        for (const auto& [name, text] : texts) {
            // Characters, not bytes: a letter of an Indian script takes three.
            const auto characters = std::count_if(text->begin(), text->end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            });
            if (static_cast<std::size_t>(characters) > LongestText) {
                Json error = PersonError(
                    "Please enter at most " + std::to_string(LongestText) + " letters", person);
                error["field"] = name;
                return error;
            }
        }
    }
    return std::nullopt;
}

} // namespace

ComputedReading ComputeReading(const std::array<BirthDetails, 2>& people,
                               const EngineOptions& options) {
    ComputedReading reading;
    reading.State.Engine =
        options.Precise ? ChartEngineChoice::Precise : ChartEngineChoice::Described;
    reading.State.CrossCheckEnabled = options.CrossCheck && !options.Precise;
    reading.Charts[0] = ComputePerson(reading.State, FirstPerson, people[0]);
    reading.Charts[1] = ComputePerson(reading.State, Partner, people[1]);
    return reading;
}

PeopleOrError PeopleFrom(const std::optional<std::string>& file, std::istream& in,
                         ResolvedPlaces* places) {
    return file ? PeopleFromFile(*file) : PeopleFromLines(in, places);
}

std::optional<Json> PreciseFailure(const ComputedReading& reading, const EngineOptions& options) {
    if (!options.Precise) {
        return std::nullopt;
    }
    for (int person = 0; person < 2; ++person) {
        if (const auto& check = reading.State.CrossChecks[static_cast<std::size_t>(person)]) {
            Json error = ErrorJson(texts::CrossCheckNotice(check->Check));
            error["person"] = person;
            return error;
        }
    }
    return std::nullopt;
}

Json ReadingToJson(const ReadingState& state, const std::array<PersonChart, 2>& charts) {
    Json out;
    out["people"] = Json::array({ChartToJson(charts[0]), ChartToJson(charts[1])});
    for (int person = 0; person < 2; ++person) {
        AddKundli(out["people"][static_cast<std::size_t>(person)], charts[person],
                  MakeEngineInput(state.People.People[person]).Instant);
    }
    const texts::ResultLines lines = texts::ResultLinesOf(state);
    out["lblResult_Male"] = lines.Male;
    out["lblResult_Female"] = lines.Female;
    out["lblInterpretation"] = lines.Interpretation;
    const SidedMatch match =
        MatchCharts(charts[0], charts[1], state.People.People[FirstPerson].PersonSex,
                    state.People.People[Partner].PersonSex);
    out["Ashtakoota"] = AshtakootaToJson(match);
    AddSides(out, match);
    return out;
}

PeopleOrError PeopleFromLines(std::istream& in, ResolvedPlaces* places) {
    LineReader reader(in);
    std::array<BirthDetails, 2> people;
    for (int person = 0; person < 2; ++person) {
        std::string line;
        bool tooLong = false;
        if (!reader.Next(line, tooLong)) {
            return PersonError("The reading needs two lines: the first person, then the partner.",
                               person);
        }
        if (tooLong) {
            return PersonError("The line is longer than 1 MiB.", person);
        }
        const PlaceLine placed = ResolvePlaceLine(line);
        if (placed.Error) {
            return PersonError(*placed.Error, person);
        }
        if (places != nullptr) {
            (*places)[person] = placed.Resolved;
        }
        auto checked = CheckedPerson(placed.Line);
        if (const auto* problem = std::get_if<std::string>(&checked)) {
            return PersonError(*problem, person);
        }
        people[person] = std::get<BirthDetails>(std::move(checked));
    }
    return people;
}

PeopleOrError PeopleFromFile(const std::string& path) {
    if (!HasReadingExtension(path)) {
        return WrongExtension();
    }
    const ReadResult file = ReadFileStart(path, 1 << 20);
    if (!file.Bytes) {
        return ErrorJson("The file " + path + " could not be opened: " + file.Error + ".");
    }
    // The windows keep a list's selection where a line names no entry; here
    // there is no selection to keep, so such a file is refused.
    if (const auto damaged = FindUnreadableLine(*file.Bytes)) {
        Json error = ErrorJson("The saved reading " + path + " is damaged: line " +
                               std::to_string(damaged->Line) + " " + damaged->Problem + ".");
        error["line"] = damaged->Line;
        error["person"] = damaged->Line > LinesPerPerson ? 1 : 0;
        return error;
    }
    const std::array<PersonForm, 2> forms = ApplyReadingFile(*file.Bytes, {});
    std::array<BirthDetails, 2> people;
    for (int person = 0; person < 2; ++person) {
        if (const auto failure = ValidateInput(forms[person])) {
            return PersonError(texts::ValidationMessage(failure->Problem), person);
        }
        people[person] = DetailsOf(forms[person]);
    }
    return people;
}

int RunReading(std::istream& in, std::ostream& out, const std::optional<std::string>& file,
               const EngineOptions& options) {
    ResolvedPlaces places;
    const PeopleOrError people = PeopleFrom(file, in, &places);
    if (const auto* error = std::get_if<Json>(&people)) {
        return Fail(out, *error);
    }
    const ComputedReading reading = ComputeReading(std::get<0>(people), options);
    if (const auto failed = PreciseFailure(reading, options)) {
        return Fail(out, *failed);
    }
    Json result = ReadingToJson(reading.State, reading.Charts);
    AddEngineFields(result, reading, options);
    for (std::size_t person = 0; person < places.size(); ++person) {
        if (places[person]) {
            result["people"][person]["PlaceResolved"] = *places[person];
        }
    }
    out << JsonLine(result) << '\n';
    return 0;
}

int RunSave(std::istream& in, std::ostream& out, const std::string& file) {
    if (!HasReadingExtension(file)) {
        return Fail(out, WrongExtension());
    }
    ResolvedPlaces places;
    const PeopleOrError people = PeopleFromLines(in, &places);
    if (const auto* error = std::get_if<Json>(&people)) {
        return Fail(out, *error);
    }
    const auto& pair = std::get<0>(people);
    if (const auto error = UnsavableText(pair)) {
        return Fail(out, *error);
    }
    const std::string bytes = ReadingFileBytes(pair, {pair[0].ZoneRow, pair[1].ZoneRow});
    if (const auto failure = WriteFileAtomically(file, bytes)) {
        return Fail(out,
                    ErrorJson("The file " + file + " could not be written: " + *failure + "."));
    }
    // Where a line named a place, what it was taken to be.
    if (places[0] || places[1]) {
        Json resolved = Json::array();
        for (const auto& place : places) {
            resolved.push_back(place ? *place : Json());
        }
        Json line;
        line["PlaceResolved"] = resolved;
        out << JsonLine(line) << '\n';
    }
    return 0;
}

int RunExport(std::istream& in, std::ostream& out, const std::string& target,
              const std::optional<std::string>& reading) {
    const PeopleOrError people = PeopleFrom(reading, in);
    if (const auto* error = std::get_if<Json>(&people)) {
        return Fail(out, *error);
    }
    const ComputedReading computed = ComputeReading(std::get<0>(people));
    const std::string text = ExportChartText(
        computed.State.People.People[computed.State.LastPerson], computed.State.LastChart);
    if (const auto failure = WriteFileAtomically(target, ExportFileBytes(text))) {
        return Fail(out,
                    ErrorJson("The file " + target + " could not be written: " + *failure + "."));
    }
    return 0;
}

} // namespace tirovane::cli
