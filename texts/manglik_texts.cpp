#include "texts/manglik_texts.h"

#include "engine/sidereal_chart.h"
#include "texts/names.h"

#include <cstdio>

namespace tirovane::texts {

namespace {

constexpr const char* Context = "Manglik";

std::string T(const Words& words, const char* source) {
    return words.Translate(Context, source);
}

} // namespace

std::string PositionLine(manglik::ReferenceKind kind, int house, const Words& words) {
    const char* pattern = kind == manglik::ReferenceKind::LagnaChart
                              ? QT_TRANSLATE_NOOP("Manglik", "Position of Mars from Lagna is %1")
                              : QT_TRANSLATE_NOOP("Manglik", "Position of Mars from Chandra is %1");
    return Fill(T(words, pattern), {std::to_string(house)});
}

std::string PercentageText(const manglik::ManglikResult& result) {
    if (!result.IsManglik) {
        return {};
    }
    // 50, 6.25, 12.5, 25, 100: as few digits as the value needs.
    char text[32];
    std::snprintf(text, sizeof text, "%g%%", result.Percent);
    return text;
}

std::string DetailLine(const manglik::ManglikResult& result, const Words& words) {
    switch (manglik::VerdictOf(result)) {
    case manglik::Verdict::Manglik:
        return Fill(T(words, QT_TRANSLATE_NOOP("Manglik", "Percentage of Mangala dosha is  %1")),
                    {PercentageText(result)});
    case manglik::Verdict::Cancelled:
        return T(words, QT_TRANSLATE_NOOP("Manglik", "Your Mangal Dosha has been cancelled due to "
                                                     "other placements in your chart. "));
    case manglik::Verdict::NotManglik:
        break;
    }
    // The line stays as one blank: nothing to say, in any language.
    return " ";
}

std::string VerdictText(manglik::Verdict verdict, const Words& words) {
    switch (verdict) {
    case manglik::Verdict::Manglik:
        return T(words, QT_TRANSLATE_NOOP("Manglik", "The person is Manglik"));
    case manglik::Verdict::NotManglik:
        return T(words, QT_TRANSLATE_NOOP("Manglik", "The person is Not Manglik"));
    case manglik::Verdict::Cancelled:
        return T(words, QT_TRANSLATE_NOOP("Manglik", "The person is Non Manglik"));
    }
    return {};
}

std::string Greeting(bool partner, const std::string& name, manglik::Verdict verdict,
                     const Words& words) {
    const char* pattern = nullptr;
    switch (verdict) {
    case manglik::Verdict::Manglik:
        pattern = partner ? QT_TRANSLATE_NOOP("Manglik", "Your partner %1 is The person is Manglik")
                          : QT_TRANSLATE_NOOP("Manglik", "Hello %1 you are The person is Manglik");
        break;
    case manglik::Verdict::NotManglik:
        pattern = partner
                      ? QT_TRANSLATE_NOOP("Manglik", "Your partner %1 is The person is Not Manglik")
                      : QT_TRANSLATE_NOOP("Manglik", "Hello %1 you are The person is Not Manglik");
        break;
    case manglik::Verdict::Cancelled:
        pattern = partner
                      ? QT_TRANSLATE_NOOP("Manglik", "Your partner %1 is The person is Non Manglik")
                      : QT_TRANSLATE_NOOP("Manglik", "Hello %1 you are The person is Non Manglik");
        break;
    }
    return Fill(T(words, pattern), {name});
}

std::string ExplainCancellation(const manglik::ManglikResult& result, double marsLongitude,
                                const Words& words) {
    if (result.CancelledBy.empty()) {
        return {};
    }
    const std::string sign = SignName(engine::SignIndexOf(marsLongitude), words);
    std::string reasons;
    for (std::size_t k = 0; k < result.CancelledBy.size(); ++k) {
        if (k > 0) {
            reasons += "; ";
        }
        const char* reason = nullptr;
        switch (result.CancelledBy[k]) {
        case manglik::CancellationRule::LeoAquarius:
            reason = QT_TRANSLATE_NOOP("Manglik", "Mars in %1");
            break;
        case manglik::CancellationRule::House2GeminiVirgo:
            reason = QT_TRANSLATE_NOOP("Manglik", "Mars in %1 in the 2nd house");
            break;
        case manglik::CancellationRule::House4AriesScorpio:
            reason = QT_TRANSLATE_NOOP("Manglik", "Mars in %1 in the 4th house");
            break;
        case manglik::CancellationRule::House7CancerCapricorn:
            reason = QT_TRANSLATE_NOOP("Manglik", "Mars in %1 in the 7th house");
            break;
        case manglik::CancellationRule::House8SagittariusPisces:
            reason = QT_TRANSLATE_NOOP("Manglik", "Mars in %1 in the 8th house");
            break;
        case manglik::CancellationRule::House12TaurusLibra:
            reason = QT_TRANSLATE_NOOP("Manglik", "Mars in %1 in the 12th house");
            break;
        case manglik::CancellationRule::JupiterConjunct:
            reason = QT_TRANSLATE_NOOP("Manglik", "Mars within 10° of Jupiter");
            break;
        case manglik::CancellationRule::MercuryConjunct:
            reason = QT_TRANSLATE_NOOP("Manglik", "Mars within 10° of Mercury");
            break;
        }
        reasons += Fill(T(words, reason), {sign});
    }
    return Fill(T(words, QT_TRANSLATE_NOOP("Manglik", "Cancelled: %1")), {reasons});
}

} // namespace tirovane::texts
