#include "retrograde/retrograde.h"

#include "retrograde/station_tables.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <vector>

namespace tirovane::retrograde {

namespace {

bool IsCalendarDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1) {
        return false;
    }
    const engine::CivilDateTime next =
        engine::AddMinutes({year, month, day, 0, 0}, 0); // carries an overlong day
    return next.Month == month && next.Day == day;
}

bool IsTimeOfDay(int hour, int minute) {
    return hour >= 0 && hour < 24 && minute >= 0 && minute < 60;
}

template <std::size_t N> std::vector<PeriodDays> ToDays(const StationTable<N>& table) {
    std::vector<PeriodDays> periods;
    periods.reserve(N);
    for (std::size_t i = 0; i < N; ++i) {
        const auto start = ParseStationRow(table.Retrograde[i]);
        const auto end = ParseStationRow(table.Direct[i]);
        if (start && end) {
            periods.push_back({engine::DaysFromCivil(start->Year, start->Month, start->Day),
                               engine::DaysFromCivil(end->Year, end->Month, end->Day)});
        }
    }
    return periods;
}

struct PlanetSlot {
    std::string_view BodyName;
    int ChartSlot;
};

constexpr std::array<PlanetSlot, 5> MarkedPlanets = {{
    {"Mercury", engine::Mercury},
    {"Venus", engine::Venus},
    {"Mars", engine::Mars},
    {"Jupiter", engine::Jupiter},
    {"Saturn", engine::Saturn},
}};

} // namespace

std::optional<engine::CivilDateTime> ParseStationRow(std::string_view row) {
    std::array<int, 5> fields{};
    const char* p = row.data();
    const char* const end = row.data() + row.size();
    for (int& field : fields) {
        const auto [next, error] = std::from_chars(p, end, field);
        if (error != std::errc() || next == end || *next != ',') {
            return std::nullopt;
        }
        p = next + 1;
    }
    if (p != end) {
        return std::nullopt;
    }
    const engine::CivilDateTime moment{fields[2], fields[0], fields[1], fields[3], fields[4]};
    if (!IsCalendarDate(moment.Year, moment.Month, moment.Day) ||
        !IsTimeOfDay(moment.Hour, moment.Minute)) {
        return std::nullopt;
    }
    return moment;
}

std::span<const PeriodDays> RetrogradePeriods(std::string_view bodyName) {
    // Parsed once, on first use.
    static const std::vector<PeriodDays> mercury = ToDays(MercuryStations);
    static const std::vector<PeriodDays> venus = ToDays(VenusStations);
    static const std::vector<PeriodDays> mars = ToDays(MarsStations);
    static const std::vector<PeriodDays> jupiter = ToDays(JupiterStations);
    static const std::vector<PeriodDays> saturn = ToDays(SaturnStations);
    if (bodyName == "Mercury") {
        return mercury;
    }
    if (bodyName == "Venus") {
        return venus;
    }
    if (bodyName == "Mars") {
        return mars;
    }
    if (bodyName == "Jupiter") {
        return jupiter;
    }
    if (bodyName == "Saturn") {
        return saturn;
    }
    return {};
}

bool IsRetrograde(std::string_view bodyName, const engine::CivilDateTime& moment) {
    const long long birth = engine::DaysFromCivil(moment.Year, moment.Month, moment.Day);
    // The periods are in order and disjoint, so only the last one that
    // starts before the birth date can hold it.
    const std::span<const PeriodDays> periods = RetrogradePeriods(bodyName);
    const auto after = std::partition_point(
        periods.begin(), periods.end(), [birth](const PeriodDays& p) { return p.Start < birth; });
    return after != periods.begin() && std::prev(after)->End > birth;
}

std::array<bool, engine::ChartBodyCount> RetrogradeFlags(const engine::CivilDateTime& birth) {
    std::array<bool, engine::ChartBodyCount> flags{};
    if (!IsCalendarDate(birth.Year, birth.Month, birth.Day) ||
        !IsTimeOfDay(birth.Hour, birth.Minute)) {
        return flags;
    }
    for (const PlanetSlot& planet : MarkedPlanets) {
        flags[static_cast<std::size_t>(planet.ChartSlot)] = IsRetrograde(planet.BodyName, birth);
    }
    return flags;
}

} // namespace tirovane::retrograde
