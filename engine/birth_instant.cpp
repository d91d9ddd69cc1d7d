#include "engine/birth_instant.h"

namespace tirovane::engine {

BirthInstant MakeBirthInstant(const CivilDateTime& local, int signedZoneHours,
                              int signedZoneMinutes, bool daylightSaving) {
    BirthInstant instant;
    instant.Local = local;
    const double clockHours = local.Hour + local.Minute / 60.0;
    const double signedZone = signedZoneHours + signedZoneMinutes / 60.0;
    instant.UniversalHours = UniversalHours(clockHours, signedZone, daylightSaving);
    const long long offset = signedZoneHours * 60LL + signedZoneMinutes - (daylightSaving ? 60 : 0);
    instant.Universal = AddMinutes(local, offset);
    const CivilDateTime& u = instant.Universal;
    instant.JulianDayUT =
        JulianDayNumber(u.Month, u.Day, u.Year) - 0.5 + (u.Hour * 60 + u.Minute) / 1440.0;
    return instant;
}

GeoPlace MakeGeoPlace(int latitudeDegrees, int latitudeMinutes, bool south, int longitudeDegrees,
                      int longitudeMinutes, bool east) {
    const double latitude = latitudeDegrees + latitudeMinutes / 60.0;
    const double longitude = longitudeDegrees + longitudeMinutes / 60.0;
    return {south ? -latitude : latitude, east ? -longitude : longitude};
}

} // namespace tirovane::engine
