#pragma once

#include "engine/tables.h"

#include <array>
#include <string>
#include <string_view>

// The contents of the twelve sign cells of a person's Rashi chart.

namespace tirovane {

using ChartCellTexts = std::array<std::string, 12>;

// Cell k (0 Aries .. 11 Pisces) lists "Asc" first when the ascendant is in
// sign k, then the Sanskrit names of the bodies Sun to Ketu standing there,
// in chart order, one per line (lines joined by CR LF).
ChartCellTexts FillRashiChart(const std::array<std::string, engine::ChartBodyCount>& chartPositions,
                              const std::array<std::string, engine::ChartBodyCount>& sanskritNames,
                              std::string_view ascendantSign);

} // namespace tirovane
