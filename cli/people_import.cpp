#include "cli/people_import.h"

#include "cli/json_io.h"
#include "cli/line_reader.h"
#include "cli/place_command.h"
#include "files/file_io.h"
#include "files/saved_reading.h"
#include "reading/person_form.h"
#include "reading/validation.h"
#include "texts/validation_texts.h"

#include <array>
#include <sstream>

namespace tirovane::cli {

namespace {

// The fields of a person's line, in the order lists and exports write them.
constexpr std::array<const char*, 18> Fields = {"Name",
                                                "Day",
                                                "Month",
                                                "Year",
                                                "Hour",
                                                "Minute",
                                                "ZoneRow",
                                                "LatitudeDegrees",
                                                "LatitudeMinutes",
                                                "South",
                                                "LongitudeDegrees",
                                                "LongitudeMinutes",
                                                "East",
                                                "DaylightSaving",
                                                "City",
                                                "State",
                                                "Country",
                                                "Sex"};

const char* SexCode(Sex sex) {
    return sex == Sex::Male ? "male" : sex == Sex::Female ? "female" : "";
}

// One JSON object's line as the tool reads it: the place resolved, the
// person checked; notes and the zone kept.
ImportLine LineOf(std::size_t number, const std::string& line) {
    ImportLine out;
    out.Line = number;
    const PlaceLine placed = ResolvePlaceLine(line);
    if (placed.Error) {
        out.Problem = *placed.Error;
        return out;
    }
    if (!placed.Resolved && line.find("\"Place\"") != std::string::npos) {
        // A place that was not looked up: its date or time is wrong. The
        // line's own checks say which, with the place's fields filled in.
        Json object = Json::parse(line, nullptr, false);
        if (object.is_object() && object.contains("Place")) {
            for (const char* field : {"LatitudeDegrees", "LatitudeMinutes", "LongitudeDegrees",
                                      "LongitudeMinutes", "ZoneRow"}) {
                object.emplace(field, 0);
            }
            for (const char* field : {"South", "East", "DaylightSaving"}) {
                object.emplace(field, false);
            }
            for (const char* field : {"City", "State", "Country"}) {
                object.emplace(field, "Place");
            }
            auto checked = CheckedPerson(object.dump());
            out.Problem = std::holds_alternative<std::string>(checked)
                              ? std::get<std::string>(checked)
                              : std::string("The place could not be looked up at this date.");
            return out;
        }
    }
    auto checked = CheckedPerson(placed.Line);
    if (auto* problem = std::get_if<std::string>(&checked)) {
        out.Problem = std::move(*problem);
        return out;
    }
    people::Person person;
    person.Details = std::get<BirthDetails>(std::move(checked));
    const Json object = Json::parse(placed.Line, nullptr, false);
    if (object.is_object()) {
        if (const auto notes = object.find("Notes"); notes != object.end() && notes->is_string()) {
            person.Notes = notes->get<std::string>();
        }
        if (const auto zone = object.find("TimeZone"); zone != object.end() && zone->is_string()) {
            person.Zone = zone->get<std::string>();
        }
    }
    if (placed.Resolved && placed.Resolved->contains("TimeZone")) {
        person.Zone = (*placed.Resolved)["TimeZone"].get<std::string>();
    }
    out.Person = std::move(person);
    return out;
}

// The records of a CSV text: each with the line it starts on.
struct CsvRecord {
    std::size_t Line = 0;
    std::vector<std::string> Cells;
};

std::variant<std::vector<CsvRecord>, std::string> CsvRecords(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3); // the byte order mark some programs write
    }
    std::vector<CsvRecord> records;
    CsvRecord record{1, {}};
    std::string cell;
    std::size_t line = 1;
    bool quoted = false;
    bool any = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    cell += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') {
                    ++line;
                }
                cell += c;
            }
            continue;
        }
        if (c == '"' && cell.empty()) {
            quoted = true;
            any = true;
        } else if (c == ',') {
            record.Cells.push_back(std::move(cell));
            cell.clear();
            any = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            if (any || !cell.empty()) {
                record.Cells.push_back(std::move(cell));
                records.push_back(std::move(record));
            }
            cell.clear();
            any = false;
            ++line;
            record = CsvRecord{line, {}};
        } else {
            cell += c;
            any = true;
        }
    }
    if (quoted) {
        return "Line " + std::to_string(record.Line) + ": a quoted field is not closed.";
    }
    if (any || !cell.empty()) {
        record.Cells.push_back(std::move(cell));
        records.push_back(std::move(record));
    }
    return records;
}

