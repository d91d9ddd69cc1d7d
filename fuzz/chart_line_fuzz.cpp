// Fuzz target: tirovane-cli's line handling on any input, several lines at
// a time, through the same function the tool runs.

#include "cli/chart_command.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    const int status = tirovane::cli::RunChart(in, out);
    if (status != 0 && status != 1) {
        __builtin_trap();
    }
    return 0;
}
