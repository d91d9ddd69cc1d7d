#include "output/report_model.h"

#include "engine/tables.h"
#include "kundli/dasha.h"
#include "manglik/manglik.h"
#include "reading/birth_instant.h"
#include "reading/program.h"
#include "reading/reference_tables.h"
#include "texts/chart_texts.h"
#include "texts/cross_check_texts.h"
#include "texts/manglik_texts.h"
#include "texts/match_texts.h"
#include "texts/names.h"
#include "texts/porutham_texts.h"
#include "texts/result_lines.h"

#include <algorithm>
#include <cstdio>

namespace tirovane {

namespace {

constexpr const char* Unknown = "-";

// The rows after the seven planets the window lists: the nodes and the
// two angles.
constexpr std::array<const char*, 4> FurtherPositionCaptions = {
    QT_TRANSLATE_NOOP("Report", "Rahu"), QT_TRANSLATE_NOOP("Report", "Ketu"),
    QT_TRANSLATE_NOOP("Report", "Lagna / Ascendant"), QT_TRANSLATE_NOOP("Report", "Midheaven")};

std::string T(const texts::Words& words, const char* source) {
    return words.Translate("Report", source);
}

// A text of the Navamsa chart and the dasha.
std::string K(const texts::Words& words, const char* source) {
    return words.Translate("Kundli", source);
}

std::vector<std::string> DetailLines(const BirthDetails& details, const texts::Words& words) {
    const texts::PersonalDetailTexts t = texts::PersonalDetails(details, words);
    std::vector<std::string> lines = {t.Name,      t.Birthdate, t.BirthTime, t.Latitude,
                                      t.Longitude, t.City,      t.State,     t.Country};
    // The hemispheres follow the coordinates, which the window leaves to
    // the input form.
    const auto n = [](int value) { return std::to_string(value); };
    lines[3] = texts::Fill(
        T(words, details.South
                     ? QT_TRANSLATE_NOOP("Report", "Latitude: %1 Degree %2 Minute South")
                     : QT_TRANSLATE_NOOP("Report", "Latitude: %1 Degree %2 Minute North")),
        {n(details.LatitudeDegrees), n(details.LatitudeMinutes)});
    lines[4] = texts::Fill(
        T(words, details.East ? QT_TRANSLATE_NOOP("Report", "Longitude: %1 Degree %2 Minute East")
                              : QT_TRANSLATE_NOOP("Report", "Longitude: %1 Degree %2 Minute West")),
        {n(details.LongitudeDegrees), n(details.LongitudeMinutes)});
    if (details.ZoneRow >= 0 && details.ZoneRow < ZoneRowCount) {
        lines.push_back(texts::Fill(T(words, QT_TRANSLATE_NOOP("Report", "Time Zone: %1")),
                                    {texts::ZoneLabel(details.ZoneRow, words)}));
    }
    lines.push_back(T(words, details.DaylightSaving
                                 ? QT_TRANSLATE_NOOP("Report", "Daylight Saving: Yes")
                                 : QT_TRANSLATE_NOOP("Report", "Daylight Saving: No")));
    return lines;
}

ReportPerson PersonOf(const ReadingState& state, int person, const texts::Words& words) {
    const auto index = static_cast<std::size_t>(person);
    ReportPerson out;
    out.Heading = texts::Caption(person == FirstPerson
                                     ? QT_TRANSLATE_NOOP("Result", "Your Details")
                                     : QT_TRANSLATE_NOOP("Result", "Your Partner's Details"),
                                 words);
    out.Name = state.People.People[index].Name;
    out.Details = DetailLines(state.People.People[index], words);

    const std::optional<PersonChart>& chart = state.Charts[index];
    const texts::ChartValueTexts values =
        chart ? texts::ChartValuesOf(*chart, words) : texts::ChartValueTexts{};
    for (std::size_t b = 0; b < texts::PlanetCaptions.size(); ++b) {
        out.Positions.push_back({texts::Caption(texts::PlanetCaptions[b], words),
                                 chart ? values.Positions[b] : Unknown});
    }
    for (std::size_t k = 0; k < FurtherPositionCaptions.size(); ++k) {
        out.Positions.push_back(
            {T(words, FurtherPositionCaptions[k]),
             chart ? values.Positions[texts::PlanetCaptions.size() + k] : Unknown});
    }
    // The last, "Lagna Position", is the ascendant's position in full.
    for (std::size_t k = 0; k < texts::VedicCaptions.size(); ++k) {
        out.Vedic.push_back(
            {texts::Caption(texts::VedicCaptions[k], words), chart ? values.Vedic[k] : Unknown});
    }

    const texts::ResultLines all = texts::ResultLinesOf(state, words);
    const auto& lines = person == FirstPerson ? all.Male : all.Female;
    out.Evaluations[0].Heading =
        texts::Caption(QT_TRANSLATE_NOOP("Result", "Ascendant (Lagna)"), words);
    out.Evaluations[1].Heading =
        texts::Caption(QT_TRANSLATE_NOOP("Result", "Moon Sign (Rashi)"), words);
    for (std::size_t k = 0; k < 3; ++k) {
        out.Evaluations[0].Lines[k] = lines[k];
        out.Evaluations[1].Lines[k] = lines[k + 3];
    }
    if (chart) {
        out.ChartCells = texts::ChartCellsOf(*chart, words);
        out.AscendantSign = chart->AscendantSignIndex;
        const double mars = chart->Sidereal.Longitudes[engine::Mars];
        out.Evaluations[0].CancelledBy = texts::ExplainCancellation(chart->LagnaChart, mars, words);
        out.Evaluations[1].CancelledBy = texts::ExplainCancellation(chart->RashiChart, mars, words);
    }
    if (const auto& check = state.CrossChecks[index]; check && !check->Check.Agrees) {
        out.CrossCheckNotice = texts::CrossCheckNotice(check->Check, words);
    }
    return out;
}

ReportMatchTable MatchOf(const std::optional<SidedMatch>& match, const texts::Words& words) {
    ReportMatchTable table;
    table.Title = texts::MatchingCaption(QT_TRANSLATE_NOOP("Matching", "36-Point Match"), words);
    for (std::size_t c = 0; c < table.Headings.size(); ++c) {
        table.Headings[c] = texts::MatchingCaption(texts::MatchTableHeadings[c], words);
    }
    const std::string total = texts::MatchingCaption(texts::TotalCaption, words);
    table.Roles = texts::SidesText(match ? match->Groom : FirstPerson, words);
    if (!match) {
        for (int k = 0; k < matching::KootaCount; ++k) {
            const auto koota = static_cast<matching::Koota>(k);
            table.Rows.push_back({texts::KootaName(koota, words), Unknown, Unknown, Unknown,
                                  texts::PointsText(matching::KootaMaximum(koota))});
        }
        table.Total = {total, "", "", Unknown, "36"};
        table.Verdict = table.NadiDosha = table.BhakootDosha = Unknown;
        return table;
    }
    const texts::MatchTableTexts texts = texts::MatchTableTextsOf(*match, words);
    for (const texts::MatchRowTexts& row : texts.Rows) {
        table.Rows.push_back({row.Koota, row.First, row.Partner, row.Points, row.Maximum});
    }
    table.Total = {total, "", "", texts.Total, "36"};
    table.Verdict = texts.Verdict;
    table.NadiDosha = texts.NadiDosha;
    table.BhakootDosha = texts.BhakootDosha;
    return table;
}

ReportPoruthamTable PoruthamsOf(const std::optional<SidedMatch>& match, const texts::Words& words) {
    ReportPoruthamTable table;
    table.Title = texts::PoruthamCaption(QT_TRANSLATE_NOOP("Porutham", "Ten Poruthams"), words);
    for (std::size_t c = 0; c < table.Headings.size(); ++c) {
        table.Headings[c] = texts::PoruthamCaption(texts::PoruthamTableHeadings[c], words);
    }
    if (!match) {
        for (int k = 0; k < matching::PoruthamCount; ++k) {
            table.Rows.push_back(
                {texts::PoruthamName(static_cast<matching::Porutham>(k), words), Unknown, Unknown});
        }
        table.Count = table.Score = table.Verdict = table.Doshas = Unknown;
        return table;
    }
    const texts::PoruthamTableTexts texts = texts::PoruthamTableTextsOf(match->Poruthams, words);
    for (const texts::PoruthamRowTexts& row : texts.Rows) {
        table.Rows.push_back({row.Porutham, row.Grade, row.Reason});
    }
    table.Count = texts.Count;
    table.Score = texts.Score;
    table.Verdict = texts.Verdict;
    table.Doshas = texts.Doshas;
    return table;
}

// The engine of the computed people; when they differ, each person's.
std::string EngineOf(const ReadingState& state, const texts::Words& words) {
    const auto named = [&words](const PersonChart& chart) {
        const std::string notice = texts::EngineNotice(chart, words);
        return notice.empty() ? T(words, QT_TRANSLATE_NOOP("Report", "Positions from Tirovane's "
                                                                     "own ephemeris (Lahiri "
                                                                     "ayanamsa)."))
                              : notice;
    };
    std::array<std::string, 2> engines;
    for (std::size_t person = 0; person < 2; ++person) {
        if (state.Charts[person]) {
            engines[person] = named(*state.Charts[person]);
        }
    }
    if (engines[0].empty() || engines[1].empty() || engines[0] == engines[1]) {
        return engines[0].empty() ? engines[1] : engines[0];
    }
    return texts::Fill(
        T(words, QT_TRANSLATE_NOOP("Report", "%1: %2 %3: %4")),
        {state.People.People[0].Name, engines[0], state.People.People[1].Name, engines[1]});
}

// The Navamsa chart and the dasha of a computed person, the dasha's
// running period that of `today`.
void AddKundli(ReportPerson& out, const ReadingState& state, int index, double today,
               const texts::Words& words) {
    const auto person = static_cast<std::size_t>(index);
    const auto& chart = state.Charts[person];
    if (!chart) {
        return;
    }
    out.NavamsaCells = texts::NavamsaCellsOf(*chart, words);
    out.NavamsaAscendant = kundli::NavamsaSign(chart->Sidereal.Longitudes[engine::Ascendant]);
    const kundli::Kundli kundli = kundli::KundliOf(
        chart->Sidereal.Longitudes, ComputeBirthInstant(state.People.People[person]));
    const texts::DashaTable table = texts::DashaTableOf(kundli, today, words);
    ReportDasha dasha;
    dasha.Balance = table.Balance;
    dasha.Periods.assign(table.Periods.begin(), table.Periods.end());
    // The running mahadasha and the next (the first two before birth and
    // after the cycle).
    const int first = std::min(table.Running.value_or(0), kundli::DashaLordCount - 2);
    for (int m = first; m < first + 2; ++m) {
        const auto mi = static_cast<std::size_t>(m);
        dasha.Subs.push_back(
            {texts::Fill(K(words, QT_TRANSLATE_NOOP("Kundli", "Antardashas of the %1 mahadasha")),
                         {table.Periods[mi].Cells[0]}),
             {table.Subs[mi].begin(), table.Subs[mi].end()}});
    }
    out.Dasha = std::move(dasha);
}

} // namespace

std::string WithPdfExtension(const std::string& path) {
    if (path.empty()) {
        return path;
    }
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    // A leading dot starts a hidden file's name, not an extension.
    const bool hasExtension = dot != std::string::npos && dot > nameStart;
    return (hasExtension ? path.substr(0, dot) : path) + ".pdf";
}

std::string MadeOnText(const LocalTime& made, const texts::Words& words) {
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", made.Hour % 100, made.Minute % 100);
    return texts::Fill(T(words, QT_TRANSLATE_NOOP("Report", "Made on %1 %2, %3 at %4")),
                       {texts::MonthName(static_cast<int>(unsigned(made.Date.month())), words),
                        std::to_string(unsigned(made.Date.day())),
                        std::to_string(int(made.Date.year())), time});
}

ReportModel BuildReport(const ReadingState& state, ChartStyle style, const LocalTime& made,
                        const texts::Words& words) {
    ReportModel report;
    report.Title = T(words, QT_TRANSLATE_NOOP("Report", "Manglik Matching Reading"));
    report.DetailsHeading = texts::Caption(QT_TRANSLATE_NOOP("Result", "Personal Details"), words);
    report.PositionsHeading =
        texts::Caption(QT_TRANSLATE_NOOP("Result", "Vedic Planetary Position"), words);
    report.VedicHeading = texts::Caption(QT_TRANSLATE_NOOP("Result", "Other Vedic Details"), words);
    report.InterpretationHeading =
        texts::Caption(QT_TRANSLATE_NOOP("Result", "Manglik Interpretation"), words);
    report.MatchingHeading = texts::Caption(QT_TRANSLATE_NOOP("Result", "Manglik Matching"), words);
    report.PagePattern = T(words, QT_TRANSLATE_NOOP("Report", "Page %1"));
    report.Subtitle = texts::Fill(T(words, QT_TRANSLATE_NOOP("Report", "%1 and %2")),
                                  {state.People.People[0].Name, state.People.People[1].Name});
    report.Style = style;
    const double today = JulianDayUT(made);
    std::vector<texts::TimelineRow> timeline;
    for (int person : {FirstPerson, Partner}) {
        ReportPerson& out = report.People[static_cast<std::size_t>(person)];
        out = PersonOf(state, person, words);
        AddKundli(out, state, person, today, words);
        const auto& details = state.People.People[static_cast<std::size_t>(person)];
        report.NavamsaCaptions[static_cast<std::size_t>(person)] =
            texts::Fill(K(words, QT_TRANSLATE_NOOP("Kundli", "Navamsa: %1")), {details.Name});
        if (state.Charts[static_cast<std::size_t>(person)]) {
            timeline.push_back(texts::TimelineRowOf(
                details.Name,
                kundli::KundliOf(
                    state.Charts[static_cast<std::size_t>(person)]->Sidereal.Longitudes,
                    ComputeBirthInstant(details)),
                today, words));
        }
    }
    report.KundliHeading = K(words, QT_TRANSLATE_NOOP("Kundli", "Navamsa and Dasha"));
    report.YearLengthNote = K(words, texts::YearLengthNote);
    report.Timeline = texts::TimelineOf(std::move(timeline), words);
    for (std::size_t c = 0; c < report.DashaHeadings.size(); ++c) {
        report.DashaHeadings[c] = K(words, texts::DashaColumns[c]);
    }
    report.InterpretationHeadings = {
        texts::Caption(QT_TRANSLATE_NOOP("Result", "Lagna Manglik Interpretation"), words),
        texts::Caption(QT_TRANSLATE_NOOP("Result", "Chandra Manglik Interpretation"), words)};
    const texts::ResultLines lines = texts::ResultLinesOf(state, words);
    for (std::size_t g = 0; g < 2; ++g) {
        for (std::size_t k = 0; k < 3; ++k) {
            report.Interpretations[g][k] = lines.Interpretation[3 * g + k];
        }
    }
    const std::optional<SidedMatch> match = ReadingMatch(state);
    report.Tables = state.MatchingChoice;
    report.Match = MatchOf(match, words);
    report.Poruthams = PoruthamsOf(match, words);
    report.Engine = EngineOf(state, words);
    report.Advice = texts::Caption(texts::ConsultationAdvice, words);
    report.Invitation = texts::Caption(texts::HomePageInvitation, words);
    report.EffectsHeading = T(words, QT_TRANSLATE_NOOP("Report", "Effects & Remedies"));
    report.Effects = texts::EffectsAndRemedies(words);
    report.Program = ProgramCaption;
    report.MadeOn = MadeOnText(made, words);
    return report;
}

} // namespace tirovane
