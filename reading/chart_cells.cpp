#include "reading/chart_cells.h"

#include "engine/sidereal_chart.h"

namespace tirovane {

ChartCellTexts FillRashiChart(const std::array<double, engine::ChartBodyCount>& longitudes,
                              const std::array<std::string, engine::ChartBodyCount>& sanskritNames,
                              std::string_view ascendantMark) {
    ChartCellTexts cells;
    cells[static_cast<std::size_t>(engine::SignIndexOf(longitudes[engine::Ascendant]))] =
        ascendantMark;
    for (int b = engine::Sun; b <= engine::Ketu; ++b) {
        std::string& cell = cells[static_cast<std::size_t>(engine::SignIndexOf(longitudes[b]))];
        if (!cell.empty()) {
            cell += "\r\n";
        }
        cell += sanskritNames[b];
    }
    return cells;
}

int HouseSign(int ascendantSign, int house) {
    return (ascendantSign + house) % 12;
}

} // namespace tirovane
