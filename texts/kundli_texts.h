#pragma once

#include "kundli/dasha.h"
#include "texts/words.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// The words of the Vimshottari dasha as the result window and the report
// show it: the balance at birth, the periods with their dates and ages,
// and the captions of the timeline and the tables.

namespace tirovane::texts {

// The lord of a period by its planet's name: "Saturn".
std::string DashaLordName(kundli::DashaLord lord, const Words& words = English());

// "Saturn dasha: 12 years 3 months 5 days left at birth".
std::string BalanceText(const kundli::Vimshottari& dasha, const Words& words = English());

// "2005-10-15", in Western digits in every language.
std::string DateText(const kundli::CivilDate& date);

// An age in years and months: "34 y 2 m".
std::string AgeText(const kundli::Age& age, const Words& words = English());

// The captions: the tab and the report's heading ("Dasha"), the switch
// between the two charts ("Rashi", "Navamsa"), the timeline's and the
// tables' accessible names, the sentence on the length of a year, the
// mark of the running period and the timeline's axis.
extern const char* const DashaHeading;
extern const char* const RashiCaption;
extern const char* const NavamsaCaption;
extern const char* const TimelineCaption;
extern const char* const DashaTableCaption;
extern const char* const YearLengthNote;
extern const char* const RunningText;
extern const char* const AgeAxisCaption;
extern const char* const TodayCaption;
// "Period", "Start", "End", "Age at start", "Age at end", "Today".
extern const std::array<const char*, 6> DashaColumns;

// One period's row: the lord, the start and end dates, the ages at both
// ("before birth" for a start before it), and "Running" where it runs
// at the instant the table is made for.
struct DashaRow {
    kundli::DashaLord Lord = kundli::DashaLord::Ketu;
    std::array<std::string, 6> Cells;
    bool Running = false;
};

// A person's dasha in words: the balance at birth, the nine mahadashas
// from the one running at birth, and the nine antardashas of each.
struct DashaTable {
    std::string Balance;
    std::array<DashaRow, kundli::DashaLordCount> Periods;
    std::array<std::array<DashaRow, kundli::DashaLordCount>, kundli::DashaLordCount> Subs;
    // The mahadasha running at `today` (index into Periods), if any.
    std::optional<int> Running;
};

DashaTable DashaTableOf(const kundli::Kundli& kundli, double todayJulianDay,
                        const Words& words = English());

// The timeline picture of the mahadashas of the people on one age axis,
// from birth to 120 years: one row per person, each period a segment.
struct TimelineSegment {
    kundli::DashaLord Lord = kundli::DashaLord::Ketu;
    double FromAge = 0; // years; the first period is cut at birth
    double ToAge = 0;
    std::string Label; // the lord's name
};

struct TimelineRow {
    std::string Name;
    std::vector<TimelineSegment> Segments;
    std::optional<double> TodayAge; // where today falls, if within the cycle
};

struct DashaTimeline {
    std::vector<TimelineRow> Rows;
    std::string AxisCaption;  // "Age in years"
    std::string TodayCaption; // "Today"
    double Years = kundli::CycleYears;
};

TimelineRow TimelineRowOf(const std::string& name, const kundli::Kundli& kundli,
                          double todayJulianDay, const Words& words = English());

DashaTimeline TimelineOf(std::vector<TimelineRow> rows, const Words& words = English());

} // namespace tirovane::texts
