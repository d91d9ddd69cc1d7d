#include "texts/porutham_texts.h"

#include "texts/match_texts.h"
#include "texts/names.h"

namespace tirovane::texts {

namespace {

constexpr const char* Context = "Porutham";

using matching::Porutham;
using matching::PoruthamReason;
using matching::RajjuBand;

std::string Number(int value) {
    return std::to_string(value);
}

std::string RajjuName(RajjuBand band, const Words& words) {
    constexpr std::array<const char*, 5> names = {
        QT_TRANSLATE_NOOP("Porutham", "Pada"), QT_TRANSLATE_NOOP("Porutham", "Kati"),
        QT_TRANSLATE_NOOP("Porutham", "Nabhi"), QT_TRANSLATE_NOOP("Porutham", "Kantha"),
        QT_TRANSLATE_NOOP("Porutham", "Siro")};
    return words.Translate(Context, names.at(static_cast<std::size_t>(band)));
}

// The same band for both: its traditional meaning.
const char* SameRajjuSentence(RajjuBand band) {
    switch (band) {
    case RajjuBand::Siro:
        return QT_TRANSLATE_NOOP("Porutham", "Both are in Siro rajju: danger to the husband.");
    case RajjuBand::Kantha:
        return QT_TRANSLATE_NOOP("Porutham", "Both are in Kantha rajju: danger to the wife.");
    case RajjuBand::Nabhi:
        return QT_TRANSLATE_NOOP("Porutham", "Both are in Nabhi rajju: danger to the children.");
    case RajjuBand::Kati:
        return QT_TRANSLATE_NOOP("Porutham", "Both are in Kati rajju: poverty.");
    case RajjuBand::Pada:
        return QT_TRANSLATE_NOOP("Porutham", "Both are in Pada rajju: wandering.");
    }
    return "";
}

} // namespace

std::string PoruthamCaption(const char* source, const Words& words) {
    return words.Translate(Context, source);
}

std::string PoruthamName(Porutham porutham, const Words& words) {
    return words.Translate(Context, matching::PoruthamName(porutham).data());
}

std::string PoruthamGradeText(matching::PoruthamGrade grade, const Words& words) {
    switch (grade) {
    case matching::PoruthamGrade::Uttamam:
        return words.Translate(Context, QT_TRANSLATE_NOOP("Porutham", "Uttamam"));
    case matching::PoruthamGrade::Madhyamam:
        return words.Translate(Context, QT_TRANSLATE_NOOP("Porutham", "Madhyamam"));
    case matching::PoruthamGrade::Adhamam:
        return words.Translate(Context, QT_TRANSLATE_NOOP("Porutham", "Adhamam"));
    }
    return {};
}

std::string PoruthamReasonText(const matching::Poruthams& match, Porutham porutham,
                               const Words& words) {
    const matching::MoonAttributes& groom = match.Groom;
    const matching::MoonAttributes& bride = match.Bride;
    const auto say = [&](const char* pattern, std::initializer_list<std::string_view> values) {
        return Fill(words.Translate(Context, pattern), values);
    };
    const std::string star = NakshatraName(groom.Nakshatra, words);
    // What the reasons name of each side, made once.
    const auto lord = [&](const matching::MoonAttributes& a) {
        return MatchingName(matching::PlanetName(a.SignLord), words);
    };
    const auto yoni = [&](const matching::MoonAttributes& a) {
        return MatchingName(matching::YoniName(a.Animal), words);
    };
    switch (match[porutham].Reason) {
    case PoruthamReason::SameStarGood:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "Both are born in %1, a star that is good when shared."),
                   {star});
    case PoruthamReason::SameStarFair:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "Both are born in %1, a star that is fair when shared."),
                   {star});
    case PoruthamReason::SameStarBad:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "Both are born in %1, a star that is not good when shared."),
                   {star});
    case PoruthamReason::StarCount:
        return say(QT_TRANSLATE_NOOP("Porutham", "Count from the bride's star to the groom's: %1."),
                   {Number(match.StarCount)});
    case PoruthamReason::StarCountGroomPada:
        return say(QT_TRANSLATE_NOOP("Porutham", "Count from the bride's star to the groom's: "
                                                 "%1; the groom's pada is %2."),
                   {Number(match.StarCount), Number(groom.Pada)});
    case PoruthamReason::LastStarSameSign:
        return say(QT_TRANSLATE_NOOP("Porutham", "Count from the bride's star to the groom's: "
                                                 "27, within one sign."),
                   {});
    case PoruthamReason::LastStarOtherSign:
        return say(QT_TRANSLATE_NOOP("Porutham", "Count from the bride's star to the groom's: "
                                                 "27, across two signs."),
                   {});
    case PoruthamReason::Ganas:
        return say(QT_TRANSLATE_NOOP("Porutham", "The groom's gana is %1, the bride's %2."),
                   {MatchingName(matching::GanaName(groom.GanaClass), words),
                    MatchingName(matching::GanaName(bride.GanaClass), words)});
    case PoruthamReason::SameYoni:
        return say(QT_TRANSLATE_NOOP("Porutham", "Both have the %1 yoni."),
                   {yoni(groom)});
    case PoruthamReason::HostileYonis:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "The groom's yoni %1 and the bride's %2 are enemies."),
                   {yoni(groom), yoni(bride)});
    case PoruthamReason::OtherYonis:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "The groom's yoni %1 and the bride's %2 are not enemies."),
                   {yoni(groom), yoni(bride)});
    case PoruthamReason::SignCount:
        return say(QT_TRANSLATE_NOOP("Porutham", "Count from the bride's sign to the groom's: %1."),
                   {Number(match.SignCount)});
    case PoruthamReason::SameSignGroomStarFirst:
        return say(QT_TRANSLATE_NOOP("Porutham", "Both are in %1; the groom's star comes first."),
                   {SignName(groom.Sign, words)});
    case PoruthamReason::SameSignBrideStarFirst:
        return say(QT_TRANSLATE_NOOP("Porutham", "Both are in %1; the bride's star comes first."),
                   {SignName(groom.Sign, words)});
    case PoruthamReason::SameStarGroomPadaLower:
        return say(QT_TRANSLATE_NOOP("Porutham", "Both are born in %1; the groom's pada %2 is "
                                                 "lower than the bride's %3."),
                   {star, Number(groom.Pada), Number(bride.Pada)});
    case PoruthamReason::SameStarGroomPadaNotLower:
        return say(QT_TRANSLATE_NOOP("Porutham", "Both are born in %1; the groom's pada %2 is not "
                                                 "lower than the bride's %3."),
                   {star, Number(groom.Pada), Number(bride.Pada)});
    case PoruthamReason::SameLord:
        return say(QT_TRANSLATE_NOOP("Porutham", "Both signs are ruled by %1."),
                   {lord(groom)});
    case PoruthamReason::FriendlyLords:
        return say(QT_TRANSLATE_NOOP("Porutham", "Lords %1 and %2: friends of each other."),
                   {lord(groom), lord(bride)});
    case PoruthamReason::EnemyLords:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "Lords %1 and %2: one is the other's enemy."),
                   {lord(groom), lord(bride)});
    case PoruthamReason::NeutralLords:
        return say(QT_TRANSLATE_NOOP("Porutham", "Lords %1 and %2: neither friends nor "
                                                 "enemies."),
                   {lord(groom), lord(bride)});
    case PoruthamReason::GroomSignVasya:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "The groom's sign %1 is vasya to the bride's sign %2."),
                   {SignName(groom.Sign, words), SignName(bride.Sign, words)});
    case PoruthamReason::BrideSignVasya:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "The bride's sign %1 is vasya to the groom's sign %2."),
                   {SignName(bride.Sign, words), SignName(groom.Sign, words)});
    case PoruthamReason::NoVasya:
        return say(QT_TRANSLATE_NOOP("Porutham", "Neither %1 nor %2 is vasya to the other."),
                   {SignName(groom.Sign, words), SignName(bride.Sign, words)});
    case PoruthamReason::DifferentRajju:
        return say(QT_TRANSLATE_NOOP("Porutham",
                                     "Different rajju: the groom's %1, the bride's %2."),
                   {RajjuName(matching::RajjuOf(groom.Nakshatra), words),
                    RajjuName(matching::RajjuOf(bride.Nakshatra), words)});
    case PoruthamReason::SameRajju:
        return words.Translate(Context, SameRajjuSentence(matching::RajjuOf(groom.Nakshatra)));
    case PoruthamReason::Vedha:
        return say(QT_TRANSLATE_NOOP("Porutham", "%1 and %2 obstruct each other (vedha)."),
                   {star, NakshatraName(bride.Nakshatra, words)});
    case PoruthamReason::NoVedha:
        return say(QT_TRANSLATE_NOOP("Porutham", "%1 and %2 do not obstruct each other."),
                   {star, NakshatraName(bride.Nakshatra, words)});
    }
    return {};
}

