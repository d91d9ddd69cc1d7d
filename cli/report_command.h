#pragma once

#include "reading/chart_cells.h"
#include "cli/precise_options.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>

namespace tirovane::cli {

// `tirovane-cli report OUT.pdf [--reading FILE.tvr] [--style south|north]
// [--language CODE]`: the reading (two JSON lines of `in`, or the saved
// reading) computed as the windows compute it and written as a PDF report
// in the language given (a shipped one; "en" by default), whole or not at
// all.
// Writes nothing to standard output; a failure is told on `err` and
// returns 1.
int RunReport(std::istream& in, std::ostream& err, const std::string& target,
              const std::optional<std::string>& reading, const EngineOptions& options,
              ChartStyle style, const std::string& language = "en");

} // namespace tirovane::cli
