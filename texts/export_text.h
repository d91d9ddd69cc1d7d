#pragma once

#include "reading/birth_details.h"
#include "reading/calculation.h"

#include <string>

// The text export of one person's chart, in English as it has always
// been written (the export is a file of the program's own words).

namespace tirovane {

// The 41 lines of the export as UTF-8 text, each ended by CR LF; the three
// blank separator lines hold a single carriage return of their own.
std::string ExportChartText(const BirthDetails& details, const PersonChart& chart);

} // namespace tirovane
