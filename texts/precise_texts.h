#pragma once

#include "app/calculation.h"

#include <string>

// The chart of the precise ephemeris as the window beside the result shows
// it.

namespace tirovane::texts {

// Lines of text: the engine, the positions of the eleven bodies, the other
// Vedic details and both Manglik verdicts.
std::string PreciseChartText(const PersonChart& chart);

} // namespace tirovane::texts
