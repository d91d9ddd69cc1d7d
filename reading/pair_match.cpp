#include "reading/pair_match.h"

namespace tirovane {

int GroomIndex(Sex first, Sex partner) {
    const bool partnerIsGroom = (partner == Sex::Male && first != Sex::Male) ||
                                (first == Sex::Female && partner != Sex::Female);
    return partnerIsGroom ? Partner : FirstPerson;
}

SidedMatch MatchSides(double firstMoon, double partnerMoon, Sex first, Sex partner) {
    SidedMatch match;
    match.Groom = GroomIndex(first, partner);
    const matching::MoonAttributes a = matching::AttributesOfMoon(firstMoon);
    const matching::MoonAttributes b = matching::AttributesOfMoon(partnerMoon);
    const auto& groom = match.Groom == FirstPerson ? a : b;
    const auto& bride = match.Groom == FirstPerson ? b : a;
    match.Points = matching::MatchAttributes(groom, bride);
    match.Poruthams = matching::MatchPoruthams(groom, bride);
    return match;
}

SidedMatch MatchCharts(const PersonChart& first, const PersonChart& partner, Sex firstSex,
                       Sex partnerSex) {
    return MatchSides(first.Sidereal.Longitudes[engine::Moon],
                      partner.Sidereal.Longitudes[engine::Moon], firstSex, partnerSex);
}

PairMatch MatchPair(const PersonChart& first, const PersonChart& partner, Sex firstSex,
                    Sex partnerSex) {
    PairMatch match;
    match.Match = MatchCharts(first, partner, firstSex, partnerSex);
    const MatchFlags lagna{first.LagnaChart.IsManglik, partner.LagnaChart.IsManglik};
    const MatchFlags chandra{first.RashiChart.IsManglik, partner.RashiChart.IsManglik};
    match.Lagna = MatchOutcomeOf(lagna.Text());
    match.Chandra = MatchOutcomeOf(chandra.Text());
    return match;
}

std::optional<SidedMatch> ReadingMatch(const ReadingState& state) {
    const auto& moons = state.MoonLongitudes;
    if (!moons[FirstPerson] || !moons[Partner]) {
        return std::nullopt;
    }
    const auto& people = state.People.People;
    return MatchSides(*moons[FirstPerson], *moons[Partner], people[FirstPerson].PersonSex,
                      people[Partner].PersonSex);
}

} // namespace tirovane
