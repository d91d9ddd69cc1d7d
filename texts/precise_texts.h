#pragma once

#include "reading/calculation.h"
#include "texts/words.h"

#include <string>

// The chart of the precise ephemeris as the window beside the result shows
// it.

namespace tirovane::texts {

// Lines of text: the engine, the positions of the eleven bodies, the other
// Vedic details and both Manglik verdicts, in the language of the words.
std::string PreciseChartText(const PersonChart& chart, const Words& words = English());

} // namespace tirovane::texts
