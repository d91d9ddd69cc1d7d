#pragma once

#include <string>

// The engine's one set of inputs for a person, and the values every part of
// the engine derives from it.

namespace tirovane::engine {

struct EngineInput {
    std::string Name;
    int Month = 1;
    int Day = 1;
    int Year = 1901;
    int Hour = 0;
    int Minute = 0;
    // Magnitudes of the zone offset.
    int ZoneHours = 0;
    int ZoneMinutes = 0;
    // The zone row's west hours and minutes with their signs: added to the
    // local clock time they give universal time.
    int SignedZoneHours = 0;
    int SignedZoneMinutes = 0;
    int LongitudeDegrees = 0;
    int LongitudeMinutes = 0;
    int LatitudeDegrees = 0;
    int LatitudeMinutes = 0;
    bool East = false;
    bool South = false;
    bool DaylightSaving = false;
    std::string City;
    std::string State;
    std::string Country;
};

// h: local clock hours.
double LocalClockHours(const EngineInput& input);

// The zone row's offset in hours, to add to local time (west positive).
double SignedZoneOffset(const EngineInput& input);

// Universal time of the birth in hours (may lie outside 0..24).
double BirthUniversalHours(const EngineInput& input);

// lambda_g: longitude in degrees, west positive, east negative.
double WestLongitude(const EngineInput& input);

// phi: latitude in degrees, north positive.
double NorthLatitude(const EngineInput& input);

} // namespace tirovane::engine
