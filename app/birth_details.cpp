#include "app/birth_details.h"

#include "app/reference_tables.h"

#include <cstdlib>

namespace tirovane {

void SelectZoneRow(BirthDetails& details, int row) {
    const ZoneRow& zone = LoadReferenceTables().Zones.at(static_cast<std::size_t>(row));
    details.ZoneRow = row;
    details.ZoneHours = std::abs(zone.WestHours);
    details.ZoneMinutes = std::abs(zone.WestMinutes);
}

} // namespace tirovane
