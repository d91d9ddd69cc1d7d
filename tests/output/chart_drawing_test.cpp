#include "output/chart_drawing.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace tirovane {
namespace {

constexpr double Centre = ChartSide / 2;

QPointF Middle(const QPolygonF& shape) {
    QPointF sum;
    for (const QPointF& p : shape) {
        sum += p;
    }
    return sum / static_cast<double>(shape.size());
}

// The angle of a point around the chart's centre, counter-clockwise as the
// eye sees it (the screen's y axis points down), in degrees 0..360.
double AngleOnScreen(QPointF p) {
    const double a = std::atan2(Centre - p.y(), p.x() - Centre) * 180 / M_PI;
    return a < 0 ? a + 360 : a;
}

bool Inside(const QPolygonF& shape, const QRectF& box) {
    for (const QPointF p : {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
        if (!shape.containsPoint(p, Qt::OddEvenFill)) {
            return false;
        }
    }
    return true;
}

TEST(NorthIndianChart, TheFirstHouseIsTheAscendantsSignAndTheOthersFollowTheZodiac) {
    // Numbers read off a hand-drawn North Indian chart: with the ascendant
    // in sign a, house h shows the sign a + h - 1 counted round from Aries.
    const ChartCellTexts empty{};
    for (int asc = 0; asc < 12; ++asc) {
        const ChartLayout north = LayOutChart(empty, asc, ChartStyle::North);
        EXPECT_EQ(north.Places[0].Number, QString::number(asc + 1)) << "ascendant " << asc;
        EXPECT_EQ(north.Places[6].Number, QString::number((asc + 6) % 12 + 1));
        EXPECT_EQ(north.Places[11].Number, QString::number((asc + 11) % 12 + 1));
        EXPECT_EQ(HouseSign(asc, 0), asc);
    }
    // Ascendant in Leo: houses 1 to 12 are 5, 6, ..., 12, 1, 2, 3, 4.
    const ChartLayout leo = LayOutChart(empty, 4, ChartStyle::North);
    const char* numbers[] = {"5", "6", "7", "8", "9", "10", "11", "12", "1", "2", "3", "4"};
    for (int h = 0; h < 12; ++h) {
        EXPECT_EQ(leo.Places[static_cast<std::size_t>(h)].Number, QString::fromLatin1(numbers[h]));
    }
}

TEST(NorthIndianChart, EachHouseShowsTheCellOfItsSign) {
    // Ascendant, Sun and Mercury in Leo; the Moon in Aries; Rahu in
    // Aquarius and Ketu in Leo, six signs apart.
    ChartCellTexts cells{};
    cells[4] = "Asc\r\nSurya\r\nBudha\r\nKetu";
    cells[0] = "Chandra";
    cells[10] = "Rahu";
    const ChartLayout north = LayOutChart(cells, 4, ChartStyle::North);
    EXPECT_EQ(north.Places[0].Text, QStringLiteral("Asc\nSurya\nBudha\nKetu"));
    EXPECT_EQ(north.Places[8].Text, QStringLiteral("Chandra")); // Aries is the ninth house
    EXPECT_EQ(north.Places[6].Text, QStringLiteral("Rahu"));    // Aquarius the seventh
    for (int h : {1, 2, 3, 4, 5, 7, 9, 10, 11}) {
        EXPECT_TRUE(north.Places[static_cast<std::size_t>(h)].Text.isEmpty()) << "house " << h + 1;
    }
    // The South Indian square keeps the signs in place whatever the ascendant.
    const ChartLayout south = LayOutChart(cells, 4, ChartStyle::South);
    EXPECT_EQ(south.Places[4].Text, QStringLiteral("Asc\nSurya\nBudha\nKetu"));
    EXPECT_EQ(south.Places[0].Number, QStringLiteral("1"));
}

TEST(NorthIndianChart, HousesRunCounterClockwiseFromTheTopCentre) {
    const ChartLayout north = LayOutChart({}, 0, ChartStyle::North);
    const QPointF first = Middle(north.Places[0].Shape);
    EXPECT_NEAR(first.x(), Centre, 0.5);
    EXPECT_LT(first.y(), Centre / 2 + 1);
    // The first, fourth, seventh and tenth houses are the diamonds at the
    // top, left, bottom and right.
    EXPECT_NEAR(AngleOnScreen(first), 90, 0.5);
    EXPECT_NEAR(AngleOnScreen(Middle(north.Places[3].Shape)), 180, 0.5);
    EXPECT_NEAR(AngleOnScreen(Middle(north.Places[6].Shape)), 270, 0.5);
    EXPECT_NEAR(AngleOnScreen(Middle(north.Places[9].Shape)), 0, 0.5);
    double previous = AngleOnScreen(first);
    for (int h = 1; h < 12; ++h) {
        double angle = AngleOnScreen(Middle(north.Places[static_cast<std::size_t>(h)].Shape));
        if (angle < previous) {
            angle += 360;
        }
        EXPECT_GT(angle - previous, 15) << "house " << h + 1;
        EXPECT_LT(angle - previous, 45) << "house " << h + 1;
        previous = std::fmod(angle, 360.0);
    }
}

TEST(ChartLayout, EveryTextStaysInsideItsHouseClearOfTheSignNumber) {
    // Random charts, some with every body in one house: ten lines, the
    // longest names retrograde.
    const char* names[] = {"Surya",     "Chandra",    "Budha (R) ", "Shukra (R) ", "Mangala (R) ",
                           "Guru (R) ", "Shani (R) ", "Rahu",       "Ketu"};
    std::mt19937 random(20261208);
    for (int round = 0; round < 60; ++round) {
        ChartCellTexts cells{};
        const int asc = static_cast<int>(random() % 12);
        const bool crowded = round % 5 == 0;
        cells[static_cast<std::size_t>(asc)] = "Asc";
        for (int b = 0; b < 9; ++b) {
            const int sign = crowded ? asc : static_cast<int>(random() % 12);
            std::string& cell = cells[static_cast<std::size_t>(sign)];
            cell += cell.empty() ? names[b] : std::string("\r\n") + names[b];
        }
        for (ChartStyle style : {ChartStyle::North, ChartStyle::South}) {
            const ChartLayout layout = LayOutChart(cells, asc, style);
            for (const ChartPlace& place : layout.Places) {
                const QString where = QStringLiteral("round %1 sign %2 style %3")
                                          .arg(round)
                                          .arg(place.Sign)
                                          .arg(style == ChartStyle::North ? "north" : "south");
                EXPECT_TRUE(Inside(place.Shape, place.NumberBox)) << where.toStdString();
                if (place.Text.isEmpty()) {
                    continue;
                }
                // Where the font really puts the lines, measured afresh.
                const QRectF inked =
                    QFontMetricsF(place.Font)
                        .boundingRect(place.TextBox, static_cast<int>(place.Align), place.Text);
                EXPECT_TRUE(Inside(place.Shape, inked)) << where.toStdString();
                EXPECT_FALSE(inked.intersects(place.NumberBox)) << where.toStdString();
                // Uncrowded houses are readable: at least 7 pixels.
                if (!crowded) {
                    EXPECT_GE(place.Font.pixelSize(), 7) << where.toStdString();
                }
            }
        }
    }
}

TEST(ChartLayout, SouthIndianCellsSitWhereTheSignsBelong) {
    // Row and column of each sign's cell, from the printed arrangement:
    // Pisces top left, Aries beside it, clockwise round the square.
    const int rowColumn[12][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3},
                                  {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0}};
    const ChartLayout south = LayOutChart({}, 7, ChartStyle::South);
    for (int k = 0; k < 12; ++k) {
        const QRectF cell = south.Places[static_cast<std::size_t>(k)].Shape.boundingRect();
        EXPECT_DOUBLE_EQ(cell.top(), 1 + 80 * rowColumn[k][0]) << "sign " << k;
        EXPECT_DOUBLE_EQ(cell.left(), 1 + 80 * rowColumn[k][1]) << "sign " << k;
        EXPECT_EQ(south.Places[static_cast<std::size_t>(k)].Number, QString::number(k + 1));
    }
}

TEST(ChartDrawing, DrawsTheGridAndTheTextsScaledIntoTheArea) {
    ChartCellTexts cells{};
    cells[2] = "Asc\r\nSurya";
    for (ChartStyle style : {ChartStyle::North, ChartStyle::South}) {
        QImage image(644, 644, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DrawRashiChart(painter, QRectF(0, 0, 644, 644), cells, 2, style);
        }
        const QColor line = QColor::fromRgb(ChartLineColour);
        const auto near = [&](QPoint p, const QColor& c) {
            const QColor got = image.pixelColor(p);
            return std::abs(got.red() - c.red()) < 40 && std::abs(got.green() - c.green()) < 40 &&
                   std::abs(got.blue() - c.blue()) < 40;
        };
        // The frame's left edge at two units (one unit in, doubled).
        EXPECT_TRUE(near({2, 322}, line) || near({3, 322}, line));
        if (style == ChartStyle::North) {
            // The diagonals cross at the centre; the diamond's corners touch
            // the middles of the sides.
            EXPECT_TRUE(near({322, 322}, line));
            EXPECT_TRUE(near({161, 161}, line) || near({162, 162}, line));
        } else {
            // The South Indian centre is empty and shaded.
            EXPECT_TRUE(near({322, 322}, QColor::fromRgb(ChartCentreColour)));
        }
        // Dark pixels of the text inside the ascendant's house or cell.
        const ChartLayout layout = LayOutChart(cells, 2, style);
        const ChartPlace& place = layout.Places[style == ChartStyle::North ? 0 : 2];
        const QRect box = QRectF(place.TextBox.topLeft() * 2, place.TextBox.size() * 2).toRect();
        int dark = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                dark += image.pixelColor(x, y).lightness() < 100 ? 1 : 0;
            }
        }
        EXPECT_GT(dark, 30);
    }
}

} // namespace
} // namespace tirovane
