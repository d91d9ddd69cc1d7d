#include "ui/precise_chart_view.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tirovane {

PreciseChartView::PreciseChartView(const std::string& name, const std::string& text,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmPreciseChart"));
    setWindowTitle(QCoreApplication::translate("Result", "Precise Chart of %1")
                       .arg(QString::fromStdString(name)));
    auto* layout = new QVBoxLayout(this);
    auto* chart = new QPlainTextEdit(this);
    chart->setObjectName(QStringLiteral("txtPreciseChart"));
    chart->setAccessibleName(QCoreApplication::translate("Result", "Precise chart"));
    chart->setReadOnly(true);
    chart->setPlainText(QString::fromStdString(text));
    chart->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    chart->setMinimumSize(520, 380);
    layout->addWidget(chart);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClosePreciseChart"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

} // namespace tirovane
