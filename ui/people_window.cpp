#include "ui/people_window.h"

#include "cli/people_import.h"
#include "files/file_io.h"
#include "output/qt_words.h"
#include "output/ranking_pdf.h"
#include "reading/person_form.h"
#include "reading/validation.h"
#include "texts/people_texts.h"
#include "texts/validation_texts.h"
#include "texts/words.h"
#include "ui/application.h"
#include "ui/input_form.h"
#include "ui/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFont>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace tirovane {

namespace {

QString Qt8(const std::string& text) {
    return QString::fromStdString(text);
}

QString Tr(const char* source) {
    return Qt8(CurrentWords().Translate("People", source));
}

QTableView* Table(const QString& name, QAbstractItemModel* model, QWidget* parent) {
    auto* table = new QTableView(parent);
    table->setObjectName(name);
    table->setModel(model);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->setTabKeyNavigation(false); // Tab leaves the table for the buttons
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

QPushButton* Button(const QString& name, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

} // namespace

// --- the list of people ---------------------------------------------------

void PeopleModel::SetPeople(std::vector<people::Person> people) {
    beginResetModel();
    people_ = std::move(people);
    endResetModel();
}

int PeopleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(people_.size());
}

int PeopleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts::PeopleColumns.size());
}

QVariant PeopleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
        return {};
    }
    const auto cells = texts::PersonRowTexts(PersonAt(index.row()), CurrentWords());
    return Qt8(cells.at(static_cast<std::size_t>(index.column())));
}

QVariant PeopleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return Tr(texts::PeopleColumns.at(static_cast<std::size_t>(section)));
}

// --- the ranking -----------------------------------------------------------

void RankingModel::SetRanking(std::vector<BirthDetails> candidates,
                              std::vector<people::Ranked> ranked) {
    beginResetModel();
    candidates_ = std::move(candidates);
    ranked_ = std::move(ranked);
    sortColumn_ = -1;
    endResetModel();
    Refilter();
}

void RankingModel::SetFilter(double minPoints, bool hideDoshas) {
    minPoints_ = minPoints;
    hideDoshas_ = hideDoshas;
    Refilter();
}

void RankingModel::Refilter() {
    beginResetModel();
    rows_.clear();
    rows_.reserve(ranked_.size());
    for (std::size_t k = 0; k < ranked_.size(); ++k) {
        const SidedMatch& m = ranked_[k].Match.Match;
        if (m.Points.Total < minPoints_) {
            continue;
        }
        if (hideDoshas_ &&
            (m.Points.NadiDosha == matching::Dosha::Present ||
             m.Points.BhakootDosha == matching::Dosha::Present || m.Poruthams.RajjuDosha)) {
            continue;
        }
        rows_.push_back(static_cast<int>(k));
    }
    endResetModel();
    if (sortColumn_ >= 0) {
        sort(sortColumn_, sortOrder_);
    }
}

const BirthDetails& RankingModel::CandidateAt(int row) const {
    return candidates_.at(
        ranked_.at(static_cast<std::size_t>(rows_.at(static_cast<std::size_t>(row)))).Index);
}

std::vector<double> RankingModel::Totals() const {
    std::vector<double> totals;
    totals.reserve(rows_.size());
    for (const int k : rows_) {
        totals.push_back(ranked_[static_cast<std::size_t>(k)].Match.Match.Points.Total);
    }
    return totals;
}

namespace {

// Characters of a UTF-8 text: its bytes that do not continue a sequence.
std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

} // namespace

int RankingModel::LongestRow(int column) const {
    int longest = -1;
    std::size_t most = 0;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const BirthDetails& d =
            candidates_[ranked_[static_cast<std::size_t>(rows_[row])].Index];
        const std::size_t length = column == 0
                                       ? CharacterCount(d.Name)
                                       : CharacterCount(d.City) + CharacterCount(d.State) +
                                             CharacterCount(d.Country);
        if (longest < 0 || length > most) {
            longest = static_cast<int>(row);
            most = length;
        }
    }
    return longest;
}

std::vector<std::array<std::string, 10>> RankingModel::RowTexts(const texts::Words& words) const {
    std::vector<std::array<std::string, 10>> rows;
    rows.reserve(rows_.size());
    for (const int k : rows_) {
        const people::Ranked& r = ranked_[static_cast<std::size_t>(k)];
        rows.push_back(texts::RankingRowTexts(candidates_.at(r.Index), r.Match, words));
    }
    return rows;
}

int RankingModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RankingModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(texts::RankingColumns.size());
}

QVariant RankingModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        const int c = index.column();
        return c == 3 || c == 6 ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    const people::Ranked& r =
        ranked_.at(static_cast<std::size_t>(rows_.at(static_cast<std::size_t>(index.row()))));
    return Qt8(
        texts::RankingCellText(candidates_.at(r.Index), r.Match, index.column(), CurrentWords()));
}

QVariant RankingModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return {};
    }
    return Tr(texts::RankingColumns.at(static_cast<std::size_t>(section)));
}

void RankingModel::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    // Each column sorts by its number where it has one (the total, the
    // count, the verdict's grade, the doshas), else by its text.
    const auto key = [this, column](int k) -> std::pair<double, std::string> {
        const people::Ranked& r = ranked_[static_cast<std::size_t>(k)];
        const SidedMatch& m = r.Match.Match;
        const BirthDetails& d = candidates_[r.Index];
        switch (column) {
        case 0:
            return {0, d.Name};
        case 1:
            return {0, d.City + "\n" + d.State + "\n" + d.Country};
        case 2:
            return {d.Year * 10000.0 + d.Month * 100 + d.Day, {}};
        case 3:
            return {m.Points.Total, {}};
        case 4:
            return {static_cast<double>(m.Points.NadiDosha), {}};
        case 5:
            return {static_cast<double>(m.Points.BhakootDosha), {}};
        case 6:
            return {static_cast<double>(m.Poruthams.Count), {}};
        case 7:
            return {-static_cast<double>(m.Poruthams.Verdict), {}};
        case 8:
            return {m.Poruthams.RajjuDosha ? 1.0 : 0.0, {}};
        default:
            return {texts::ManglikFavourable(r.Match) ? 1.0 : 0.0, {}};
        }
    };
    emit layoutAboutToBeChanged();
    std::vector<std::pair<std::pair<double, std::string>, int>> keyed;
    keyed.reserve(rows_.size());
    for (const int k : rows_) {
        keyed.emplace_back(key(k), k);
    }
    // Equal keys keep the ranking's order.
    std::stable_sort(keyed.begin(), keyed.end(), [order](const auto& a, const auto& b) {
        return order == Qt::AscendingOrder ? a.first < b.first : b.first < a.first;
    });
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        rows_[i] = keyed[i].second;
    }
    emit layoutChanged();
}

// --- the spread of the totals --------------------------------------------

SpreadView::SpreadView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picSpread"));
    setMinimumSize(300, 90);
}

void SpreadView::SetTotals(const std::vector<double>& totals) {
    counts_.fill(0);
    for (const double t : totals) {
        const int whole = std::clamp(static_cast<int>(std::floor(t)), 0, 36);
        ++counts_[static_cast<std::size_t>(whole)];
    }
    update();
}

void SpreadView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -fontMetrics().height() - 4);
    const int most = std::max(1, *std::max_element(counts_.begin(), counts_.end()));
    const double step = area.width() / 37;
    painter.setPen(Qt::NoPen);
    for (int k = 0; k <= 36; ++k) {
        const double h = area.height() * counts_[static_cast<std::size_t>(k)] / most;
        painter.setBrush(k >= 18 ? QColor(0xaa, 0x3c, 0x14) : QColor(0xc8, 0xa0, 0x80));
        painter.drawRect(QRectF(area.left() + k * step + 1, area.bottom() - h, step - 2, h));
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    for (int k = 0; k <= 36; k += 6) {
        const QRectF box(area.left() + k * step - step, area.bottom() + 2, 3 * step,
                         fontMetrics().height());
        painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, QString::number(k));
    }
}

// --- the ranking window ------------------------------------------------------

