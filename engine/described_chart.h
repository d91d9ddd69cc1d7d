#pragma once

#include "engine/sidereal_chart.h"

// The described engine: the ascendant and midheaven, the Moon, the planets
// and the nodes by their closed formulas, as one chart.

namespace tirovane::engine {

// Runs the ascendant's routine, the Moon's and the planets' (which uses the
// ascendant's ayanamsa) for one instant and place. The retrograde flags are
// left false: they come from the station tables.
SiderealChart ComputeDescribedChart(const BirthInstant& instant, const GeoPlace& place);

} // namespace tirovane::engine
