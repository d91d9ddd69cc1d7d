#pragma once

#include "reading/chart_cells.h"

#include <QWidget>
#include <array>

class QLabel;

namespace tirovane {

// A South Indian Rashi chart: four by four cells, the central two by two
// empty, the signs in fixed places clockwise from Aries in the second cell
// of the top row. Each cell shows its contents near the top left and its
// sign number at the bottom right.
class RashiChartWidget : public QWidget {
    Q_OBJECT
public:
    // `person` 0 names the labels lblPlanets_Male_k and lblSouthPosition_k,
    // person 1 lblPlanets_Female_k and lblSouthPosition_(12 + k). The
    // Navamsa chart's are named lblNavamsa_Male_k and lblNavamsaPosition_k.
    RashiChartWidget(int person, QWidget* parent = nullptr, bool navamsa = false);

    void SetCells(const ChartCellTexts& cells);

    // Row and column of the cell of sign k (0 Aries .. 11 Pisces).
    static QPoint CellOf(int sign);

    static constexpr int CellSize = 80; // about 1320 twips

    QSize sizeHint() const override { return size(); }
    QSize minimumSizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void FitContent(int sign);

    std::array<QLabel*, 12> contents_{};
    std::array<QLabel*, 12> numbers_{};
};

} // namespace tirovane
