#pragma once

#include "reading/chart_cells.h"

#include <QFont>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <array>

class QPainter;

// A person's Rashi chart as lines and text, in either style. The chart is
// laid out once in a square of its own units; the windows place labels at
// the laid-out boxes, and the print-out and the report draw the same layout
// scaled to where it goes, so every target shows the same chart.

namespace tirovane {

// The side of a chart in chart units (one unit is one pixel in the windows).
inline constexpr double ChartSide = 322;

// One house (North Indian) or cell (South Indian) of a laid-out chart, in
// chart units.
struct ChartPlace {
    QPolygonF Shape;
    int Sign = 0;        // the sign it stands for, 0 Aries .. 11 Pisces
    QString Text;        // the cell's lines, "\n" between them
    QRectF TextBox;      // where those lines go
    QFont Font;          // the largest font in which they fit there
    Qt::Alignment Align; // of the lines within the box
    QString Number;      // the sign number, "1" .. "12"
    QRectF NumberBox;
    QFont NumberFont;
};

struct ChartLayout {
    ChartStyle Style = ChartStyle::South;
    // South Indian: place k is the cell of sign k. North Indian: place h is
    // house h + 1, the first house at the top centre, the others counter-
    // clockwise.
    std::array<ChartPlace, 12> Places;
};

// Lays out a chart: `cells` are the texts of the twelve signs (Aries first,
// as FillRashiChart makes them); `ascendantSign` decides which sign each
// North Indian house stands for.
ChartLayout LayOutChart(const ChartCellTexts& cells, int ascendantSign, ChartStyle style);

// The grid of a chart of this style in chart units: its background and its
// lines, without any text.
void DrawChartGrid(QPainter& painter, ChartStyle style);

// Draws the whole chart, grid and texts, scaled into the square `area`.
void DrawRashiChart(QPainter& painter, const QRectF& area, const ChartCellTexts& cells,
                    int ascendantSign, ChartStyle style);

// The chart's colours: the grid's lines, its background and the empty
// centre of the South Indian square, and the sign numbers.
inline constexpr unsigned ChartLineColour = 0xaa3c14;
inline constexpr unsigned ChartBackgroundColour = 0xfffaf0;
inline constexpr unsigned ChartCentreColour = 0xfff4e2;
inline constexpr unsigned ChartNumberColour = 0xa05a00;

} // namespace tirovane
