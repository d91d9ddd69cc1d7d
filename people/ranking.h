#pragma once

#include "people/library.h"
#include "reading/pair_match.h"

#include <cstddef>
#include <optional>
#include <vector>

// One person against all the others of a library: both traditions' match
// and the Manglik match lines of every candidate, best first.

namespace tirovane::people {

enum class RankOrder {
    Points,    // by the 36-point total, then the porutham count
    Poruthams, // by the porutham count, then the porutham score, then the total
};

struct RankOptions {
    std::optional<double> MinPoints;  // leave out totals below this
    std::optional<std::size_t> Limit; // at most this many, the best
    RankOrder Order = RankOrder::Points;
};

// One candidate's match, the person taking the first person's side.
struct Ranked {
    std::size_t Index = 0; // into the candidates ranked
    PairMatch Match;
};

// The match of the person against a candidate, from their chart values.
PairMatch MatchValues(const Candidate& first, const Candidate& partner);

// Every candidate other than the person (by id) and, when the person's sex
// is given, of the other sex, ranked; equal matches keep the library's
// order.
std::vector<Ranked> Rank(const Candidate& person, const std::vector<Candidate>& candidates,
                         const RankOptions& options = {});

} // namespace tirovane::people
