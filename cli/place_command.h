#pragma once

#include "atlas/atlas.h"
#include "cli/json_io.h"

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

// Places from the atlas: `tirovane-cli place`, and "Place" in the input
// lines of chart, reading and save.

namespace tirovane::cli {

struct PlaceDate {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 12;
    int Minute = 0;
};

// "YYYY-MM-DD" of a real date from 1901 to 2050 into date; false otherwise.
bool ParseDateArgument(std::string_view text, PlaceDate& date);
// "HH:MM" (hours 0 to 23, minutes 0 to 59) into date; false otherwise.
bool ParseTimeArgument(std::string_view text, PlaceDate& date);

// The atlas beside the program, read on first use. Null when it cannot be
// read; *error then says why.
const atlas::Atlas* ProgramAtlas(std::string* error = nullptr);

// A place's fields, and with a date the zone's clock then: the offset, the
// zone row and daylight-saving box, and the note when they are not exact.
Json PlaceToJson(const atlas::Place& place, const std::optional<PlaceDate>& date);

// `tirovane-cli place QUERY [--date] [--time] [--limit]`: one JSON object
// per match, best first. Returns 0 with at least one match, 1 with none.
int RunPlace(std::ostream& out, std::ostream& err, const atlas::Atlas* atlas,
             const std::string& query, const std::optional<PlaceDate>& date, std::size_t limit);

// An input line that names a "Place" instead of coordinates, zone and
// daylight saving: the line with those fields filled from the best match at
// the line's date and time (City, State and Country too, where the line
// has none), and the "PlaceResolved" object. A line without "Place" comes
// back as it is.
struct PlaceLine {
    std::string Line;
    std::optional<Json> Resolved;
    std::optional<std::string> Error; // the place is unknown or the atlas missing
};
PlaceLine ResolvePlaceLine(std::string_view line,
                           const atlas::Atlas* (*atlas)(std::string*) = &ProgramAtlas);

} // namespace tirovane::cli
