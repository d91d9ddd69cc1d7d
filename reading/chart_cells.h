#pragma once

#include "engine/tables.h"

#include <array>
#include <string>

// The contents of the twelve sign cells of a person's Rashi chart.

namespace tirovane {

using ChartCellTexts = std::array<std::string, 12>;

// How a Rashi chart is drawn: the South Indian square with the signs in
// fixed places (the default), or the North Indian diamond with the houses
// in fixed places, counted from the ascendant.
enum class ChartStyle { South, North };

// The sign (0 Aries .. 11 Pisces) of house `house` (0 the first house .. 11
// the twelfth) of a chart whose ascendant is in sign `ascendantSign`: the
// first house is the ascendant's sign, the others follow in zodiac order.
// A North Indian chart shows in each house that sign's number and cell.
int HouseSign(int ascendantSign, int house);

// Cell k (0 Aries .. 11 Pisces) lists the ascendant's mark ("Asc") first
// when the ascendant is in sign k, then the names of the bodies Sun to Ketu
// standing there, in chart order, one per line (lines joined by CR LF). The
// signs come from the sidereal longitudes (chart order); the names and the
// mark are shown as given.
ChartCellTexts FillRashiChart(const std::array<double, engine::ChartBodyCount>& longitudes,
                              const std::array<std::string, engine::ChartBodyCount>& sanskritNames,
                              std::string_view ascendantMark = "Asc");

} // namespace tirovane
