#pragma once

#include "cli/precise_options.h"

#include <istream>
#include <ostream>

namespace tirovane::cli {

// `tirovane-cli chart`: one person per input line (JSON), one chart or
// error object per output line, in input order. Returns the exit status:
// 0 when every line was charted, 1 otherwise. With options.Precise the
// charts come from the precise ephemeris; with options.CrossCheck every
// chart gets its "CrossCheck".
int RunChart(std::istream& in, std::ostream& out, const EngineOptions& options = {});

} // namespace tirovane::cli
