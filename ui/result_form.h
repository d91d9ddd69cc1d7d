#pragma once

#include "reading/birth_details.h"
#include "reading/calculation.h"
#include "reading/pair_match.h"
#include "reading/reading.h"
#include "texts/result_lines.h"
#include "ui/captions.h"

#include <QWidget>
#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabBar;
class QTextCursor;
class QTextEdit;

namespace tirovane {

class DashaPage;
class MatchTable;
class PoruthamTable;
class RashiChartWidget;
class NorthChartWidget;
class TirovaneApp;

// The finished reading on three tabs: each person's details, positions,
// chart and Manglik lines, and the pair's match.
class ResultForm : public QWidget {
    Q_OBJECT
public:
    ResultForm(TirovaneApp& app, QWidget* parent = nullptr);

    // Tab 1 and the first page in front, both people's personal details
    // from the reading.
    void Form_Load(const Reading& reading);

    void WritePersonalDetails(int person, const BirthDetails& details);
    // The chart values of the driver: planets, other Vedic details, cells.
    void WriteChart(int person, const PersonChart& chart);
    // What one person's two evaluations wrote: their six result lines,
    // their greeting lines and both match lines.
    void WriteManglikLines(int person, const texts::ResultLines& lines);
    // Every result line and match line back to "-".
    void ResetManglikLines();
    // Which rules cancelled one person's dosha from Lagna and from Chandra,
    // in plain words; an empty text hides its line.
    void WriteCancellations(int person, const std::string& lagna, const std::string& rashi);
    // The person's cross-check: its notice and the way to the precise chart
    // when anything differs, nothing when everything agrees.
    void WriteCrossCheck(int person, const std::optional<PersonCrossCheck>& check);
    // Names the engine above the tabs when the positions are the precise
    // ephemeris's; nothing for the described engine.
    void ShowEngine(const PersonChart& chart);
    // Shows both people's charts in this style.
    void SetChartStyle(ChartStyle style);
    // Shows both people's Navamsa charts in place of their Rashi charts, or
    // the Rashi charts again. The Navamsa charts are made when first shown.
    void ShowNavamsa(bool on);
    bool NavamsaShown() const { return navamsa_; }
    // The 36-point match of the pair, or "-" throughout while there is none.
    // Both matching tables and the sentence on the sides; nothing: every
    // value back to "-".
    void WriteMatch(const std::optional<SidedMatch>& match);
    // Which matching tables the match page shows.
    void SetMatchingTables(MatchingTables tables);

    int PageInFront() const;

    // The tabs: each person's details, the match, the dasha.
    static constexpr int DashaTab = 3;

public slots:
    void TS_Click();
    void Command3_Click(); // first person: Manglik Interpretation
    void Command4_Click(); // first person: Effects && Remedies
    void Command1_Click(); // partner: Manglik Interpretation
    void Command2_Click(); // partner: Effects && Remedies
    void lblHomePage_Click();

protected:
    // A new language: every caption, and the texts of the reading, again.
    void changeEvent(QEvent* event) override;

private:
    struct PersonPage {
        std::array<QLabel*, 8> Details{};
        std::array<QLabel*, 7> Planets{};
        std::array<QLabel*, 6> Vedic{};
        std::array<QLabel*, 7> Results{};
        // Beside the Lagna and the Chandra cancellation line: which rules
        // cancelled the dosha, in plain words; hidden when none did.
        std::array<QLabel*, 2> Cancellations{};
        RashiChartWidget* Chart = nullptr;
        NorthChartWidget* NorthChart = nullptr;
        QGroupBox* Interpretation = nullptr;
        QGroupBox* Effects = nullptr;
        QTextEdit* EffectsText = nullptr;
        QLabel* CrossCheck = nullptr;
        QPushButton* PreciseChart = nullptr;
        // How many copies of the effects text the person's presses put in.
        int EffectsCopies = 0;
        // The Navamsa charts, made when first shown, and the switch under
        // the chart between the Rashi and the Navamsa chart.
        RashiChartWidget* NavamsaChart = nullptr;
        NorthChartWidget* NavamsaNorth = nullptr;
        QRadioButton* ShowRashi = nullptr;
        QRadioButton* ShowNavamsa = nullptr;
        // What the Navamsa chart and the dasha are made from.
        std::optional<BirthDetails> Birth;
        std::optional<PersonChart> Computed;
    };

    QWidget* BuildPersonPage(int person);
    QWidget* BuildMatchPage();
    // Lays each person's charts out for the style and the division shown.
    void ShowCharts();
    // The Navamsa chart of a person from the chart written last.
    void WriteNavamsa(int person);
    // The Dasha tab from both people's charts, when it is in front; else
    // it is written when it comes to the front.
    void WriteDasha();
    void ShowInterpretation(int person);
    void ShowEffects(int person);
    // One copy of the effects-and-remedies text at the cursor.
    void InsertEffects(QTextCursor& cursor);

    TirovaneApp& app_;
    Captions captions_{"Result"};
    QLabel* engine_ = nullptr;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    std::array<PersonPage, 2> people_;
    std::array<QLabel*, 6> interpretation_{};
    MatchTable* matchTable_ = nullptr;
    PoruthamTable* poruthamTable_ = nullptr;
    QLabel* sides_ = nullptr;
    int groom_ = FirstPerson; // the side the sentence under the tables tells
    ChartStyle style_ = ChartStyle::South;
    bool navamsa_ = false;
    DashaPage* dasha_ = nullptr;
    bool dashaWritten_ = false; // the Dasha tab shows the charts written last
};

} // namespace tirovane
