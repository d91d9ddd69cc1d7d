#include "people/ranking.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace tirovane::people {

PairMatch MatchValues(const Candidate& first, const Candidate& partner) {
    PairMatch match;
    match.Match =
        MatchSides(first.Values.Moon, partner.Values.Moon, first.PersonSex, partner.PersonSex);
    const auto manglik = [](manglik::Verdict v) { return v == manglik::Verdict::Manglik; };
    const MatchFlags lagna{manglik(first.Values.Lagna), manglik(partner.Values.Lagna)};
    const MatchFlags chandra{manglik(first.Values.Rashi), manglik(partner.Values.Rashi)};
    match.Lagna = MatchOutcomeOf(lagna.Text());
    match.Chandra = MatchOutcomeOf(chandra.Text());
    return match;
}

std::vector<Ranked> Rank(const Candidate& person, const std::vector<Candidate>& candidates,
                         const RankOptions& options) {
    const auto otherSex = [&](Sex sex) {
        switch (person.PersonSex) {
        case Sex::Male:
            return sex == Sex::Female;
        case Sex::Female:
            return sex == Sex::Male;
        case Sex::NotGiven:
            return true;
        }
        return true;
    };
    std::vector<Ranked> ranked;
    ranked.reserve(candidates.size());
    for (std::size_t k = 0; k < candidates.size(); ++k) {
        const Candidate& c = candidates[k];
        if (c.Id == person.Id || !otherSex(c.PersonSex)) {
            continue;
        }
        Ranked r{k, MatchValues(person, c)};
        if (options.MinPoints && r.Match.Match.Points.Total < *options.MinPoints) {
            continue;
        }
        ranked.push_back(std::move(r));
    }
    const auto better = [&](const Ranked& a, const Ranked& b) {
        const auto& pa = a.Match.Match;
        const auto& pb = b.Match.Match;
        if (options.Order == RankOrder::Points) {
            if (pa.Points.Total != pb.Points.Total) {
                return pa.Points.Total > pb.Points.Total;
            }
            if (pa.Poruthams.Count != pb.Poruthams.Count) {
                return pa.Poruthams.Count > pb.Poruthams.Count;
            }
        } else {
            if (pa.Poruthams.Count != pb.Poruthams.Count) {
                return pa.Poruthams.Count > pb.Poruthams.Count;
            }
            if (pa.Poruthams.Score != pb.Poruthams.Score) {
                return pa.Poruthams.Score > pb.Poruthams.Score;
            }
            if (pa.Points.Total != pb.Points.Total) {
                return pa.Points.Total > pb.Points.Total;
            }
        }
        return a.Index < b.Index;
    };
    // The matches are large: their places are sorted, and each match is
    // then moved once, to where it belongs.
    std::vector<std::uint32_t> order(ranked.size());
    std::iota(order.begin(), order.end(), 0U);
    const auto betterAt = [&](std::uint32_t a, std::uint32_t b) {
        return better(ranked[a], ranked[b]);
    };
    if (options.Limit && *options.Limit < order.size()) {
        const auto end = order.begin() + static_cast<std::ptrdiff_t>(*options.Limit);
        std::partial_sort(order.begin(), end, order.end(), betterAt);
        order.erase(end, order.end());
    } else {
        std::sort(order.begin(), order.end(), betterAt);
    }
    std::vector<Ranked> sorted;
    sorted.reserve(order.size());
    for (const std::uint32_t k : order) {
        sorted.push_back(std::move(ranked[k]));
    }
    return sorted;
}

} // namespace tirovane::people
