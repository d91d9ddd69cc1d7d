#pragma once

#include "reading/calculation.h"
#include "reading/chart_cells.h"
#include "texts/words.h"

#include <array>
#include <string>

// A chart's values as the result window, its picture and the report show
// them, in the language of the words; in English exactly the chart's own
// text forms.

namespace tirovane::texts {

struct ChartValueTexts {
    // "DD Abc MM" of the eleven chart bodies, chart order, the sign in the
    // words' language.
    std::array<std::string, 11> Positions;
    // Ayanamsa, Lagna, nakshatra, pada, lord, Moon sign and the Lagna's
    // whole position, in the order of the captions.
    std::array<std::string, 7> Vedic;
};

ChartValueTexts ChartValuesOf(const PersonChart& chart, const Words& words = English());

// The twelve cells of the Rashi chart, Aries first: "Asc" in the
// ascendant's sign, then the Sanskrit names of the bodies in each sign, a
// retrograde planet's with its mark.
ChartCellTexts ChartCellsOf(const PersonChart& chart, const Words& words = English());

// The twelve cells of the Navamsa chart, as those of the Rashi chart with
// every body and the ascendant in its Navamsa sign.
ChartCellTexts NavamsaCellsOf(const PersonChart& chart, const Words& words = English());

} // namespace tirovane::texts
