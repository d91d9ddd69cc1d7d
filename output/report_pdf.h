#pragma once

#include "output/report_model.h"

#include <optional>
#include <string>

class QPagedPaintDevice;

// The report laid out on A4 pages: the people's details, positions and
// charts, then the Manglik lines and the match, then the effects and
// remedies, with the program and the date made at the foot of every page.
// One painting routine serves the PDF file and the printer.

namespace tirovane {

// A4 upright with the report's margins.
void SetReportPageLayout(QPagedPaintDevice& device);

// Paints every page of the report on `device` (a PDF writer or a printer,
// already laid out); false when nothing could be painted on it.
bool PaintReport(QPagedPaintDevice& device, const ReportModel& report);

// The report as a PDF file: real text with its fonts embedded, vector
// charts. Nothing when it could not be made.
std::optional<std::string> ReportPdfBytes(const ReportModel& report);

} // namespace tirovane
