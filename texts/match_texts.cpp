#include "texts/match_texts.h"

#include "engine/tables.h"
#include "texts/names.h"

#include <cmath>
#include <cstdio>

namespace tirovane::texts {

namespace {

constexpr const char* Context = "Matching";

// What a person brings to one part of the match.
std::string AttributeText(const matching::MoonAttributes& a, matching::Koota koota,
                          const Words& words) {
    using matching::Koota;
    switch (koota) {
    case Koota::Varna:
        return MatchingName(matching::VarnaName(a.VarnaClass), words);
    case Koota::Vashya:
        return MatchingName(matching::VashyaName(a.VashyaClass), words);
    case Koota::Tara:
        return NakshatraName(a.Nakshatra, words);
    case Koota::Yoni:
        return MatchingName(matching::YoniName(a.Animal), words);
    case Koota::GrahaMaitri:
        return MatchingName(matching::PlanetName(a.SignLord), words);
    case Koota::Gana:
        return MatchingName(matching::GanaName(a.GanaClass), words);
    case Koota::Bhakoot:
        return SignName(a.Sign, words);
    case Koota::Nadi:
        return MatchingName(matching::NadiName(a.NadiClass), words);
    }
    return {};
}

std::string DoshaLine(bool nadi, matching::Dosha dosha, const Words& words) {
    const char* line = nullptr;
    switch (dosha) {
    case matching::Dosha::None:
        line = nadi ? QT_TRANSLATE_NOOP("Matching", "Nadi dosha: none")
                    : QT_TRANSLATE_NOOP("Matching", "Bhakoot dosha: none");
        break;
    case matching::Dosha::Present:
        line = nadi ? QT_TRANSLATE_NOOP("Matching", "Nadi dosha: present")
                    : QT_TRANSLATE_NOOP("Matching", "Bhakoot dosha: present");
        break;
    case matching::Dosha::Cancelled:
        line = nadi ? QT_TRANSLATE_NOOP("Matching", "Nadi dosha: cancelled")
                    : QT_TRANSLATE_NOOP("Matching", "Bhakoot dosha: cancelled");
        break;
    }
    return words.Translate(Context, line);
}

} // namespace

std::string PointsText(double points) {
    char text[32];
    if (points == std::floor(points)) {
        std::snprintf(text, sizeof text, "%.0f", points);
    } else {
        std::snprintf(text, sizeof text, "%.1f", points);
    }
    return text;
}

std::string MatchingCaption(const char* source, const Words& words) {
    return words.Translate(Context, source);
}

std::string KootaName(matching::Koota koota, const Words& words) {
    return MatchingName(matching::KootaName(koota), words);
}

std::string GradeText(matching::Grade grade, const Words& words) {
    switch (grade) {
    case matching::Grade::NotRecommended:
        return words.Translate(
            Context, QT_TRANSLATE_NOOP("Matching", "Not recommended: fewer than 18 of 36 points"));
    case matching::Grade::Acceptable:
        return words.Translate(Context, QT_TRANSLATE_NOOP("Matching", "Acceptable match"));
    case matching::Grade::Good:
        return words.Translate(Context, QT_TRANSLATE_NOOP("Matching", "Good match"));
    case matching::Grade::Excellent:
        return words.Translate(Context, QT_TRANSLATE_NOOP("Matching", "Excellent match"));
    }
    return {};
}

std::string SidesText(int groom, const Words& words) {
    return groom == FirstPerson
               ? words.Translate(Context, QT_TRANSLATE_NOOP("Matching",
                                                            "Points are counted with the first "
                                                            "person on the groom's side and the "
                                                            "partner on the bride's side."))
               : words.Translate(Context, QT_TRANSLATE_NOOP("Matching",
                                                            "Points are counted with the partner "
                                                            "on the groom's side and the first "
                                                            "person on the bride's side."));
}

MatchTableTexts MatchTableTextsOf(const SidedMatch& sided, const Words& words) {
    const matching::Ashtakoota& match = sided.Points;
    MatchTableTexts t;
    for (int k = 0; k < matching::KootaCount; ++k) {
        const auto koota = static_cast<matching::Koota>(k);
        MatchRowTexts& row = t.Rows[static_cast<std::size_t>(k)];
        row.Koota = KootaName(koota, words);
        row.First = AttributeText(sided.AttributesOf(FirstPerson), koota, words);
        row.Partner = AttributeText(sided.AttributesOf(Partner), koota, words);
        row.Points = PointsText(match.Points(koota));
        row.Maximum = PointsText(matching::KootaMaximum(koota));
    }
    t.Total = PointsText(match.Total);
    t.Verdict = GradeText(match.Verdict, words);
    t.NadiDosha = DoshaLine(true, match.NadiDosha, words);
    t.BhakootDosha = DoshaLine(false, match.BhakootDosha, words);
    t.Roles = SidesText(sided.Groom, words);
    return t;
}

} // namespace tirovane::texts
