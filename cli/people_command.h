#pragma once

#include "people/ranking.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <ostream>
#include <string>

// `tirovane-cli people ...` and `tirovane-cli match --library`: the people
// library from the command line. Errors and the lines an import refuses go
// to `err` as JSON lines; exit status 0 when all went well, 1 otherwise.

namespace tirovane::cli {

// $XDG_DATA_HOME/Tirovane/people.sqlite, else ~/.local/share/Tirovane/.
std::string DefaultLibraryPath();

struct PeopleRun {
    std::string Library;       // the library's file
    bool SkipBad = false;      // import the good lines of a file with bad ones
    bool ShowProgress = false; // a count on `err` while adding
};

// `add`: JSON lines from `in`; one {"Id", "Name"} line per new person.
int RunPeopleAdd(std::istream& in, std::ostream& out, std::ostream& err, const PeopleRun& run);
// `import FILE`: the same from a CSV, JSON-lines or saved-reading file.
int RunPeopleImport(const std::string& file, std::ostream& out, std::ostream& err,
                    const PeopleRun& run);
// `list [--search TEXT]`: one JSON line per person.
int RunPeopleList(const std::string& search, std::ostream& out, std::ostream& err,
                  const PeopleRun& run);
// `export FILE`: CSV for a .csv name, JSON lines otherwise, written whole
// or not at all.
int RunPeopleExport(const std::string& file, std::ostream& err, const PeopleRun& run);
// `remove ID`.
int RunPeopleRemove(std::int64_t id, std::ostream& err, const PeopleRun& run);

// `match --library PATH --person ID`: the ranking, best first, one JSON
// line per candidate with its "Id" and the fields `match` writes.
int RunLibraryMatch(std::int64_t id, const people::RankOptions& options, std::ostream& out,
                    std::ostream& err, const PeopleRun& run);

} // namespace tirovane::cli
