#include "app/chart_cells.h"

#include "app/reference_tables.h"

namespace tirovane {

namespace {

// The first sign k = 0 .. 11 whose abbreviation is `sign`, or -1.
int CellOf(std::string_view sign) {
    const auto& abbreviations = LoadReferenceTables().SignAbbreviations;
    for (int k = 0; k < 12; ++k) {
        if (abbreviations[k] == sign) {
            return k;
        }
    }
    return -1;
}

} // namespace

ChartCellTexts FillRashiChart(const std::array<std::string, engine::ChartBodyCount>& chartPositions,
                              const std::array<std::string, engine::ChartBodyCount>& sanskritNames,
                              std::string_view ascendantSign) {
    ChartCellTexts cells;
    if (const int k = CellOf(ascendantSign); k >= 0) {
        cells[k] = "Asc";
    }
    for (int b = engine::Sun; b <= engine::Ketu; ++b) {
        const std::string& position = chartPositions[b];
        const int k = CellOf(position.size() >= 6 ? std::string_view(position).substr(3, 3)
                                                  : std::string_view());
        if (k < 0) {
            continue;
        }
        if (!cells[k].empty()) {
            cells[k] += "\r\n";
        }
        cells[k] += sanskritNames[b];
    }
    return cells;
}

} // namespace tirovane
