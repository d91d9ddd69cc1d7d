#include "manglik/manglik.h"

#include <cstdlib>

namespace tirovane::manglik {

namespace {

constexpr ManglikTables Tables = {
    {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio", "Sagittarius",
     "Capricorn", "Aquarius", "Pisces"},
    {"st", "nd", "rd", "th", "th", "th", "th", "th", "th", "th", "th", "th"},
};

// Characters 4 to 6 of a chart text: the sign abbreviation.
std::string_view SignOf(std::string_view chartText) {
    return chartText.size() >= 6 ? chartText.substr(3, 3) : std::string_view();
}

// Index of a sign abbreviation among the sign names, by their first three
// letters. Chart texts always carry one of the twelve; anything else counts
// as the first sign.
int SignNumber(std::string_view abbreviation) {
    for (int k = 0; k < 12; ++k) {
        if (Tables.SignNames[k].substr(0, 3) == abbreviation) {
            return k;
        }
    }
    return 0;
}

// Characters 1 and 2 of a chart text: whole degrees within the sign.
int DegreesOf(std::string_view chartText) {
    int degrees = 0;
    for (const char c : chartText.substr(0, 2)) {
        if (c < '0' || c > '9') {
            break;
        }
        degrees = degrees * 10 + (c - '0');
    }
    return degrees;
}

bool IsDoshaHouse(int house) {
    return house == 1 || house == 2 || house == 4 || house == 7 || house == 8 || house == 12;
}

// Mars in its own sign pair cancels the dosha from one particular house;
// in Leo or Aquarius from any house.
bool SignCancels(std::string_view marsSign, int house) {
    const auto is = [marsSign](std::string_view a, std::string_view b) {
        return marsSign == a || marsSign == b;
    };
    return is("Leo", "Aqu") || (is("Vir", "Gem") && house == 2) ||
           (is("Sco", "Ari") && house == 4) || (is("Cap", "Can") && house == 7) ||
           (is("Pis", "Sag") && house == 8) || (is("Lib", "Tau") && house == 12);
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

bool IsConjunct(std::string_view marsPosition, std::string_view otherPosition) {
    const int mars = SignNumber(SignOf(marsPosition)) * 30 + DegreesOf(marsPosition);
    const int other = SignNumber(SignOf(otherPosition)) * 30 + DegreesOf(otherPosition);
    int difference = std::abs(mars - other);
    if (difference > 180) {
        difference = 360 - difference;
    }
    return difference <= 10;
}

ManglikResult EvaluateManglik(std::string_view referencePosition,
                              const ChartPositionTexts& positions) {
    const std::string& mars = positions[engine::Mars];
    const std::string_view marsSign = SignOf(mars);
    ManglikResult result;
    result.House = (SignNumber(marsSign) - SignNumber(SignOf(referencePosition)) + 12) % 12 + 1;
    result.HadDosha = IsDoshaHouse(result.House);
    result.IsManglik = result.HadDosha;

    if (result.IsManglik &&
        (SignCancels(marsSign, result.House) || IsConjunct(mars, positions[engine::Jupiter]) ||
         IsConjunct(mars, positions[engine::Mercury]))) {
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

ManglikResult EvaluateManglik(ReferenceKind kind, const ChartPositionTexts& positions) {
    return EvaluateManglik(
        positions[kind == ReferenceKind::LagnaChart ? engine::Ascendant : engine::Moon], positions);
}

} // namespace tirovane::manglik
