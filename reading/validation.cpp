#include "reading/validation.h"

#include "reading/name_text.h"

#include <array>

namespace tirovane {

namespace {

// The whole number written in a digits-only text, or nothing when the text
// holds anything else or more digits than any coordinate has.
std::optional<int> Digits(std::string_view text) {
    if (text.empty() || text.size() > 3) {
        return std::nullopt;
    }
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

bool LatitudeInRange(std::string_view degreesText, std::string_view minutesText) {
    const auto degrees = Digits(degreesText);
    const auto minutes = Digits(minutesText);
    return degrees && minutes && *minutes <= 59 && *degrees <= 90 &&
           !(*degrees == 90 && *minutes > 0);
}

bool LongitudeInRange(std::string_view degreesText, std::string_view minutesText) {
    const auto degrees = Digits(degreesText);
    const auto minutes = Digits(minutesText);
    return degrees && minutes && *minutes <= 59 && *degrees <= 180 &&
           !(*degrees == 180 && *minutes > 0);
}

struct EmptyCheck {
    std::string PersonForm::*Text;
    InputField Field;
    InputProblem Problem;
};

const std::array<EmptyCheck, 8> EmptyChecks = {{
    {&PersonForm::Name, InputField::Name, InputProblem::EmptyName},
    {&PersonForm::LatitudeDegrees, InputField::LatitudeDegrees,
     InputProblem::EmptyLatitudeDegrees},
    {&PersonForm::LatitudeMinutes, InputField::LatitudeMinutes,
     InputProblem::EmptyLatitudeMinutes},
    {&PersonForm::LongitudeDegrees, InputField::LongitudeDegrees,
     InputProblem::EmptyLongitudeDegrees},
    {&PersonForm::LongitudeMinutes, InputField::LongitudeMinutes,
     InputProblem::EmptyLongitudeMinutes},
    {&PersonForm::City, InputField::City, InputProblem::EmptyCity},
    {&PersonForm::State, InputField::State, InputProblem::EmptyState},
    {&PersonForm::Country, InputField::Country, InputProblem::EmptyCountry},
}};

} // namespace

bool IsLeapYearForEntry(int year) {
    return year % 4 == 0;
}

std::optional<ValidationFailure> ValidateInput(const PersonForm& fields, bool converterPresent) {
    // The date as the lists show it.
    const int day = fields.DayIndex + 1;
    const int month = fields.MonthIndex + 1;
    const int year = FirstYear + fields.YearIndex;
    for (const EmptyCheck& check : EmptyChecks) {
        if ((fields.*check.Text).empty()) {
            return ValidationFailure{check.Field, check.Problem, MessageIcon::Error};
        }
    }
    // The texts the key filter guards, checked again for what reached the
    // form another way (a saved reading, a line of the command-line tool).
    struct TextRule {
        std::string PersonForm::*Text;
        InputField Field;
        bool (*Accepted)(std::string_view);
    };
    const std::array<TextRule, 4> texts = {{
        {&PersonForm::Name, InputField::Name, IsNameText},
        {&PersonForm::City, InputField::City, IsPlaceText},
        {&PersonForm::State, InputField::State, IsPlaceText},
        {&PersonForm::Country, InputField::Country, IsPlaceText},
    }};
    for (const TextRule& rule : texts) {
        if (!rule.Accepted(fields.*rule.Text)) {
            return ValidationFailure{rule.Field, InputProblem::NotLetters, MessageIcon::Error};
        }
    }
    if (!fields.South.has_value()) {
        return ValidationFailure{
            InputField::LatitudeDirection,
            InputProblem::NoLatitudeDirection,
            MessageIcon::Error};
    }
    if (!fields.East.has_value()) {
        return ValidationFailure{
            InputField::LongitudeDirection,
            InputProblem::NoLongitudeDirection,
            MessageIcon::Error};
    }
    // Coordinates beyond the globe would give a meaningless chart.
    if (!LatitudeInRange(fields.LatitudeDegrees, fields.LatitudeMinutes)) {
        return ValidationFailure{InputField::LatitudeDegrees,
                                 InputProblem::LatitudeOutOfRange,
                                 MessageIcon::Error};
    }
    if (!LongitudeInRange(fields.LongitudeDegrees, fields.LongitudeMinutes)) {
        return ValidationFailure{InputField::LongitudeDegrees,
                                 InputProblem::LongitudeOutOfRange,
                                 MessageIcon::Error};
    }
    if (month == 2) {
        const int lastDay = IsLeapYearForEntry(year) ? 29 : 28;
        if (day > lastDay) {
            return ValidationFailure{
                InputField::Date,
                InputProblem::NoSuchFebruaryDay,
                MessageIcon::Information};
        }
    }
    const bool thirtyDayMonth = month == 4 || month == 6 || month == 9 || month == 11;
    if (thirtyDayMonth && day == 31) {
        return ValidationFailure{
            InputField::Date,
            InputProblem::NoThirtyFirst,
            MessageIcon::Information};
    }
    if (!converterPresent) {
        return ValidationFailure{
            InputField::ConverterLibrary,
            InputProblem::ConverterMissing,
            MessageIcon::Error};
    }
    return std::nullopt;
}

} // namespace tirovane
