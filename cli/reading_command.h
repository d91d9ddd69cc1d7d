#pragma once

#include "reading/reading.h"
#include "cli/json_io.h"
#include "cli/precise_options.h"

#include <array>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <variant>

namespace tirovane::cli {

// The reading's JSON: both charts under "people" and the texts of the
// result labels under the labels' names.
Json ReadingToJson(const ReadingState& state, const std::array<PersonChart, 2>& charts);

// Two checked people, or the error object naming the first that failed.
using PeopleOrError = std::variant<std::array<BirthDetails, 2>, Json>;

// Of each person, the place a line named ("Place") as it was resolved.
using ResolvedPlaces = std::array<std::optional<Json>, 2>;

// From two JSON lines: the first person, then the partner. A line may name
// a place instead of coordinates, zone and daylight saving; what it was
// resolved to goes to *places.
PeopleOrError PeopleFromLines(std::istream& in, ResolvedPlaces* places = nullptr);

// From a saved reading, as opening it in the windows fills the form.
PeopleOrError PeopleFromFile(const std::string& path);

// From the saved reading `file` when given, else from two lines of `in`.
PeopleOrError PeopleFrom(const std::optional<std::string>& file, std::istream& in,
                         ResolvedPlaces* places = nullptr);

struct ComputedReading {
    ReadingState State;
    std::array<PersonChart, 2> Charts;
};

// The first person, then the partner, as "Next" and "Get Manglik Matching
// Reading" compute them, with the chosen engine.
ComputedReading ComputeReading(const std::array<BirthDetails, 2>& people,
                               const EngineOptions& options = {});

// With the precise engine chosen, a person it could not compute fails the
// reading rather than showing the described positions under its name: the
// error naming that person.
std::optional<Json> PreciseFailure(const ComputedReading& reading, const EngineOptions& options);

// `tirovane-cli reading [FILE.tvr]`: the whole reading, computed as the
// windows compute it. Returns the exit status (1 when a person fails).
// options as for the chart command: the whole reading from the precise
// ephemeris, or each person with its "CrossCheck".
int RunReading(std::istream& in, std::ostream& out, const std::optional<std::string>& file,
               const EngineOptions& options = {});

// `tirovane-cli save FILE.tvr`: two people from standard input written as a
// saved reading.
int RunSave(std::istream& in, std::ostream& out, const std::string& file);

// `tirovane-cli export OUT.txt [--reading FILE.tvr]`: the text export of the
// person computed last, the partner.
int RunExport(std::istream& in, std::ostream& out, const std::string& target,
              const std::optional<std::string>& reading);

} // namespace tirovane::cli