RankingWindow::RankingWindow(TirovaneApp& app, const people::Person& person, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), person_(person) {
    setObjectName(QStringLiteral("frmRanking"));
    setAttribute(Qt::WA_DeleteOnClose);
    captions_.Set(nullptr, [this](const QString&) {
        setWindowTitle(Qt8(texts::Fill(
            CurrentWords().Translate("People", QT_TRANSLATE_NOOP("People", "Matches for %1")),
            {person_.Details.Name})));
    });
    auto* layout = new QVBoxLayout(this);

    auto* filters = new QHBoxLayout;
    QLabel* minLabel =
        captions_.Text(new QLabel(this), QT_TRANSLATE_NOOP("People", "&Minimum points:"));
    minPoints_ = new QDoubleSpinBox(this);
    minPoints_->setObjectName(QStringLiteral("spnMinPoints"));
    minPoints_->setRange(0, 36);
    minPoints_->setSingleStep(0.5);
    minPoints_->setDecimals(1);
    minPoints_->setLocale(QLocale::c()); // Western digits and a point in every language
    minLabel->setBuddy(minPoints_);
    captions_.AccessibleName(minPoints_, QT_TRANSLATE_NOOP("People", "Minimum points"));
    hideDoshas_ = new QCheckBox(this);
    hideDoshas_->setObjectName(QStringLiteral("chkHideDoshas"));
    captions_.Text(hideDoshas_,
                   QT_TRANSLATE_NOOP("People", "&Hide Nadi, Bhakoot and Rajju doshas"));
    filters->addWidget(minLabel);
    filters->addWidget(minPoints_);
    filters->addSpacing(16);
    filters->addWidget(hideDoshas_);
    filters->addStretch(1);
    layout->addLayout(filters);

    model_ = new RankingModel(this);
    table_ = Table(QStringLiteral("tblRanking"), model_, this);
    table_->setSortingEnabled(true);
    table_->horizontalHeader()->setSortIndicator(-1, Qt::DescendingOrder);
    captions_.AccessibleName(table_, QT_TRANSLATE_NOOP("People", "Candidates, best first"));
    layout->addWidget(table_, 1);

    auto* bottom = new QHBoxLayout;
    auto* spreadColumn = new QVBoxLayout;
    spreadColumn->addWidget(
        captions_.Text(new QLabel(this), QT_TRANSLATE_NOOP("People", "How many reach each total")));
    spread_ = new SpreadView(this);
    captions_.AccessibleName(spread_, QT_TRANSLATE_NOOP("People", "How many reach each total"));
    spreadColumn->addWidget(spread_);
    bottom->addLayout(spreadColumn);
    auto* side = new QVBoxLayout;
    shown_ = NamedLabel(QStringLiteral("lblShown"), QString(), this);
    side->addWidget(shown_);
    side->addStretch(1);
    QPushButton* csv = Button(QStringLiteral("cmdExportCsv"), this);
    captions_.Text(csv, QT_TRANSLATE_NOOP("People", "Export &CSV\u2026"));
    side->addWidget(csv, 0, Qt::AlignRight);
    QPushButton* pdf = Button(QStringLiteral("cmdExportPdf"), this);
    captions_.Text(pdf, QT_TRANSLATE_NOOP("People", "Export &PDF\u2026"));
    side->addWidget(pdf, 0, Qt::AlignRight);
    QPushButton* close = Button(QStringLiteral("cmdCloseRanking"), this);
    captions_.Text(close, QT_TRANSLATE_NOOP("People", "Close"));
    side->addWidget(close, 0, Qt::AlignRight);
    bottom->addLayout(side);
    layout->addLayout(bottom);

    connect(minPoints_, &QDoubleSpinBox::valueChanged, this, &RankingWindow::Filter);
    connect(hideDoshas_, &QCheckBox::toggled, this, &RankingWindow::Filter);
    connect(table_, &QTableView::activated, this, &RankingWindow::OpenRow);
    connect(csv, &QPushButton::clicked, this, &RankingWindow::ExportCsv);
    connect(pdf, &QPushButton::clicked, this, &RankingWindow::ExportPdf);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // Everyone else of the library, against the person.
    people::Library* library = app_.PeopleLibrary();
    if (library != nullptr) {
        std::vector<BirthDetails> everyone;
        auto all = library->Candidates(&everyone);
        if (std::holds_alternative<std::vector<people::Candidate>>(all)) {
            const auto& candidates = std::get<std::vector<people::Candidate>>(all);
            const auto me = std::find_if(candidates.begin(), candidates.end(),
                                         [&](const auto& c) { return c.Id == person_.Id; });
            if (me != candidates.end() && everyone.size() == candidates.size()) {
                model_->SetRanking(std::move(everyone), people::Rank(*me, candidates));
            }
        }
    }
    Filter();
    // Each column as wide as the rows on show and a sample of the others
    // need, and the name and place columns as wide as their longest texts
    // anywhere in the ranking: measuring every row of a large library
    // would keep the window from opening for a while.
    table_->horizontalHeader()->setResizeContentsPrecision(100);
    table_->resizeColumnsToContents();
    for (const int column : {0, 1}) {
        const int row = model_->LongestRow(column);
        if (row >= 0) {
            const int width = table_->sizeHintForIndex(model_->index(row, column)).width();
            if (width > table_->columnWidth(column)) {
                table_->setColumnWidth(column, width);
            }
        }
    }
    // Wide enough for every column (their headings are long in some
    // languages), within the screen; the table scrolls beyond that.
    const QMargins margins = QWidget::layout()->contentsMargins();
    int width = std::max(1100, table_->verticalHeader()->width() +
                                   table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                                   table_->verticalScrollBar()->sizeHint().width() +
                                   margins.left() + margins.right());
    if (const QScreen* shown = screen()) {
        width = std::min(width, shown->availableGeometry().width() - 40);
    }
    resize(width, 640);
}

