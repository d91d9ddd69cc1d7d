#include "cli/json_io.h"

#include "cli/json_writer.h"
#include "engine/text_forms.h"
#include "kundli/dasha.h"
#include "kundli/navamsa.h"
#include "reading/reference_tables.h"
#include "texts/manglik_texts.h"
#include "texts/validation_texts.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <set>
#include <vector>

namespace tirovane::cli {

namespace {

struct IntegerField {
    const char* Name;
    int BirthDetails::*Target;
    int Minimum;
    int Maximum;
};

const std::array<IntegerField, 10> IntegerFields = {{
    {"Day", &BirthDetails::Day, 1, 31},
    {"Month", &BirthDetails::Month, 1, 12},
    {"Year", &BirthDetails::Year, 1901, 2050},
    {"Hour", &BirthDetails::Hour, 0, 23},
    {"Minute", &BirthDetails::Minute, 0, 59},
    {"ZoneRow", &BirthDetails::ZoneRow, 0, ZoneRowCount - 1},
    {"LatitudeDegrees", &BirthDetails::LatitudeDegrees, 0, 999},
    {"LatitudeMinutes", &BirthDetails::LatitudeMinutes, 0, 999},
    {"LongitudeDegrees", &BirthDetails::LongitudeDegrees, 0, 999},
    {"LongitudeMinutes", &BirthDetails::LongitudeMinutes, 0, 999},
}};

struct FlagField {
    const char* Name;
    bool BirthDetails::*Target;
};

const std::array<FlagField, 3> FlagFields = {{
    {"South", &BirthDetails::South},
    {"East", &BirthDetails::East},
    {"DaylightSaving", &BirthDetails::DaylightSaving},
}};

struct TextField {
    const char* Name;
    std::string PersonForm::*Typed;
};

const std::array<TextField, 4> TextFields = {{
    {"Name", &PersonForm::Name},
    {"City", &PersonForm::City},
    {"State", &PersonForm::State},
    {"Country", &PersonForm::Country},
}};

std::string Missing(const char* name) {
    return std::string("Missing field ") + name + ".";
}

// The line parsed, or why it is no JSON object this tool can take.
std::variant<Json, std::string> ParseObject(std::string_view line) {
    // The keys of every object being read, to refuse a field given twice
    // (the parser would silently keep the last).
    std::vector<std::set<std::string>> keys;
    std::string twice;
    const Json::parser_callback_t watch = [&](int, nlohmann::json::parse_event_t event,
                                              Json& parsed) {
        using Event = nlohmann::json::parse_event_t;
        if (event == Event::object_start) {
            keys.emplace_back();
        } else if (event == Event::object_end && !keys.empty()) {
            keys.pop_back();
        } else if (event == Event::key && !keys.empty() && twice.empty() &&
                   !keys.back().insert(parsed.get<std::string>()).second) {
            twice = parsed.get<std::string>();
        }
        return true;
    };
    Json object;
    try {
        object = Json::parse(line, watch);
    } catch (const Json::out_of_range&) {
        return std::string("A number in the line is out of range.");
    } catch (const Json::exception&) {
        return std::string("The line is not a JSON object.");
    }
    if (!object.is_object()) {
        return std::string("The line is not a JSON object.");
    }
    if (!twice.empty()) {
        return "Field " + twice + " is given twice.";
    }
    return object;
}

// A whole number in [minimum, maximum]: an integer, or a number with no
// fraction (15.0). Nothing when the value is neither, or out of the range.
std::optional<int> WholeNumberIn(const Json& value, int minimum, int maximum) {
    if (value.is_number_unsigned()) {
        // Unsigned JSON numbers may exceed the signed range; compare them
        // as unsigned so that a huge value is refused, not wrapped.
        const auto n = value.get<unsigned long long>();
        if (n > static_cast<unsigned long long>(maximum) ||
            n < static_cast<unsigned long long>(std::max(minimum, 0))) {
            return std::nullopt;
        }
        return static_cast<int>(n);
    }
    if (value.is_number_integer()) {
        const auto n = value.get<long long>();
        if (n < minimum || n > maximum) {
            return std::nullopt;
        }
        return static_cast<int>(n);
    }
    const double d = value.get<double>();
    if (!std::isfinite(d) || d < minimum || d > maximum) {
        return std::nullopt;
    }
    return static_cast<int>(d);
}

} // namespace

std::variant<PersonForm, std::string> ParsePersonLine(std::string_view line) {
    auto parsed = ParseObject(line);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return std::move(*problem);
    }
    const Json& object = std::get<Json>(parsed);
    // The numbers and choices first, as birth details; the texts as typed.
    BirthDetails details;
    std::array<std::string, TextFields.size()> typed;

