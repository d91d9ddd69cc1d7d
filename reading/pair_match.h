#pragma once

#include "matching/ashtakoota.h"
#include "reading/calculation.h"
#include "reading/reading.h"

#include <optional>

// The comparison of two computed people: the 36-point match of their Moons
// and what the two Manglik match lines of the pair say.

namespace tirovane {

struct PairMatch {
    matching::Ashtakoota Points;
    MatchOutcome Lagna = MatchOutcome::NotNullified;
    MatchOutcome Chandra = MatchOutcome::NotNullified;
};

// The first person (the groom's side) with the partner (the bride's side).
matching::Ashtakoota MatchMoons(const PersonChart& first, const PersonChart& partner);

// The match lines as a complete reading of these two people shows them.
PairMatch MatchPair(const PersonChart& first, const PersonChart& partner);

// The reading's match once both people are computed.
std::optional<matching::Ashtakoota> ReadingMatch(const ReadingState& state);

} // namespace tirovane
