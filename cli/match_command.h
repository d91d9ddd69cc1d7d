#pragma once

#include "reading/pair_match.h"
#include "cli/json_io.h"

#include <istream>
#include <ostream>

namespace tirovane::cli {

// One person's attributes of the 36-point match, by name.
Json MoonAttributesToJson(const matching::MoonAttributes& attributes);

// The eight parts, the total (whole numbers as integers, halves as .5), the
// verdict, both doshas and both people's attributes.
Json AshtakootaToJson(const matching::Ashtakoota& match);

// Which side the person of the first input line takes.
enum class FixedSide { FirstPerson, Partner };

// `tirovane-cli match [--partner]`: the first input line is one person, every
// further line a candidate; one output line per candidate with the 36-point
// match, the two match lines and both people's verdicts, or an error line
// for a candidate that fails its checks. Lines are handled one at a time, so
// any number of candidates takes the same memory. Returns 0 when every line
// was matched, 1 otherwise.
int RunMatch(std::istream& in, std::ostream& out, FixedSide side);

} // namespace tirovane::cli