    for (std::size_t t = 0; t < TextFields.size(); ++t) {
        const TextField& field = TextFields[t];
        const auto it = object.find(field.Name);
        if (it == object.end()) {
            return Missing(field.Name);
        }
        if (!it->is_string()) {
            return std::string("Field ") + field.Name + " must be a text.";
        }
        typed[t] = it->get_ref<const std::string&>();
    }
    for (const IntegerField& field : IntegerFields) {
        const auto it = object.find(field.Name);
        if (it == object.end()) {
            return Missing(field.Name);
        }
        const bool whole =
            it->is_number_integer() || (it->is_number_float() && std::isfinite(it->get<double>()) &&
                                        std::trunc(it->get<double>()) == it->get<double>());
        if (!whole) {
            return std::string("Field ") + field.Name + " must be a whole number.";
        }
        const auto value = WholeNumberIn(*it, field.Minimum, field.Maximum);
        if (!value) {
            return std::string("Field ") + field.Name + " must be from " +
                   std::to_string(field.Minimum) + " to " + std::to_string(field.Maximum) + ".";
        }
        details.*field.Target = *value;
    }
    for (const FlagField& field : FlagFields) {
        const auto it = object.find(field.Name);
        if (it == object.end()) {
            return Missing(field.Name);
        }
        if (!it->is_boolean()) {
            return std::string("Field ") + field.Name + " must be true or false.";
        }
        details.*field.Target = it->get<bool>();
    }
    // The sex is optional: "male" or "female".
    if (const auto it = object.find("Sex"); it != object.end()) {
        if (it->is_string() && *it == "male") {
            details.PersonSex = Sex::Male;
        } else if (it->is_string() && *it == "female") {
            details.PersonSex = Sex::Female;
        } else {
            return std::string("Field Sex must be \"male\" or \"female\".");
        }
    }
    // The form that shows these details, with the texts as they were typed.
    PersonForm form = FormOf(details);
    for (std::size_t t = 0; t < TextFields.size(); ++t) {
        form.*TextFields[t].Typed = std::move(typed[t]);
    }
    return form;
}

namespace {

void WriteManglik(JsonWriter& out, const manglik::ManglikResult& result) {
    out.BeginObject();
    out.Key("House").Number(result.House);
    out.Key("HadDosha").Bool(result.HadDosha);
    out.Key("IsManglik").Bool(result.IsManglik);
    out.Key("Percentage").String(texts::PercentageText(result));
    out.Key("DetailLine").String(texts::DetailLine(result));
    out.Key("Verdict").String(texts::VerdictText(manglik::VerdictOf(result)));
    out.Key("CancelledBy").BeginArray();
    for (const manglik::CancellationRule rule : result.CancelledBy) {
        out.String(manglik::RuleName(rule));
    }
    out.EndArray();
    out.EndObject();
}

std::string DateText(const kundli::CivilDate& date) {
    const int year = date.Year % 10000;
    const int month = date.Month % 100;
    const int day = date.Day % 100;
    if (year < 0 || month < 0 || day < 0) {
        char text[24];
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
        return text;
    }
    // YYYY-MM-DD without the cost of a formatted print (it is made for
    // every period of every line).
    std::string text = "0000-00-00";
    text[0] = static_cast<char>('0' + year / 1000);
    text[1] = static_cast<char>('0' + year / 100 % 10);
    text[2] = static_cast<char>('0' + year / 10 % 10);
    text[3] = static_cast<char>('0' + year % 10);
    text[5] = static_cast<char>('0' + month / 10);
    text[6] = static_cast<char>('0' + month % 10);
    text[8] = static_cast<char>('0' + day / 10);
    text[9] = static_cast<char>('0' + day % 10);
    return text;
}

// The number and the date of the instants that bound the periods. Each
// boundary ends one period and starts the next, so the few last ones are
// kept and each is written once.
class InstantTexts {
public:
    explicit InstantTexts(double clockOffset) : clock_(clockOffset) {}

    struct Texts {
        double JulianDay = std::numeric_limits<double>::quiet_NaN();
        std::string Number; // as JSON
        std::string Date;   // YYYY-MM-DD on the birth's clock
    };

    // The texts of the instant; `keep`, the other end's texts in use, is
    // not written over.
    const Texts& Of(double julianDay, const Texts* keep = nullptr) {
        for (const Texts& kept : recent_) {
            if (kept.JulianDay == julianDay) {
                return kept;
            }
        }
        if (&recent_[next_ % recent_.size()] == keep) {
            ++next_;
        }
        Texts& made = recent_[next_++ % recent_.size()];
        made.JulianDay = julianDay;
        made.Number.clear();
        JsonWriter(made.Number).Number(julianDay);
        made.Date = DateText(kundli::DateOnClock(julianDay, clock_));
        return made;
    }

private:
    double clock_;
    std::array<Texts, 4> recent_{};
    std::size_t next_ = 0;
};

// A period's fields, without closing its object (a mahadasha's "Sub"
// follows them).
void WritePeriodFields(JsonWriter& out, const kundli::DashaPeriod& period, InstantTexts& instants) {
    out.Key("Lord").PlainString(engine::ChartBodyNames[kundli::BodyOf(period.Lord)]);
    const InstantTexts::Texts& start = instants.Of(period.StartJulianDay);
    const InstantTexts::Texts& end = instants.Of(period.EndJulianDay, &start);
    out.Key("StartJulianDay").Raw(start.Number);
    out.Key("EndJulianDay").Raw(end.Number);
    out.Key("Start").PlainString(start.Date);
    out.Key("End").PlainString(end.Date);
}

// The written object read back as a document, for the commands that add
// to it.
Json Parsed(const std::string& text) {
    return Json::parse(text);
}

} // namespace

