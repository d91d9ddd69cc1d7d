#include "ui/rashi_chart.h"

#include "engine/tables.h"
#include "output/chart_drawing.h"
#include "output/qt_words.h"
#include "texts/names.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

namespace tirovane {

namespace {

// The content starts 350 twips in from the cell's left edge, 60 down.
constexpr int ContentLeft = 23;
constexpr int ContentTop = 4;
constexpr int Margin = 1;

} // namespace

QPoint RashiChartWidget::CellOf(int sign) {
    // (row, column) of signs 0 .. 11, clockwise from the top row's second cell.
    static constexpr int Cells[12][2] = {{0, 1}, {0, 2}, {0, 3}, {1, 3}, {2, 3}, {3, 3},
                                         {3, 2}, {3, 1}, {3, 0}, {2, 0}, {1, 0}, {0, 0}};
    return {Cells[sign][1], Cells[sign][0]};
}

RashiChartWidget::RashiChartWidget(int person, QWidget* parent, bool navamsa) : QWidget(parent) {
    setObjectName(
        (navamsa ? QStringLiteral("picSouthNavamsa_%1") : QStringLiteral("picSouthRasi_%1"))
            .arg(person));
    setFixedSize(4 * CellSize + 2 * Margin, 4 * CellSize + 2 * Margin);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(255, 250, 240));
    setPalette(p);
    const QString contentName =
        (navamsa ? QStringLiteral("lblNavamsa_") : QStringLiteral("lblPlanets_")) +
        (person == 0 ? QStringLiteral("Male_%1") : QStringLiteral("Female_%1"));
    const QString numberName =
        navamsa ? QStringLiteral("lblNavamsaPosition_%1") : QStringLiteral("lblSouthPosition_%1");
    for (int k = 0; k < 12; ++k) {
        const QPoint cell = CellOf(k);
        const QRect r(Margin + cell.x() * CellSize, Margin + cell.y() * CellSize, CellSize,
                      CellSize);
        auto* content = NamedLabel(contentName.arg(k), QString(), this);
        content->setAccessibleDescription(
            QCoreApplication::translate("Charts", "Sign %1, %2")
                .arg(k + 1)
                .arg(QString::fromStdString(texts::SignName(k, CurrentWords()))));
        content->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        content->move(r.left() + ContentLeft - 16, r.top() + ContentTop);
        content->setFixedWidth(CellSize - ContentLeft + 14);
        contents_[k] = content;

        auto* number = NamedLabel(numberName.arg(person * 12 + k), QString::number(k + 1), this);
        number->setFont(WindowFont(7));
        number->setStyleSheet(QStringLiteral("color: #a05a00;"));
        number->adjustSize();
        number->move(r.right() - number->width() - 3, r.bottom() - number->height() - 1);
        numbers_[k] = number;
        FitContent(k);
    }
}

void RashiChartWidget::SetCells(const ChartCellTexts& cells) {
    for (int k = 0; k < 12; ++k) {
        QString text = QString::fromStdString(cells[k]);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        contents_[k]->setText(text);
        FitContent(k);
    }
}

// A cell may hold up to ten lines: the font shrinks until every line fits
// the cell's width and all of them fit above the sign number.
void RashiChartWidget::FitContent(int sign) {
    QLabel* label = contents_[sign];
    const int available = numbers_[sign]->y() - 1 - label->y();
    const auto fits = [&](const QFont& font) {
        label->setFont(font);
        const QSize need = label->sizeHint();
        return need.height() <= available && need.width() <= label->width();
    };
    QFont font = WindowFont(9);
    for (int size = 9; size >= 5 && !fits(font); --size) {
        font = WindowFont(size);
    }
    // The rare crowded cell goes below five points, pixel by pixel.
    for (int pixels = QFontMetrics(font).height(); pixels > 4 && !fits(font); --pixels) {
        font.setPixelSize(pixels);
    }
    label->setFixedHeight(std::min(available, label->sizeHint().height()));
}

void RashiChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawChartGrid(painter, ChartStyle::South);
}

} // namespace tirovane
