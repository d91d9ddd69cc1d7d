#pragma once

#include "reading/person_form.h"
#include "texts/marker.h"

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

// The message of a name, city, state or country holding a character that
// is no letter, mark, blank, full stop, apostrophe or hyphen.
inline constexpr std::string_view OnlyLettersMessage =
    QT_TRANSLATE_NOOP("Validation", "Please enter only letters");

struct ValidationFailure {
    InputField Field;
    // The English message, a source text marked in the context "Validation"
    // (the windows translate it; the command-line tool writes it).
    std::string_view Message;
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
