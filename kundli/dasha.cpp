#include "kundli/dasha.h"

#include "engine/sidereal_chart.h"

#include <algorithm>
#include <cmath>

namespace tirovane::kundli {

namespace {

constexpr std::array<double, DashaLordCount> Years = {7, 20, 6, 10, 7, 18, 16, 19, 17};

DashaLord Next(DashaLord lord, int steps) {
    return static_cast<DashaLord>((static_cast<int>(lord) + steps) % DashaLordCount);
}

// The Julian Day of a point `years` after the birth.
double After(double birthJulianDay, double years) {
    return birthJulianDay + years * DaysPerYear;
}

} // namespace

double DashaYears(DashaLord lord) {
    return Years.at(static_cast<std::size_t>(lord));
}

engine::ChartBody BodyOf(DashaLord lord) {
    constexpr std::array<engine::ChartBody, DashaLordCount> bodies = {
        engine::Ketu, engine::Venus,   engine::Sun,    engine::Moon,   engine::Mars,
        engine::Rahu, engine::Jupiter, engine::Saturn, engine::Mercury};
    return bodies.at(static_cast<std::size_t>(lord));
}

DashaLord LordOfNakshatra(int nakshatra) {
    return static_cast<DashaLord>(((nakshatra % DashaLordCount) + DashaLordCount) % DashaLordCount);
}

Vimshottari VimshottariDasha(double moonLongitude, double birthJulianDay) {
    constexpr double StarDegrees = 40.0 / 3.0;
    const int k = engine::NakshatraIndexOf(moonLongitude);
    const double passed = (moonLongitude - k * StarDegrees) / StarDegrees;
    Vimshottari dasha;
    dasha.LordAtBirth = LordOfNakshatra(k);
    const double first = DashaYears(dasha.LordAtBirth);
    dasha.BalanceYears = (1 - passed) * first;

    // Years from birth, counted on from the start of the first period so
    // that each boundary is one sum, never a chain of Julian Days.
    double start = -passed * first;
    for (int m = 0; m < DashaLordCount; ++m) {
        Mahadasha& period = dasha.Periods[static_cast<std::size_t>(m)];
        period.Lord = Next(dasha.LordAtBirth, m);
        const double years = DashaYears(period.Lord);
        period.StartJulianDay = After(birthJulianDay, start);
        period.EndJulianDay = After(birthJulianDay, start + years);
        double subStart = start;
        for (int s = 0; s < DashaLordCount; ++s) {
            DashaPeriod& sub = period.Sub[static_cast<std::size_t>(s)];
            sub.Lord = Next(period.Lord, s);
            const double subYears = years * DashaYears(sub.Lord) / CycleYears;
            sub.StartJulianDay = After(birthJulianDay, subStart);
            subStart += subYears;
            sub.EndJulianDay = After(birthJulianDay, subStart);
        }
        // The last antardasha ends where its mahadasha does.
        period.Sub.back().EndJulianDay = period.EndJulianDay;
        start += years;
    }
    return dasha;
}

double ClockOffsetHours(const engine::BirthInstant& birth) {
    return birth.Local.Hour + birth.Local.Minute / 60.0 - birth.UniversalHours;
}

CivilDate DateOnClock(double julianDayUT, double offsetHours) {
    // Days since 1970-01-01 of the local date: Julian Day 2440587.5 is its
    // midnight, and a day begins at local midnight.
    const double local = julianDayUT + offsetHours / 24;
    const auto days = static_cast<long long>(std::floor(local - 2440587.5));
    // The civil date of a day count (proleptic Gregorian; H. Hinnant's
    // days-to-civil algorithm).
    const long long z = days + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const long long d = doy - (153 * mp + 2) / 5 + 1;
    const long long m = mp < 10 ? mp + 3 : mp - 9;
    const long long y = yoe + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

Age AgeAt(double julianDayUT, double birthJulianDay) {
    const double years = (julianDayUT - birthJulianDay) / DaysPerYear;
    if (years <= 0) {
        return {};
    }
    const int whole = static_cast<int>(std::floor(years));
    const int months = static_cast<int>(std::floor((years - whole) * 12));
    return {whole, std::min(months, 11)};
}

Span SpanOf(double years) {
    if (!(years > 0)) {
        return {};
    }
    // A millionth of a day of slack, so that a length of exact years,
    // months or days is not cut one short by rounding.
    constexpr double MonthDays = DaysPerYear / 12;
    constexpr double Slack = 1e-6 / DaysPerYear;
    const int whole = static_cast<int>(std::floor(years + Slack));
    const double months = std::max(0.0, years - whole) * 12;
    const int wholeMonths = std::min(static_cast<int>(std::floor(months + Slack * 12)), 11);
    const double days = std::max(0.0, months - wholeMonths) * MonthDays;
    return {whole, wholeMonths, static_cast<int>(std::floor(days + 1e-6))};
}

std::optional<RunningPeriod> RunningAt(const Vimshottari& dasha, double julianDayUT) {
    for (int m = 0; m < DashaLordCount; ++m) {
        const Mahadasha& period = dasha.Periods[static_cast<std::size_t>(m)];
        if (julianDayUT < period.StartJulianDay || julianDayUT >= period.EndJulianDay) {
            continue;
        }
        for (int s = 0; s < DashaLordCount; ++s) {
            if (julianDayUT < period.Sub[static_cast<std::size_t>(s)].EndJulianDay) {
                return RunningPeriod{m, s};
            }
        }
        return RunningPeriod{m, DashaLordCount - 1};
    }
    return std::nullopt;
}

Kundli KundliOf(const std::array<double, engine::ChartBodyCount>& longitudes,
                const engine::BirthInstant& birth) {
    Kundli kundli;
    kundli.Navamsa = NavamsaSigns(longitudes);
    kundli.Dasha = VimshottariDasha(longitudes[engine::Moon], birth.JulianDayUT);
    kundli.BirthJulianDay = birth.JulianDayUT;
    kundli.ClockOffsetHours = ClockOffsetHours(birth);
    return kundli;
}

} // namespace tirovane::kundli
