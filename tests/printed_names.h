#pragma once

// The names of the 27 nakshatras as the result prints them, from Aswini at
// 0 degrees sidereal, written out from the printed table (spellings as
// printed: "Mrigsira", "Purbha Phalguni", "Shatbisha", "Poorva Bhadrapada").
// The expectation of every test that reads a nakshatra's name.

#include <array>

namespace tirovane::test {

inline constexpr std::array<const char*, 27> PrintedNakshatraNames = {"Aswini",
                                                                      "Bharani",
                                                                      "Krittika",
                                                                      "Rohini",
                                                                      "Mrigsira",
                                                                      "Ardra",
                                                                      "Punarvasu",
                                                                      "Pushya",
                                                                      "Aslesha",
                                                                      "Magha",
                                                                      "Purbha Phalguni",
                                                                      "Uttara Phalguni",
                                                                      "Hasta",
                                                                      "Chitra",
                                                                      "Swati",
                                                                      "Vishakha",
                                                                      "Anuradha",
                                                                      "Jyeshtha",
                                                                      "Mula",
                                                                      "Purva Ashadha",
                                                                      "Uttara Ashadha",
                                                                      "Shravana",
                                                                      "Dhanishtha",
                                                                      "Shatbisha",
                                                                      "Poorva Bhadrapada",
                                                                      "Uttara Bhadrapada",
                                                                      "Revati"};

} // namespace tirovane::test
