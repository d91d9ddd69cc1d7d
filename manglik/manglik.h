#pragma once

#include "engine/sidereal_chart.h"
#include "engine/tables.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// Whether Mars causes Mangal dosha counted from a reference sign (the
// ascendant or the Moon), whether other placements cancel it, and how
// strong it is.

namespace tirovane::manglik {

// "LagnaChart" counts from the ascendant, "RashiChart" from the Moon.
enum class ReferenceKind { LagnaChart, RashiChart };

// The kind's code, "LagnaChart" or "RashiChart", as the command-line tool
// names the evaluations.
std::string_view KindText(ReferenceKind kind);

struct ManglikTables {
    // "st", "nd", "rd", then nine "th": the suffixes of the house ordinals
    // in the (English) text export.
    std::array<std::string_view, 12> OrdinalSuffixes;
};

const ManglikTables& LoadManglikTables();

// The rules that cancel a dosha, in the order they are tested.
enum class CancellationRule {
    LeoAquarius,             // Mars in Leo or Aquarius, any house
    House2GeminiVirgo,       // Mars in Gemini or Virgo in the 2nd house
    House4AriesScorpio,      // Mars in Aries or Scorpio in the 4th house
    House7CancerCapricorn,   // Mars in Cancer or Capricorn in the 7th house
    House8SagittariusPisces, // Mars in Sagittarius or Pisces in the 8th house
    House12TaurusLibra,      // Mars in Taurus or Libra in the 12th house
    JupiterConjunct,         // Mars within 10 whole degrees of Jupiter
    MercuryConjunct,         // Mars within 10 whole degrees of Mercury
};

// "LeoAquarius", "House2GeminiVirgo", ... as the rules are named.
std::string_view RuleName(CancellationRule rule);

// What the evaluation finds: Manglik, not Manglik (Mars in no dosha
// house), or the dosha cancelled ("Non Manglik").
enum class Verdict { Manglik, NotManglik, Cancelled };

struct ManglikResult {
    int House = 1; // house of Mars, the reference sign being house 1
    bool HadDosha = false;
    bool IsManglik = false;
    // The strength of the dosha in percent (50, 6.25, 12.5, 25 or 100);
    // 0 when the person is not Manglik.
    double Percent = 0;
    // Every rule that held for a dosha house, in rule order; empty when
    // there was no dosha or nothing cancelled it.
    std::vector<CancellationRule> CancelledBy;

    friend bool operator==(const ManglikResult&, const ManglikResult&) = default;
};

Verdict VerdictOf(const ManglikResult& result);

// Sidereal longitudes in degrees of the eleven chart bodies, chart order.
using ChartLongitudes = std::array<double, engine::ChartBodyCount>;

// The whole-degree longitude the rule compares: the sign's index times 30
// plus the whole degrees within the sign, both truncated as the chart texts
// show them; minutes are ignored.
int WholeDegreeLongitude(double longitude);

// True when the two bodies stand at most 10 whole degrees apart along the
// shorter arc.
bool IsConjunct(double marsLongitude, double otherLongitude);

// The evaluation from a reference longitude over a person's chart: Mars in
// slot 4, Mercury in 2 and Jupiter in 5 are read.
ManglikResult EvaluateManglik(double referenceLongitude, const ChartLongitudes& longitudes);

// The same, with the reference taken from the chart: the ascendant (slot 9)
// for LagnaChart, the Moon (slot 1) for RashiChart.
ManglikResult EvaluateManglik(ReferenceKind kind, const ChartLongitudes& longitudes);

} // namespace tirovane::manglik
