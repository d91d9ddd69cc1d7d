#pragma once

#include "people/library.h"

#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// People read from the files a library imports (the tool's JSON lines,
// CSV, saved readings) and written to the files it exports, each line
// checked by the rules of the input form.

namespace tirovane::cli {

// One line of an import: its number and its person, or why it is bad.
struct ImportLine {
    std::size_t Line = 0;
    std::optional<people::Person> Person;
    std::string Problem;
};

// Told how many lines are read of how many (the file's bytes for JSON
// lines); false stops the reading, which then gives no lines.
using ReadProgress = std::function<bool(std::size_t done, std::size_t total)>;

// The tool's JSON lines: the fields `chart` takes, or "Place" in place of
// the coordinates, zone row and daylight saving (resolved at the line's
// date and time), and "Notes". Blank lines are skipped.
std::vector<ImportLine> ReadJsonLines(std::istream& in, const ReadProgress& progress = {},
                                      bool* cancelled = nullptr);

// CSV (UTF-8, RFC 4180 quoting) with a header row: either the JSON lines'
// field names, or Name, Date (YYYY-MM-DD), Time (HH:MM, 24 h), Place and
// Sex (male, female or empty), and Notes. A line is numbered where its
// record starts in the file.
std::vector<ImportLine> ReadCsv(std::string_view text, const ReadProgress& progress = {},
                                bool* cancelled = nullptr);

// Both people of a saved reading (.tvr), lines 1 and 2.
std::vector<ImportLine> ReadSavedReading(std::string_view bytes);

// The file's lines by its kind: .csv, .tvr, anything else JSON lines; or
// why the file cannot be read.
std::variant<std::vector<ImportLine>, std::string> ReadImportFile(
    const std::string& path, const ReadProgress& progress = {}, bool* cancelled = nullptr);

// A person as one JSON line: "Id", the input fields, "Sex" when given,
// "TimeZone", "Notes", "Added" and "Changed".
std::string PersonJsonLine(const people::Person& person);

// People as CSV with the JSON lines' field names in its header, which an
// import reads back as they were.
std::string PeopleCsv(const std::vector<people::Person>& people);

} // namespace tirovane::cli
