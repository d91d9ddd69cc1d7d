#include "texts/cross_check_texts.h"

#include "engine/angles.h"
#include "engine/sidereal_chart.h"
#include "texts/names.h"

#include <cmath>

namespace tirovane::texts {

namespace {

constexpr const char* Context = "CrossCheck";

std::string T(const Words& words, const char* source) {
    return words.Translate(Context, source);
}

void AddSentence(std::string& notice, const std::string& sentence) {
    if (!notice.empty()) {
        notice += ' ';
    }
    notice += sentence;
}

// What the person would be from a reference, in the sentence about Mars.
std::string VerdictWords(manglik::Verdict verdict, const Words& words) {
    switch (verdict) {
    case manglik::Verdict::Manglik:
        return T(words, QT_TRANSLATE_NOOP("CrossCheck", "Manglik"));
    case manglik::Verdict::Cancelled:
        return T(words, QT_TRANSLATE_NOOP("CrossCheck", "Non Manglik, the dosha being cancelled"));
    case manglik::Verdict::NotManglik:
        break;
    }
    return T(words, QT_TRANSLATE_NOOP("CrossCheck", "Not Manglik"));
}

// The sentence about Mars from one reference, when its house or verdict
// differs.
std::string MarsSentence(const CrossCheck& check, bool lagna, const Words& words) {
    const int house = lagna ? check.Precise.LagnaHouse : check.Precise.RashiHouse;
    const manglik::Verdict ours =
        lagna ? check.Described.LagnaVerdict : check.Described.RashiVerdict;
    const manglik::Verdict theirs = lagna ? check.Precise.LagnaVerdict : check.Precise.RashiVerdict;
    const char* pattern = nullptr;
    if (ours == theirs) {
        pattern = lagna ? QT_TRANSLATE_NOOP("CrossCheck",
                                            "A precise ephemeris places Mars at %1, in house %2 "
                                            "from Lagna: the verdict from Lagna stays the same.")
                        : QT_TRANSLATE_NOOP("CrossCheck",
                                            "A precise ephemeris places Mars at %1, in house %2 "
                                            "from Chandra: the verdict from Chandra stays the "
                                            "same.");
    } else {
        pattern = lagna ? QT_TRANSLATE_NOOP("CrossCheck",
                                            "A precise ephemeris places Mars at %1, in house %2 "
                                            "from Lagna: from Lagna this person would be %3.")
                        : QT_TRANSLATE_NOOP("CrossCheck",
                                            "A precise ephemeris places Mars at %1, in house %2 "
                                            "from Chandra: from Chandra this person would be "
                                            "%3.");
    }
    return Fill(T(words, pattern), {NoticePosition(check.PreciseMars, words), std::to_string(house),
                                    VerdictWords(theirs, words)});
}

} // namespace

std::string NoticePosition(double longitude, const Words& words) {
    const double within = engine::WithinCircle(std::fabs(longitude));
    const double degrees = engine::Int(within);
    const int minutes = static_cast<int>(engine::Int(60 * (within - degrees)));
    return std::to_string(engine::WholeDegreesInSign(within)) + "\u00B0" + std::to_string(minutes) +
           "\u2032 " + SignName(engine::SignIndexOf(within), words);
}

std::string AnalyticFallbackNotice(const Words& words) {
    return T(words, QT_TRANSLATE_NOOP("CrossCheck", "The Swiss Ephemeris files were not found, so "
                                                    "its less precise analytic theory was used."));
}

std::string PreciseFailureNotice(std::string_view why, const Words& words) {
    if (why.empty()) {
        return T(words,
                 QT_TRANSLATE_NOOP("CrossCheck", "The precise ephemeris could not compute this "
                                                 "chart."));
    }
    return Fill(T(words, QT_TRANSLATE_NOOP("CrossCheck", "The precise ephemeris could not compute "
                                                         "this chart: %1.")),
                {why});
}

std::string CrossCheckNotice(const CrossCheck& check, const Words& words) {
    std::string notice;
    if (check.Failure) {
        notice = PreciseFailureNotice(*check.Failure, words);
        if (check.DescribedShownInstead) {
            AddSentence(notice, T(words, QT_TRANSLATE_NOOP("CrossCheck",
                                                           "The positions shown are those of the "
                                                           "described engine.")));
        }
        return notice;
    }
    if (check.Agrees) {
        return notice;
    }
    const CheckedValues& ours = check.Described;
    const CheckedValues& theirs = check.Precise;
    // The ascendant or the Moon in another sign: where the precise chart
    // puts it, and the sign the described chart counts from.
    const auto moved = [&](const char* pattern, double precise, int describedSign) {
        AddSentence(notice, Fill(T(words, pattern),
                                 {NoticePosition(precise, words), SignName(describedSign, words)}));
    };
    if (ours.AscendantSign != theirs.AscendantSign) {
        moved(QT_TRANSLATE_NOOP("CrossCheck", "A precise ephemeris places the ascendant at %1, "
                                              "not in %2: the houses from Lagna count from there."),
              check.PreciseAscendant, check.DescribedAscendantSign);
    }
    if (ours.MoonSignName != theirs.MoonSignName) {
        moved(QT_TRANSLATE_NOOP("CrossCheck", "A precise ephemeris places the Moon at %1, not in "
                                              "%2: the houses from Chandra count from there."),
              check.PreciseMoon, check.DescribedMoonSign);
    }
    if (ours.MoonNakshatra != theirs.MoonNakshatra) {
        AddSentence(notice, Fill(T(words, QT_TRANSLATE_NOOP("CrossCheck",
                                                            "A precise ephemeris places the Moon "
                                                            "in the nakshatra %1, not %2: its pada "
                                                            "and lord change with it.")),
                                 {NakshatraName(check.PreciseNakshatra, words),
                                  NakshatraName(check.DescribedNakshatra, words)}));
    }
    if (ours.LagnaHouse != theirs.LagnaHouse || ours.LagnaVerdict != theirs.LagnaVerdict) {
        AddSentence(notice, MarsSentence(check, true, words));
    }
    if (ours.RashiHouse != theirs.RashiHouse || ours.RashiVerdict != theirs.RashiVerdict) {
        AddSentence(notice, MarsSentence(check, false, words));
    }
    if (check.AnalyticFallback) {
        AddSentence(notice, AnalyticFallbackNotice(words));
    }
    return notice;
}

} // namespace tirovane::texts
