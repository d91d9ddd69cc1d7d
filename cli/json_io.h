#pragma once

#include "reading/birth_details.h"
#include "reading/calculation.h"
#include "reading/person_form.h"
#include "reading/validation.h"

#include <nlohmann/json.hpp>
#include <string>
#include <variant>

// Birth details read from JSON, and charts written as JSON.

namespace tirovane::cli {

using Json = nlohmann::ordered_json;

// A person who passed the input checks, or the message of the first check
// that failed.
std::variant<BirthDetails, std::string> CheckedPerson(std::string_view line);

// The person of one input line as the input form would hold it (the texts
// as typed), or a sentence that names what is wrong with the line (not an
// object, a missing field, a wrong type, out of range).
std::variant<PersonForm, std::string> ParsePersonLine(std::string_view line);

class JsonWriter;

// The fields of one Manglik evaluation, with the rules that cancelled it.
Json ManglikToJson(const manglik::ManglikResult& result);

// The chart's fields under their own names.
Json ChartToJson(const PersonChart& chart);

// "NavamsaSigns" (the ten bodies Sun .. ascendant, 0 Aries .. 11 Pisces)
// and "Dasha" (the lord and balance at birth, the nine mahadashas with
// their antardashas, dated on the birth's own clock) of a chart born at
// `birth`.
void AddKundli(Json& out, const PersonChart& chart, const engine::BirthInstant& birth);

// The same fields written into an open object, straight as text.
void WriteChartFields(JsonWriter& out, const PersonChart& chart);
void WriteKundliFields(JsonWriter& out, const PersonChart& chart,
                       const engine::BirthInstant& birth);

Json ErrorJson(std::string_view message);

// One line of output: the value as compact JSON; bytes that are no valid
// UTF-8 become replacement characters.
std::string JsonLine(const Json& value);

} // namespace tirovane::cli
