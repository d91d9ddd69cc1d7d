#pragma once

// The program's name and version as its windows, print-outs and reports
// show them.

namespace tirovane {

inline constexpr const char* ProgramCaption = "Tirovane v1.15";

} // namespace tirovane
