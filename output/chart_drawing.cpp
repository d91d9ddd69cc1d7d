#include "output/chart_drawing.h"

#include "output/text_fonts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace tirovane {

namespace {

// The chart's square lies one unit in from the edges, 320 units a side.
constexpr double Margin = 1;
constexpr double Side = ChartSide - 2 * Margin;
constexpr double Cell = Side / 4;

// Fonts are given in pixels (chart units), so that a chart measures the same
// on a screen, a printer and a PDF page. 12 pixels is 9 points on a screen.
constexpr int LargestTextPixels = 12;
constexpr int SmallestTextPixels = 3;
constexpr int NumberPixels = 9;

QFont ChartFont(int pixels) {
    QFont font = TextFont();
    font.setPixelSize(pixels);
    // Unhinted, the text measures in proportion to its size, so a chart laid
    // out in chart units keeps its fit when it is scaled onto paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QColor Colour(unsigned rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QString CellText(const std::string& cell) {
    QString text = QString::fromStdString(cell);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// The size the lines of `text` take in `font`.
QSizeF BlockSize(const QString& text, const QFont& font) {
    if (text.isEmpty()) {
        return {0, 0};
    }
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split(QLatin1Char('\n'));
    double width = 0;
    for (const QString& line : lines) {
        // A label also makes room for the ink beyond the advance (the
        // Bengali and Malayalam vowel signs written before a consonant).
        width = std::max({width, metrics.horizontalAdvance(line),
                          metrics.boundingRect(QRectF(), Qt::TextSingleLine, line).width()});
    }
    // The last line needs its height, the others their line spacing, each
    // rounded up to whole units as a label on screen lays its lines out.
    return {std::ceil(width) + 1,
            std::ceil(metrics.lineSpacing()) * static_cast<double>(lines.size() - 1) +
                std::ceil(metrics.height()) + 1};
}

QSizeF NumberSize(const QString& number, const QFont& font) {
    const QFontMetricsF metrics(font);
    return {std::ceil(metrics.horizontalAdvance(number)) + 1, std::ceil(metrics.height())};
}

// (column, row) of the South Indian cell of sign k: clockwise from the
// second cell of the top row.
QPoint SouthCell(int sign) {
    static constexpr int Cells[12][2] = {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3},
                                         {2, 3}, {1, 3}, {0, 3}, {0, 2}, {0, 1}, {0, 0}};
    return {Cells[sign][0], Cells[sign][1]};
}

void LayOutSouth(ChartLayout& layout, const ChartCellTexts& cells) {
    for (int k = 0; k < 12; ++k) {
        ChartPlace& place = layout.Places[static_cast<std::size_t>(k)];
        const QPoint at = SouthCell(k);
        const QRectF cell(Margin + at.x() * Cell, Margin + at.y() * Cell, Cell, Cell);
        place.Shape = QPolygonF(cell);
        place.Sign = k;
        place.Text = CellText(cells[static_cast<std::size_t>(k)]);
        place.Number = QString::number(k + 1);
        place.NumberFont = ChartFont(NumberPixels);
        const QSizeF number = NumberSize(place.Number, place.NumberFont);
        place.NumberBox =
            QRectF(cell.right() - number.width() - 3, cell.bottom() - number.height() - 1,
                   number.width(), number.height());
        // The lines start near the top left corner and keep above the number.
        const QRectF room(cell.left() + 7, cell.top() + 4, Cell - 9,
                          place.NumberBox.top() - 1 - (cell.top() + 4));
        place.Align = Qt::AlignLeft | Qt::AlignTop;
        int pixels = LargestTextPixels;
        QSizeF need = BlockSize(place.Text, ChartFont(pixels));
        while (pixels > SmallestTextPixels &&
               (need.width() > room.width() || need.height() > room.height())) {
            need = BlockSize(place.Text, ChartFont(--pixels));
        }
        place.Font = ChartFont(pixels);
        place.TextBox =
            QRectF(room.topLeft(), QSizeF(room.width(), std::min(need.height(), room.height())));
    }
}

// The North Indian diamond in unit coordinates (0..1 across the square):
// each house's corners, the corner at the chart's inside from which its
// sign number is set, and the way out from that corner into the house.
struct NorthHouse {
    std::array<QPointF, 4> Corners;
    int CornerCount;
    QPointF Inner;
    QPointF Outward;
};

constexpr std::array<NorthHouse, 12> NorthHouses = {{
    {{{{0.5, 0}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.25}}}, 4, {0.5, 0.5}, {0, -1}},
    {{{{0, 0}, {0.5, 0}, {0.25, 0.25}}}, 3, {0.25, 0.25}, {0, -1}},
    {{{{0, 0}, {0.25, 0.25}, {0, 0.5}}}, 3, {0.25, 0.25}, {-1, 0}},
    {{{{0, 0.5}, {0.25, 0.25}, {0.5, 0.5}, {0.25, 0.75}}}, 4, {0.5, 0.5}, {-1, 0}},
    {{{{0, 0.5}, {0.25, 0.75}, {0, 1}}}, 3, {0.25, 0.75}, {-1, 0}},
    {{{{0, 1}, {0.25, 0.75}, {0.5, 1}}}, 3, {0.25, 0.75}, {0, 1}},
    {{{{0.5, 1}, {0.25, 0.75}, {0.5, 0.5}, {0.75, 0.75}}}, 4, {0.5, 0.5}, {0, 1}},
    {{{{0.5, 1}, {0.75, 0.75}, {1, 1}}}, 3, {0.75, 0.75}, {0, 1}},
    {{{{1, 1}, {0.75, 0.75}, {1, 0.5}}}, 3, {0.75, 0.75}, {1, 0}},
    {{{{1, 0.5}, {0.75, 0.75}, {0.5, 0.5}, {0.75, 0.25}}}, 4, {0.5, 0.5}, {1, 0}},
    {{{{1, 0.5}, {0.75, 0.25}, {1, 0}}}, 3, {0.75, 0.25}, {1, 0}},
    {{{{1, 0}, {0.75, 0.25}, {0.5, 0}}}, 3, {0.75, 0.25}, {0, -1}},
}};

