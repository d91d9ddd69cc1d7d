#include "app/birth_details.h"

#include "app/reference_tables.h"

namespace tirovane {

void SelectZoneRow(BirthDetails& details, int row) {
    (void)LoadReferenceTables().Zones.at(static_cast<std::size_t>(row));
    details.ZoneRow = row;
}

} // namespace tirovane
