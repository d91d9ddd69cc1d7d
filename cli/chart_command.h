#pragma once

#include <istream>
#include <ostream>

namespace tirovane::cli {

// `tirovane-cli chart`: one person per input line (JSON), one chart or
// error object per output line, in input order. Returns the exit status:
// 0 when every line was charted, 1 otherwise.
int RunChart(std::istream& in, std::ostream& out);

} // namespace tirovane::cli
