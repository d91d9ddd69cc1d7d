#pragma once

#include "app/birth_details.h"
#include "app/calculation.h"

#include <string>
#include <string_view>

// The text export of one person's chart.

namespace tirovane {

// The 41 lines of the export as UTF-8 text, each ended by CR LF; the three
// blank separator lines hold a single carriage return of their own.
std::string ExportChartText(const BirthDetails& details, const PersonChart& chart);

// The bytes of the export file: Windows-1252 when every character has a
// code there, as the export has always been written; otherwise UTF-8 after
// a byte-order mark, so that nothing is lost and editors know the encoding.
std::string ExportFileBytes(std::string_view text);

} // namespace tirovane
