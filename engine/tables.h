#pragma once

#include <array>
#include <string_view>

// The engine's fixed tables: chart bodies, signs and lunar mansions. Every
// layer reads signs and nakshatras from here, by index.

namespace tirovane::engine {

inline constexpr int SignCount = 12;
inline constexpr int NakshatraCount = 27;
inline constexpr int ChartBodyCount = 11;

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

// One sign: its three-letter abbreviation, its names and its lord.
struct SignRow {
    std::string_view Abbreviation; // "Ari"
    std::string_view EnglishName;  // "Aries"
    std::string_view SanskritName; // "Mesha"
    ChartBody Lord;
};

// The twelve signs in zodiacal order, index 0 Aries .. 11 Pisces.
extern const std::array<SignRow, SignCount> Signs;

// Abbreviation of sign k; k outside 0..11 gives the empty text.
std::string_view SignAbbreviation(int k);

// Index 0..11 of a sign abbreviation, or -1 when it is none of the twelve.
int SignIndex(std::string_view abbreviation);

// One nakshatra (lunar mansion): its name as shown and its lord.
struct NakshatraRow {
    std::string_view Name;
    ChartBody Lord;
};

// The 27 nakshatras from 0 degrees sidereal, 800 arc-minutes each, index
// 0 Aswini .. 26 Revati.
extern const std::array<NakshatraRow, NakshatraCount> Nakshatras;

} // namespace tirovane::engine
