#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Historical UTC offsets of one IANA time zone, read from the compiled
// time-zone database (TZif files, RFC 8536) of the operating system.

namespace tirovane::atlas {

// The clock of a zone at one instant.
struct ZoneClock {
    int OffsetSeconds = 0;         // total offset from UTC, east positive
    int StandardOffsetSeconds = 0; // the offset without daylight saving
    bool DaylightSaving = false;   // the zone's clocks were put forward
    std::string Abbreviation;      // as the database has it, e.g. "IST", "+0630"
};

// How a local date and time of a zone maps to instants.
enum class LocalTimeKind {
    Unique,   // one instant
    Skipped,  // the clocks jumped over it (put forward): no instant
    Repeated, // the clocks went back over it: two instants
};

struct LocalTimeResolution {
    LocalTimeKind Kind = LocalTimeKind::Unique;
    // Unique: the clock in force. Repeated: the first of the two (before
    // the clocks went back). Skipped: the clock before the jump, with which
    // the time is taken.
    ZoneClock Clock;
    // Repeated: the second of the two. Skipped: the clock after the jump.
    ZoneClock Other;
    std::int64_t UtcSeconds = 0; // of the instant taken, seconds since 1970
};

class TimeZoneHistory {
public:
    // Reads zoneinfoDir/name. Nothing, with the reason in *error, when the
    // zone is unknown or its file damaged.
    static std::unique_ptr<TimeZoneHistory> Load(const std::string& name,
                                                 const std::string& zoneinfoDir = DefaultDir(),
                                                 std::string* error = nullptr);
    static std::string DefaultDir();

    const std::string& Name() const { return name_; }

    // The clock at an instant (seconds since 1970-01-01 00:00 UTC).
    ZoneClock AtUtc(std::int64_t utcSeconds) const;

    // The clock at a local civil date and time of the zone.
    LocalTimeResolution AtLocal(int year, int month, int day, int hour, int minute) const;

    // Parsed pieces of the file, public for the parser's helpers.
    struct Type {
        int Offset;
        bool Dst;
        std::string Abbreviation;
    };
    struct Rule; // the footer's POSIX TZ rule for instants after the table

    ~TimeZoneHistory();

private:
    TimeZoneHistory() = default;
    std::optional<ZoneClock> FromRule(std::int64_t utcSeconds) const;
    int StandardOffsetAround(std::size_t transition, int fallback) const;

    std::string name_;
    std::vector<std::int64_t> times_;
    std::vector<std::uint8_t> typeOf_;
    std::vector<Type> types_;
    std::unique_ptr<Rule> rule_;
};

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(int year, int month, int day);

} // namespace tirovane::atlas
