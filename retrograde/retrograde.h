#pragma once

#include "engine/calendar.h"
#include "engine/tables.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Whether a planet was retrograde on a birth date, and the marks in the
// chart's body names.

namespace tirovane::retrograde {

// The calendar date of a station row "month,day,year,hour,minute,", or
// nothing when the row is not of that form.
std::optional<engine::CivilDateTime> ParseStationRow(std::string_view row);

// One retrograde period as calendar days (days since 1970-01-01).
struct PeriodDays {
    long long Start;
    long long End;
};

// The periods of "Mercury", "Venus", "Mars", "Jupiter" or "Saturn"; empty
// for any other name.
std::span<const PeriodDays> RetrogradePeriods(std::string_view bodyName);

// True when the date of `moment` falls strictly after the day of a
// retrograde station and strictly before the day of the following direct
// station. The time of day never decides.
bool IsRetrograde(std::string_view bodyName, const engine::CivilDateTime& moment);

// The text shown after a retrograde planet's name.
inline constexpr std::string_view RetrogradeMark = " (R) ";

// Which chart bodies were retrograde at the entered local birth date:
// Mercury, Venus, Mars, Jupiter and Saturn can be; a date that does not
// exist marks none.
std::array<bool, engine::ChartBodyCount> RetrogradeFlags(const engine::CivilDateTime& birth);

} // namespace tirovane::retrograde
