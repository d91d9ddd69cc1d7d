#include "retrograde/retrograde.h"

#include "retrograde/station_tables.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <vector>

namespace tirovane::retrograde {

namespace {

// A day of the proleptic Gregorian calendar the day counts use.
bool IsCalendarDate(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1) {
        return false;
    }
    static constexpr std::array<int, 12> MonthDays = {31, 28, 31, 30, 31, 30,
                                                      31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= MonthDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
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

namespace {

// The periods of the marked planets, in their order, parsed once on first use.
const std::array<std::vector<PeriodDays>, MarkedPlanets.size()>& MarkedPeriods() {
    static const std::array<std::vector<PeriodDays>, MarkedPlanets.size()> periods = {
        ToDays(MercuryStations), ToDays(VenusStations), ToDays(MarsStations),
        ToDays(JupiterStations), ToDays(SaturnStations)};
    return periods;
}

bool WithinPeriod(std::span<const PeriodDays> periods, long long birth) {
    // The periods are in order and disjoint, so only the last one that
    // starts before the birth date can hold it.
    const auto after = std::partition_point(
        periods.begin(), periods.end(), [birth](const PeriodDays& p) { return p.Start < birth; });
    return after != periods.begin() && std::prev(after)->End > birth;
}

} // namespace

std::span<const PeriodDays> RetrogradePeriods(std::string_view bodyName) {
    for (std::size_t i = 0; i < MarkedPlanets.size(); ++i) {
        if (MarkedPlanets[i].BodyName == bodyName) {
            return MarkedPeriods()[i];
        }
    }
    return {};
}

bool IsRetrograde(std::string_view bodyName, const engine::CivilDateTime& moment) {
    return WithinPeriod(RetrogradePeriods(bodyName),
                        engine::DaysFromCivil(moment.Year, moment.Month, moment.Day));
}

namespace {

// For every day the tables span, one bit per marked planet, set when the day
// lies strictly inside one of its retrograde periods: the flags of a birth
// are then one look-up instead of five searches. Built once, on first use.
class DayFlags {
public:
    DayFlags() {
        const auto& all = MarkedPeriods();
        first_ = 0;
        long long last = 0;
        bool any = false;
        for (const auto& periods : all) {
            if (!periods.empty()) {
                first_ = any ? std::min(first_, periods.front().Start) : periods.front().Start;
                last = any ? std::max(last, periods.back().End) : periods.back().End;
                any = true;
            }
        }
        bits_.assign(any ? static_cast<std::size_t>(last - first_ + 1) : 0, 0);
        for (std::size_t planet = 0; planet < all.size(); ++planet) {
            for (const PeriodDays& period : all[planet]) {
                for (long long day = period.Start + 1; day < period.End; ++day) {
                    bits_[static_cast<std::size_t>(day - first_)] |=
                        static_cast<std::uint8_t>(1U << planet);
                }
            }
        }
    }
    // The bits of a day; none outside the tables.
    unsigned Of(long long day) const {
        if (day < first_ || day - first_ >= static_cast<long long>(bits_.size())) {
            return 0;
        }
        return bits_[static_cast<std::size_t>(day - first_)];
    }

private:
    long long first_;
    std::vector<std::uint8_t> bits_;
};

} // namespace

std::array<bool, engine::ChartBodyCount> RetrogradeFlags(const engine::CivilDateTime& birth) {
    std::array<bool, engine::ChartBodyCount> flags{};
    if (!IsCalendarDate(birth.Year, birth.Month, birth.Day) ||
        !IsTimeOfDay(birth.Hour, birth.Minute)) {
        return flags;
    }
    static const DayFlags days;
    const unsigned bits = days.Of(engine::DaysFromCivil(birth.Year, birth.Month, birth.Day));
    for (std::size_t i = 0; i < MarkedPlanets.size(); ++i) {
        flags[static_cast<std::size_t>(MarkedPlanets[i].ChartSlot)] = ((bits >> i) & 1U) != 0;
    }
    return flags;
}

} // namespace tirovane::retrograde
