#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The fixed reference tables of the input form and the driver: time zones
// and the pieces of nakshatras within each sign. The signs and nakshatras
// themselves are in engine/tables.h.

namespace tirovane {

// Whether a zone row keeps the zone's standard time or a time ahead of it
// (daylight, summer or war time).
enum class ZoneKind { Standard, Ahead };

struct ZoneRow {
    // The English label as the list shows it: name, abbreviation, offset.
    std::string_view Label;
    // Hours and minutes to add to local time to obtain universal time: the
    // negated offset of the zone from Greenwich.
    int WestHours;
    int WestMinutes;
    ZoneKind Kind;
};

// The piece of a nakshatra that lies within one sign.
struct NakshatraSegment {
    int Nakshatra;                // index 0..26 of the nakshatra (engine/tables.h)
    std::string_view SegmentName; // the name as the table prints it
    std::string_view SegmentLord;
    std::string_view PadaCount; // quarters of the nakshatra within this sign
};

inline constexpr int ZoneRowCount = 71;

struct ReferenceTables {
    std::array<ZoneRow, ZoneRowCount> Zones;
    // Three rows per sign in zodiacal order.
    std::array<NakshatraSegment, 36> NakshatraSegments;
};

// The tables are constant; every caller sees the same data.
const ReferenceTables& LoadReferenceTables();

struct NakshatraLordLookup {
    std::string NakshatraLord;
    std::string PadaCount;
};

// Lord and pada count of a nakshatra (index 0..26): the first segment row
// of that nakshatra wins, whatever the sign. Nothing for an index outside
// 0..26.
std::optional<NakshatraLordLookup> LookUpNakshatraLord(int nakshatra);

} // namespace tirovane
