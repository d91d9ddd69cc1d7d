#include "cli/reading_command.h"

#include "app/reading.h"
#include "cli/json_io.h"
#include "cli/line_reader.h"

namespace tirovane::cli {

namespace {

Json PersonError(std::string_view message, int person) {
    Json out = ErrorJson(message);
    out["person"] = person;
    return out;
}

} // namespace

Json ReadingToJson(const ReadingState& state, const std::array<PersonChart, 2>& charts) {
    Json out;
    out["people"] = Json::array({ChartToJson(charts[0]), ChartToJson(charts[1])});
    out["lblResult_Male"] = state.Lines.Male;
    out["lblResult_Female"] = state.Lines.Female;
    out["lblInterpretation"] = state.Lines.Interpretation;
    return out;
}

int RunReading(std::istream& in, std::ostream& out) {
    LineReader reader(in);
    std::array<BirthDetails, 2> people;
    for (int person = 0; person < 2; ++person) {
        std::string line;
        bool tooLong = false;
        if (!reader.Next(line, tooLong)) {
            out << PersonError("The reading needs two lines: the first person, then the partner.",
                               person)
                       .dump()
                << '\n';
            return 1;
        }
        auto checked = tooLong ? std::variant<BirthDetails, std::string>(
                                     std::string("The line is longer than 1 MiB."))
                               : CheckedPerson(line);
        if (const auto* problem = std::get_if<std::string>(&checked)) {
            out << PersonError(*problem, person).dump() << '\n';
            return 1;
        }
        people[person] = std::get<BirthDetails>(std::move(checked));
    }

    ReadingState state;
    std::array<PersonChart, 2> charts;
    charts[0] = ComputePerson(state, FirstPerson, people[0]);
    charts[1] = ComputePerson(state, Partner, people[1]);
    out << ReadingToJson(state, charts).dump() << '\n';
    return 0;
}

} // namespace tirovane::cli
