#include "cli/place_command.h"

#include "places/place_resolution.h"
#include "texts/place_texts.h"

#include <charconv>
#include <cmath>
#include <filesystem>

namespace tirovane::cli {

namespace {

bool ParseNumber(std::string_view text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size();
}

bool IsDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

int DaysInMonth(int year, int month) {
    static constexpr int Days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : Days[month - 1];
}

std::string ProgramDir() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

} // namespace

bool ParseDateArgument(std::string_view text, PlaceDate& date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return false;
    }
    const auto y = text.substr(0, 4), m = text.substr(5, 2), d = text.substr(8, 2);
    int year = 0, month = 0, day = 0;
    if (!IsDigits(y) || !IsDigits(m) || !IsDigits(d) || !ParseNumber(y, year) ||
        !ParseNumber(m, month) || !ParseNumber(d, day)) {
        return false;
    }
    if (year < 1901 || year > 2050 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month)) {
        return false;
    }
    date.Year = year;
    date.Month = month;
    date.Day = day;
    return true;
}

bool ParseTimeArgument(std::string_view text, PlaceDate& date) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 2 ||
        text.size() - colon - 1 != 2) {
        return false;
    }
    const auto h = text.substr(0, colon), m = text.substr(colon + 1);
    int hour = 0, minute = 0;
    if (!IsDigits(h) || !IsDigits(m) || !ParseNumber(h, hour) || !ParseNumber(m, minute) ||
        hour > 23 || minute > 59) {
        return false;
    }
    date.Hour = hour;
    date.Minute = minute;
    return true;
}

const atlas::Atlas* ProgramAtlas(std::string* error) {
    static atlas::LazyAtlas lazy(atlas::FindAtlasFile(ProgramDir()));
    const atlas::Atlas* a = lazy.Get();
    if (a == nullptr && error != nullptr) {
        *error = lazy.Error();
    }
    return a;
}

Json PlaceToJson(const atlas::Place& place, const std::optional<PlaceDate>& date) {
    const FormCoordinates c = CoordinatesForForm(place.Latitude, place.Longitude);
    Json out;
    out["Name"] = place.Name;
    out["State"] = place.State;
    out["Country"] = place.Country;
    out["CountryCode"] = place.CountryCode;
    out["Population"] = place.Population;
    out["Latitude"] = place.Latitude;
    out["Longitude"] = place.Longitude;
    out["LatitudeDegrees"] = c.LatitudeDegrees;
    out["LatitudeMinutes"] = c.LatitudeMinutes;
    out["South"] = c.South;
    out["LongitudeDegrees"] = c.LongitudeDegrees;
    out["LongitudeMinutes"] = c.LongitudeMinutes;
    out["East"] = c.East;
    out["TimeZone"] = place.TimeZone;
    if (date) {
        std::string error;
        const auto time = ResolvePlaceTime(place, date->Year, date->Month, date->Day, date->Hour,
                                           date->Minute, &error);
        if (time) {
            out["UtcOffsetMinutes"] = static_cast<int>(std::lround(time->UtcOffsetSeconds / 60.0));
            out["DaylightSaving"] = time->Choice.DaylightSaving;
            out["ZoneRow"] = time->Choice.Row;
            out["Note"] = texts::PlaceTimeNote(*time);
        } else {
            out["UtcOffsetMinutes"] = nullptr;
            out["DaylightSaving"] = nullptr;
            out["ZoneRow"] = nullptr;
            out["Note"] = error;
        }
    }
    return out;
}

int RunPlace(std::ostream& out, std::ostream& err, const atlas::Atlas* atlas,
             const std::string& query, const std::optional<PlaceDate>& date, std::size_t limit) {
    if (atlas == nullptr) {
        std::string error;
        atlas = ProgramAtlas(&error);
        if (atlas == nullptr) {
            err << "The atlas cannot be read: " << error << "\n";
            return 1;
        }
    }
    const auto found = atlas->Search(query, limit);
    for (const atlas::Place& place : found) {
        out << PlaceToJson(place, date).dump() << '\n';
    }
    out.flush();
    return found.empty() ? 1 : 0;
}

PlaceLine ResolvePlaceLine(std::string_view line, const atlas::Atlas* (*getAtlas)(std::string*)) {
    PlaceLine result;
    result.Line = std::string(line);
    // Most lines give coordinates: spare them a second parse.
    if (line.find("\"Place\"") == std::string_view::npos) {
        return result;
    }
    Json object = Json::parse(line, nullptr, /*allow_exceptions=*/false);
    if (object.is_discarded() || !object.is_object() || !object.contains("Place")) {
        return result;
    }
    const Json& placeField = object["Place"];
    if (!placeField.is_string()) {
        result.Error = "Field Place must be a text.";
        return result;
    }
    const std::string query = placeField.get<std::string>();
    // The line's date and time choose the offset; the usual checks report
    // a missing or wrong one.
    PlaceDate date;
    const auto number = [&object](const char* name, int lo, int hi, int& value) {
        const auto it = object.find(name);
        if (it == object.end() || !it->is_number_integer() || it->get<long long>() < lo ||
            it->get<long long>() > hi) {
            return false;
        }
        value = static_cast<int>(it->get<long long>());
        return true;
    };
    if (!number("Year", 1901, 2050, date.Year) || !number("Month", 1, 12, date.Month) ||
        !number("Day", 1, 31, date.Day) || !number("Hour", 0, 23, date.Hour) ||
        !number("Minute", 0, 59, date.Minute)) {
        return result;
    }
    // A day the month does not have is left to the usual date check.
    const int day = std::min(date.Day, DaysInMonth(date.Year, date.Month));
    date.Day = day;

    std::string error;
    const atlas::Atlas* a = getAtlas(&error);
    if (a == nullptr) {
        result.Error = "The place " + query + " cannot be looked up: " + error + ".";
        return result;
    }
    const auto found = a->Search(query, 1);
    if (found.empty()) {
        result.Error = "Unknown place: " + query + ".";
        return result;
    }
    const atlas::Place& place = found.front();
    const auto time =
        ResolvePlaceTime(place, date.Year, date.Month, date.Day, date.Hour, date.Minute, &error);
    if (!time) {
        result.Error = "The time zone of " + place.Name + " is unknown: " + error + ".";
        return result;
    }
    BirthDetails details;
    ApplyPlace(details, place, *time);
    object["LatitudeDegrees"] = details.LatitudeDegrees;
    object["LatitudeMinutes"] = details.LatitudeMinutes;
    object["South"] = details.South;
    object["LongitudeDegrees"] = details.LongitudeDegrees;
    object["LongitudeMinutes"] = details.LongitudeMinutes;
    object["East"] = details.East;
    object["ZoneRow"] = details.ZoneRow;
    object["DaylightSaving"] = details.DaylightSaving;
    for (const auto& [field, value] :
         {std::pair<const char*, const std::string*>{"City", &details.City},
          {"State", &details.State},
          {"Country", &details.Country}}) {
        const auto it = object.find(field);
        if (it == object.end() || (it->is_string() && it->get<std::string>().empty())) {
            object[field] = *value;
        }
    }
    result.Line = object.dump();
    result.Resolved = PlaceToJson(place, date);
    return result;
}

} // namespace tirovane::cli
