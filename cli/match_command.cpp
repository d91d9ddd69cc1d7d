#include "cli/match_command.h"

#include "cli/line_reader.h"
#include "engine/tables.h"
#include "texts/manglik_texts.h"
#include "texts/match_texts.h"
#include "texts/porutham_texts.h"
#include "texts/result_lines.h"

#include <cmath>

namespace tirovane::cli {

namespace {

// Whole points as integers, halves as a decimal: 3 and 1.5.
Json PointsJson(double points) {
    if (points == std::floor(points)) {
        return static_cast<int>(points);
    }
    return points;
}

Json LineError(std::string_view message, std::size_t line) {
    Json out = ErrorJson(message);
    out["line"] = line;
    return out;
}

// The person of one line, checked as the input form checks it.
std::variant<BirthDetails, std::string> PersonOfLine(const std::string& line, bool tooLong) {
    if (tooLong) {
        return std::string("The line is longer than 1 MiB.");
    }
    return CheckedPerson(line);
}

Json VerdictsJson(const PersonVerdicts& person) {
    Json out;
    out["Name"] = person.Name;
    out["LagnaChart"] = texts::VerdictText(person.Lagna);
    out["RashiChart"] = texts::VerdictText(person.Rashi);
    return out;
}

PersonVerdicts VerdictsOf(const BirthDetails& person, const PersonChart& chart) {
    return {person.Name, manglik::VerdictOf(chart.LagnaChart),
            manglik::VerdictOf(chart.RashiChart)};
}

} // namespace

Json MoonAttributesToJson(const matching::MoonAttributes& a) {
    Json out;
    out["MoonSign"] = std::string(engine::Signs[static_cast<std::size_t>(a.Sign)].EnglishName);
    out["Nakshatra"] = std::string(engine::Nakshatras[static_cast<std::size_t>(a.Nakshatra)].Name);
    out["Varna"] = std::string(matching::VarnaName(a.VarnaClass));
    out["Vashya"] = std::string(matching::VashyaName(a.VashyaClass));
    out["Yoni"] = std::string(matching::YoniName(a.Animal));
    out["SignLord"] = std::string(matching::PlanetName(a.SignLord));
    out["Gana"] = std::string(matching::GanaName(a.GanaClass));
    out["Nadi"] = std::string(matching::NadiName(a.NadiClass));
    return out;
}

Json AshtakootaToJson(const SidedMatch& sided) {
    const matching::Ashtakoota& m = sided.Points;
    Json out;
    out["Varna"] = PointsJson(m.Varna);
    out["Vashya"] = PointsJson(m.Vashya);
    out["Tara"] = PointsJson(m.Tara);
    out["Yoni"] = PointsJson(m.Yoni);
    out["GrahaMaitri"] = PointsJson(m.GrahaMaitri);
    out["Gana"] = PointsJson(m.Gana);
    out["Bhakoot"] = PointsJson(m.Bhakoot);
    out["Nadi"] = PointsJson(m.Nadi);
    out["Total"] = PointsJson(m.Total);
    out["Verdict"] = texts::GradeText(m.Verdict);
    out["NadiDosha"] = std::string(matching::DoshaText(m.NadiDosha));
    out["BhakootDosha"] = std::string(matching::DoshaText(m.BhakootDosha));
    out["Attributes"] = {{"FirstPerson", MoonAttributesToJson(sided.AttributesOf(FirstPerson))},
                         {"Partner", MoonAttributesToJson(sided.AttributesOf(Partner))}};
    return out;
}

Json PoruthamToJson(const matching::Poruthams& p) {
    Json out;
    for (int k = 0; k < matching::PoruthamCount; ++k) {
        const auto porutham = static_cast<matching::Porutham>(k);
        const matching::PoruthamResult& result = p[porutham];
        out[std::string(matching::PoruthamKey(porutham))] = {
            {"Grade", std::string(matching::PoruthamGradeCode(result.Grade))},
            {"Match", result.Matches()},
            {"Reason", texts::PoruthamReasonText(p, porutham)}};
    }
    out["Count"] = p.Count;
    out["Score"] = PointsJson(p.Score);
    out["Verdict"] = texts::PoruthamGradeText(p.Verdict);
    Json doshas = Json::array();
    if (p.RajjuDosha) {
        doshas.push_back("Rajju");
    }
    if (p.VedhaDosha) {
        doshas.push_back("Vedha");
    }
    out["Doshas"] = std::move(doshas);
    return out;
}

void AddMatchFields(Json& out, const std::string& name, const PairMatch& match,
                    const PersonVerdicts& first, const PersonVerdicts& partner) {
    out["Name"] = name;
    out["Ashtakoota"] = AshtakootaToJson(match.Match);
    out["LagnaMatchLine"] = texts::MatchLineText(match.Lagna);
    out["ChandraMatchLine"] = texts::MatchLineText(match.Chandra);
    out["FirstPerson"] = VerdictsJson(first);
    out["Partner"] = VerdictsJson(partner);
    AddSides(out, match.Match);
}

void AddSides(Json& out, const SidedMatch& match) {
    out["Groom"] = match.Groom;
    out["Porutham"] = PoruthamToJson(match.Poruthams);
}

int RunMatch(std::istream& in, std::ostream& out, FixedSide side) {
    LineReader reader(in);
    std::string line;
    bool tooLong = false;
    if (!reader.Next(line, tooLong)) {
        out << JsonLine(LineError("The first line must hold the person to match.", 1)) << '\n';
        return 1;
    }
    const auto fixedPerson = PersonOfLine(line, tooLong);
    if (const auto* problem = std::get_if<std::string>(&fixedPerson)) {
        out << JsonLine(LineError(*problem, 1)) << '\n';
        return 1;
    }
    const BirthDetails& fixed = std::get<BirthDetails>(fixedPerson);
    const PersonChart fixedChart = CalculateChart(MakeEngineInput(fixed));

    bool allMatched = true;
    std::size_t number = 1;
    while (reader.Next(line, tooLong)) {
        ++number;
        Json result;
        const auto candidate = PersonOfLine(line, tooLong);
        if (const auto* problem = std::get_if<std::string>(&candidate)) {
            result = LineError(*problem, number);
            allMatched = false;
        } else {
            const BirthDetails& person = std::get<BirthDetails>(candidate);
            const PersonChart chart = CalculateChart(MakeEngineInput(person));
            const bool fixedFirst = side == FixedSide::FirstPerson;
            const PairMatch match =
                fixedFirst ? MatchPair(fixedChart, chart, fixed.PersonSex, person.PersonSex)
                           : MatchPair(chart, fixedChart, person.PersonSex, fixed.PersonSex);
            const PersonVerdicts mine = VerdictsOf(fixed, fixedChart);
            const PersonVerdicts theirs = VerdictsOf(person, chart);
            AddMatchFields(result, person.Name, match, fixedFirst ? mine : theirs,
                           fixedFirst ? theirs : mine);
        }
        out << JsonLine(result) << '\n';
        // Flush whenever no further input is waiting, so that a caller that
        // writes one line and waits for its answer gets it at once.
        if (in.rdbuf()->in_avail() <= 0) {
            out.flush();
        }
        if (!out) {
            break; // nowhere to write: the caller reports it
        }
    }
    out.flush();
    return allMatched ? 0 : 1;
}

} // namespace tirovane::cli