QPointF InChart(QPointF unit) {
    return {Margin + unit.x() * Side, Margin + unit.y() * Side};
}

// Whether `box` lies inside the convex `shape` at least `clearance` units
// from each of its edges.
bool InsideWithClearance(const QRectF& box, const QPolygonF& shape, double clearance) {
    // The corners of a convex shape run the same way round: every corner of
    // the box must lie on the inner side of each edge, far enough in.
    const int n = static_cast<int>(shape.size());
    double turn = 0;
    for (int i = 0; i < n; ++i) {
        const QPointF a = shape[i];
        const QPointF b = shape[(i + 1) % n];
        const QPointF c = shape[(i + 2) % n];
        turn += (b.x() - a.x()) * (c.y() - b.y()) - (b.y() - a.y()) * (c.x() - b.x());
    }
    const double side = turn > 0 ? 1 : -1;
    for (int i = 0; i < n; ++i) {
        const QPointF a = shape[i];
        const QPointF b = shape[(i + 1) % n];
        const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
        for (const QPointF p :
             {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
            const double cross =
                (b.x() - a.x()) * (p.y() - a.y()) - (b.y() - a.y()) * (p.x() - a.x());
            if (side * cross / length < clearance) {
                return false;
            }
        }
    }
    return true;
}

// The box of size `size` centred `distance` units out from `from`.
QRectF BoxOut(QPointF from, QPointF outward, double distance, QSizeF size) {
    const QPointF centre = from + outward * distance;
    return {centre.x() - size.width() / 2, centre.y() - size.height() / 2, size.width(),
            size.height()};
}

void LayOutNorth(ChartLayout& layout, const ChartCellTexts& cells, int ascendantSign) {
    constexpr double Clearance = 2;
    for (int h = 0; h < 12; ++h) {
        const NorthHouse& house = NorthHouses[static_cast<std::size_t>(h)];
        ChartPlace& place = layout.Places[static_cast<std::size_t>(h)];
        place.Shape.clear();
        for (int c = 0; c < house.CornerCount; ++c) {
            place.Shape << InChart(house.Corners[static_cast<std::size_t>(c)]);
        }
        place.Sign = HouseSign(ascendantSign, h);
        place.Text = CellText(cells[static_cast<std::size_t>(place.Sign)]);
        place.Align = Qt::AlignHCenter | Qt::AlignTop;
        place.Number = QString::number(place.Sign + 1);
        place.NumberFont = ChartFont(NumberPixels);

        // The sign number sits just inside the house's inner corner, where
        // the house is narrow; the lines fill the wider part beyond it.
        const QPointF inner = InChart(house.Inner);
        const QSizeF number = NumberSize(place.Number, place.NumberFont);
        double numberAt = 4;
        while (
            !InsideWithClearance(BoxOut(inner, house.Outward, numberAt, number), place.Shape, 1)) {
            numberAt += 0.5;
        }
        place.NumberBox = BoxOut(inner, house.Outward, numberAt, number);

        // The largest font whose lines fit somewhere beyond the number; of
        // the places where they fit, the middle one.
        const double reach = Side / 2;
        for (int pixels = LargestTextPixels;; --pixels) {
            place.Font = ChartFont(pixels);
            const QSizeF need = BlockSize(place.Text, place.Font);
            double first = -1;
            double last = -1;
            for (double t = numberAt; t <= reach; t += 0.5) {
                const QRectF box = BoxOut(inner, house.Outward, t, need);
                if (InsideWithClearance(box, place.Shape, Clearance) &&
                    !box.intersects(place.NumberBox.adjusted(-1, -1, 1, 1))) {
                    if (first < 0) {
                        first = t;
                    }
                    last = t;
                }
            }
            if (first >= 0 || pixels == SmallestTextPixels) {
                const double t = first >= 0 ? (first + last) / 2 : numberAt + reach / 4;
                place.TextBox = BoxOut(inner, house.Outward, t, need);
                break;
            }
        }
    }
}

} // namespace