void RankingWindow::Filter() {
    model_->SetFilter(minPoints_->value(), hideDoshas_->isChecked());
    spread_->SetTotals(model_->Totals());
    shown_->setText(
        Qt8(texts::Fill(CurrentWords().Translate(
                            "People", QT_TRANSLATE_NOOP("People", "Candidates shown: %1 of %2")),
                        {std::to_string(model_->Shown()), std::to_string(model_->All())})));
    if (model_->Shown() > 0) {
        table_->setCurrentIndex(model_->index(0, 0));
    }
}

void RankingWindow::OpenRow(const QModelIndex& index) {
    if (!index.isValid()) {
        return;
    }
    app_.ShowPair(person_.Details, model_->CandidateAt(index.row()));
}

void RankingWindow::ExportCsv() {
    FileDialogRequest request;
    request.Title = Tr(QT_TRANSLATE_NOOP("People", "Export the ranking")).toStdString();
    request.Filter = Tr(QT_TRANSLATE_NOOP("People", "CSV File (*.csv)|*.csv")).toStdString();
    request.DefaultExtension = "csv";
    request.OverwritePrompt = true;
    const auto path = app_.PlatformSeam().ChooseSaveFile(request);
    if (!path || path->empty()) {
        return;
    }
    // The file keeps the program's English words, as its other exports do.
    const auto quoted = [](const std::string& text) {
        if (text.find_first_of(",\"\r\n") == std::string::npos) {
            return text;
        }
        std::string out = "\"";
        for (const char c : text) {
            out += c;
            if (c == '"') {
                out += '"';
            }
        }
        return out + '"';
    };
    std::string csv;
    for (std::size_t c = 0; c < texts::RankingColumns.size(); ++c) {
        csv += std::string(c ? "," : "") + texts::RankingColumns[c];
    }
    csv += "\r\n";
    for (const auto& row : model_->RowTexts(texts::English())) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            csv += (c ? "," : "") + quoted(row[c]);
        }
        csv += "\r\n";
    }
    if (const auto problem = WriteFileAtomically(*path, csv)) {
        app_.Tell(*problem);
    }
}

