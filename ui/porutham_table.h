#pragma once

#include "texts/porutham_texts.h"
#include "ui/captions.h"

#include <QGroupBox>
#include <array>

class QLabel;

namespace tirovane {

// The "Ten Poruthams" panel of the match page: each porutham with its grade
// and reason, then the count, the score, the verdict and the doshas.
class PoruthamTable : public QGroupBox {
    Q_OBJECT
public:
    explicit PoruthamTable(QWidget* parent = nullptr);

    void SetPoruthams(const texts::PoruthamTableTexts& texts);
    // Every value back to "-", as before a reading.
    void Clear();

protected:
    void changeEvent(QEvent* event) override;

private:
    Captions captions_{"Porutham"};
    // Per porutham: the grade and the reason.
    std::array<std::array<QLabel*, 2>, matching::PoruthamCount> cells_{};
    std::array<QLabel*, 4> summary_{}; // count, score, verdict, doshas
};

} // namespace tirovane
