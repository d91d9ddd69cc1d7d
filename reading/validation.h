#pragma once

#include "reading/person_form.h"

#include <optional>
#include <string>
#include <string_view>

// The checks a person's entry must pass before it is computed. Shared by the
// input form and the command-line tool so both refuse the same input with
// the same message.

namespace tirovane {

// The field a failed check points the user to.
enum class InputField {
    Name,
    LatitudeDegrees,
    LatitudeMinutes,
    LongitudeDegrees,
    LongitudeMinutes,
    City,
    State,
    Country,
    LatitudeDirection,  // the follow-up selects "North"
    LongitudeDirection, // the follow-up selects "East"
    Date,               // no follow-up
    ConverterLibrary,   // no follow-up
};

enum class MessageIcon { Error, Information };

// What is wrong with an entry (texts/ words each one).
enum class InputProblem {
    EmptyName,
    EmptyLatitudeDegrees,
    EmptyLatitudeMinutes,
    EmptyLongitudeDegrees,
    EmptyLongitudeMinutes,
    EmptyCity,
    EmptyState,
    EmptyCountry,
    NotLetters, // a character a name or place may not hold
    NotDigits,  // a character a degree or minute box may not hold (key filter)
    NoLatitudeDirection,
    NoLongitudeDirection,
    LatitudeOutOfRange,
    LongitudeOutOfRange,
    NoSuchFebruaryDay, // 30 February, or 29 February outside a leap year
    NoThirtyFirst,     // 31 April, June, September or November
    ConverterMissing,
};

struct ValidationFailure {
    InputField Field;
    InputProblem Problem;
    MessageIcon Icon;
};

// The checks in their order; the first that fails is returned. A field is
// empty only when its text is exactly empty. converterPresent tells whether
// the picture converter library is beside the program (the command-line
// tool, which makes no pictures, passes true).
std::optional<ValidationFailure> ValidateInput(const PersonForm& form,
                                               bool converterPresent = true);

// True when February of `year` has a 29th: every year divisible by 4, which
// is exact from 1901 to 2050.
bool IsLeapYearForEntry(int year);

} // namespace tirovane
