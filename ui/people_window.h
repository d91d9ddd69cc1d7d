#pragma once

#include "people/library.h"
#include "people/ranking.h"
#include "texts/words.h"
#include "ui/captions.h"

#include <QAbstractTableModel>
#include <QPointer>
#include <QWidget>
#include <array>
#include <vector>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QTimer;

namespace tirovane {

class TirovaneApp;

// The people of the library as a table: name, birth date and time, place,
// sex.
class PeopleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetPeople(std::vector<people::Person> people);
    const people::Person& PersonAt(int row) const {
        return people_.at(static_cast<std::size_t>(row));
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<people::Person> people_;
};

// A ranking: one row per candidate, sortable by any column, filtered by a
// minimum total and by doshas. Only numbers are kept per row; the texts are
// made as a row is shown, so that 100,000 rows stay quick.
class RankingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void SetRanking(std::vector<BirthDetails> candidates, std::vector<people::Ranked> ranked);
    // Rows with at least `minPoints`; with `hideDoshas`, none with a Nadi,
    // Bhakoot or Rajju dosha.
    void SetFilter(double minPoints, bool hideDoshas);
    const BirthDetails& CandidateAt(int row) const;
    // The totals of the rows shown.
    std::vector<double> Totals() const;
    // The row shown whose name (column 0) or place (column 1) is the
    // longest in characters, or -1 when none is shown.
    int LongestRow(int column) const;
    int Shown() const { return static_cast<int>(rows_.size()); }
    int All() const { return static_cast<int>(ranked_.size()); }
    // The rows shown as texts, in their order, for the exports.
    std::vector<std::array<std::string, 10>> RowTexts(const texts::Words& words) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

private:
    void Refilter();

    std::vector<BirthDetails> candidates_; // by the ranked entries' Index
    std::vector<people::Ranked> ranked_;
    std::vector<int> rows_; // the ranked entries shown, in order
    double minPoints_ = 0;
    bool hideDoshas_ = false;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::DescendingOrder;
};

// How the candidates' totals spread: a bar for each whole total 0 .. 36,
// as high as the number of candidates that reach it.
class SpreadView : public QWidget {
    Q_OBJECT
public:
    explicit SpreadView(QWidget* parent = nullptr);
    void SetTotals(const std::vector<double>& totals);
    QSize sizeHint() const override { return {380, 110}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<int, 37> counts_{};
};

// The ranking of one person against all others, with its filters, the
// spread of the totals and the exports; a double-click opens the pair's
// reading.
class RankingWindow : public QWidget {
    Q_OBJECT
public:
    RankingWindow(TirovaneApp& app, const people::Person& person, QWidget* parent = nullptr);
    RankingModel& Model() { return *model_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void Filter();
    void OpenRow(const QModelIndex& index);
    void ExportCsv();
    void ExportPdf();

    TirovaneApp& app_;
    Captions captions_{"People"};
    people::Person person_;
    RankingModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QDoubleSpinBox* minPoints_ = nullptr;
    QCheckBox* hideDoshas_ = nullptr;
    SpreadView* spread_ = nullptr;
    QLabel* shown_ = nullptr;
};

// File > People...: the library's people with a search as you type, and
// what can be done with them.
class PeopleWindow : public QWidget {
    Q_OBJECT
public:
    explicit PeopleWindow(TirovaneApp& app, QWidget* parent = nullptr);

    // The list again from the library, for the search typed.
    void Reload();
    PeopleModel& Model() { return *model_; }
    RankingWindow* Ranking() const { return ranking_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    // The person chosen in the list, if any.
    const people::Person* Chosen() const;
    void AddFromForm(int frame);
    void Delete();
    void UseForReading(int frame);
    void MatchAll();
    void Import();
    void Export();
    void Edit();
    void ShowCount();

    TirovaneApp& app_;
    Captions captions_{"People"};
    QLineEdit* search_ = nullptr;
    QTimer* searchTimer_ = nullptr;
    QTableView* table_ = nullptr;
    PeopleModel* model_ = nullptr;
    QLabel* count_ = nullptr;
    std::vector<QPushButton*> needChoice_; // enabled while a person is chosen
    // Cleared by Qt when the ranking window closes (it deletes itself on close).
    QPointer<RankingWindow> ranking_;
};

} // namespace tirovane
