#pragma once

#include "matching/ashtakoota.h"
#include "matching/porutham.h"
#include "reading/calculation.h"
#include "reading/reading.h"

#include <optional>

// The comparison of two computed people: who is counted as the groom, the
// 36-point match and the ten poruthams of their Moons, and what the two
// Manglik match lines of the pair say.

namespace tirovane {

// The index in input order (FirstPerson or Partner) of the person counted
// as the groom: the male; when only one sex is given, the other person is
// taken as the opposite; when neither or both are given the same, the
// first person.
int GroomIndex(Sex first, Sex partner);

// Both traditions' match of a pair, counted with its sides.
struct SidedMatch {
    int Groom = FirstPerson;
    matching::Ashtakoota Points;
    matching::Poruthams Poruthams;

    // The Moon attributes of person `index` in input order.
    const matching::MoonAttributes& AttributesOf(int index) const {
        return index == Groom ? Points.Groom : Points.Bride;
    }
};

// From the two Moons (sidereal degrees) in input order and the two sexes.
SidedMatch MatchSides(double firstMoon, double partnerMoon, Sex first = Sex::NotGiven,
                      Sex partner = Sex::NotGiven);

struct PairMatch {
    SidedMatch Match;
    MatchOutcome Lagna = MatchOutcome::NotNullified;
    MatchOutcome Chandra = MatchOutcome::NotNullified;
};

// The match of two computed people in input order.
SidedMatch MatchCharts(const PersonChart& first, const PersonChart& partner,
                       Sex firstSex = Sex::NotGiven, Sex partnerSex = Sex::NotGiven);

// The match lines as a complete reading of these two people shows them.
PairMatch MatchPair(const PersonChart& first, const PersonChart& partner,
                    Sex firstSex = Sex::NotGiven, Sex partnerSex = Sex::NotGiven);

// The reading's match once both people are computed, with the sexes of
// the people as computed.
std::optional<SidedMatch> ReadingMatch(const ReadingState& state);

} // namespace tirovane
