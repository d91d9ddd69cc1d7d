#include "files/saved_reading.h"

#include "engine/text_forms.h"
#include "files/codepage.h"
#include "reading/reference_tables.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace tirovane {

namespace {

std::string Trimmed(std::string_view text) {
    return std::string(engine::TrimBlanks(text));
}

std::string Flag(bool value) {
    return value ? "True" : "False";
}

// The first line of a reading written in UTF-8. A file in the described
// form cannot start with it: every byte of its lines is 85 or more, and "T"
// is 84.
constexpr std::string_view Utf8Marker = "Tirovane reading, UTF-8";

// True when the file starts with the marker line.
bool IsUtf8Form(std::string_view file) {
    if (!file.starts_with(Utf8Marker)) {
        return false;
    }
    const std::string_view rest = file.substr(Utf8Marker.size());
    return rest.empty() || rest.starts_with("\r\n") || rest.starts_with("\n");
}

// Lines 35 and 36 hold the two people's sexes: "male", "female" or
// nothing; a file that gives neither has only 34 lines.
constexpr std::size_t SexLines = 2;
constexpr std::size_t LineCount = 2 * LinesPerPerson + SexLines;

// The file's lines, at most 36 after the marker line of the UTF-8 form:
// missing ones read as empty. `present` receives how many the file really
// has. Lines after the 36th are for additions of later versions.
std::vector<std::string> Lines(std::string_view file, std::size_t* present = nullptr) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    if (IsUtf8Form(file)) {
        const std::size_t end = file.find('\n');
        start = end == std::string_view::npos ? file.size() : end + 1;
    }
    while (lines.size() < LineCount && start < file.size()) {
        std::size_t end = file.find('\n', start);
        if (end == std::string_view::npos) {
            end = file.size();
        }
        std::string_view line = file.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.emplace_back(line);
        start = end + 1;
    }
    if (present != nullptr) {
        *present = lines.size();
    }
    lines.resize(LineCount);
    return lines;
}

std::string SexText(Sex sex) {
    switch (sex) {
    case Sex::Male:
        return "male";
    case Sex::Female:
        return "female";
    case Sex::NotGiven:
        break;
    }
    return {};
}

std::optional<Sex> SexEntry(const std::string& line) {
    if (line.empty()) {
        return Sex::NotGiven;
    }
    if (line == "male") {
        return Sex::Male;
    }
    if (line == "female") {
        return Sex::Female;
    }
    return std::nullopt;
}

// A whole number from a line, or nothing.
std::optional<int> WholeNumber(const std::string& text) {
    const std::string t = Trimmed(text);
    int value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (t.empty() || error != std::errc() || end != t.data() + t.size()) {
        return std::nullopt;
    }
    return value;
}

// The month line is a number rounded to a whole one ("4", "4.0", " 4").
std::optional<int> RoundedNumber(const std::string& text) {
    const std::string t = Trimmed(text);
    if (t.empty() || t.size() > 32) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(value) || std::fabs(value) > 1e6) {
        return std::nullopt;
    }
    return static_cast<int>(std::nearbyint(value));
}

// "True" (in any case) or a non-zero number is true; "False" or zero is
// false; anything else decides nothing.
std::optional<bool> Truth(const std::string& text) {
    std::string t = Trimmed(text);
    for (char& c : t) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (t == "true") {
        return true;
    }
    if (t == "false") {
        return false;
    }
    char* end = nullptr;
    const double value = std::strtod(t.c_str(), &end);
    if (!t.empty() && end == t.c_str() + t.size()) {
        return value != 0;
    }
    return std::nullopt;
}

// The position of the entry whose text is the line, in a list of whole
// numbers first .. last, or nothing when no entry has that text.
std::optional<int> NumberEntry(const std::string& line, int first, int last) {
    const std::string& t = line;
    int value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    // The entry's text must match exactly: "05" is no entry of the list.
    if (!t.empty() && error == std::errc() && end == t.data() + t.size() && value >= first &&
        value <= last && std::to_string(value) == t) {
        return value - first;
    }
    return std::nullopt;
}

