#include "app/pair_match.h"

#include "engine/tables.h"

#include <cmath>
#include <cstdio>

namespace tirovane {

namespace {

bool IsManglik(const manglik::ManglikResult& result) {
    return result.Verdict == manglik::ManglikVerdict;
}

// What a person brings to one part of the match.
std::string AttributeText(const matching::MoonAttributes& a, matching::Koota koota) {
    using matching::Koota;
    switch (koota) {
    case Koota::Varna:
        return std::string(matching::VarnaName(a.VarnaClass));
    case Koota::Vashya:
        return std::string(matching::VashyaName(a.VashyaClass));
    case Koota::Tara:
        return std::string(engine::Nakshatras[static_cast<std::size_t>(a.Nakshatra)].Name);
    case Koota::Yoni:
        return std::string(matching::YoniName(a.Animal));
    case Koota::GrahaMaitri:
        return std::string(matching::PlanetName(a.SignLord));
    case Koota::Gana:
        return std::string(matching::GanaName(a.GanaClass));
    case Koota::Bhakoot:
        return std::string(engine::Signs[static_cast<std::size_t>(a.Sign)].EnglishName);
    case Koota::Nadi:
        return std::string(matching::NadiName(a.NadiClass));
    }
    return {};
}

} // namespace

matching::Ashtakoota MatchMoons(const PersonChart& first, const PersonChart& partner) {
    return matching::MatchMoons(first.Sidereal.Longitudes[engine::Moon],
                                partner.Sidereal.Longitudes[engine::Moon]);
}

PairMatch MatchPair(const PersonChart& first, const PersonChart& partner) {
    PairMatch match;
    match.Points = MatchMoons(first, partner);
    const MatchFlags lagna{IsManglik(first.LagnaChart), IsManglik(partner.LagnaChart)};
    const MatchFlags chandra{IsManglik(first.RashiChart), IsManglik(partner.RashiChart)};
    match.LagnaMatchLine = MatchLine(lagna.Text());
    match.ChandraMatchLine = MatchLine(chandra.Text());
    return match;
}

std::optional<matching::Ashtakoota> ReadingMatch(const ReadingState& state) {
    const auto& moons = state.MoonLongitudes;
    if (!moons[FirstPerson] || !moons[Partner]) {
        return std::nullopt;
    }
    return matching::MatchMoons(*moons[FirstPerson], *moons[Partner]);
}

std::string PointsText(double points) {
    char text[32];
    if (points == std::floor(points)) {
        std::snprintf(text, sizeof text, "%.0f", points);
    } else {
        std::snprintf(text, sizeof text, "%.1f", points);
    }
    return text;
}

MatchTableTexts MatchTableTextsOf(const matching::Ashtakoota& match) {
    MatchTableTexts t;
    for (int k = 0; k < matching::KootaCount; ++k) {
        const auto koota = static_cast<matching::Koota>(k);
        MatchRowTexts& row = t.Rows[static_cast<std::size_t>(k)];
        row.Koota = std::string(matching::KootaName(koota));
        row.First = AttributeText(match.First, koota);
        row.Partner = AttributeText(match.Partner, koota);
        row.Points = PointsText(match.Points(koota));
        row.Maximum = PointsText(matching::KootaMaximum(koota));
    }
    t.Total = PointsText(match.Total);
    t.Verdict = std::string(match.Verdict);
    t.NadiDosha = "Nadi dosha: " + std::string(matching::DoshaText(match.NadiDosha));
    t.BhakootDosha = "Bhakoot dosha: " + std::string(matching::DoshaText(match.BhakootDosha));
    t.Roles = std::string(matching::RoleSentence);
    return t;
}

} // namespace tirovane
