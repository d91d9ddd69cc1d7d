#include "engine/engine_input.h"

#include "engine/calendar.h"

namespace tirovane::engine {

double LocalClockHours(const EngineInput& input) {
    return input.Hour + input.Minute / 60.0;
}

double SignedZoneOffset(const EngineInput& input) {
    return input.SignedZoneHours + input.SignedZoneMinutes / 60.0;
}

double BirthUniversalHours(const EngineInput& input) {
    return UniversalHours(LocalClockHours(input), SignedZoneOffset(input), input.DaylightSaving);
}

double WestLongitude(const EngineInput& input) {
    const double magnitude = input.LongitudeDegrees + input.LongitudeMinutes / 60.0;
    return input.East ? -magnitude : magnitude;
}

double NorthLatitude(const EngineInput& input) {
    const double magnitude = input.LatitudeDegrees + input.LatitudeMinutes / 60.0;
    return input.South ? -magnitude : magnitude;
}

} // namespace tirovane::engine