void RankingWindow::ExportPdf() {
    FileDialogRequest request;
    request.Title = Tr(QT_TRANSLATE_NOOP("People", "Export the ranking")).toStdString();
    request.Filter = Tr(QT_TRANSLATE_NOOP("People", "PDF File (*.pdf)|*.pdf")).toStdString();
    request.DefaultExtension = "pdf";
    request.OverwritePrompt = true;
    const auto path = app_.PlatformSeam().ChooseSaveFile(request);
    if (!path || path->empty()) {
        return;
    }
    // A document to read: in the language in use, as the window shows it.
    const texts::Words& words = CurrentWords();
    RankingTable table;
    table.Title = windowTitle().toStdString();
    table.PagePattern = words.Translate("Report", QT_TRANSLATE_NOOP("Report", "Page %1"));
    for (std::size_t c = 0; c < table.Headings.size(); ++c) {
        table.Headings[c] = words.Translate("People", texts::RankingColumns[c]);
    }
    table.Rows = model_->RowTexts(words);
    const auto bytes = RankingPdfBytes(table);
    if (!bytes) {
        app_.Tell(Tr(QT_TRANSLATE_NOOP("People", "The PDF could not be made.")).toStdString());
        return;
    }
    if (const auto problem = WriteFileAtomically(*path, *bytes)) {
        app_.Tell(*problem);
    }
}

void RankingWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
        Filter();
    }
    QWidget::changeEvent(event);
}

// --- the people window -----------------------------------------------------

PeopleWindow::PeopleWindow(TirovaneApp& app, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app) {
    setObjectName(QStringLiteral("frmPeople"));
    captions_.Set(QT_TRANSLATE_NOOP("People", "People"),
                  [this](const QString& text) { setWindowTitle(text); });
    auto* layout = new QVBoxLayout(this);
    auto* searchRow = new QHBoxLayout;
    QLabel* searchLabel = captions_.Text(new QLabel(this), QT_TRANSLATE_NOOP("People", "&Search:"));
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("txtSearch"));
    search_->setClearButtonEnabled(true);
    captions_.Set(QT_TRANSLATE_NOOP("People", "Name or place, in any script"),
                  [this](const QString& text) { search_->setPlaceholderText(text); });
    captions_.AccessibleName(search_, QT_TRANSLATE_NOOP("People", "Search"));
    searchLabel->setBuddy(search_);
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(search_, 1);
    layout->addLayout(searchRow);

    model_ = new PeopleModel(this);
    table_ = Table(QStringLiteral("tblPeople"), model_, this);
    captions_.AccessibleName(table_, QT_TRANSLATE_NOOP("People", "People in the library"));
    layout->addWidget(table_, 1);
    count_ = NamedLabel(QStringLiteral("lblPeopleCount"), QString(), this);
    layout->addWidget(count_);

    // The chosen person's commands on one row, the library's on the next.
    auto* chosenRow = new QHBoxLayout;
    auto* libraryRow = new QHBoxLayout;
    const auto button = [&](QHBoxLayout* row, const char* name, const char* caption, auto slot,
                            bool needsChoice) {
        QPushButton* b = Button(QString::fromLatin1(name), this);
        captions_.Text(b, caption);
        connect(b, &QPushButton::clicked, this, slot);
        if (needsChoice) {
            needChoice_.push_back(b);
        }
        row->addWidget(b);
        return b;
    };
    button(
        chosenRow, "cmdUseFirst", QT_TRANSLATE_NOOP("People", "Use as &First Person"),
        [this] { UseForReading(FirstPerson); }, true);
    button(
        chosenRow, "cmdUsePartner", QT_TRANSLATE_NOOP("People", "Use as P&artner"),
        [this] { UseForReading(Partner); }, true);
    button(
        chosenRow, "cmdMatchAll", QT_TRANSLATE_NOOP("People", "&Match Against All\u2026"),
        [this] { MatchAll(); }, true);
    button(
        chosenRow, "cmdEdit", QT_TRANSLATE_NOOP("People", "&Edit\u2026"), [this] { Edit(); }, true);
    button(
        chosenRow, "cmdDelete", QT_TRANSLATE_NOOP("People", "&Delete\u2026"), [this] { Delete(); },
        true);
    chosenRow->addStretch(1);
    button(
        libraryRow, "cmdAddFirst", QT_TRANSLATE_NOOP("People", "Add &Your Details"),
        [this] { AddFromForm(FirstPerson); }, false);
    button(
        libraryRow, "cmdAddPartner", QT_TRANSLATE_NOOP("People", "Add Your &Partner's Details"),
        [this] { AddFromForm(Partner); }, false);
    button(
        libraryRow, "cmdImport", QT_TRANSLATE_NOOP("People", "&Import\u2026"), [this] { Import(); },
        false);
    button(
        libraryRow, "cmdExport", QT_TRANSLATE_NOOP("People", "E&xport\u2026"), [this] { Export(); },
        false);
    libraryRow->addStretch(1);
    button(
        libraryRow, "cmdClosePeople", QT_TRANSLATE_NOOP("People", "Close"), [this] { close(); },
        false);
    layout->addLayout(chosenRow);
    layout->addLayout(libraryRow);

    // The list follows the typing after a short pause.
    searchTimer_ = new QTimer(this);
    searchTimer_->setSingleShot(true);
    searchTimer_->setInterval(150);
    connect(search_, &QLineEdit::textChanged, searchTimer_, qOverload<>(&QTimer::start));
    connect(searchTimer_, &QTimer::timeout, this, &PeopleWindow::Reload);
    connect(table_, &QTableView::activated, this, [this] { UseForReading(FirstPerson); });
    connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        for (QPushButton* b : needChoice_) {
            b->setEnabled(Chosen() != nullptr);
        }
    });
    resize(980, 560);
}

