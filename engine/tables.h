#pragma once

#include <array>
#include <string_view>

// The engine's fixed tables: signs, lunar mansions and chart bodies.

namespace tirovane::engine {

inline constexpr int SignCount = 12;
inline constexpr int NakshatraCount = 27;
inline constexpr int ChartBodyCount = 11;

// The twelve three-letter abbreviations in sign order, Aries first.
inline constexpr std::string_view SignAbbreviationText = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Abbreviation of sign k (0 Aries .. 11 Pisces); k outside that range gives
// the empty text, as the abbreviation text has no characters there.
std::string_view SignAbbreviation(int k);

// Index 0..11 of a sign abbreviation, or -1 when it is none of the twelve.
int SignIndex(std::string_view abbreviation);

extern const std::array<std::string_view, SignCount> SignEnglishNames;
extern const std::array<std::string_view, SignCount> SignSanskritNames;

// The 27 nakshatras from 0 degrees sidereal, 800 arc-minutes each.
extern const std::array<std::string_view, NakshatraCount> NakshatraNames;

// Chart order: 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter,
// 6 Saturn, 7 Rahu, 8 Ketu, 9 Ascendant, 10 Midheaven.
enum ChartBody : int {
    Sun = 0,
    Moon = 1,
    Mercury = 2,
    Venus = 3,
    Mars = 4,
    Jupiter = 5,
    Saturn = 6,
    Rahu = 7,
    Ketu = 8,
    Ascendant = 9,
    Midheaven = 10,
};

extern const std::array<std::string_view, ChartBodyCount> ChartBodyNames;
extern const std::array<std::string_view, ChartBodyCount> ChartBodySanskritNames;

} // namespace tirovane::engine