PoruthamTableTexts PoruthamTableTextsOf(const matching::Poruthams& match, const Words& words) {
    PoruthamTableTexts t;
    for (int k = 0; k < matching::PoruthamCount; ++k) {
        const auto porutham = static_cast<Porutham>(k);
        PoruthamRowTexts& row = t.Rows[static_cast<std::size_t>(k)];
        row.Porutham = PoruthamName(porutham, words);
        row.Grade = PoruthamGradeText(match[porutham].Grade, words);
        row.Reason = PoruthamReasonText(match, porutham, words);
    }
    t.Count = Fill(words.Translate(Context, QT_TRANSLATE_NOOP("Porutham",
                                                              "Matching poruthams: %1 of 10")),
                   {Number(match.Count)});
    t.Score = Fill(words.Translate(Context, QT_TRANSLATE_NOOP("Porutham", "Score: %1 of 10")),
                   {PointsText(match.Score)});
    switch (match.Verdict) {
    case matching::PoruthamGrade::Uttamam:
        t.Verdict = words.Translate(Context, QT_TRANSLATE_NOOP("Porutham", "Verdict: Uttamam"));
        break;
    case matching::PoruthamGrade::Madhyamam:
        t.Verdict = words.Translate(Context, QT_TRANSLATE_NOOP("Porutham", "Verdict: Madhyamam"));
        break;
    case matching::PoruthamGrade::Adhamam:
        t.Verdict = words.Translate(Context, QT_TRANSLATE_NOOP("Porutham", "Verdict: Adhamam"));
        break;
    }
    const char* doshas = QT_TRANSLATE_NOOP("Porutham", "Doshas: none");
    if (match.RajjuDosha && match.VedhaDosha) {
        doshas = QT_TRANSLATE_NOOP("Porutham", "Doshas: Rajju and Vedha");
    } else if (match.RajjuDosha) {
        doshas = QT_TRANSLATE_NOOP("Porutham", "Doshas: Rajju");
    } else if (match.VedhaDosha) {
        doshas = QT_TRANSLATE_NOOP("Porutham", "Doshas: Vedha");
    }
    t.Doshas = words.Translate(Context, doshas);
    return t;
}

} // namespace tirovane::texts
