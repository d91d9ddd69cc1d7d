#pragma once

#include "cli/json_io.h"
#include "reading/pair_match.h"

#include <istream>
#include <ostream>

namespace tirovane::cli {

// One person's attributes of the 36-point match, by name.
Json MoonAttributesToJson(const matching::MoonAttributes& attributes);

// The eight parts, the total (whole numbers as integers, halves as .5), the
// verdict, both doshas and both people's attributes in input order.
Json AshtakootaToJson(const SidedMatch& match);

// The ten poruthams by key, each with its grade code, whether it matches
// and its reason; then the count, score, verdict and failed essentials.
Json PoruthamToJson(const matching::Poruthams& poruthams);

// "Groom" (the index in input order of the person counted as groom) and
// "Porutham".
void AddSides(Json& out, const SidedMatch& match);

// A person's name and both Manglik verdicts, as a match line names them.
struct PersonVerdicts {
    std::string Name;
    manglik::Verdict Lagna = manglik::Verdict::NotManglik;
    manglik::Verdict Rashi = manglik::Verdict::NotManglik;
};

// The fields of one candidate's line: "Name" (the candidate's),
// "Ashtakoota", both match lines, "FirstPerson" and "Partner" with their
// verdicts, "Groom" and "Porutham".
void AddMatchFields(Json& out, const std::string& name, const PairMatch& match,
                    const PersonVerdicts& first, const PersonVerdicts& partner);

// Which side the person of the first input line takes.
enum class FixedSide { FirstPerson, Partner };

// `tirovane-cli match [--partner]`: the first input line is one person, every
// further line a candidate; one output line per candidate with the 36-point
// match, the two match lines, both people's verdicts, the sides and the ten
// poruthams, or an error line
// for a candidate that fails its checks. Lines are handled one at a time, so
// any number of candidates takes the same memory. Returns 0 when every line
// was matched, 1 otherwise.
int RunMatch(std::istream& in, std::ostream& out, FixedSide side);

} // namespace tirovane::cli