void WriteChartFields(JsonWriter& out, const PersonChart& chart) {
    out.Key("AyanamsaText").String(chart.AyanamsaText);
    out.Key("AscendantText").String(chart.AscendantText);
    out.Key("MidheavenText").String(chart.MidheavenText);
    out.Key("MoonPositionText").String(chart.MoonPositionText);
    out.Key("MoonNakshatra").String(chart.MoonNakshatra);
    out.Key("MoonSignName").String(chart.MoonSignName);
    out.Key("ChartPositions").Strings(chart.ChartPositions);
    out.Key("ChartBodyNames").Strings(chart.ChartBodyNames);
    out.Key("ChartBodySanskritNames").Strings(chart.ChartBodySanskritNames);
    out.Key("AyanamsaDisplay").String(chart.AyanamsaDisplay);
    out.Key("AscendantSign").String(chart.AscendantSign);
    out.Key("LagnaName").String(chart.LagnaName);
    out.Key("NakshatraLord").String(chart.NakshatraLord);
    out.Key("PadaCount").String(chart.PadaCount);
    out.Key("ChartCells").Strings(chart.ChartCells);
    out.Key("LagnaChart");
    WriteManglik(out, chart.LagnaChart);
    out.Key("RashiChart");
    WriteManglik(out, chart.RashiChart);
}

void WriteKundliFields(JsonWriter& out, const PersonChart& chart,
                       const engine::BirthInstant& birth) {
    out.Key("NavamsaSigns").Numbers(kundli::NavamsaSigns(chart.Sidereal.Longitudes));
    const kundli::Vimshottari dasha =
        kundli::VimshottariDasha(chart.Sidereal.Longitudes[engine::Moon], birth.JulianDayUT);
    InstantTexts instants(kundli::ClockOffsetHours(birth));
    out.Key("Dasha").BeginObject();
    out.Key("Lord").String(engine::ChartBodyNames[kundli::BodyOf(dasha.LordAtBirth)]);
    out.Key("BalanceYears").Number(dasha.BalanceYears);
    out.Key("Periods").BeginArray();
    for (const kundli::Mahadasha& period : dasha.Periods) {
        out.BeginObject();
        WritePeriodFields(out, period, instants);
        out.Key("Sub").BeginArray();
        for (const kundli::DashaPeriod& sub : period.Sub) {
            out.BeginObject();
            WritePeriodFields(out, sub, instants);
            out.EndObject();
        }
        out.EndArray();
        out.EndObject();
    }
    out.EndArray();
    out.EndObject();
}

Json ManglikToJson(const manglik::ManglikResult& result) {
    std::string text;
    JsonWriter out(text);
    WriteManglik(out, result);
    return Parsed(text);
}

Json ChartToJson(const PersonChart& chart) {
    std::string text;
    JsonWriter out(text);
    out.BeginObject();
    WriteChartFields(out, chart);
    out.EndObject();
    return Parsed(text);
}

void AddKundli(Json& out, const PersonChart& chart, const engine::BirthInstant& birth) {
    std::string text;
    JsonWriter writer(text);
    writer.BeginObject();
    WriteKundliFields(writer, chart, birth);
    writer.EndObject();
    Json fields = Parsed(text);
    out["NavamsaSigns"] = std::move(fields["NavamsaSigns"]);
    out["Dasha"] = std::move(fields["Dasha"]);
}

std::variant<BirthDetails, std::string> CheckedPerson(std::string_view line) {
    auto parsed = ParsePersonLine(line);
    if (auto* problem = std::get_if<std::string>(&parsed)) {
        return std::move(*problem);
    }
    const PersonForm& form = std::get<PersonForm>(parsed);
    if (const auto failure = ValidateInput(form)) {
        return texts::ValidationMessage(failure->Problem);
    }
    // The birth details as the input form gives them: the place names
    // trimmed, the name as typed.
    return DetailsOf(form);
}

std::string JsonLine(const Json& value) {
    // Texts that are no valid UTF-8 (a file name in another encoding) are
    // written with replacement characters instead of failing.
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json ErrorJson(std::string_view message) {
    Json out;
    out["error"] = std::string(message);
    return out;
}

} // namespace tirovane::cli