// Selects the entry whose text is the line; otherwise the selection stays.
void SelectNumber(const std::string& line, int first, int last, int& index) {
    if (const auto entry = NumberEntry(line, first, last)) {
        index = *entry;
    }
}

std::optional<int> MonthEntry(const std::string& line) {
    if (const auto month = RoundedNumber(line); month && *month >= 1 && *month <= 12) {
        return *month - 1;
    }
    return std::nullopt;
}

std::optional<int> ZoneEntry(const std::string& line) {
    if (const auto zone = WholeNumber(line); zone && *zone >= 0 && *zone < ZoneRowCount) {
        return *zone;
    }
    return std::nullopt;
}

// The lines that select something, by their place in a person's 17, with
// what they must hold and how opening reads them.
struct SelectingLine {
    int Index;
    const char* Expected;
    bool (*Readable)(const std::string&);
};

const std::array<SelectingLine, 9> SelectingLines = {{
    {1, "a month from 1 to 12", [](const std::string& l) { return MonthEntry(l).has_value(); }},
    {2, "a day from 1 to 31",
     [](const std::string& l) { return NumberEntry(l, 1, 31).has_value(); }},
    {3, "a year from 1901 to 2050",
     [](const std::string& l) { return NumberEntry(l, FirstYear, LastYear).has_value(); }},
    {4, "an hour from 0 to 23",
     [](const std::string& l) { return NumberEntry(l, 0, 23).has_value(); }},
    {5, "a minute from 0 to 59",
     [](const std::string& l) { return NumberEntry(l, 0, 59).has_value(); }},
    {6, "a zone row from 0 to 70", [](const std::string& l) { return ZoneEntry(l).has_value(); }},
    {11, "True or False", [](const std::string& l) { return Truth(l).has_value(); }},
    {12, "True or False", [](const std::string& l) { return Truth(l).has_value(); }},
    {13, "True or False", [](const std::string& l) { return Truth(l).has_value(); }},
}};

// A field's text from its line: as it stands in the UTF-8 form, unscrambled
// from Windows-1252 in the described form.
std::string FieldText(const std::string& line, bool utf8) {
    return utf8 ? line : FromWindows1252(Unscramble(line));
}

// True when the described form keeps the text whole: every character has a
// Windows-1252 code that the shift by 85 keeps (0 to 170).
bool FitsDescribedForm(std::string_view text) {
    const auto bytes = ToWindows1252(text);
    return bytes && std::all_of(bytes->begin(), bytes->end(),
                                [](char c) { return static_cast<std::uint8_t>(c) <= 170; });
}

} // namespace

std::string Scramble(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const int code = static_cast<std::uint8_t>(*it) + 85;
        if (code <= 255) {
            out += static_cast<char>(code);
        }
    }
    return out;
}

std::string Unscramble(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (auto it = bytes.rbegin(); it != bytes.rend(); ++it) {
        const int code = static_cast<std::uint8_t>(*it) - 85;
        if (code >= 0) {
            out += static_cast<char>(code);
        }
    }
    return out;
}

std::string ReadingFileBytes(const std::array<BirthDetails, 2>& people,
                             const std::array<int, 2>& zoneRows) {
    std::vector<std::string> texts;
    texts.reserve(2 * LinesPerPerson);
    for (int i = 0; i < 2; ++i) {
        const BirthDetails& p = people[i];
        const std::string fields[LinesPerPerson] = {
            p.Name,
            std::to_string(p.Month),
            std::to_string(p.Day),
            std::to_string(p.Year),
            std::to_string(p.Hour),
            std::to_string(p.Minute),
            std::to_string(zoneRows[i]),
            std::to_string(p.LongitudeDegrees),
            std::to_string(p.LongitudeMinutes),
            std::to_string(p.LatitudeDegrees),
            std::to_string(p.LatitudeMinutes),
            Flag(p.East),
            Flag(p.South),
            Flag(p.DaylightSaving),
            p.City,
            p.State,
            p.Country,
        };
        for (const std::string& field : fields) {
            texts.push_back(Trimmed(field));
        }
    }
    // The sexes follow the 34 lines when either is given.
    if (people[0].PersonSex != Sex::NotGiven || people[1].PersonSex != Sex::NotGiven) {
        texts.push_back(SexText(people[0].PersonSex));
        texts.push_back(SexText(people[1].PersonSex));
    }
    // The described form whenever it keeps every character, byte for byte
    // as it has always been written; the UTF-8 form otherwise.
    const bool described = std::all_of(texts.begin(), texts.end(), FitsDescribedForm);
    std::string file;
    if (!described) {
        file += Utf8Marker;
        file += "\r\n";
    }
    for (const std::string& text : texts) {
        file += described ? Scramble(*ToWindows1252(text)) : text;
        file += "\r\n";
    }
    return file;
}

