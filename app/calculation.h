#pragma once

#include "app/birth_details.h"
#include "app/chart_cells.h"
#include "engine/engine_input.h"
#include "engine/tables.h"
#include "manglik/manglik.h"

#include <array>
#include <string>

// The calculation pipeline: one person's birth details through the engine to
// the values the result shows.

namespace tirovane {

struct PersonChart {
    std::string AyanamsaText;
    std::string AscendantText;
    std::string MidheavenText;
    std::string MoonPositionText;
    std::string MoonNakshatra;
    std::string MoonSignName;
    // Chart form "DD Abc MM" of the eleven chart bodies in chart order.
    std::array<std::string, engine::ChartBodyCount> ChartPositions;
    std::array<std::string, engine::ChartBodyCount> ChartBodyNames;
    std::array<std::string, engine::ChartBodyCount> ChartBodySanskritNames;

    // Derived display values.
    std::string AyanamsaDisplay; // the ayanamsa without its minus sign
    std::string AscendantSign;   // abbreviation of the ascendant's sign
    std::string LagnaName;       // Sanskrit name of the ascendant's sign
    std::string NakshatraLord;
    std::string PadaCount;

    // The twelve cells of the Rashi chart, Aries first.
    ChartCellTexts ChartCells;
    // The Manglik evaluations from the ascendant and from the Moon.
    manglik::ManglikResult LagnaChart;
    manglik::ManglikResult RashiChart;
};

// The engine's input for a person: the zone values come from the person's
// row of the zone table, magnitudes and signed values alike.
engine::EngineInput MakeEngineInput(const BirthDetails& details);

// Runs the engine (ascendant, then Moon, then planets), marks retrograde
// planets in the Sanskrit names, derives the
// display values. A sign or nakshatra that cannot be recognised keeps the
// value that `previous` (the chart computed before) held.
PersonChart CalculateChart(const engine::EngineInput& input, const PersonChart& previous = {});

} // namespace tirovane
