#pragma once

#include <string_view>

// What a name, city, state or country may hold: the same rule for the
// input form's key filter, the validation and the command-line tool.

namespace tirovane {

// A letter or a combining mark of any script (vowel signs are marks), the
// zero-width joiner and non-joiner that Malayalam and Bengali names carry,
// the blank, and the full stop, apostrophe (straight or typographic) and
// hyphen of names like "K. Karthik", "O'Brien" and "Saint-Denis".
bool IsNameCharacter(char32_t c);

// True when the UTF-8 text is well formed and every character passes
// IsNameCharacter (the empty text passes; emptiness is checked apart).
bool IsNameText(std::string_view utf8);

// What a city, state or country may hold besides: the digits and signs of
// real place names as the place finder's atlas writes them ("Sector 3",
// "Ho Chi Minh City (HCMC)", "Congo, The Democratic Republic of the",
// "Urdorf / Oberurdorf", "Federation of B&H", "Al ‘Amārah",
// "Bangka–Belitung Islands"), so that every place the finder fills in
// passes the checks.
bool IsPlaceCharacter(char32_t c);
bool IsPlaceText(std::string_view utf8);

} // namespace tirovane
