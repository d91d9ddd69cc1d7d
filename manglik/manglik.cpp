#include "manglik/manglik.h"

#include <cstdlib>
#include <optional>

namespace tirovane::manglik {

namespace {

constexpr ManglikTables Tables = {
    {"st", "nd", "rd", "th", "th", "th", "th", "th", "th", "th", "th", "th"},
};

bool IsDoshaHouse(int house) {
    return house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12;
}

enum Sign : int { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

// Mars in its own sign pair cancels the dosha from one particular house;
// in Leo or Aquarius from any house. The sign rule that holds, if any.
std::optional<CancellationRule> SignRule(int marsSign, int house) {
    const auto is = [marsSign](Sign a, Sign b) { return marsSign == a || marsSign == b; };
    if (is(Leo, Aqu)) {
        return CancellationRule::LeoAquarius;
    }
    if (is(Vir, Gem) && house == 2) {
        return CancellationRule::House2GeminiVirgo;
    }
    if (is(Sco, Ari) && house == 4) {
        return CancellationRule::House4AriesScorpio;
    }
    if (is(Cap, Can) && house == 7) {
        return CancellationRule::House7CancerCapricorn;
    }
    if (is(Pis, Sag) && house == 8) {
        return CancellationRule::House8SagittariusPisces;
    }
    if (is(Lib, Tau) && house == 12) {
        return CancellationRule::House12TaurusLibra;
    }
    return std::nullopt;
}

double PercentOf(int house) {
    switch (house) {
    case 1:
        return 50;
    case 2:
    case 12:
        return 6.25;
    case 4:
        return 12.5;
    case 7:
        return 25;
    case 8:
        return 100;
    default:
        return 0;
    }
}

} // namespace

std::string_view RuleName(CancellationRule rule) {
    switch (rule) {
    case CancellationRule::LeoAquarius:
        return "LeoAquarius";
    case CancellationRule::House2GeminiVirgo:
        return "House2GeminiVirgo";
    case CancellationRule::House4AriesScorpio:
        return "House4AriesScorpio";
    case CancellationRule::House7CancerCapricorn:
        return "House7CancerCapricorn";
    case CancellationRule::House8SagittariusPisces:
        return "House8SagittariusPisces";
    case CancellationRule::House12TaurusLibra:
        return "House12TaurusLibra";
    case CancellationRule::JupiterConjunct:
        return "JupiterConjunct";
    case CancellationRule::MercuryConjunct:
        return "MercuryConjunct";
    }
    return {};
}

std::string_view KindText(ReferenceKind kind) {
    return kind == ReferenceKind::LagnaChart ? "LagnaChart" : "RashiChart";
}

const ManglikTables& LoadManglikTables() {
    return Tables;
}

int WholeDegreeLongitude(double longitude) {
    return engine::SignIndexOf(longitude) * 30 + engine::WholeDegreesInSign(longitude);
}

bool IsConjunct(double marsLongitude, double otherLongitude) {
    int difference =
        std::abs(WholeDegreeLongitude(marsLongitude) - WholeDegreeLongitude(otherLongitude));
    if (difference > 180) {
        difference = 360 - difference;
    }
    return difference <= 10;
}

ManglikResult EvaluateManglik(double referenceLongitude, const ChartLongitudes& longitudes) {
    const double mars = longitudes[engine::Mars];
    const int marsSign = engine::SignIndexOf(mars);
    ManglikResult result;
    result.House = (marsSign - engine::SignIndexOf(referenceLongitude) + 12) % 12 + 1;
    result.HadDosha = IsDoshaHouse(result.House);
    result.IsManglik = result.HadDosha;

    // Every rule is tested, and each one that holds is recorded.
    if (result.IsManglik) {
        if (const auto rule = SignRule(marsSign, result.House)) {
            result.CancelledBy.push_back(*rule);
        }
        if (IsConjunct(mars, longitudes[engine::Jupiter])) {
            result.CancelledBy.push_back(CancellationRule::JupiterConjunct);
        }
        if (IsConjunct(mars, longitudes[engine::Mercury])) {
            result.CancelledBy.push_back(CancellationRule::MercuryConjunct);
        }
        result.IsManglik = result.CancelledBy.empty();
    }

    if (result.IsManglik) {
        result.Percent = PercentOf(result.House);
    }
    return result;
}

Verdict VerdictOf(const ManglikResult& result) {
    if (result.IsManglik) {
        return Verdict::Manglik;
    }
    return result.HadDosha ? Verdict::Cancelled : Verdict::NotManglik;
}

ManglikResult EvaluateManglik(ReferenceKind kind, const ChartLongitudes& longitudes) {
    return EvaluateManglik(
        longitudes[kind == ReferenceKind::LagnaChart ? engine::Ascendant : engine::Moon],
        longitudes);
}

} // namespace tirovane::manglik
