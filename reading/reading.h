#pragma once

#include "manglik/manglik.h"
#include "reading/birth_details.h"
#include "reading/birth_instant.h"
#include "reading/calculation.h"
#include "reading/cross_check.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// The reading as a whole: both people, the Manglik lines the result shows,
// and the match flags that compare the two people.

namespace tirovane {

// One reference's match flags: a flag per person, "1" when that person is
// Manglik. Text() is the flag text: the partner's flag in front of the
// first person's, holding exactly the flags of the current reading.
struct MatchFlags {
    std::optional<bool> FirstPerson;
    std::optional<bool> Partner;

    std::string Text() const;
    void Clear() { *this = {}; }
};

// What one reference's match line says of the pair: both Manglik (the
// dosha nullified, flags "11"), neither ("00"), or one of them (any other
// flag text, the empty one included).
enum class MatchOutcome { Nullified, NoDosha, NotNullified };

MatchOutcome MatchOutcomeOf(const std::string& flagText);

// The evaluations the result's Manglik labels show, per person: the lines
// of a person are written by its evaluation and stay until Back resets
// them ("-" while there is none). The name is the one the greeting greets.
struct ShownEvaluations {
    std::array<std::optional<manglik::ManglikResult>, 2> Lagna;
    std::array<std::optional<manglik::ManglikResult>, 2> Rashi;
    std::array<std::string, 2> Names;
};

// One person's check against the precise ephemeris: the precise chart and
// the comparison. When the precise engine failed, PreciseChart is empty and
// Check carries the failure as its notice.
struct PersonCrossCheck {
    std::optional<PersonChart> PreciseChart;
    CrossCheck Check;
};

// Which matching tables the match page, the print-out and the report show:
// the 36 points, the ten poruthams or both (the default).
enum class MatchingTables { Points, Poruthams, Both };

// The settings' codes "points", "poruthams" and "both"; any other code
// (none chosen yet) is Both.
MatchingTables MatchingTablesOf(std::string_view code);
std::string MatchingTablesCode(MatchingTables tables);

// What a reading keeps between the steps of the program: the pair of
// people, the engine's last input and result, the lines and the flags.
struct ReadingState {
    Reading People;
    // The engine's input and result for the person computed last.
    int LastPerson = FirstPerson;
    engine::EngineInput LastInput;
    PersonChart LastChart;
    // Each person's chart as last computed, so that a result window made
    // afresh shows the pair the match lines are about.
    std::array<std::optional<PersonChart>, 2> Charts;
    MatchFlags LagnaMatchFlags;
    MatchFlags ChandraMatchFlags;
    ShownEvaluations Shown;
    // Each person's Moon (sidereal degrees) once computed in this reading;
    // the 36-point match needs both.
    std::array<std::optional<double>, 2> MoonLongitudes;
    // The file name last chosen for saving a reading or exporting a chart.
    std::string LastFilePath;
    // The file name and the folder of the last picture saved as JPEG.
    std::string LastPictureFile;
    std::string LastPictureFolder;
    // The engine whose positions the results show.
    ChartEngineChoice Engine = ChartEngineChoice::Described;
    // Whether each person computed with the described engine is also
    // checked against the precise ephemeris, and the checks, per person.
    bool CrossCheckEnabled = false;
    // How the charts are drawn in the windows, the picture, the print-out
    // and the report.
    ChartStyle ChartStyleChoice = ChartStyle::South;
    MatchingTables MatchingChoice = MatchingTables::Both;
    std::array<std::optional<PersonCrossCheck>, 2> CrossChecks;
};

// Records one evaluation as shown (role from `person`: 0 "usr", 1 "pp")
// and updates that reference's flags, which both match lines follow.
void RecordEvaluation(ReadingState& state, int person, manglik::ReferenceKind kind,
                      const manglik::ManglikResult& result);

// Computes person `index` (already validated) into the state: the birth
// details are stored, the chart computed with the state's engine, and both
// evaluations recorded, Lagna first; with the cross-check enabled, the
// person's check is stored too. Should the precise engine fail, the
// described chart is shown and the check says why. Returns the chart.
const PersonChart& ComputePerson(ReadingState& state, int index, const BirthDetails& details);

// The cross-check of one person's described chart.
PersonCrossCheck CheckAgainstPreciseEphemeris(const engine::EngineInput& input,
                                              const PersonChart& described);

// The "Back" reset: every Manglik line and match line back to "-", both
// flag texts empty, no cross-check.
void ResetManglikLines(ReadingState& state);

} // namespace tirovane
