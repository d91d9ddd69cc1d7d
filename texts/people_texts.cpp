#include "texts/people_texts.h"

#include "texts/match_texts.h"
#include "texts/porutham_texts.h"

#include <cstdio>

namespace tirovane::texts {

namespace {

std::string P(const Words& words, const char* source) {
    return words.Translate("People", source);
}

} // namespace

std::string LibraryErrorText(const people::Error& error, const std::string& path,
                             const Words& words) {
    using people::Problem;
    switch (error.Kind) {
    case Problem::Missing:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "There is no people library at %1.")),
                    {path});
    case Problem::NotALibrary:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "%1 is not a people library; it was "
                                                         "left as it was.")),
                    {path});
    case Problem::Newer:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "The people library %1 was written by a "
                                                         "newer version of Tirovane.")),
                    {path});
    case Problem::ReadOnly:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "The people library %1 cannot be "
                                                         "changed: it is read-only.")),
                    {path});
    case Problem::Busy:
        return Fill(P(words, QT_TRANSLATE_NOOP("People", "The people library %1 is in use by "
                                                         "another program; try again in a "
                                                         "moment.")),
                    {path});
    case Problem::NoSuchPerson:
        return P(words, QT_TRANSLATE_NOOP("People", "There is no such person in the library."));
    case Problem::Failed:
        break;
    }
    return Fill(P(words, QT_TRANSLATE_NOOP("People", "The people library %1 could not be used: "
                                                     "%2.")),
                {path, error.Detail});
}

std::string NoSuchPersonText(std::int64_t id, const Words& words) {
    return Fill(
        P(words, QT_TRANSLATE_NOOP("People", "There is no person with Id %1 in the library.")),
        {std::to_string(id)});
}

std::string AlreadyThereText(const std::string& name, std::int64_t id, const Words& words) {
    return Fill(P(words, QT_TRANSLATE_NOOP("People", "%1 is already in the library (Id %2).")),
                {name, std::to_string(id)});
}

std::string NothingImportedText(std::size_t badLines, const Words& words) {
    return words.TranslateCount(
        "People", QT_TRANSLATE_N_NOOP("People", "Nothing was imported: %n bad line(s)."),
        static_cast<int>(badLines));
}

const std::array<const char*, 5> PeopleColumns = {
    QT_TRANSLATE_NOOP("People", "Name"), QT_TRANSLATE_NOOP("People", "Date of Birth"),
    QT_TRANSLATE_NOOP("People", "Time"), QT_TRANSLATE_NOOP("People", "Place"),
    QT_TRANSLATE_NOOP("People", "Sex")};

const std::array<const char*, 10> RankingColumns = {
    QT_TRANSLATE_NOOP("People", "Name"),         QT_TRANSLATE_NOOP("People", "Place"),
    QT_TRANSLATE_NOOP("People", "Date of Birth"), QT_TRANSLATE_NOOP("People", "Points"),
    QT_TRANSLATE_NOOP("People", "Nadi Dosha"),   QT_TRANSLATE_NOOP("People", "Bhakoot Dosha"),
    QT_TRANSLATE_NOOP("People", "Poruthams"),    QT_TRANSLATE_NOOP("People", "Porutham Verdict"),
    QT_TRANSLATE_NOOP("People", "Rajju"),        QT_TRANSLATE_NOOP("People", "Manglik Lines")};

namespace {

std::string PlaceText(const BirthDetails& d) {
    std::string place = d.City;
    for (const std::string* part : {&d.State, &d.Country}) {
        if (!part->empty()) {
            place += (place.empty() ? "" : ", ") + *part;
        }
    }
    return place;
}

std::string DateOf(const BirthDetails& d) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    return text;
}

std::string DoshaState(matching::Dosha dosha, const Words& words) {
    switch (dosha) {
    case matching::Dosha::None:
        return P(words, QT_TRANSLATE_NOOP("People", "None"));
    case matching::Dosha::Present:
        return P(words, QT_TRANSLATE_NOOP("People", "Present"));
    case matching::Dosha::Cancelled:
        break;
    }
    return P(words, QT_TRANSLATE_NOOP("People", "Cancelled"));
}

} // namespace

std::array<std::string, 5> PersonRowTexts(const people::Person& person, const Words& words) {
    const BirthDetails& d = person.Details;
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", d.Hour % 100, d.Minute % 100);
    std::string sex;
    if (d.PersonSex == Sex::Male) {
        sex = P(words, QT_TRANSLATE_NOOP("People", "Male"));
    } else if (d.PersonSex == Sex::Female) {
        sex = P(words, QT_TRANSLATE_NOOP("People", "Female"));
    }
    return {d.Name, DateOf(d), time, PlaceText(d), sex};
}

bool ManglikFavourable(const PairMatch& match) {
    return match.Lagna != MatchOutcome::NotNullified &&
           match.Chandra != MatchOutcome::NotNullified;
}

std::string RankingCellText(const BirthDetails& d, const PairMatch& match, int column,
                            const Words& words) {
    const SidedMatch& m = match.Match;
    switch (column) {
    case 0:
        return d.Name;
    case 1:
        return PlaceText(d);
    case 2:
        return DateOf(d);
    case 3:
        return PointsText(m.Points.Total);
    case 4:
        return DoshaState(m.Points.NadiDosha, words);
    case 5:
        return DoshaState(m.Points.BhakootDosha, words);
    case 6:
        return std::to_string(m.Poruthams.Count);
    case 7:
        return PoruthamGradeText(m.Poruthams.Verdict, words);
    case 8:
        return m.Poruthams.RajjuDosha ? P(words, QT_TRANSLATE_NOOP("People", "Dosha"))
                                      : P(words, QT_TRANSLATE_NOOP("People", "Matches"));
    case 9:
        return ManglikFavourable(match) ? P(words, QT_TRANSLATE_NOOP("People", "Favourable"))
                                        : P(words, QT_TRANSLATE_NOOP("People", "Not favourable"));
    default:
        return {};
    }
}

std::array<std::string, 10> RankingRowTexts(const BirthDetails& d, const PairMatch& match,
                                            const Words& words) {
    std::array<std::string, 10> cells;
    for (int column = 0; column < static_cast<int>(cells.size()); ++column) {
        cells[static_cast<std::size_t>(column)] = RankingCellText(d, match, column, words);
    }
    return cells;
}

} // namespace tirovane::texts