std::array<PersonForm, 2> ApplyReadingFile(std::string_view file,
                                           const std::array<PersonForm, 2>& current) {
    const std::vector<std::string> lines = Lines(file);
    const bool utf8 = IsUtf8Form(file);
    std::array<PersonForm, 2> forms = current;
    for (int i = 0; i < 2; ++i) {
        const auto line = [&](int k) {
            return FieldText(lines[static_cast<std::size_t>(i * LinesPerPerson + k)], utf8);
        };
        PersonForm& f = forms[i];
        f.Name = line(0);
        if (const auto month = MonthEntry(line(1))) {
            f.MonthIndex = *month;
        }
        SelectNumber(line(2), 1, 31, f.DayIndex);
        SelectNumber(line(3), FirstYear, LastYear, f.YearIndex);
        SelectNumber(line(4), 0, 23, f.HourIndex);
        SelectNumber(line(5), 0, 59, f.MinuteIndex);
        if (const auto zone = ZoneEntry(line(6))) {
            f.ZoneRow = *zone;
        }
        f.LongitudeDegrees = line(7);
        f.LongitudeMinutes = line(8);
        f.LatitudeDegrees = line(9);
        f.LatitudeMinutes = line(10);
        if (const auto east = Truth(line(11))) {
            f.East = *east;
        }
        if (const auto south = Truth(line(12))) {
            f.South = *south;
        }
        if (const auto dst = Truth(line(13))) {
            f.DaylightSaving = *dst;
        }
        f.City = line(14);
        f.State = line(15);
        f.Country = line(16);
        // A file without the line (every file of earlier versions) gives
        // no sex; so does a line that names none.
        f.PersonSex =
            SexEntry(FieldText(lines[2 * LinesPerPerson + static_cast<std::size_t>(i)], utf8))
                .value_or(Sex::NotGiven);
    }
    return forms;
}

std::optional<UnreadableLine> FindUnreadableLine(std::string_view file) {
    std::size_t present = 0;
    const std::vector<std::string> lines = Lines(file, &present);
    const bool utf8 = IsUtf8Form(file);
    // The marker line comes before the 34 lines of the UTF-8 form; a line is
    // named by its number in the file.
    const int first = utf8 ? 2 : 1;
    // The sex lines may be missing altogether; the 34 lines may not.
    if (present < 2 * LinesPerPerson) {
        return UnreadableLine{static_cast<int>(present) + first, "is missing"};
    }
    if (utf8) {
        for (std::size_t k = 0; k < lines.size(); ++k) {
            if (!IsValidUtf8(lines[k])) {
                return UnreadableLine{static_cast<int>(k) + first, "is not UTF-8 text"};
            }
        }
    }
    for (int i = 0; i < 2; ++i) {
        for (const SelectingLine& selecting : SelectingLines) {
            const int number = i * LinesPerPerson + selecting.Index;
            const std::string text = FieldText(lines[static_cast<std::size_t>(number)], utf8);
            if (!selecting.Readable(text)) {
                return UnreadableLine{number + first,
                                      std::string("does not hold ") + selecting.Expected};
            }
        }
    }
    for (std::size_t k = 2 * LinesPerPerson; k < present; ++k) {
        if (!SexEntry(FieldText(lines[k], utf8))) {
            return UnreadableLine{static_cast<int>(k) + first, "does not hold male or female"};
        }
    }
    return std::nullopt;
}

bool HasReadingExtension(std::string_view path) {
    return path.size() >= 3 && path.substr(path.size() - 3) == "tvr";
}

} // namespace tirovane
