#pragma once

#include "engine/tables.h"

#include <array>
#include <string>

// The contents of the twelve sign cells of a person's Rashi chart.

namespace tirovane {

using ChartCellTexts = std::array<std::string, 12>;

// Cell k (0 Aries .. 11 Pisces) lists "Asc" first when the ascendant is in
// sign k, then the names of the bodies Sun to Ketu standing there, in chart
// order, one per line (lines joined by CR LF). The signs come from the
// sidereal longitudes (chart order); the names are shown as given.
ChartCellTexts FillRashiChart(const std::array<double, engine::ChartBodyCount>& longitudes,
                              const std::array<std::string, engine::ChartBodyCount>& sanskritNames);

} // namespace tirovane
