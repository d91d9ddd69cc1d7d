#include "ui/match_table.h"

#include "ui/widgets.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tirovane {

namespace {

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

const char* const CellNames[] = {"lblMatchFirst", "lblMatchPartner", "lblMatchPoints"};

} // namespace

MatchTable::MatchTable(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraAshtakoota"));
    captions_.Title(this, QT_TRANSLATE_NOOP("Matching", "36-Point Match"));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(2);
    for (int c = 0; c < 5; ++c) {
        QLabel* heading = NamedLabel(QStringLiteral("lblMatchHeading_%1").arg(c), QString(), this);
        captions_.Text(heading, texts::MatchTableHeadings[static_cast<std::size_t>(c)]);
        heading->setFont(WindowFont(9, true));
        grid->addWidget(heading, 0, c, c >= 3 ? Qt::AlignRight : Qt::AlignLeft);
    }
    // A cell is read out as its value, described by its part and its
    // column: "Varna First person".
    const auto cellName = [this](const char* part, const char* column) {
        return captions_.Tr(QT_TRANSLATE_NOOP("Matching", "%1 %2"))
            .arg(captions_.Tr(part), captions_.Tr(column));
    };
    for (int k = 0; k < matching::KootaCount; ++k) {
        const auto koota = static_cast<matching::Koota>(k);
        const char* name = matching::KootaName(koota).data();
        grid->addWidget(
            captions_.Text(NamedLabel(QStringLiteral("lblMatchKoota_%1").arg(k), QString(), this),
                           name),
            k + 1, 0);
        for (int c = 0; c < 3; ++c) {
            QLabel* cell =
                NamedLabel(QStringLiteral("%1_%2").arg(QLatin1String(CellNames[c])).arg(k),
                           QStringLiteral("-"), this);
            const char* column = texts::MatchTableHeadings[static_cast<std::size_t>(c + 1)];
            captions_.Set(name, [cell, cellName, name, column](const QString&) {
                cell->setAccessibleDescription(cellName(name, column));
            });
            grid->addWidget(cell, k + 1, c + 1, c == 2 ? Qt::AlignRight : Qt::AlignLeft);
            cells_[k][c] = cell;
        }
        QLabel* maximum = NamedLabel(QStringLiteral("lblMatchMaximum_%1").arg(k),
                                     Qt8(texts::PointsText(matching::KootaMaximum(koota))), this);
        captions_.Set(name, [maximum, cellName, name](const QString&) {
            maximum->setAccessibleDescription(
                cellName(name, texts::MatchTableHeadings[texts::MatchTableHeadings.size() - 1]));
        });
        grid->addWidget(maximum, k + 1, 4, Qt::AlignRight);
    }
    const int totalRow = matching::KootaCount + 1;
    QLabel* totalCaption = NamedLabel(QStringLiteral("lblMatchTotalCaption"), QString(), this);
    captions_.Text(totalCaption, texts::TotalCaption);
    totalCaption->setFont(WindowFont(9, true));
    grid->addWidget(totalCaption, totalRow, 0);
    total_ = NamedLabel(QStringLiteral("lblMatchTotal"), QStringLiteral("-"), this);
    total_->setFont(WindowFont(9, true));
    captions_.AccessibleDescription(total_, QT_TRANSLATE_NOOP("Matching", "Total points"));
    grid->addWidget(total_, totalRow, 3, Qt::AlignRight);
    QLabel* most = NamedLabel(QStringLiteral("lblMatchTotalMaximum"), QStringLiteral("36"), this);
    most->setFont(WindowFont(9, true));
    grid->addWidget(most, totalRow, 4, Qt::AlignRight);
    layout->addLayout(grid);

    // Under the table: the verdict, then the two doshas side by side.
    auto* summary = new QGridLayout;
    summary->setHorizontalSpacing(24);
    summary->setVerticalSpacing(2);
    verdict_ = NamedLabel(QStringLiteral("lblMatchVerdict"), QStringLiteral("-"), this);
    verdict_->setFont(WindowFont(9, true));
    verdict_->setWordWrap(true);
    captions_.AccessibleDescription(verdict_, QT_TRANSLATE_NOOP("Matching", "Match verdict"));
    nadiDosha_ = NamedLabel(QStringLiteral("lblNadiDosha"), QStringLiteral("-"), this);
    captions_.AccessibleDescription(nadiDosha_, QT_TRANSLATE_NOOP("Matching", "Nadi dosha"));
    bhakootDosha_ = NamedLabel(QStringLiteral("lblBhakootDosha"), QStringLiteral("-"), this);
    captions_.AccessibleDescription(bhakootDosha_, QT_TRANSLATE_NOOP("Matching", "Bhakoot dosha"));
    summary->addWidget(verdict_, 0, 0, 1, 2);
    summary->addWidget(nadiDosha_, 1, 0);
    summary->addWidget(bhakootDosha_, 1, 1);
    summary->setColumnStretch(1, 1);
    layout->addLayout(summary);
    layout->addStretch(1);
}

void MatchTable::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
    }
    QGroupBox::changeEvent(event);
}

void MatchTable::SetMatch(const texts::MatchTableTexts& texts) {
    for (int k = 0; k < matching::KootaCount; ++k) {
        const texts::MatchRowTexts& row = texts.Rows[static_cast<std::size_t>(k)];
        cells_[k][0]->setText(Qt8(row.First));
        cells_[k][1]->setText(Qt8(row.Partner));
        cells_[k][2]->setText(Qt8(row.Points));
    }
    total_->setText(Qt8(texts.Total));
    verdict_->setText(Qt8(texts.Verdict));
    nadiDosha_->setText(Qt8(texts.NadiDosha));
    bhakootDosha_->setText(Qt8(texts.BhakootDosha));
}

void MatchTable::Clear() {
    for (auto& row : cells_) {
        for (QLabel* cell : row) {
            cell->setText(QStringLiteral("-"));
        }
    }
    for (QLabel* label : {total_, verdict_, nadiDosha_, bhakootDosha_}) {
        label->setText(QStringLiteral("-"));
    }
}

} // namespace tirovane
