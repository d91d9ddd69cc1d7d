#include "manglik/manglik.h"

#include <cstdlib>

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
// in Leo or Aquarius from any house.
bool SignCancels(int marsSign, int house) {
    const auto is = [marsSign](Sign a, Sign b) { return marsSign == a || marsSign == b; };
    return is(Leo, Aqu) || (is(Vir, Gem) && house == 2) || (is(Sco, Ari) && house == 4) ||
           (is(Cap, Can) && house == 7) || (is(Pis, Sag) && house == 8) ||
           (is(Lib, Tau) && house == 12);
}

std::string_view PercentageOf(int house) {
    switch (house) {
    case 1:
        return "50%";
    case 2:
    case 12:
        return "6.25%";
    case 4:
        return "12.5%";
    case 7:
        return "25%";
    case 8:
        return "100%";
    default:
        return {};
    }
}

} // namespace

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

    if (result.IsManglik &&
        (SignCancels(marsSign, result.House) || IsConjunct(mars, longitudes[engine::Jupiter]) ||
         IsConjunct(mars, longitudes[engine::Mercury]))) {
        result.IsManglik = false;
    }

    if (result.IsManglik) {
        result.Percentage = PercentageOf(result.House);
        result.DetailLine = "Percentage of Mangala dosha is  " + result.Percentage;
        result.Verdict = ManglikVerdict;
    } else if (!result.HadDosha) {
        result.DetailLine = " ";
        result.Verdict = NotManglikVerdict;
    } else {
        result.DetailLine =
            "Your Mangal Dosha has been cancelled due to other placements in your chart. ";
        result.Verdict = CancelledVerdict;
    }
    return result;
}

ManglikResult EvaluateManglik(ReferenceKind kind, const ChartLongitudes& longitudes) {
    return EvaluateManglik(
        longitudes[kind == ReferenceKind::LagnaChart ? engine::Ascendant : engine::Moon],
        longitudes);
}

} // namespace tirovane::manglik