// "YYYY-MM-DD" and "HH:MM" into the line's numbers.
bool SplitNumbers(const std::string& text, char separator, std::size_t parts,
                  std::vector<int>& numbers) {
    numbers.clear();
    std::size_t start = 0;
    for (std::size_t k = 0; k < parts; ++k) {
        const std::size_t end = k + 1 < parts ? text.find(separator, start) : text.size();
        if (end == std::string::npos || end == start || end - start > 4) {
            return false;
        }
        int value = 0;
        for (std::size_t i = start; i < end; ++i) {
            if (text[i] < '0' || text[i] > '9') {
                return false;
            }
            value = value * 10 + (text[i] - '0');
        }
        numbers.push_back(value);
        start = end + 1;
    }
    return true;
}

} // namespace

std::vector<ImportLine> ReadJsonLines(std::istream& in, const ReadProgress& progress,
                                      bool* cancelled) {
    std::vector<ImportLine> lines;
    LineReader reader(in);
    std::string line;
    bool tooLong = false;
    std::size_t number = 0;
    std::size_t bytes = 0;
    while (reader.Next(line, tooLong)) {
        ++number;
        bytes += line.size() + 1;
        if (progress && number % 100 == 0 && !progress(bytes, 0)) {
            if (cancelled != nullptr) {
                *cancelled = true;
            }
            return {};
        }
        if (tooLong) {
            lines.push_back({number, std::nullopt, "The line is longer than 1 MiB."});
            continue;
        }
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        lines.push_back(LineOf(number, line));
    }
    return lines;
}

std::vector<ImportLine> ReadCsv(std::string_view text, const ReadProgress& progress,
                                bool* cancelled) {
    auto parsed = CsvRecords(text);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return {{0, std::nullopt, *problem}};
    }
    const auto& records = std::get<std::vector<CsvRecord>>(parsed);
    if (records.empty()) {
        return {};
    }
    const std::vector<std::string>& header = records.front().Cells;
    const auto column = [&header](std::string_view name) -> std::optional<std::size_t> {
        for (std::size_t c = 0; c < header.size(); ++c) {
            if (header[c] == name) {
                return c;
            }
        }
        return std::nullopt;
    };
    // The short form: a date and a time in one cell each, a place to find.
    const bool simple = column("Date") && column("Place");
    std::vector<ImportLine> lines;
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (progress && r % 100 == 0 && !progress(r, records.size() - 1)) {
            if (cancelled != nullptr) {
                *cancelled = true;
            }
            return {};
        }
        const CsvRecord& record = records[r];
        if (record.Cells.size() != header.size()) {
            lines.push_back({record.Line, std::nullopt,
                             "The line has " + std::to_string(record.Cells.size()) +
                                 " fields; the header has " + std::to_string(header.size()) + "."});
            continue;
        }
        Json object = Json::object();
        const auto cell = [&](std::string_view name) -> std::optional<std::string> {
            const auto c = column(name);
            return c ? std::optional<std::string>(record.Cells[*c]) : std::nullopt;
        };
        std::string problem;
        if (simple) {
            object["Name"] = cell("Name").value_or("");
            std::vector<int> date;
            std::vector<int> time;
            if (!SplitNumbers(cell("Date").value_or(""), '-', 3, date)) {
                problem = "Date must be YYYY-MM-DD.";
            } else if (!SplitNumbers(cell("Time").value_or(""), ':', 2, time)) {
                problem = "Time must be HH:MM (24 hours).";
            } else {
                object["Year"] = date[0];
                object["Month"] = date[1];
                object["Day"] = date[2];
                object["Hour"] = time[0];
                object["Minute"] = time[1];
                object["Place"] = cell("Place").value_or("");
            }
        } else {
            // The JSON lines' fields: numbers and true or false as they
            // are written there, texts as they are.
            for (std::size_t c = 0; c < header.size(); ++c) {
                const std::string& value = record.Cells[c];
                const std::string& name = header[c];
                if (name == "Name" || name == "City" || name == "State" || name == "Country" ||
                    name == "Place" || name == "Notes" || name == "TimeZone" || name == "Sex") {
                    if (!(name == "Sex" && value.empty())) {
                        object[name] = value;
                    }
                } else if (value == "true" || value == "false") {
                    object[name] = value == "true";
                } else if (!value.empty()) {
                    const Json number = Json::parse(value, nullptr, false);
                    object[name] = number.is_number() ? number : Json(value);
                }
            }
        }
        if (const auto sex = cell("Sex"); simple && sex && !sex->empty()) {
            object["Sex"] = *sex;
        }
        if (const auto notes = cell("Notes"); simple && notes) {
            object["Notes"] = *notes;
        }
        if (!problem.empty()) {
            lines.push_back({record.Line, std::nullopt, problem});
            continue;
        }
        lines.push_back(LineOf(record.Line, object.dump()));
    }
    return lines;
}

