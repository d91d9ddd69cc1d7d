#pragma once

#include "reading/chart_cells.h"

#include <QWidget>
#include <array>

class QLabel;

namespace tirovane {

// A North Indian Rashi chart: a square with its diagonals and the diamond
// joining the middles of its sides, twelve houses counted counter-clockwise
// from the first house at the top centre. Each house shows the number of
// its sign near the centre of the chart and the sign's cell beyond it.
class NorthChartWidget : public QWidget {
    Q_OBJECT
public:
    // `person` 0 names the labels lblNorthHouse_Male_h and
    // lblNorthSign_Male_h, person 1 the same names ending in _Female_h.
    // The Navamsa chart's are named lblNavamsaHouse_Male_h and the like.
    NorthChartWidget(int person, QWidget* parent = nullptr, bool navamsa = false);

    // The cells of the twelve signs (Aries first) and the ascendant's sign.
    // While the chart is hidden (the South Indian style is chosen) they are
    // kept and laid out when it is shown.
    void SetChart(const ChartCellTexts& cells, int ascendantSign);
    void setVisible(bool visible) override;

    QSize sizeHint() const override { return size(); }
    QSize minimumSizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void LayOut();

    ChartCellTexts cells_{};
    int ascendantSign_ = 0;
    bool laidOut_ = false;
    std::array<QLabel*, 12> houses_{};
    std::array<QLabel*, 12> numbers_{};
};

} // namespace tirovane
