#pragma once

#include "reading/reading.h"
#include "texts/words.h"

#include <array>
#include <string>

// The texts of the result labels the Manglik evaluation fills, made from
// the reading's numbers in the language of the words given.

namespace tirovane::texts {

// Six lines per person (Lagna 0..2, Chandra 3..5) and the six lines of the
// match page (greetings 0, 1, 3, 4 and the match lines 2 and 5); "-" where
// nothing is written.
struct ResultLines {
    std::array<std::string, 6> Male;
    std::array<std::string, 6> Female;
    std::array<std::string, 6> Interpretation;
};

ResultLines ResultLinesOf(const ReadingState& state, const Words& words = English());

// "Mangal Dosha has been nullified.", "You do not have Manglik Dosha." or
// the advice to consult an astrologer.
std::string MatchLineText(MatchOutcome outcome, const Words& words = English());

} // namespace tirovane::texts
