#include "output/report_model.h"

#include "app/program.h"
#include "app/reference_tables.h"
#include "engine/tables.h"
#include "manglik/manglik.h"

#include <cstdio>

namespace tirovane {

namespace {

constexpr const char* Unknown = "-";

// The rows after the seven planets the window lists: the nodes and the
// two angles.
constexpr std::array<const char*, 4> FurtherPositionCaptions = {"Rahu", "Ketu", "Lagna / Ascendant",
                                                                "Midheaven"};

std::vector<std::string> DetailLines(const BirthDetails& details) {
    const PersonalDetailTexts t = PersonalDetails(details);
    std::vector<std::string> lines = {t.Name,      t.Birthdate, t.BirthTime, t.Latitude,
                                      t.Longitude, t.City,      t.State,     t.Country};
    // The hemispheres follow the coordinates, which the window leaves to
    // the input form.
    lines[3] += details.South ? " South" : " North";
    lines[4] += details.East ? " East" : " West";
    const auto& zones = LoadReferenceTables().Zones;
    if (details.ZoneRow >= 0 && details.ZoneRow < ZoneRowCount) {
        lines.push_back("Time Zone: " +
                        std::string(zones[static_cast<std::size_t>(details.ZoneRow)].Label));
    }
    lines.push_back(std::string("Daylight Saving: ") + (details.DaylightSaving ? "Yes" : "No"));
    return lines;
}

ReportPerson PersonOf(const ReadingState& state, int person) {
    const auto index = static_cast<std::size_t>(person);
    ReportPerson out;
    out.Heading = person == FirstPerson ? "Your Details" : "Your Partner's Details";
    out.Name = state.People.People[index].Name;
    out.Details = DetailLines(state.People.People[index]);

    const std::optional<PersonChart>& chart = state.Charts[index];
    for (std::size_t b = 0; b < PlanetCaptions.size(); ++b) {
        out.Positions.push_back({PlanetCaptions[b], chart ? chart->ChartPositions[b] : Unknown});
    }
    for (std::size_t k = 0; k < FurtherPositionCaptions.size(); ++k) {
        out.Positions.push_back(
            {FurtherPositionCaptions[k],
             chart ? chart->ChartPositions[PlanetCaptions.size() + k] : Unknown});
    }
    // The last, "Lagna Position", is the ascendant's position in full.
    const std::array<const std::string*, 7> vedic =
        chart ? std::array<const std::string*, 7>{&chart->AyanamsaDisplay, &chart->LagnaName,
                                                  &chart->MoonNakshatra,   &chart->PadaCount,
                                                  &chart->NakshatraLord,   &chart->MoonSignName,
                                                  &chart->AscendantText}
              : std::array<const std::string*, 7>{};
    for (std::size_t k = 0; k < vedic.size(); ++k) {
        out.Vedic.push_back({VedicCaptions[k], vedic[k] ? *vedic[k] : Unknown});
    }

    const auto& lines = person == FirstPerson ? state.Lines.Male : state.Lines.Female;
    out.Evaluations[0].Heading = "Ascendant (Lagna)";
    out.Evaluations[1].Heading = "Moon Sign (Rashi)";
    for (std::size_t k = 0; k < 3; ++k) {
        out.Evaluations[0].Lines[k] = lines[k];
        out.Evaluations[1].Lines[k] = lines[k + 3];
    }
    if (chart) {
        out.ChartCells = chart->ChartCells;
        out.AscendantSign = chart->AscendantSignIndex;
        const double mars = chart->Sidereal.Longitudes[engine::Mars];
        out.Evaluations[0].CancelledBy = manglik::ExplainCancellation(chart->LagnaChart, mars);
        out.Evaluations[1].CancelledBy = manglik::ExplainCancellation(chart->RashiChart, mars);
    }
    if (const auto& check = state.CrossChecks[index]; check && !check->Check.Agrees) {
        out.CrossCheckNotice = check->Check.Notice;
    }
    return out;
}

ReportMatchTable MatchOf(const ReadingState& state) {
    ReportMatchTable table;
    for (std::size_t c = 0; c < table.Headings.size(); ++c) {
        table.Headings[c] = MatchTableHeadings[c];
    }
    table.Roles = std::string(matching::RoleSentence);
    const std::optional<matching::Ashtakoota> match = ReadingMatch(state);
    if (!match) {
        for (int k = 0; k < matching::KootaCount; ++k) {
            const auto koota = static_cast<matching::Koota>(k);
            table.Rows.push_back({std::string(matching::KootaName(koota)), Unknown, Unknown,
                                  Unknown, PointsText(matching::KootaMaximum(koota))});
        }
        table.Total = {"Total", "", "", Unknown, "36"};
        table.Verdict = table.NadiDosha = table.BhakootDosha = Unknown;
        return table;
    }
    const MatchTableTexts texts = MatchTableTextsOf(*match);
    for (const MatchRowTexts& row : texts.Rows) {
        table.Rows.push_back({row.Koota, row.First, row.Partner, row.Points, row.Maximum});
    }
    table.Total = {"Total", "", "", texts.Total, "36"};
    table.Verdict = texts.Verdict;
    table.NadiDosha = texts.NadiDosha;
    table.BhakootDosha = texts.BhakootDosha;
    table.Roles = texts.Roles;
    return table;
}

// The engine of the computed people; when they differ, each person's.
std::string EngineOf(const ReadingState& state) {
    const auto named = [](const PersonChart& chart) {
        const std::string notice = EngineNotice(chart);
        return notice.empty() ? std::string("Positions from Tirovane's own ephemeris (Lahiri "
                                            "ayanamsa).")
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
    return state.People.People[0].Name + ": " + engines[0] + " " + state.People.People[1].Name +
           ": " + engines[1];
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

std::string MadeOnText(const LocalTime& made) {
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", made.Hour % 100, made.Minute % 100);
    return "Made on " + std::string(MonthName(static_cast<int>(unsigned(made.Date.month())))) +
           " " + std::to_string(unsigned(made.Date.day())) + ", " +
           std::to_string(int(made.Date.year())) + " at " + time;
}

ReportModel BuildReport(const ReadingState& state, ChartStyle style, const LocalTime& made) {
    ReportModel report;
    report.Title = "Manglik Matching Reading";
    report.Subtitle = state.People.People[0].Name + " and " + state.People.People[1].Name;
    report.Style = style;
    for (int person : {FirstPerson, Partner}) {
        report.People[static_cast<std::size_t>(person)] = PersonOf(state, person);
    }
    report.InterpretationHeadings = {"Lagna Manglik Interpretation",
                                     "Chandra Manglik Interpretation"};
    for (std::size_t g = 0; g < 2; ++g) {
        for (std::size_t k = 0; k < 3; ++k) {
            report.Interpretations[g][k] = state.Lines.Interpretation[3 * g + k];
        }
    }
    report.Match = MatchOf(state);
    report.Engine = EngineOf(state);
    report.Advice = ConsultationAdvice;
    report.Invitation = HomePageInvitation;
    report.EffectsHeading = "Effects & Remedies";
    report.Effects = EffectsAndRemedies();
    report.Program = ProgramCaption;
    report.MadeOn = MadeOnText(made);
    return report;
}

} // namespace tirovane
