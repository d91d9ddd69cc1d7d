#pragma once

#include "engine/described_chart.h"
#include "engine/sidereal_chart.h"
#include "engine/tables.h"
#include "manglik/manglik.h"
#include "reading/birth_details.h"
#include "reading/birth_instant.h"
#include "reading/chart_cells.h"

#include <array>
#include <string>

// The calculation pipeline: one person's birth instant and place through the
// engine to the values the result shows.

namespace tirovane {

// Which engine computes the positions: the described one (the default) or
// the precise ephemeris.
enum class ChartEngineChoice { Described, Precise };

struct PersonChart {
    // The engine's numbers: longitudes, ayanamsa, retrograde flags.
    engine::SiderealChart Sidereal;
    // The engine that computed them; for the precise one, whether the
    // library fell back to its analytic theory (its files missing).
    ChartEngineChoice Engine = ChartEngineChoice::Described;
    bool AnalyticFallback = false;

    // The text forms of the numbers, as the result shows and stores them.
    std::string AyanamsaText;
    std::string AscendantText;
    std::string MidheavenText;
    std::string MoonPositionText;
    std::string MoonNakshatra;
    std::string MoonSignName;
    // Chart form "DD Abc MM" of the eleven chart bodies in chart order.
    std::array<std::string, engine::ChartBodyCount> ChartPositions;
    std::array<std::string, engine::ChartBodyCount> ChartBodyNames;
    // The Sanskrit names, " (R) " after a retrograde planet's.
    std::array<std::string, engine::ChartBodyCount> ChartBodySanskritNames;

    // Derived display values.
    std::string AyanamsaDisplay; // the ayanamsa without its minus sign
    std::string AscendantSign;   // abbreviation of the ascendant's sign
    int AscendantSignIndex = 0;  // its index, 0 Aries .. 11 Pisces
    std::string LagnaName;       // Sanskrit name of the ascendant's sign
    std::string NakshatraLord;
    std::string PadaCount;

    // The twelve cells of the Rashi chart, Aries first.
    ChartCellTexts ChartCells;
    // The Manglik evaluations from the ascendant and from the Moon.
    manglik::ManglikResult LagnaChart;
    manglik::ManglikResult RashiChart;
};

// The display values, the chart cells and both Manglik evaluations of a
// chart of numbers.
PersonChart ChartFromNumbers(const engine::SiderealChart& sidereal);

// Runs a chart engine (the described one unless another is given), marks
// the retrograde planets from the station tables at the entered local date,
// and derives the display values.
PersonChart CalculateChart(const engine::EngineInput& input,
                           engine::ChartEngine chartEngine = engine::ComputeDescribedChart);

// The same values from the chosen engine. The precise engine marks the
// planets retrograde from their speeds; it throws
// engine::PreciseEngineError when the library refuses the moment.
PersonChart CalculateChart(const engine::EngineInput& input, ChartEngineChoice engine);

} // namespace tirovane
