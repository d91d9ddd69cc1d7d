#pragma once

#include "matching/attributes.h"
#include "texts/words.h"

#include <string>

// The names of signs, nakshatras, planets and the match's classes in the
// language of the words given (English: as the engine's tables spell them).

namespace tirovane::texts {

std::string SignName(int sign, const Words& words = English());         // "Aries"
std::string RashiName(int sign, const Words& words = English());        // "Mesha"
std::string SignAbbreviation(int sign, const Words& words = English()); // "Ari"
std::string NakshatraName(int nakshatra, const Words& words = English());
// Chart body b: "Sun" .. "Midheaven" and "Surya" .. "Midheaven".
std::string BodyName(int body, const Words& words = English());
std::string BodySanskritName(int body, const Words& words = English());

// The label of a row of the time-zone list: its name translated, its
// abbreviation and offset as they are ("Indian Time, IST, +5.3").
std::string ZoneLabel(int row, const Words& words = English());

// A name from one of the match's tables (matching::VarnaName and the like),
// all marked in the context "Matching".
std::string MatchingName(std::string_view englishName, const Words& words = English());

} // namespace tirovane::texts
