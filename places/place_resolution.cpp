#include "places/place_resolution.h"

#include "reading/reference_tables.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <tuple>

namespace tirovane {

namespace {

int RowOffsetSeconds(const ZoneRow& row) {
    return -(row.WestHours * 3600 + row.WestMinutes * 60);
}

// Rows whose names the people of a place know: Indian Time in India, the
// China Coast in China, New Zealand's rows in New Zealand ...
bool IsKnownRow(int row, std::string_view countryCode, std::string_view timeZone) {
    const auto inCountry = [&](std::initializer_list<std::string_view> codes) {
        for (std::string_view code : codes) {
            if (code == countryCode) {
                return true;
            }
        }
        return false;
    };
    switch (row) {
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
        return inCountry({"AU"});
    case 56:
    case 57:
    case 58:
    case 59:
        return timeZone == "Australia/Adelaide" || timeZone == "Australia/Broken_Hill";
    case 23:
        return inCountry({"CN", "HK", "MO", "TW"});
    case 30:
        return inCountry({"GU", "MP"});
    case 34:
        return inCountry({"IN"});
    case 39:
    case 42:
    case 52:
    case 60:
        return inCountry({"ID"});
    case 46:
    case 47:
    case 48:
    case 49:
        return inCountry({"NZ"});
    case 62:
    case 63:
    case 64:
    case 65:
    case 66:
        return inCountry({"RU", "KZ", "UZ", "TM", "TJ", "KG", "AZ", "AM", "GE"});
    case 15:
    case 16:
    case 17:
        return inCountry({"GB", "IE", "IM", "JE", "GG"});
    default:
        return false;
    }
}

} // namespace

FormCoordinates CoordinatesForForm(double latitude, double longitude) {
    const auto split = [](double value, int& degrees, int& minutes) {
        const long total = std::lround(std::fabs(value) * 60.0);
        degrees = static_cast<int>(total / 60);
        minutes = static_cast<int>(total % 60);
    };
    FormCoordinates c;
    split(latitude, c.LatitudeDegrees, c.LatitudeMinutes);
    split(longitude, c.LongitudeDegrees, c.LongitudeMinutes);
    c.South = latitude < 0;
    c.East = longitude >= 0;
    return c;
}

ZoneRowChoice ChooseZoneRow(int offsetSeconds, int standardOffsetSeconds, bool daylightSaving,
                            std::string_view countryCode, std::string_view timeZone) {
    const auto& zones = LoadReferenceTables().Zones;
    // Lower ranks first. For the standard offset: standard-time rows, then
    // rows the place knows, then the table's order; for a total offset that
    // includes daylight saving, the rows the place knows come first.
    const auto rank = [&](int row, bool knownFirst) {
        const int standard = zones[row].Kind == ZoneKind::Standard ? 0 : 1;
        const int known = IsKnownRow(row, countryCode, timeZone) ? 0 : 1;
        return knownFirst ? std::make_tuple(known, standard, row)
                          : std::make_tuple(standard, known, row);
    };
    const auto best = [&](int wanted, bool knownFirst) {
        int found = -1;
        for (int row = 0; row < ZoneRowCount; ++row) {
            if (RowOffsetSeconds(zones[row]) == wanted &&
                (found < 0 || rank(row, knownFirst) < rank(found, knownFirst))) {
                found = row;
            }
        }
        return found;
    };

    // The box adds exactly one hour: a row with the standard offset and the
    // box set stands for daylight saving only when the clocks went one hour
    // forward.
    const int standard = daylightSaving ? standardOffsetSeconds : offsetSeconds;
    if (!daylightSaving || offsetSeconds - standard == 3600) {
        if (const int row = best(standard, false); row >= 0) {
            return {row, daylightSaving, 0};
        }
    }
    // Clocks the database marks as put forward by whole hours, but more
    // than one, from the standard time around them: a row of the place's
    // own for the total (British double summer time), else the row an hour
    // behind with the box set, as the database's own flag says (France on
    // German summer time in 1942, where the +2 rows belong to other lands).
    const int forward = offsetSeconds - standard;
    if (daylightSaving && forward > 3600 && forward % 3600 == 0) {
        const int own = best(offsetSeconds, true);
        if (own >= 0 && IsKnownRow(own, countryCode, timeZone)) {
            return {own, false, 0};
        }
        if (const int row = best(offsetSeconds - 3600, false); row >= 0) {
            return {row, true, 0};
        }
    }
    if (const int row = best(offsetSeconds, daylightSaving); row >= 0) {
        return {row, false, 0};
    }
    int nearest = 0;
    for (int row = 1; row < ZoneRowCount; ++row) {
        const int d = std::abs(RowOffsetSeconds(zones[row]) - offsetSeconds);
        const int n = std::abs(RowOffsetSeconds(zones[nearest]) - offsetSeconds);
        if (d < n || (d == n && rank(row, false) < rank(nearest, false))) {
            nearest = row;
        }
    }
    return {nearest, false, offsetSeconds - RowOffsetSeconds(zones[nearest])};
}

std::string FormatUtcOffset(int offsetSeconds) {
    const int a = std::abs(offsetSeconds);
    std::string text = std::string("UTC") + (offsetSeconds < 0 ? "-" : "+") +
                       std::to_string(a / 3600) + ":" + (a / 60 % 60 < 10 ? "0" : "") +
                       std::to_string(a / 60 % 60);
    if (a % 60 != 0) {
        text += (a % 60 < 10 ? ":0" : ":") + std::to_string(a % 60);
    }
    return text;
}

std::optional<PlaceTime> ResolvePlaceTime(const atlas::Place& place, int year, int month, int day,
                                          int hour, int minute, std::string* error,
                                          const std::string& zoneinfoDir) {
    const auto zone = atlas::TimeZoneHistory::Load(place.TimeZone, zoneinfoDir, error);
    if (!zone) {
        return std::nullopt;
    }
    const atlas::LocalTimeResolution local = zone->AtLocal(year, month, day, hour, minute);
    const atlas::ZoneClock& clock = local.Clock;

    PlaceTime time;
    time.TimeZone = place.TimeZone;
    time.UtcOffsetSeconds = clock.OffsetSeconds;
    time.ZoneDaylightSaving = clock.DaylightSaving;
    time.Kind = local.Kind;
    time.Choice = ChooseZoneRow(clock.OffsetSeconds, clock.StandardOffsetSeconds,
                                clock.DaylightSaving, place.CountryCode, place.TimeZone);

    time.Clock = ClockKind::Standard;
    if (clock.DaylightSaving) {
        time.Clock =
            (year >= 1939 && year <= 1945) ? ClockKind::WarTime : ClockKind::DaylightSaving;
    } else if (clock.Abbreviation == "LMT" || clock.OffsetSeconds % 60 != 0) {
        time.Clock = ClockKind::LocalMean;
    }
    time.Year = year;
    time.Month = month;
    time.Day = day;
    time.Hour = hour;
    time.Minute = minute;
    time.TakenOffsetSeconds = local.Clock.OffsetSeconds;
    time.OtherOffsetSeconds = local.Other.OffsetSeconds;
    return time;
}

void ApplyPlace(BirthDetails& details, const atlas::Place& place, const PlaceTime& time) {
    const FormCoordinates c = CoordinatesForForm(place.Latitude, place.Longitude);
    details.LatitudeDegrees = c.LatitudeDegrees;
    details.LatitudeMinutes = c.LatitudeMinutes;
    details.South = c.South;
    details.LongitudeDegrees = c.LongitudeDegrees;
    details.LongitudeMinutes = c.LongitudeMinutes;
    details.East = c.East;
    SelectZoneRow(details, time.Choice.Row);
    details.DaylightSaving = time.Choice.DaylightSaving;
    details.City = place.Name;
    details.State = place.State.empty() ? place.Country : place.State;
    details.Country = place.Country;
}

} // namespace tirovane
