#include "ui/north_chart.h"

#include "engine/tables.h"
#include "output/chart_drawing.h"
#include "output/qt_words.h"
#include "texts/names.h"
#include "ui/widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>

namespace tirovane {

NorthChartWidget::NorthChartWidget(int person, QWidget* parent, bool navamsa) : QWidget(parent) {
    setObjectName(
        (navamsa ? QStringLiteral("picNorthNavamsa_%1") : QStringLiteral("picNorthRasi_%1"))
            .arg(person));
    const QString kind = navamsa ? QStringLiteral("Navamsa") : QStringLiteral("North");
    const int side = static_cast<int>(ChartSide);
    setFixedSize(side, side);
    const QString suffix = person == 0 ? QStringLiteral("Male") : QStringLiteral("Female");
    for (int h = 0; h < 12; ++h) {
        houses_[h] = NamedLabel(QStringLiteral("lbl%1House_%2_%3").arg(kind, suffix).arg(h),
                                QString(), this);
        numbers_[h] =
            NamedLabel(QStringLiteral("lbl%1Sign_%2_%3").arg(kind, suffix).arg(h), QString(), this);
        numbers_[h]->setStyleSheet(
            QStringLiteral("color: #%1;").arg(ChartNumberColour, 6, 16, QLatin1Char('0')));
        numbers_[h]->setAlignment(Qt::AlignCenter);
    }
    LayOut();
}

void NorthChartWidget::SetChart(const ChartCellTexts& cells, int ascendantSign) {
    cells_ = cells;
    ascendantSign_ = ascendantSign;
    laidOut_ = false;
    if (!isHidden()) {
        LayOut();
    }
}

void NorthChartWidget::setVisible(bool visible) {
    if (visible && !laidOut_) {
        LayOut();
    }
    QWidget::setVisible(visible);
}

void NorthChartWidget::LayOut() {
    laidOut_ = true;
    const ChartLayout layout = LayOutChart(cells_, ascendantSign_, ChartStyle::North);
    for (int h = 0; h < 12; ++h) {
        const ChartPlace& place = layout.Places[static_cast<std::size_t>(h)];
        QLabel* house = houses_[h];
        house->setFont(place.Font);
        house->setAlignment(place.Align);
        house->setText(place.Text);
        house->setGeometry(place.TextBox.toAlignedRect());
        house->setAccessibleDescription(
            QCoreApplication::translate("Charts", "House %1, sign %2, %3")
                .arg(h + 1)
                .arg(place.Sign + 1)
                .arg(QString::fromStdString(texts::SignName(place.Sign, CurrentWords()))));
        QLabel* number = numbers_[h];
        number->setFont(place.NumberFont);
        number->setText(place.Number);
        number->setGeometry(place.NumberBox.toAlignedRect());
        number->setAccessibleDescription(
            QCoreApplication::translate("Charts", "Sign of house %1").arg(h + 1));
    }
}

void NorthChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    DrawChartGrid(painter, ChartStyle::North);
}

} // namespace tirovane
