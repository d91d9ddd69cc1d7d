#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The fixed reference tables of the input form and the driver: time zones,
// sign abbreviations and the pieces of nakshatras within each sign.

namespace tirovane {

struct ZoneRow {
    std::string_view Label;
    // Hours and minutes to add to local time to obtain universal time: the
    // negated offset of the zone from Greenwich.
    int WestHours;
    int WestMinutes;
};

struct NakshatraSegment {
    std::string_view SegmentName;
    std::string_view SegmentLord;
    std::string_view PadaCount; // quarters of the nakshatra within this sign
};

inline constexpr int ZoneRowCount = 71;

struct ReferenceTables {
    std::array<ZoneRow, ZoneRowCount> Zones;
    // Twelve abbreviations in sign order; slot 12 stays empty.
    std::array<std::string_view, 13> SignAbbreviations;
    // Three rows per sign in zodiacal order.
    std::array<NakshatraSegment, 36> NakshatraSegments;
};

// The tables are constant; every caller sees the same data.
const ReferenceTables& LoadReferenceTables();

struct NakshatraLordLookup {
    std::string NakshatraLord;
    std::string PadaCount;
};

// Lord and pada count of a nakshatra: the first segment row of that name
// wins, whatever the sign. Nothing when the sign abbreviation is none of
// the twelve or no row has the name; the caller keeps its previous values.
std::optional<NakshatraLordLookup> LookUpNakshatraLord(std::string_view signAbbreviation,
                                                       std::string_view nakshatraName);

} // namespace tirovane
