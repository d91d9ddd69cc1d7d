#pragma once

#include "app/reading.h"
#include "cli/json_io.h"

#include <array>
#include <istream>
#include <ostream>

namespace tirovane::cli {

// The reading's JSON: both charts under "people" and the texts of the
// result labels under the labels' names.
Json ReadingToJson(const ReadingState& state, const std::array<PersonChart, 2>& charts);

// `tirovane-cli reading`: two people as two JSON lines (the first person,
// then the partner), computed as the windows compute a reading. Writes one
// JSON object with both charts and the result lines; returns 0, or 1 when a
// person cannot be computed (the object then names the error and the person).
int RunReading(std::istream& in, std::ostream& out);

} // namespace tirovane::cli
