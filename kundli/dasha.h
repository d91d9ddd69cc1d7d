#pragma once

#include "engine/birth_instant.h"
#include "engine/tables.h"
#include "kundli/navamsa.h"

#include <array>
#include <optional>
#include <string_view>

// The Vimshottari dasha: the 120-year cycle of nine planetary periods that
// starts from the lord of the Moon's nakshatra at birth. A year is 365.25
// days.

namespace tirovane::kundli {

// The lords in the order of the cycle, from the lord of Aswini.
enum class DashaLord { Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury };
inline constexpr int DashaLordCount = 9;
inline constexpr double CycleYears = 120;
inline constexpr double DaysPerYear = 365.25;

// The lord's years in the cycle: Ketu 7, Venus 20, Sun 6, Moon 10, Mars 7,
// Rahu 18, Jupiter 16, Saturn 19, Mercury 17.
double DashaYears(DashaLord lord);
// The chart body of the lord, whose name the texts use ("Ketu", "Venus").
engine::ChartBody BodyOf(DashaLord lord);
// The lord of nakshatra k (0 Aswini .. 26 Revati): the (k mod 9)-th.
DashaLord LordOfNakshatra(int nakshatra);

// A period between two instants (Julian Days in universal time).
struct DashaPeriod {
    DashaLord Lord = DashaLord::Ketu;
    double StartJulianDay = 0;
    double EndJulianDay = 0;
};

// A mahadasha with its nine antardashas, the first of its own lord.
struct Mahadasha : DashaPeriod {
    std::array<DashaPeriod, DashaLordCount> Sub{};
};

struct Vimshottari {
    DashaLord LordAtBirth = DashaLord::Ketu;
    double BalanceYears = 0; // of the period running at birth
    // The nine mahadashas from the one running at birth; the first began
    // before birth.
    std::array<Mahadasha, DashaLordCount> Periods{};
};

// The dasha of a birth at `birthJulianDay` (universal time) whose Moon
// stands at sidereal longitude `moonLongitude` in [0, 360).
Vimshottari VimshottariDasha(double moonLongitude, double birthJulianDay);

// A civil date.
struct CivilDate {
    int Year = 2000;
    int Month = 1;
    int Day = 1;

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// How far the birth's own clock runs ahead of universal time, in hours:
// the zone row and the daylight saving as entered, kept for every date.
double ClockOffsetHours(const engine::BirthInstant& birth);

// The Gregorian date of an instant on a clock `offsetHours` ahead of
// universal time; an instant at midnight belongs to the new day.
CivilDate DateOnClock(double julianDayUT, double offsetHours);

// Whole years and months (a twelfth of a year) from birth to an instant.
struct Age {
    int Years = 0;
    int Months = 0;
};
Age AgeAt(double julianDayUT, double birthJulianDay);

// A length in years cut into whole years, whole months (a twelfth of a
// year) and whole days of what is left, a year being 365.25 days.
struct Span {
    int Years = 0;
    int Months = 0;
    int Days = 0;
};
Span SpanOf(double years);

// The mahadasha (its index in Periods) and its antardasha running at an
// instant; none before the first period began or after the last ended.
struct RunningPeriod {
    int Mahadasha = 0;
    int Antardasha = 0;

    friend bool operator==(const RunningPeriod&, const RunningPeriod&) = default;
};
std::optional<RunningPeriod> RunningAt(const Vimshottari& dasha, double julianDayUT);

// What the windows and the report show of one person beyond the Rashi
// chart: the Navamsa signs, the dasha and the birth's own clock on which
// its dates are read.
struct Kundli {
    std::array<int, NavamsaBodyCount> Navamsa{};
    Vimshottari Dasha;
    double BirthJulianDay = 0;
    double ClockOffsetHours = 0;
};
Kundli KundliOf(const std::array<double, engine::ChartBodyCount>& longitudes,
                const engine::BirthInstant& birth);

} // namespace tirovane::kundli
