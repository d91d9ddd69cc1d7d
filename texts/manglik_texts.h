#pragma once

#include "manglik/manglik.h"
#include "texts/words.h"

#include <string>

// The Manglik lines of a person as the result shows them, made from the
// evaluation's numbers.

namespace tirovane::texts {

// "Position of Mars from Lagna is 4" / "... from Chandra is 8".
std::string PositionLine(manglik::ReferenceKind kind, int house, const Words& words = English());

// The strength as written: "50%", "6.25%"; empty when not Manglik.
std::string PercentageText(const manglik::ManglikResult& result);

// "Percentage of Mangala dosha is  12.5%", the cancellation sentence, or
// one blank when Mars is in no dosha house.
std::string DetailLine(const manglik::ManglikResult& result, const Words& words = English());

// "The person is Manglik", "The person is Not Manglik" or "The person is
// Non Manglik".
std::string VerdictText(manglik::Verdict verdict, const Words& words = English());

// The greeting lines of the match page: "Hello Asha you are The person is
// Manglik" for the first person, "Your partner Ravi is The person is Non
// Manglik" for the partner.
std::string Greeting(bool partner, const std::string& name, manglik::Verdict verdict,
                     const Words& words = English());

// What the cancellation rests on, for example "Cancelled: Mars in Aries in
// the 4th house; Mars within 10° of Jupiter"; empty when nothing cancelled.
std::string ExplainCancellation(const manglik::ManglikResult& result, double marsLongitude,
                                const Words& words = English());

} // namespace tirovane::texts
