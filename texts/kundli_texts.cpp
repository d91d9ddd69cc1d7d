#include "texts/kundli_texts.h"

#include "texts/names.h"

#include <algorithm>
#include <cstdio>

namespace tirovane::texts {

const char* const DashaHeading = QT_TRANSLATE_NOOP("Kundli", "Dasha");
const char* const RashiCaption = QT_TRANSLATE_NOOP("Kundli", "Rashi");
const char* const NavamsaCaption = QT_TRANSLATE_NOOP("Kundli", "Navamsa");
const char* const TimelineCaption = QT_TRANSLATE_NOOP("Kundli", "Mahadashas of both people by age");
const char* const DashaTableCaption = QT_TRANSLATE_NOOP("Kundli", "Vimshottari dasha periods");
const char* const YearLengthNote =
    QT_TRANSLATE_NOOP("Kundli", "Dates and ages count a year as 365.25 days; programs that use "
                                "another year length give dates a few days apart.");
const char* const RunningText = QT_TRANSLATE_NOOP("Kundli", "Running");
const char* const AgeAxisCaption = QT_TRANSLATE_NOOP("Kundli", "Age in years");
const char* const TodayCaption = QT_TRANSLATE_NOOP("Kundli", "Today");
const std::array<const char*, 6> DashaColumns = {
    QT_TRANSLATE_NOOP("Kundli", "Period"),     QT_TRANSLATE_NOOP("Kundli", "Start"),
    QT_TRANSLATE_NOOP("Kundli", "End"),        QT_TRANSLATE_NOOP("Kundli", "Age at start"),
    QT_TRANSLATE_NOOP("Kundli", "Age at end"), QT_TRANSLATE_NOOP("Kundli", "Today")};

std::string DashaLordName(kundli::DashaLord lord, const Words& words) {
    return BodyName(kundli::BodyOf(lord), words);
}

std::string BalanceText(const kundli::Vimshottari& dasha, const Words& words) {
    const kundli::Span left = kundli::SpanOf(dasha.BalanceYears);
    return Fill(
        words.Translate("Kundli", QT_TRANSLATE_NOOP("Kundli", "%1 dasha: %2 %3 %4 left at birth")),
        {DashaLordName(dasha.LordAtBirth, words),
         words.TranslateCount("Kundli", QT_TRANSLATE_N_NOOP("Kundli", "%n year(s)"), left.Years),
         words.TranslateCount("Kundli", QT_TRANSLATE_N_NOOP("Kundli", "%n month(s)"), left.Months),
         words.TranslateCount("Kundli", QT_TRANSLATE_N_NOOP("Kundli", "%n day(s)"), left.Days)});
}

std::string DateText(const kundli::CivilDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

std::string AgeText(const kundli::Age& age, const Words& words) {
    return Fill(words.Translate("Kundli", QT_TRANSLATE_NOOP("Kundli", "%1 y %2 m")),
                {std::to_string(age.Years), std::to_string(age.Months)});
}

namespace {

DashaRow RowOf(const kundli::DashaPeriod& period, const kundli::Kundli& kundli, bool running,
               const Words& words) {
    const double birth = kundli.BirthJulianDay;
    DashaRow row;
    row.Lord = period.Lord;
    row.Running = running;
    row.Cells = {DashaLordName(period.Lord, words),
                 DateText(kundli::DateOnClock(period.StartJulianDay, kundli.ClockOffsetHours)),
                 DateText(kundli::DateOnClock(period.EndJulianDay, kundli.ClockOffsetHours)),
                 // The first periods began before birth: no age to tell.
                 period.StartJulianDay < birth
                     ? words.Translate("Kundli", QT_TRANSLATE_NOOP("Kundli", "before birth"))
                     : AgeText(kundli::AgeAt(period.StartJulianDay, birth), words),
                 AgeText(kundli::AgeAt(period.EndJulianDay, birth), words),
                 running ? words.Translate("Kundli", RunningText) : std::string()};
    return row;
}

} // namespace

DashaTable DashaTableOf(const kundli::Kundli& kundli, double todayJulianDay, const Words& words) {
    DashaTable table;
    table.Balance = BalanceText(kundli.Dasha, words);
    const auto running = kundli::RunningAt(kundli.Dasha, todayJulianDay);
    if (running) {
        table.Running = running->Mahadasha;
    }
    for (int m = 0; m < kundli::DashaLordCount; ++m) {
        const auto mi = static_cast<std::size_t>(m);
        const kundli::Mahadasha& period = kundli.Dasha.Periods[mi];
        const bool thisOne = running && running->Mahadasha == m;
        table.Periods[mi] = RowOf(period, kundli, thisOne, words);
        for (int s = 0; s < kundli::DashaLordCount; ++s) {
            const auto si = static_cast<std::size_t>(s);
            table.Subs[mi][si] =
                RowOf(period.Sub[si], kundli, thisOne && running->Antardasha == s, words);
        }
    }
    return table;
}

TimelineRow TimelineRowOf(const std::string& name, const kundli::Kundli& kundli,
                          double todayJulianDay, const Words& words) {
    TimelineRow row;
    row.Name = name;
    const auto age = [&](double julianDay) {
        return (julianDay - kundli.BirthJulianDay) / kundli::DaysPerYear;
    };
    for (const kundli::Mahadasha& period : kundli.Dasha.Periods) {
        row.Segments.push_back({period.Lord, std::max(0.0, age(period.StartJulianDay)),
                                std::min(kundli::CycleYears, age(period.EndJulianDay)),
                                DashaLordName(period.Lord, words)});
    }
    const double today = age(todayJulianDay);
    if (today >= 0 && today <= kundli::CycleYears) {
        row.TodayAge = today;
    }
    return row;
}

DashaTimeline TimelineOf(std::vector<TimelineRow> rows, const Words& words) {
    DashaTimeline timeline;
    timeline.Rows = std::move(rows);
    timeline.AxisCaption = words.Translate("Kundli", AgeAxisCaption);
    timeline.TodayCaption = words.Translate("Kundli", TodayCaption);
    return timeline;
}

} // namespace tirovane::texts
