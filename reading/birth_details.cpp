#include "reading/birth_details.h"

#include "reading/reference_tables.h"

namespace tirovane {

void SelectZoneRow(BirthDetails& details, int row) {
    (void)LoadReferenceTables().Zones.at(static_cast<std::size_t>(row));
    details.ZoneRow = row;
}

} // namespace tirovane
