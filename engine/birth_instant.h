#pragma once

#include "engine/calendar.h"

// The moment and the place of a birth as the engine takes them: computed
// once per person from the entered details, then handed to every routine.

namespace tirovane::engine {

// One birth moment. Every form of time the engine's routines use is here,
// worked out once from the local clock time and the zone.
struct BirthInstant {
    // The civil date and clock time as entered (local time).
    CivilDateTime Local;
    // Universal time in hours counted from the start of the local civil
    // date: the local clock hours plus the zone row's signed offset, less
    // one hour for daylight saving. Not folded into 0..24, so that it may
    // lie before or after that date; added as a fraction of a day to the
    // Julian Day Number of the local date it gives the instant.
    double UniversalHours = 0;
    // The universal civil date and time, with carries into the day, month
    // and year.
    CivilDateTime Universal;
    // Julian Day of the instant in universal time.
    double JulianDayUT = 0;

    friend bool operator==(const BirthInstant&, const BirthInstant&) = default;
};

// The instant of a local civil date-time in a zone. signedZoneHours and
// signedZoneMinutes are the zone row's west hours and minutes with their
// signs (added to local time they give universal time, so negative east of
// Greenwich); a daylight-saving clock runs one hour ahead of its zone.
BirthInstant MakeBirthInstant(const CivilDateTime& local, int signedZoneHours,
                              int signedZoneMinutes, bool daylightSaving);

// A place on the Earth in the engine's sign convention, degrees.
struct GeoPlace {
    double NorthLatitude = 0; // phi: north positive, south negative
    double WestLongitude = 0; // lambda_g: west positive, east negative

    friend bool operator==(const GeoPlace&, const GeoPlace&) = default;
};

// The place of entered degrees and minutes (magnitudes) and hemispheres.
GeoPlace MakeGeoPlace(int latitudeDegrees, int latitudeMinutes, bool south, int longitudeDegrees,
                      int longitudeMinutes, bool east);

} // namespace tirovane::engine