void PeopleWindow::Reload() {
    searchTimer_->stop();
    people::Library* library = app_.PeopleLibrary();
    if (library == nullptr) {
        return;
    }
    auto listed = library->List(search_->text().toStdString());
    if (auto* error = std::get_if<people::Error>(&listed)) {
        app_.Tell(texts::LibraryErrorText(*error, app_.PeopleLibraryPath(), CurrentWords()));
        return;
    }
    model_->SetPeople(std::move(std::get<std::vector<people::Person>>(listed)));
    table_->resizeColumnsToContents();
    if (model_->rowCount() > 0) {
        table_->setCurrentIndex(model_->index(0, 0));
    }
    for (QPushButton* b : needChoice_) {
        b->setEnabled(Chosen() != nullptr);
    }
    ShowCount();
}

void PeopleWindow::ShowCount() {
    count_->setText(
        Qt8(texts::Fill(CurrentWords().Translate(
                            "People", QT_TRANSLATE_NOOP("People", "People shown: %1 (library %2)")),
                        {std::to_string(model_->rowCount()), app_.PeopleLibraryPath()})));
}

const people::Person* PeopleWindow::Chosen() const {
    const QModelIndex current = table_->currentIndex();
    return current.isValid() ? &model_->PersonAt(current.row()) : nullptr;
}

void PeopleWindow::AddFromForm(int frame) {
    InputForm& input = app_.Input();
    // The form's own checks, with its own message, before anything is kept.
    if (!input.ValidateInput(frame)) {
        return;
    }
    people::Library* library = app_.PeopleLibrary();
    if (library == nullptr) {
        return;
    }
    people::Person person;
    person.Details = input.ReadPerson(frame);
    auto added = library->Add({person}, people::NowUtc());
    if (auto* error = std::get_if<people::Error>(&added)) {
        app_.Tell(texts::LibraryErrorText(*error, app_.PeopleLibraryPath(), CurrentWords()));
        return;
    }
    const auto& result = std::get<std::vector<people::Library::Added>>(added).front();
    if (!result.New) {
        app_.Tell(texts::AlreadyThereText(person.Details.Name, result.Id, CurrentWords()));
    }
    search_->clear();
    Reload();
    for (int row = 0; row < model_->rowCount(); ++row) {
        if (model_->PersonAt(row).Id == result.Id) {
            table_->setCurrentIndex(model_->index(row, 0));
        }
    }
}

void PeopleWindow::Delete() {
    const people::Person* chosen = Chosen();
    people::Library* library = app_.PeopleLibrary();
    if (chosen == nullptr || library == nullptr) {
        return;
    }
    const std::string question =
        texts::Fill(CurrentWords().Translate(
                        "People", QT_TRANSLATE_NOOP("People", "Delete %1 from the library?")),
                    {chosen->Details.Name});
    if (!app_.Ask(question)) {
        return;
    }
    if (const auto error = library->Remove(chosen->Id)) {
        app_.Tell(texts::LibraryErrorText(*error, app_.PeopleLibraryPath(), CurrentWords()));
    }
    Reload();
}

void PeopleWindow::UseForReading(int frame) {
    const people::Person* chosen = Chosen();
    if (chosen == nullptr) {
        return;
    }
    InputForm& input = app_.Input();
    input.WriteForm(frame, FormOf(chosen->Details));
    input.show();
    input.raise();
    input.activateWindow();
}

