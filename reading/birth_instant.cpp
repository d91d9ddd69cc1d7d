#include "reading/birth_instant.h"

#include "reading/reference_tables.h"

namespace tirovane {

engine::BirthInstant ComputeBirthInstant(const BirthDetails& details) {
    const ZoneRow& zone = LoadReferenceTables().Zones.at(static_cast<std::size_t>(details.ZoneRow));
    return engine::MakeBirthInstant(
        {details.Year, details.Month, details.Day, details.Hour, details.Minute}, zone.WestHours,
        zone.WestMinutes, details.DaylightSaving);
}

engine::GeoPlace PlaceOf(const BirthDetails& details) {
    return engine::MakeGeoPlace(details.LatitudeDegrees, details.LatitudeMinutes, details.South,
                                details.LongitudeDegrees, details.LongitudeMinutes, details.East);
}

engine::EngineInput MakeEngineInput(const BirthDetails& details) {
    return {ComputeBirthInstant(details), PlaceOf(details)};
}

} // namespace tirovane