ChartLayout LayOutChart(const ChartCellTexts& cells, int ascendantSign, ChartStyle style) {
    ChartLayout layout;
    layout.Style = style;
    if (style == ChartStyle::North) {
        LayOutNorth(layout, cells, ascendantSign);
    } else {
        LayOutSouth(layout, cells);
    }
    return layout;
}

void DrawChartGrid(QPainter& painter, ChartStyle style) {
    painter.save();
    painter.fillRect(QRectF(0, 0, ChartSide, ChartSide), Colour(ChartBackgroundColour));
    painter.setPen(QPen(Colour(ChartLineColour), 1));
    painter.setBrush(Qt::NoBrush);
    const QRectF square(Margin, Margin, Side, Side);
    if (style == ChartStyle::North) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawRect(square);
        painter.drawLine(square.topLeft(), square.bottomRight());
        painter.drawLine(square.topRight(), square.bottomLeft());
        const QPointF diamond[] = {InChart({0.5, 0}), InChart({1, 0.5}), InChart({0.5, 1}),
                                   InChart({0, 0.5})};
        painter.drawPolygon(diamond, 4);
    } else {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.fillRect(QRectF(Margin + Cell, Margin + Cell, 2 * Cell, 2 * Cell),
                         Colour(ChartCentreColour));
        painter.drawRect(square);
        for (int k = 1; k < 4; ++k) {
            const double at = Margin + k * Cell;
            if (k == 2) {
                // The middle lines stop at the empty centre.
                painter.drawLine(QPointF(at, Margin), QPointF(at, Margin + Cell));
                painter.drawLine(QPointF(at, Margin + 3 * Cell), QPointF(at, Margin + Side));
                painter.drawLine(QPointF(Margin, at), QPointF(Margin + Cell, at));
                painter.drawLine(QPointF(Margin + 3 * Cell, at), QPointF(Margin + Side, at));
            } else {
                painter.drawLine(QPointF(at, Margin), QPointF(at, Margin + Side));
                painter.drawLine(QPointF(Margin, at), QPointF(Margin + Side, at));
            }
        }
    }
    painter.restore();
}

void DrawRashiChart(QPainter& painter, const QRectF& area, const ChartCellTexts& cells,
                    int ascendantSign, ChartStyle style) {
    const ChartLayout layout = LayOutChart(cells, ascendantSign, style);
    painter.save();
    painter.translate(area.topLeft());
    painter.scale(area.width() / ChartSide, area.height() / ChartSide);
    DrawChartGrid(painter, style);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const ChartPlace& place : layout.Places) {
        painter.setPen(Qt::black);
        painter.setFont(place.Font);
        painter.drawText(place.TextBox, static_cast<int>(place.Align) | Qt::TextDontClip,
                         place.Text);
        painter.setPen(Colour(ChartNumberColour));
        painter.setFont(place.NumberFont);
        painter.drawText(place.NumberBox, Qt::AlignCenter | Qt::TextDontClip, place.Number);
    }
    painter.restore();
}

} // namespace tirovane
