#include "app/cross_check.h"

#include "engine/angles.h"
#include "engine/sidereal_chart.h"
#include "engine/text_forms.h"

#include <algorithm>
#include <cmath>

namespace tirovane {

namespace {

// The verdict's last words, as the notice says what the person would be.
std::string_view VerdictWords(manglik::Verdict verdict) {
    switch (verdict) {
    case manglik::Verdict::Manglik:
        return "Manglik";
    case manglik::Verdict::Cancelled:
        return "Non Manglik, the dosha being cancelled";
    case manglik::Verdict::NotManglik:
        break;
    }
    return "Not Manglik";
}

std::string_view EnglishSignOf(double longitude) {
    return engine::Signs[static_cast<std::size_t>(engine::SignIndexOf(longitude))].EnglishName;
}

void AddSentence(std::string& notice, const std::string& sentence) {
    if (!notice.empty()) {
        notice += ' ';
    }
    notice += sentence;
}

// The sentence about Mars from one reference, when its house or verdict
// differs.
std::string MarsSentence(double mars, int house, std::string_view reference,
                         manglik::Verdict describedVerdict, manglik::Verdict preciseVerdict) {
    std::string sentence = "A precise ephemeris places Mars at " + NoticePosition(mars) +
                           ", in house " + std::to_string(house) + " from " +
                           std::string(reference) + ": ";
    if (describedVerdict == preciseVerdict) {
        sentence += "the verdict from " + std::string(reference) + " stays the same.";
    } else {
        sentence += "from " + std::string(reference) + " this person would be " +
                    std::string(VerdictWords(preciseVerdict)) + ".";
    }
    return sentence;
}

} // namespace

std::string_view CheckedItemName(CheckedItem item) {
    static constexpr std::array<std::string_view, CheckedItemCount> Names = {
        "AscendantSign", "MoonSignName", "MoonNakshatra", "LagnaHouse",
        "LagnaVerdict",  "RashiHouse",   "RashiVerdict"};
    return Names[static_cast<std::size_t>(item)];
}

CheckedValues CheckedValuesOf(const PersonChart& chart) {
    return {chart.AscendantSign,
            chart.MoonSignName,
            chart.MoonNakshatra,
            chart.LagnaChart.House,
            manglik::VerdictOf(chart.LagnaChart),
            chart.RashiChart.House,
            manglik::VerdictOf(chart.RashiChart)};
}

std::string NoticePosition(double longitude) {
    const double within = engine::WithinCircle(std::fabs(longitude));
    const double degrees = engine::Int(within);
    const int minutes = static_cast<int>(engine::Int(60 * (within - degrees)));
    return std::to_string(engine::WholeDegreesInSign(within)) + "\u00B0" + std::to_string(minutes) +
           "\u2032 " + std::string(EnglishSignOf(within));
}

std::string PreciseFailureNotice(std::string_view why) {
    std::string notice = "The precise ephemeris could not compute this chart";
    if (!why.empty()) {
        notice += ": " + std::string(why);
    }
    return notice + ".";
}

CrossCheck CompareCharts(const PersonChart& described, const PersonChart& precise) {
    CrossCheck check;
    const CheckedValues ours = CheckedValuesOf(described);
    check.Precise = CheckedValuesOf(precise);
    check.AnalyticFallback = precise.AnalyticFallback;
    const CheckedValues& theirs = check.Precise;
    const std::array<bool, CheckedItemCount> same = {
        ours.AscendantSign == theirs.AscendantSign, ours.MoonSignName == theirs.MoonSignName,
        ours.MoonNakshatra == theirs.MoonNakshatra, ours.LagnaHouse == theirs.LagnaHouse,
        ours.LagnaVerdict == theirs.LagnaVerdict,   ours.RashiHouse == theirs.RashiHouse,
        ours.RashiVerdict == theirs.RashiVerdict};
    for (int item = 0; item < CheckedItemCount; ++item) {
        if (!same[static_cast<std::size_t>(item)]) {
            check.Differing.push_back(static_cast<CheckedItem>(item));
        }
    }
    check.Agrees = check.Differing.empty();
    if (check.Agrees) {
        return check;
    }

    const auto& longitudes = precise.Sidereal.Longitudes;
    std::string& notice = check.Notice;
    if (ours.AscendantSign != theirs.AscendantSign) {
        AddSentence(notice, "A precise ephemeris places the ascendant at " +
                                NoticePosition(longitudes[engine::Ascendant]) + ", not in " +
                                std::string(EnglishSignOf(
                                    described.Sidereal.Longitudes[engine::Ascendant])) +
                                ": the houses from Lagna count from there.");
    }
    if (ours.MoonSignName != theirs.MoonSignName) {
        AddSentence(notice,
                    "A precise ephemeris places the Moon at " +
                        NoticePosition(longitudes[engine::Moon]) + ", not in " +
                        std::string(EnglishSignOf(described.Sidereal.Longitudes[engine::Moon])) +
                        ": the houses from Chandra count from there.");
    }
    if (ours.MoonNakshatra != theirs.MoonNakshatra) {
        AddSentence(notice, "A precise ephemeris places the Moon in the nakshatra " +
                                theirs.MoonNakshatra + ", not " + ours.MoonNakshatra +
                                ": its pada and lord change with it.");
    }
    if (ours.LagnaHouse != theirs.LagnaHouse || ours.LagnaVerdict != theirs.LagnaVerdict) {
        AddSentence(notice, MarsSentence(longitudes[engine::Mars], theirs.LagnaHouse, "Lagna",
                                         ours.LagnaVerdict, theirs.LagnaVerdict));
    }
    if (ours.RashiHouse != theirs.RashiHouse || ours.RashiVerdict != theirs.RashiVerdict) {
        AddSentence(notice, MarsSentence(longitudes[engine::Mars], theirs.RashiHouse, "Chandra",
                                         ours.RashiVerdict, theirs.RashiVerdict));
    }
    if (check.AnalyticFallback) {
        AddSentence(notice, std::string(AnalyticFallbackNotice));
    }
    return check;
}

} // namespace tirovane