void PeopleWindow::MatchAll() {
    const people::Person* chosen = Chosen();
    if (chosen == nullptr) {
        return;
    }
    if (ranking_ != nullptr) {
        ranking_->close();
    }
    ranking_ = new RankingWindow(app_, *chosen, this);
    ranking_->show();
    ranking_->raise();
    ranking_->activateWindow();
}

void PeopleWindow::Import() {
    people::Library* library = app_.PeopleLibrary();
    if (library == nullptr) {
        return;
    }
    FileDialogRequest request;
    request.Title = Tr(QT_TRANSLATE_NOOP("People", "Import People")).toStdString();
    request.Filter = Tr(QT_TRANSLATE_NOOP("People", "People (*.csv *.jsonl *.json *.tvr)|"
                                                    "*.csv;*.jsonl;*.json;*.tvr"))
                         .toStdString();
    const auto path = app_.PlatformSeam().ChooseOpenFile(request);
    if (!path || path->empty()) {
        return;
    }
    // Reading the lines (each place found) is most of the work, adding
    // them the rest; Cancel at any moment imports nobody.
    QProgressDialog progress(Tr(QT_TRANSLATE_NOOP("People", "Importing people\u2026")),
                             Tr(QT_TRANSLATE_NOOP("People", "Cancel")), 0, 1000, this);
    progress.setObjectName(QStringLiteral("dlgImportProgress"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const auto step = [&progress](double share) {
        progress.setValue(static_cast<int>(share * 1000));
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    };
    bool cancelled = false;
    auto read = cli::ReadImportFile(
        *path,
        [&](std::size_t done, std::size_t total) {
            return step(total == 0 ? 0
                                   : 0.8 * static_cast<double>(done) / static_cast<double>(total));
        },
        &cancelled);
    if (cancelled) {
        return;
    }
    if (auto* problem = std::get_if<std::string>(&read)) {
        progress.cancel();
        app_.Tell(*problem);
        return;
    }
    const auto& lines = std::get<std::vector<cli::ImportLine>>(read);
    std::vector<people::Person> good;
    std::string bad;
    std::size_t badCount = 0;
    for (const cli::ImportLine& line : lines) {
        if (line.Person) {
            good.push_back(*line.Person);
        } else if (++badCount <= 20) {
            bad += texts::Fill(CurrentWords().Translate("People",
                                                        QT_TRANSLATE_NOOP("People", "Line %1: %2")),
                               {std::to_string(line.Line), line.Problem}) +
                   "\r";
        }
    }
    if (badCount > 0) {
        // Every bad line named (the first twenty), then the question.
        progress.cancel();
        const std::string which =
            CurrentWords().TranslateCount(
                "People",
                QT_TRANSLATE_N_NOOP("People", "%n line(s) of the file cannot be imported."),
                static_cast<int>(badCount)) +
            "\r" + bad;
        if (good.empty()) {
            app_.Tell(which);
            return;
        }
        if (!app_.Ask(which + "\r" +
                      CurrentWords().Translate(
                          "People", QT_TRANSLATE_NOOP("People", "Import the other lines only?")))) {
            return;
        }
        progress.reset();
        progress.setValue(800);
    }
    bool stopped = false;
    auto added = library->Add(good, people::NowUtc(), [&](std::size_t done, std::size_t total) {
        if (done % 200 != 0) {
            return true;
        }
        stopped = !step(0.8 + 0.2 * static_cast<double>(done) / static_cast<double>(total));
        return !stopped;
    });
    progress.setValue(1000);
    if (stopped) {
        return; // cancelled: nobody was added
    }
    if (auto* error = std::get_if<people::Error>(&added)) {
        app_.Tell(texts::LibraryErrorText(*error, app_.PeopleLibraryPath(), CurrentWords()));
        return;
    }
    const auto& results = std::get<std::vector<people::Library::Added>>(added);
    const auto fresh = static_cast<std::size_t>(
        std::count_if(results.begin(), results.end(), [](const auto& a) { return a.New; }));
    app_.Tell(texts::Fill(
        CurrentWords().Translate(
            "People", QT_TRANSLATE_NOOP("People", "Added: %1. Already in the library: %2.")),
        {std::to_string(fresh), std::to_string(results.size() - fresh)}));
    Reload();
}

void PeopleWindow::Export() {
    people::Library* library = app_.PeopleLibrary();
    if (library == nullptr) {
        return;
    }
    FileDialogRequest request;
    request.Title = Tr(QT_TRANSLATE_NOOP("People", "Export People")).toStdString();
    request.Filter = Tr(QT_TRANSLATE_NOOP("People", "CSV File (*.csv)|*.csv|JSON Lines "
                                                    "(*.jsonl)|*.jsonl"))
                         .toStdString();
    request.DefaultExtension = "csv";
    request.OverwritePrompt = true;
    const auto path = app_.PlatformSeam().ChooseSaveFile(request);
    if (!path || path->empty()) {
        return;
    }
    auto listed = library->List();
    if (auto* error = std::get_if<people::Error>(&listed)) {
        app_.Tell(texts::LibraryErrorText(*error, app_.PeopleLibraryPath(), CurrentWords()));
        return;
    }
    const auto& everyone = std::get<std::vector<people::Person>>(listed);
    std::string bytes;
    if (path->ends_with(".jsonl") || path->ends_with(".json")) {
        for (const people::Person& person : everyone) {
            bytes += cli::PersonJsonLine(person) + '\n';
        }
    } else {
        bytes = cli::PeopleCsv(everyone);
    }
    if (const auto problem = WriteFileAtomically(*path, bytes)) {
        app_.Tell(*problem);
    }
}

void PeopleWindow::Edit() {
    const people::Person* chosen = Chosen();
    people::Library* library = app_.PeopleLibrary();
    if (chosen == nullptr || library == nullptr) {
        return;
    }
    // The name, the sex and the notes; the birth itself is changed on the
    // form and added again, where the form's checks and place finder are.
    people::Person person = *chosen;
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("dlgEditPerson"));
    dialog.setWindowTitle(Tr(QT_TRANSLATE_NOOP("People", "Edit Person")));
    auto* form = new QFormLayout(&dialog);
    auto* name = new QLineEdit(Qt8(person.Details.Name), &dialog);
    name->setObjectName(QStringLiteral("txtEditName"));
    auto* sex = new QComboBox(&dialog);
    sex->setObjectName(QStringLiteral("cboEditSex"));
    sex->addItems({Tr(QT_TRANSLATE_NOOP("People", "Not given")),
                   Tr(QT_TRANSLATE_NOOP("People", "Male")),
                   Tr(QT_TRANSLATE_NOOP("People", "Female"))});
    sex->setCurrentIndex(static_cast<int>(person.Details.PersonSex));
    auto* notes = new QPlainTextEdit(Qt8(person.Notes), &dialog);
    notes->setObjectName(QStringLiteral("txtEditNotes"));
    notes->setTabChangesFocus(true);
    form->addRow(Tr(QT_TRANSLATE_NOOP("People", "&Name:")), name);
    form->addRow(Tr(QT_TRANSLATE_NOOP("People", "S&ex:")), sex);
    form->addRow(Tr(QT_TRANSLATE_NOOP("People", "N&otes:")), notes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The name keeps the form's rule.
    PersonForm check = FormOf(person.Details);
    check.Name = name->text().toStdString();
    if (const auto failure = ValidateInput(check)) {
        app_.Tell(texts::ValidationMessage(failure->Problem, CurrentWords()));
        return;
    }
    person.Details.Name = check.Name;
    person.Details.PersonSex = static_cast<Sex>(sex->currentIndex());
    person.Notes = notes->toPlainText().toStdString();
    if (const auto error = library->Update(person, people::NowUtc())) {
        app_.Tell(texts::LibraryErrorText(*error, app_.PeopleLibraryPath(), CurrentWords()));
    }
    Reload();
}

void PeopleWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        captions_.Apply();
        ShowCount();
        model_->SetPeople([this] {
            std::vector<people::Person> same;
            for (int row = 0; row < model_->rowCount(); ++row) {
                same.push_back(model_->PersonAt(row));
            }
            return same;
        }());
    }
    QWidget::changeEvent(event);
}

} // namespace tirovane