std::vector<ImportLine> ReadSavedReading(std::string_view bytes) {
    if (const auto unreadable = FindUnreadableLine(bytes)) {
        return {{static_cast<std::size_t>(unreadable->Line), std::nullopt,
                 "Line " + std::to_string(unreadable->Line) + " of the reading " +
                     unreadable->Problem + "."}};
    }
    const std::array<PersonForm, 2> forms = ApplyReadingFile(bytes, {});
    std::vector<ImportLine> lines;
    for (std::size_t k = 0; k < forms.size(); ++k) {
        ImportLine line;
        line.Line = k + 1;
        if (const auto failure = ValidateInput(forms[k])) {
            line.Problem = texts::ValidationMessage(failure->Problem);
        } else {
            people::Person person;
            person.Details = DetailsOf(forms[k]);
            line.Person = std::move(person);
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::variant<std::vector<ImportLine>, std::string> ReadImportFile(const std::string& path,
                                                                  const ReadProgress& progress,
                                                                  bool* cancelled) {
    const ReadResult read = ReadFileStart(path, std::size_t{1} << 30);
    if (!read.Bytes) {
        return path + " cannot be read: " + read.Error;
    }
    const auto endsWith = [&path](std::string_view ending) {
        if (path.size() < ending.size()) {
            return false;
        }
        for (std::size_t k = 0; k < ending.size(); ++k) {
            const char c = path[path.size() - ending.size() + k];
            if (std::tolower(static_cast<unsigned char>(c)) != ending[k]) {
                return false;
            }
        }
        return true;
    };
    if (endsWith(".csv")) {
        return ReadCsv(*read.Bytes, progress, cancelled);
    }
    if (HasReadingExtension(path)) {
        return ReadSavedReading(*read.Bytes);
    }
    std::istringstream in(*read.Bytes);
    const std::size_t total = read.Bytes->size();
    if (!progress) {
        return ReadJsonLines(in);
    }
    return ReadJsonLines(
        in, [&](std::size_t done, std::size_t) { return progress(done, total); }, cancelled);
}

std::string PersonJsonLine(const people::Person& person) {
    const BirthDetails& d = person.Details;
    Json out;
    out["Id"] = person.Id;
    out["Name"] = d.Name;
    out["Day"] = d.Day;
    out["Month"] = d.Month;
    out["Year"] = d.Year;
    out["Hour"] = d.Hour;
    out["Minute"] = d.Minute;
    out["ZoneRow"] = d.ZoneRow;
    out["LatitudeDegrees"] = d.LatitudeDegrees;
    out["LatitudeMinutes"] = d.LatitudeMinutes;
    out["South"] = d.South;
    out["LongitudeDegrees"] = d.LongitudeDegrees;
    out["LongitudeMinutes"] = d.LongitudeMinutes;
    out["East"] = d.East;
    out["DaylightSaving"] = d.DaylightSaving;
    out["City"] = d.City;
    out["State"] = d.State;
    out["Country"] = d.Country;
    if (d.PersonSex != Sex::NotGiven) {
        out["Sex"] = SexCode(d.PersonSex);
    }
    out["TimeZone"] = person.Zone;
    out["Notes"] = person.Notes;
    out["Added"] = person.Added;
    out["Changed"] = person.Changed;
    return JsonLine(out);
}

std::string PeopleCsv(const std::vector<people::Person>& people) {
    const auto quoted = [](const std::string& text) {
        if (text.find_first_of(",\"\r\n") == std::string::npos) {
            return text;
        }
        std::string out = "\"";
        for (const char c : text) {
            out += c;
            if (c == '"') {
                out += '"';
            }
        }
        return out + '"';
    };
    std::string csv;
    for (const char* field : Fields) {
        csv += field;
        csv += ',';
    }
    csv += "TimeZone,Notes\r\n";
    for (const people::Person& person : people) {
        const BirthDetails& d = person.Details;
        const auto flag = [](bool b) { return std::string(b ? "true" : "false"); };
        const std::array<std::string, 20> cells = {quoted(d.Name),
                                                   std::to_string(d.Day),
                                                   std::to_string(d.Month),
                                                   std::to_string(d.Year),
                                                   std::to_string(d.Hour),
                                                   std::to_string(d.Minute),
                                                   std::to_string(d.ZoneRow),
                                                   std::to_string(d.LatitudeDegrees),
                                                   std::to_string(d.LatitudeMinutes),
                                                   flag(d.South),
                                                   std::to_string(d.LongitudeDegrees),
                                                   std::to_string(d.LongitudeMinutes),
                                                   flag(d.East),
                                                   flag(d.DaylightSaving),
                                                   quoted(d.City),
                                                   quoted(d.State),
                                                   quoted(d.Country),
                                                   SexCode(d.PersonSex),
                                                   quoted(person.Zone),
                                                   quoted(person.Notes)};
        for (std::size_t c = 0; c < cells.size(); ++c) {
            csv += cells[c];
            csv += c + 1 < cells.size() ? "," : "\r\n";
        }
    }
    return csv;
}

} // namespace tirovane::cli
