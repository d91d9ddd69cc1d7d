#include "ui/porutham_table.h"

#include "ui/widgets.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tirovane {

namespace {

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

PoruthamTable::PoruthamTable(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraPorutham"));
    captions_.Title(this, QT_TRANSLATE_NOOP("Porutham", "Ten Poruthams"));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(14);
    grid->setVerticalSpacing(1);
    for (int c = 0; c < 3; ++c) {
        QLabel* heading =
            NamedLabel(QStringLiteral("lblPoruthamHeading_%1").arg(c), QString(), this);
        captions_.Text(heading, texts::PoruthamTableHeadings[static_cast<std::size_t>(c)]);
        heading->setFont(WindowFont(9, true));
        grid->addWidget(heading, 0, c);
    }
    // A cell is read out as its value, described by its porutham and its
    // column: "Rajju Grade".
    const auto cellName = [this](const char* porutham, const char* column) {
        return captions_.Tr(QT_TRANSLATE_NOOP("Porutham", "%1 %2"))
            .arg(captions_.Tr(porutham), captions_.Tr(column));
    };
    const char* const cellNames[] = {"lblPoruthamGrade", "lblPoruthamReason"};
    for (int k = 0; k < matching::PoruthamCount; ++k) {
        const char* name = matching::PoruthamName(static_cast<matching::Porutham>(k)).data();
        grid->addWidget(
            captions_.Text(NamedLabel(QStringLiteral("lblPorutham_%1").arg(k), QString(), this),
                           name),
            k + 1, 0, Qt::AlignLeft | Qt::AlignTop);
        for (int c = 0; c < 2; ++c) {
            QLabel* cell =
                NamedLabel(QStringLiteral("%1_%2").arg(QLatin1String(cellNames[c])).arg(k),
                           QStringLiteral("-"), this);
            const char* column = texts::PoruthamTableHeadings[static_cast<std::size_t>(c + 1)];
            captions_.Set(name, [cell, cellName, name, column](const QString&) {
                cell->setAccessibleDescription(cellName(name, column));
            });
            if (c == 1) {
                // Room for most reasons on one line; longer ones wrap. The
                // room is counted in characters of the Latin face: the faces
                // of the Indian scripts have wide average characters, which
                // would push the page past the screen.
                cell->setWordWrap(true);
                QFont latin = cell->font();
                latin.setFamilies({QStringLiteral("DejaVu Sans")});
                cell->setMinimumWidth(QFontMetrics(latin).averageCharWidth() * 56);
                grid->addWidget(cell, k + 1, c + 1);
            } else {
                grid->addWidget(cell, k + 1, c + 1, Qt::AlignLeft | Qt::AlignTop);
            }
            cells_[k][c] = cell;
        }
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);

    const char* const summaryNames[] = {"lblPoruthamCount", "lblPoruthamScore",
                                        "lblPoruthamVerdict", "lblPoruthamDoshas"};
    const char* const spoken[] = {QT_TRANSLATE_NOOP("Porutham", "Matching poruthams"),
                                  QT_TRANSLATE_NOOP("Porutham", "Porutham score"),
                                  QT_TRANSLATE_NOOP("Porutham", "Porutham verdict"),
                                  QT_TRANSLATE_NOOP("Porutham", "Porutham doshas")};
    auto* summary = new QGridLayout;
    summary->setHorizontalSpacing(24);
    summary->setVerticalSpacing(2);
    for (int k = 0; k < 4; ++k) {
        summary_[k] = NamedLabel(QLatin1String(summaryNames[k]), QStringLiteral("-"), this);
        captions_.AccessibleDescription(summary_[k], spoken[k]);
        summary_[k]->setWordWrap(true);
        if (k == 2) {
            summary_[k]->setFont(WindowFont(9, true));
        }
        summary->addWidget(summary_[k], k / 2, k % 2);
    }
    layout->addLayout(summary);
    layout->addStretch(1);
}

void PoruthamTable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
    }
    QGroupBox::changeEvent(event);
}

void PoruthamTable::SetPoruthams(const texts::PoruthamTableTexts& texts) {
    for (int k = 0; k < matching::PoruthamCount; ++k) {
        const texts::PoruthamRowTexts& row = texts.Rows[static_cast<std::size_t>(k)];
        cells_[k][0]->setText(Qt8(row.Grade));
        // The reason's cell keeps the width it was given (room for most
        // reasons on one line), far wider than any word.
        cells_[k][1]->setText(Qt8(row.Reason));
    }
    const std::array<const std::string*, 4> lines = {&texts.Count, &texts.Score, &texts.Verdict,
                                                     &texts.Doshas};
    for (int k = 0; k < 4; ++k) {
        SetWrappedText(summary_[k], Qt8(*lines[k]));
    }
}

void PoruthamTable::Clear() {
    for (auto& row : cells_) {
        for (QLabel* cell : row) {
            cell->setText(QStringLiteral("-"));
        }
    }
    for (QLabel* label : summary_) {
        label->setText(QStringLiteral("-"));
    }
}

} // namespace tirovane
