#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The retrograde periods of the five planets from 1900 to 2050. Row i of
// the retrograde list is the moment period i begins, row i of the direct
// list the moment it ends; each row is "month,day,year,hour,minute," in
// universal time.

namespace tirovane::retrograde {

template <std::size_t N> struct StationTable {
    std::array<std::string_view, N> Retrograde;
    std::array<std::string_view, N> Direct;
};

extern const StationTable<476> MercuryStations;
extern const StationTable<95> VenusStations;
extern const StationTable<71> MarsStations;
extern const StationTable<139> JupiterStations;
extern const StationTable<146> SaturnStations;

} // namespace tirovane::retrograde
