#pragma once

#include "platform/platform.h"
#include "reading/chart_cells.h"
#include "reading/pair_match.h"
#include "reading/reading.h"
#include "texts/kundli_texts.h"
#include "texts/result_texts.h"
#include "texts/words.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The report of a reading as plain data: every text ready to print, made
// by the same functions that make the result window's texts, and the
// charts' numbers. The writers (the PDF file, the print preview) only lay
// it out.

namespace tirovane {

// One row of a two-column table: a caption and its value.
struct ReportRow {
    std::string Caption;
    std::string Value;
};

// One evaluation's lines (from Lagna or from Chandra): the three lines the
// result shows and, when rules cancelled the dosha, which in plain words.
struct ReportEvaluation {
    std::string Heading; // "Ascendant (Lagna)", "Moon Sign (Rashi)"
    std::array<std::string, 3> Lines;
    std::string CancelledBy;
};

// A person's dasha: the balance at birth, the nine mahadashas, and the
// antardashas of the mahadasha running when the report is made and of the
// next, each under its heading.
struct ReportDasha {
    std::string Balance;
    std::vector<texts::DashaRow> Periods;
    struct Antardashas {
        std::string Heading; // "Antardashas of the Saturn mahadasha"
        std::vector<texts::DashaRow> Rows;
    };
    std::vector<Antardashas> Subs;
};

struct ReportPerson {
    std::string Heading; // "Your Details", "Your Partner's Details"
    std::string Name;
    // The personal details as the window shows them, then the time zone
    // and the daylight saving the calculation used.
    std::vector<std::string> Details;
    // "Surya / Sun" .. "Shani / Saturn" with their chart positions, then
    // Rahu, Ketu, the ascendant and the midheaven.
    std::vector<ReportRow> Positions;
    // Ayanamsa, Lagna, nakshatra, pada, lord, Moon sign and the Lagna's
    // position.
    std::vector<ReportRow> Vedic;
    // The Rashi chart: the twelve cells' texts and the ascendant's sign;
    // nothing while the person is not computed.
    std::optional<ChartCellTexts> ChartCells;
    int AscendantSign = 0;
    // The Navamsa chart and the dasha, the same way.
    std::optional<ChartCellTexts> NavamsaCells;
    int NavamsaAscendant = 0;
    std::optional<ReportDasha> Dasha;
    std::array<ReportEvaluation, 2> Evaluations;
    // What the cross-check found different; empty when it agreed.
    std::string CrossCheckNotice;
};

// The 36-point table as shown: headings, one row per part, the total.
struct ReportMatchTable {
    std::string Title; // "36-Point Match"
    std::array<std::string, 5> Headings;
    std::vector<std::array<std::string, 5>> Rows;
    std::array<std::string, 5> Total; // "Total", "", "", "23.5", "36"
    std::string Verdict;
    std::string NadiDosha;
    std::string BhakootDosha;
    std::string Roles;
};

// The ten poruthams as shown: headings, one row per porutham (name, grade,
// reason), then the count, score, verdict and doshas.
struct ReportPoruthamTable {
    std::string Title; // "Ten Poruthams"
    std::array<std::string, 3> Headings;
    std::vector<std::array<std::string, 3>> Rows;
    std::string Count;
    std::string Score;
    std::string Verdict;
    std::string Doshas;
};

struct ReportModel {
    std::string Title; // "Manglik Matching Reading"
    // The headings the writer places: "Personal Details", "Vedic Planetary
    // Position", "Other Vedic Details", "Manglik Interpretation",
    // "Manglik Matching"; the footer's page number ("Page %1").
    std::string DetailsHeading;
    std::string PositionsHeading;
    std::string VedicHeading;
    std::string InterpretationHeading;
    std::string MatchingHeading;
    std::string PagePattern;
    std::string Subtitle; // the two names
    ChartStyle Style = ChartStyle::South;
    std::array<ReportPerson, 2> People;
    // The match page: the Lagna and the Chandra interpretation, three lines
    // each (greetings and the match line), as the window shows them.
    std::array<std::string, 2> InterpretationHeadings;
    std::array<std::array<std::string, 3>, 2> Interpretations;
    // The matching tables the reading shows (View > Matching), then the
    // sentence on who was counted on which side.
    MatchingTables Tables = MatchingTables::Both;
    ReportMatchTable Match;
    ReportPoruthamTable Poruthams;
    // The page of the Navamsa charts and the dashas: its heading ("Navamsa
    // and Dasha"), the caption over each Navamsa chart ("Navamsa: %1"), the
    // sentence on the year length, the timeline of both people and the
    // headings of the dasha tables.
    std::string KundliHeading;
    std::array<std::string, 2> NavamsaCaptions;
    std::string YearLengthNote;
    texts::DashaTimeline Timeline;
    std::array<std::string, 6> DashaHeadings;
    std::string Engine; // which engine computed the positions
    std::string Advice;
    std::string Invitation;
    std::string EffectsHeading;
    std::vector<texts::TextBlock> Effects; // lines end in CR LF
    // The footer of every page: the program and when the report was made.
    std::string Program; // "Tirovane v1.15"
    std::string MadeOn;  // "Made on December 8, 2026 at 10:30"
};

// `path` with its file name's extension replaced by ".pdf" (added when it
// has none); empty stays empty.
std::string WithPdfExtension(const std::string& path);

// "Made on December 8, 2026 at 10:30" (minutes with two digits).
std::string MadeOnText(const LocalTime& made, const texts::Words& words = texts::English());

// The report of the reading in `state` with its charts drawn in `style`,
// made at `made`, in the language of the words.
ReportModel BuildReport(const ReadingState& state, ChartStyle style, const LocalTime& made,
                        const texts::Words& words = texts::English());

} // namespace tirovane
