#include "cli/reading_command.h"

#include "app/codepage.h"
#include "app/export_text.h"
#include "app/file_io.h"
#include "app/saved_reading.h"
#include "cli/line_reader.h"
#include "cli/match_command.h"
#include "cli/place_command.h"

namespace tirovane::cli {

namespace {

Json PersonError(std::string_view message, int person) {
    Json out = ErrorJson(message);
    out["person"] = person;
    return out;
}

struct ComputedReading {
    ReadingState State;
    std::array<PersonChart, 2> Charts;
};

// The first person, then the partner, as "Next" and "Get Manglik Matching
// Reading" compute them.
ComputedReading Compute(const std::array<BirthDetails, 2>& people) {
    ComputedReading reading;
    reading.Charts[0] = ComputePerson(reading.State, FirstPerson, people[0]);
    reading.Charts[1] = ComputePerson(reading.State, Partner, people[1]);
    return reading;
}

PeopleOrError PeopleFrom(const std::optional<std::string>& file, std::istream& in,
                         ResolvedPlaces* places = nullptr) {
    return file ? PeopleFromFile(*file) : PeopleFromLines(in, places);
}

int Fail(std::ostream& out, const Json& error) {
    out << error.dump() << '\n';
    return 1;
}

} // namespace

Json ReadingToJson(const ReadingState& state, const std::array<PersonChart, 2>& charts) {
    Json out;
    out["people"] = Json::array({ChartToJson(charts[0]), ChartToJson(charts[1])});
    out["lblResult_Male"] = state.Lines.Male;
    out["lblResult_Female"] = state.Lines.Female;
    out["lblInterpretation"] = state.Lines.Interpretation;
    out["Ashtakoota"] = AshtakootaToJson(MatchMoons(charts[0], charts[1]));
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
        return ErrorJson("Please Check The File.");
    }
    const ReadResult file = ReadFileStart(path, 1 << 20);
    if (!file.Bytes) {
        return ErrorJson("The file " + path + " could not be opened: " + file.Error + ".");
    }
    const std::array<PersonForm, 2> forms = ApplyReadingFile(*file.Bytes, {});
    std::array<BirthDetails, 2> people;
    for (int person = 0; person < 2; ++person) {
        if (const auto failure = ValidateInput(FieldsOf(forms[person]))) {
            return PersonError(failure->Message, person);
        }
        people[person] = DetailsOf(forms[person]);
    }
    return people;
}

int RunReading(std::istream& in, std::ostream& out, const std::optional<std::string>& file) {
    ResolvedPlaces places;
    const PeopleOrError people = PeopleFrom(file, in, &places);
    if (const auto* error = std::get_if<Json>(&people)) {
        return Fail(out, *error);
    }
    const ComputedReading reading = Compute(std::get<0>(people));
    Json result = ReadingToJson(reading.State, reading.Charts);
    for (std::size_t person = 0; person < places.size(); ++person) {
        if (places[person]) {
            result["people"][person]["PlaceResolved"] = *places[person];
        }
    }
    out << result.dump() << '\n';
    return 0;
}

int RunSave(std::istream& in, std::ostream& out, const std::string& file) {
    ResolvedPlaces places;
    const PeopleOrError people = PeopleFromLines(in, &places);
    if (const auto* error = std::get_if<Json>(&people)) {
        return Fail(out, *error);
    }
    const auto& pair = std::get<0>(people);
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
        out << line.dump() << '\n';
    }
    return 0;
}

int RunExport(std::istream& in, std::ostream& out, const std::string& target,
              const std::optional<std::string>& reading) {
    const PeopleOrError people = PeopleFrom(reading, in);
    if (const auto* error = std::get_if<Json>(&people)) {
        return Fail(out, *error);
    }
    const ComputedReading computed = Compute(std::get<0>(people));
    const std::string text = ExportChartText(
        computed.State.People.People[computed.State.LastPerson], computed.State.LastChart);
    if (const auto failure = WriteFileAtomically(target, ToWindows1252(text))) {
        return Fail(out,
                    ErrorJson("The file " + target + " could not be written: " + *failure + "."));
    }
    return 0;
}

} // namespace tirovane::cli
