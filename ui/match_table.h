#pragma once

#include "reading/pair_match.h"
#include "texts/match_texts.h"
#include "ui/captions.h"

#include <QGroupBox>
#include <array>

class QLabel;

namespace tirovane {

// The "36-Point Match" panel of the match page: the eight parts with what
// each person brings to them, the points and the maximum, then the total,
// the verdict and the two dosha lines.
class MatchTable : public QGroupBox {
    Q_OBJECT
public:
    explicit MatchTable(QWidget* parent = nullptr);

    void SetMatch(const texts::MatchTableTexts& texts);
    // Every value back to "-", as before a reading.
    void Clear();

protected:
    void changeEvent(QEvent* event) override;

private:
    Captions captions_{"Matching"};
    // Per part: the first person's and the partner's attribute, the points.
    std::array<std::array<QLabel*, 3>, matching::KootaCount> cells_{};
    QLabel* total_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* nadiDosha_ = nullptr;
    QLabel* bhakootDosha_ = nullptr;
};

} // namespace tirovane
