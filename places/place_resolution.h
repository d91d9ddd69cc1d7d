#pragma once

#include "atlas/atlas.h"
#include "atlas/time_zone_history.h"
#include "reading/birth_details.h"

#include <optional>
#include <string>
#include <string_view>

// From a place of the atlas and a local birth date and time to what the
// input form asks for: degrees and minutes with hemispheres, the row of the
// zone list and the daylight-saving box, as they were on that date.

namespace tirovane {

// Latitude and longitude as the form's boxes hold them: whole degrees and
// minutes rounded to the nearest, with the hemispheres.
struct FormCoordinates {
    int LatitudeDegrees = 0;
    int LatitudeMinutes = 0;
    bool South = false;
    int LongitudeDegrees = 0;
    int LongitudeMinutes = 0;
    bool East = true;
};
FormCoordinates CoordinatesForForm(double latitude, double longitude);

// A zone row and daylight-saving box for a UTC offset.
struct ZoneRowChoice {
    int Row = 0;
    bool DaylightSaving = false;
    // The true offset minus the offset the row and box stand for: zero when
    // they give the birth instant exactly.
    int ErrorSeconds = 0;
};

// offset: the total offset in force (east positive, seconds); standard: the
// offset without daylight saving; daylightSaving: whether it was in force.
// A row with the standard offset (standard-time rows first, then the one
// the place's users know) with the box set when daylight saving was in
// force; else a row with the total offset and the box cleared; else the
// nearest row.
ZoneRowChoice ChooseZoneRow(int offsetSeconds, int standardOffsetSeconds, bool daylightSaving,
                            std::string_view countryCode, std::string_view timeZone);

// What the zone's clock kept: standard time, daylight saving time, war
// time (daylight saving from 1939 to 1945) or local mean time (before the
// zone had a standard offset).
enum class ClockKind { Standard, DaylightSaving, WarTime, LocalMean };

struct PlaceTime {
    std::string TimeZone;
    int UtcOffsetSeconds = 0;        // the total offset taken, east positive
    bool ZoneDaylightSaving = false; // the database's word: daylight saving in force
    atlas::LocalTimeKind Kind = atlas::LocalTimeKind::Unique;
    ZoneRowChoice Choice;
    ClockKind Clock = ClockKind::Standard;
    // The local date and time asked about.
    int Year = 0, Month = 1, Day = 1, Hour = 0, Minute = 0;
    // For a skipped or repeated local time: the offset taken and the other.
    int TakenOffsetSeconds = 0;
    int OtherOffsetSeconds = 0;
};

// The zone's clock at that local date and time. Nothing, with the reason in
// *error, when the zone is not in the system's time-zone database.
std::optional<PlaceTime>
ResolvePlaceTime(const atlas::Place& place, int year, int month, int day, int hour, int minute,
                 std::string* error = nullptr,
                 const std::string& zoneinfoDir = atlas::TimeZoneHistory::DefaultDir());

// "UTC+5:30", "UTC-4:00", "UTC+5:21:10".
std::string FormatUtcOffset(int offsetSeconds);

// Fills the coordinates, zone row, daylight-saving flag, city, state and
// country of a person from a place and its clock. A place without a region
// gets its country as the state, which the form requires.
void ApplyPlace(BirthDetails& details, const atlas::Place& place, const PlaceTime& time);

} // namespace tirovane
