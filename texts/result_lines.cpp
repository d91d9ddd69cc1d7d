#include "texts/result_lines.h"

#include "texts/manglik_texts.h"

namespace tirovane::texts {

std::string MatchLineText(MatchOutcome outcome, const Words& words) {
    switch (outcome) {
    case MatchOutcome::Nullified:
        return words.Translate("Manglik",
                               QT_TRANSLATE_NOOP("Manglik", "Mangal Dosha has been nullified."));
    case MatchOutcome::NoDosha:
        return words.Translate("Manglik",
                               QT_TRANSLATE_NOOP("Manglik", "You do not have Manglik Dosha."));
    case MatchOutcome::NotNullified:
        break;
    }
    return words.Translate("Manglik",
                           QT_TRANSLATE_NOOP("Manglik", "Mangal Dosha has not been nullified. "
                                                        "Please consult an astrologer for "
                                                        "further details."));
}

ResultLines ResultLinesOf(const ReadingState& state, const Words& words) {
    ResultLines lines;
    lines.Male.fill("-");
    lines.Female.fill("-");
    lines.Interpretation.fill("-");
    const ShownEvaluations& shown = state.Shown;
    for (const int person : {FirstPerson, Partner}) {
        const auto index = static_cast<std::size_t>(person);
        auto& own = person == FirstPerson ? lines.Male : lines.Female;
        for (const auto kind :
             {manglik::ReferenceKind::LagnaChart, manglik::ReferenceKind::RashiChart}) {
            const bool lagna = kind == manglik::ReferenceKind::LagnaChart;
            const auto& result = (lagna ? shown.Lagna : shown.Rashi)[index];
            if (!result) {
                continue;
            }
            const std::size_t first = lagna ? 0 : 3;
            const manglik::Verdict verdict = manglik::VerdictOf(*result);
            own[first] = PositionLine(kind, result->House, words);
            own[first + 1] = DetailLine(*result, words);
            own[first + 2] = VerdictText(verdict, words);
            lines.Interpretation[first + index] =
                Greeting(person == Partner, shown.Names[index], verdict, words);
        }
    }
    // Both match lines are written with every evaluation, from the flags as
    // they then stand.
    if (!state.LagnaMatchFlags.Text().empty() || !state.ChandraMatchFlags.Text().empty()) {
        lines.Interpretation[2] =
            MatchLineText(MatchOutcomeOf(state.LagnaMatchFlags.Text()), words);
        lines.Interpretation[5] =
            MatchLineText(MatchOutcomeOf(state.ChandraMatchFlags.Text()), words);
    }
    return lines;
}

} // namespace tirovane::texts
