#include "reading/pair_match.h"

namespace tirovane {

matching::Ashtakoota MatchMoons(const PersonChart& first, const PersonChart& partner) {
    return matching::MatchMoons(first.Sidereal.Longitudes[engine::Moon],
                                partner.Sidereal.Longitudes[engine::Moon]);
}

PairMatch MatchPair(const PersonChart& first, const PersonChart& partner) {
    PairMatch match;
    match.Points = MatchMoons(first, partner);
    const MatchFlags lagna{first.LagnaChart.IsManglik, partner.LagnaChart.IsManglik};
    const MatchFlags chandra{first.RashiChart.IsManglik, partner.RashiChart.IsManglik};
    match.Lagna = MatchOutcomeOf(lagna.Text());
    match.Chandra = MatchOutcomeOf(chandra.Text());
    return match;
}

std::optional<matching::Ashtakoota> ReadingMatch(const ReadingState& state) {
    const auto& moons = state.MoonLongitudes;
    if (!moons[FirstPerson] || !moons[Partner]) {
        return std::nullopt;
    }
    return matching::MatchMoons(*moons[FirstPerson], *moons[Partner]);
}

} // namespace tirovane
