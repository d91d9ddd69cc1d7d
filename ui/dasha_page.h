#pragma once

#include "kundli/dasha.h"
#include "texts/kundli_texts.h"
#include "ui/captions.h"

#include <QWidget>
#include <array>
#include <optional>
#include <string>

class QGroupBox;
class QLabel;
class QTreeWidget;

namespace tirovane {

// The timeline picture of both people's mahadashas on one age axis.
class DashaTimelineView : public QWidget {
    Q_OBJECT
public:
    explicit DashaTimelineView(QWidget* parent = nullptr);

    void SetTimeline(texts::DashaTimeline timeline);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    texts::DashaTimeline timeline_;
};

// The result window's Dasha tab: the year length the dates count with, the
// timeline of both people, and for each person the balance at birth and
// the nine mahadashas, each opening its nine antardashas, the periods
// running today marked.
class DashaPage : public QWidget {
    Q_OBJECT
public:
    explicit DashaPage(QWidget* parent = nullptr);

    // One person's name and dasha; nothing: not computed yet.
    struct Person {
        std::string Name;
        kundli::Kundli Kundli;
    };
    // Shows both people with the periods running at `today` (Julian Day,
    // universal time) marked.
    void SetPeople(const std::array<std::optional<Person>, 2>& people, double today);

protected:
    void changeEvent(QEvent* event) override;

private:
    Captions captions_{"Kundli"};
    DashaTimelineView* timeline_ = nullptr;
    std::array<QGroupBox*, 2> groups_{};
    std::array<QLabel*, 2> balances_{};
    std::array<QTreeWidget*, 2> trees_{};
    // What each table shows: the start of its first period and the birth.
    std::array<std::optional<std::array<double, 2>>, 2> shown_;
};

} // namespace tirovane
