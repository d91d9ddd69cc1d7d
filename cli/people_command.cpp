#include "cli/people_command.h"

#include "cli/json_io.h"
#include "cli/match_command.h"
#include "cli/people_import.h"
#include "files/file_io.h"
#include "texts/people_texts.h"

#include <cstdlib>
#include <filesystem>

namespace tirovane::cli {

namespace {

using people::Library;

void Say(std::ostream& err, Json line) {
    err << JsonLine(line) << '\n';
}

std::unique_ptr<Library> OpenLibrary(const PeopleRun& run, people::OpenMode mode,
                                     std::ostream& err) {
    if (mode == people::OpenMode::Change) {
        // The folder of a new library, the default one above all.
        std::error_code ignored;
        const std::filesystem::path folder = std::filesystem::path(run.Library).parent_path();
        if (!folder.empty()) {
            std::filesystem::create_directories(folder, ignored);
        }
    }
    auto opened = Library::Open(run.Library, mode);
    if (auto* error = std::get_if<people::Error>(&opened)) {
        Say(err, ErrorJson(texts::LibraryErrorText(*error, run.Library)));
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<Library>>(opened));
}

// Adds the good lines of an import (all or none of them, unless the bad
// ones are to be skipped), naming every bad line and every person already
// there on `err`.
int AddLines(const std::vector<ImportLine>& lines, std::ostream& out, std::ostream& err,
             const PeopleRun& run) {
    std::size_t bad = 0;
    std::vector<people::Person> good;
    std::vector<std::size_t> numbers;
    for (const ImportLine& line : lines) {
        if (line.Person) {
            good.push_back(*line.Person);
            numbers.push_back(line.Line);
        } else {
            ++bad;
            Json json = ErrorJson(line.Problem);
            json["line"] = line.Line;
            Say(err, std::move(json));
        }
    }
    if (bad > 0 && !run.SkipBad) {
        Say(err, ErrorJson(texts::NothingImportedText(bad)));
        return 1;
    }
    const auto library = OpenLibrary(run, people::OpenMode::Change, err);
    if (!library) {
        return 1;
    }
    Library::Progress progress;
    if (run.ShowProgress) {
        progress = [&err](std::size_t done, std::size_t total) {
            if (done % 1000 == 0 || done == total) {
                err << '\r' << done << " / " << total << (done == total ? "\n" : "") << std::flush;
            }
            return true;
        };
    }
    auto added = library->Add(good, people::NowUtc(), progress);
    if (auto* error = std::get_if<people::Error>(&added)) {
        Say(err, ErrorJson(texts::LibraryErrorText(*error, run.Library)));
        return 1;
    }
    const auto& results = std::get<std::vector<Library::Added>>(added);
    for (std::size_t k = 0; k < results.size(); ++k) {
        const std::string& name = good[k].Details.Name;
        if (results[k].New) {
            Json json;
            json["Id"] = results[k].Id;
            json["Name"] = name;
            out << JsonLine(json) << '\n';
        } else {
            Json json;
            json["line"] = numbers[k];
            json["Id"] = results[k].Id;
            json["Name"] = name;
            json["message"] = texts::AlreadyThereText(name, results[k].Id);
            Say(err, std::move(json));
        }
    }
    out.flush();
    return bad == 0 ? 0 : 1;
}

} // namespace

std::string DefaultLibraryPath() {
    std::filesystem::path base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && *data == '/') {
        base = data;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".local" / "share";
    } else {
        base = ".";
    }
    return (base / "Tirovane" / "people.sqlite").string();
}

int RunPeopleAdd(std::istream& in, std::ostream& out, std::ostream& err, const PeopleRun& run) {
    return AddLines(ReadJsonLines(in), out, err, run);
}

int RunPeopleImport(const std::string& file, std::ostream& out, std::ostream& err,
                    const PeopleRun& run) {
    auto lines = ReadImportFile(file);
    if (auto* problem = std::get_if<std::string>(&lines)) {
        Say(err, ErrorJson(*problem));
        return 1;
    }
    return AddLines(std::get<std::vector<ImportLine>>(lines), out, err, run);
}

int RunPeopleList(const std::string& search, std::ostream& out, std::ostream& err,
                  const PeopleRun& run) {
    const auto library = OpenLibrary(run, people::OpenMode::Read, err);
    if (!library) {
        return 1;
    }
    auto listed = library->List(search);
    if (auto* error = std::get_if<people::Error>(&listed)) {
        Say(err, ErrorJson(texts::LibraryErrorText(*error, run.Library)));
        return 1;
    }
    for (const people::Person& person : std::get<std::vector<people::Person>>(listed)) {
        out << PersonJsonLine(person) << '\n';
    }
    out.flush();
    return 0;
}

int RunPeopleExport(const std::string& file, std::ostream& err, const PeopleRun& run) {
    const auto library = OpenLibrary(run, people::OpenMode::Read, err);
    if (!library) {
        return 1;
    }
    auto listed = library->List();
    if (auto* error = std::get_if<people::Error>(&listed)) {
        Say(err, ErrorJson(texts::LibraryErrorText(*error, run.Library)));
        return 1;
    }
    const auto& all = std::get<std::vector<people::Person>>(listed);
    const bool csv = file.size() >= 4 && (file.ends_with(".csv") || file.ends_with(".CSV"));
    std::string bytes;
    if (csv) {
        bytes = PeopleCsv(all);
    } else {
        for (const people::Person& person : all) {
            bytes += PersonJsonLine(person) + '\n';
        }
    }
    if (const auto problem = WriteFileAtomically(file, bytes)) {
        Say(err, ErrorJson(*problem));
        return 1;
    }
    return 0;
}

int RunPeopleRemove(std::int64_t id, std::ostream& err, const PeopleRun& run) {
    const auto library = OpenLibrary(run, people::OpenMode::Change, err);
    if (!library) {
        return 1;
    }
    if (const auto error = library->Remove(id)) {
        Say(err, ErrorJson(error->Kind == people::Problem::NoSuchPerson
                               ? texts::NoSuchPersonText(id)
                               : texts::LibraryErrorText(*error, run.Library)));
        return 1;
    }
    return 0;
}

int RunLibraryMatch(std::int64_t id, const people::RankOptions& options, std::ostream& out,
                    std::ostream& err, const PeopleRun& run) {
    const auto library = OpenLibrary(run, people::OpenMode::Read, err);
    if (!library) {
        return 1;
    }
    auto all = library->Candidates();
    if (auto* error = std::get_if<people::Error>(&all)) {
        Say(err, ErrorJson(texts::LibraryErrorText(*error, run.Library)));
        return 1;
    }
    const auto& candidates = std::get<std::vector<people::Candidate>>(all);
    const people::Candidate* person = nullptr;
    for (const people::Candidate& c : candidates) {
        if (c.Id == id) {
            person = &c;
        }
    }
    if (person == nullptr) {
        Say(err, ErrorJson(texts::NoSuchPersonText(id)));
        return 1;
    }
    const PersonVerdicts mine{person->Name, person->Values.Lagna, person->Values.Rashi};
    for (const people::Ranked& ranked : people::Rank(*person, candidates, options)) {
        const people::Candidate& c = candidates[ranked.Index];
        Json line;
        line["Id"] = c.Id;
        AddMatchFields(line, c.Name, ranked.Match, mine,
                       PersonVerdicts{c.Name, c.Values.Lagna, c.Values.Rashi});
        out << JsonLine(line) << '\n';
    }
    out.flush();
    return 0;
}

} // namespace tirovane::cli
