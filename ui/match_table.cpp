#include "ui/match_table.h"

#include "ui/widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tirovane {

namespace {

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

const char* const CellNames[] = {"lblMatchFirst", "lblMatchPartner", "lblMatchPoints"};

} // namespace

MatchTable::MatchTable(QWidget* parent) : QGroupBox(QStringLiteral("36-Point Match"), parent) {
    setObjectName(QStringLiteral("fraAshtakoota"));
    setAccessibleName(title());

    auto* layout = new QHBoxLayout(this);
    layout->setSpacing(24);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(2);
    for (int c = 0; c < 5; ++c) {
        QLabel* heading = NamedLabel(QStringLiteral("lblMatchHeading_%1").arg(c),
                                     QString::fromLatin1(MatchTableHeadings[c]), this);
        heading->setFont(WindowFont(9, true));
        grid->addWidget(heading, 0, c, c >= 3 ? Qt::AlignRight : Qt::AlignLeft);
    }
    for (int k = 0; k < matching::KootaCount; ++k) {
        const auto koota = static_cast<matching::Koota>(k);
        const QString name = QString::fromLatin1(matching::KootaName(koota).data(),
                                                 matching::KootaName(koota).size());
        grid->addWidget(NamedLabel(QStringLiteral("lblMatchKoota_%1").arg(k), name, this), k + 1,
                        0);
        for (int c = 0; c < 3; ++c) {
            QLabel* cell =
                NamedLabel(QStringLiteral("%1_%2").arg(QLatin1String(CellNames[c])).arg(k),
                           QStringLiteral("-"), this);
            cell->setAccessibleName(name + QLatin1Char(' ') +
                                    QString::fromLatin1(MatchTableHeadings[c + 1]));
            grid->addWidget(cell, k + 1, c + 1, c == 2 ? Qt::AlignRight : Qt::AlignLeft);
            cells_[k][c] = cell;
        }
        QLabel* maximum = NamedLabel(QStringLiteral("lblMatchMaximum_%1").arg(k),
                                     Qt8(PointsText(matching::KootaMaximum(koota))), this);
        maximum->setAccessibleName(name + QStringLiteral(" Maximum"));
        grid->addWidget(maximum, k + 1, 4, Qt::AlignRight);
    }
    const int totalRow = matching::KootaCount + 1;
    QLabel* totalCaption =
        NamedLabel(QStringLiteral("lblMatchTotalCaption"), QStringLiteral("Total"), this);
    totalCaption->setFont(WindowFont(9, true));
    grid->addWidget(totalCaption, totalRow, 0);
    total_ = NamedLabel(QStringLiteral("lblMatchTotal"), QStringLiteral("-"), this);
    total_->setFont(WindowFont(9, true));
    total_->setAccessibleName(QStringLiteral("Total points"));
    grid->addWidget(total_, totalRow, 3, Qt::AlignRight);
    QLabel* most = NamedLabel(QStringLiteral("lblMatchTotalMaximum"), QStringLiteral("36"), this);
    most->setFont(WindowFont(9, true));
    grid->addWidget(most, totalRow, 4, Qt::AlignRight);
    layout->addLayout(grid);

    // Beside the table: the verdict, the doshas and the sides.
    auto* summary = new QVBoxLayout;
    summary->setSpacing(6);
    verdict_ = NamedLabel(QStringLiteral("lblMatchVerdict"), QStringLiteral("-"), this);
    verdict_->setFont(WindowFont(9, true));
    verdict_->setWordWrap(true);
    verdict_->setAccessibleName(QStringLiteral("Match verdict"));
    nadiDosha_ = NamedLabel(QStringLiteral("lblNadiDosha"), QStringLiteral("-"), this);
    nadiDosha_->setAccessibleName(QStringLiteral("Nadi dosha"));
    bhakootDosha_ = NamedLabel(QStringLiteral("lblBhakootDosha"), QStringLiteral("-"), this);
    bhakootDosha_->setAccessibleName(QStringLiteral("Bhakoot dosha"));
    QLabel* roles = NamedLabel(
        QStringLiteral("lblMatchRoles"),
        QString::fromLatin1(matching::RoleSentence.data(), matching::RoleSentence.size()), this);
    roles->setWordWrap(true);
    summary->addWidget(verdict_);
    summary->addWidget(nadiDosha_);
    summary->addWidget(bhakootDosha_);
    summary->addWidget(roles);
    summary->addStretch(1);
    layout->addLayout(summary, 1);
}

void MatchTable::SetMatch(const MatchTableTexts& texts) {
    for (int k = 0; k < matching::KootaCount; ++k) {
        const MatchRowTexts& row = texts.Rows[static_cast<std::size_t>(k)];
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
