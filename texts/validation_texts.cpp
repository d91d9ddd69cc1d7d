#include "texts/validation_texts.h"

namespace tirovane::texts {

std::string ValidationMessage(InputProblem problem, const Words& words) {
    const char* message = nullptr;
    switch (problem) {
    case InputProblem::EmptyName:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Name");
        break;
    case InputProblem::EmptyLatitudeDegrees:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Degree of Latitude");
        break;
    case InputProblem::EmptyLatitudeMinutes:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Minutes of Latitude");
        break;
    case InputProblem::EmptyLongitudeDegrees:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Degree of Longitude");
        break;
    case InputProblem::EmptyLongitudeMinutes:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Minute of Longitude");
        break;
    case InputProblem::EmptyCity:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter City name");
        break;
    case InputProblem::EmptyState:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter State name");
        break;
    case InputProblem::EmptyCountry:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Country name");
        break;
    case InputProblem::NotLetters:
        message = QT_TRANSLATE_NOOP("Validation", "Please enter only letters");
        break;
    case InputProblem::NotDigits:
        message = QT_TRANSLATE_NOOP("Validation", "Please enter only numbers");
        break;
    case InputProblem::NoLatitudeDirection:
        message = QT_TRANSLATE_NOOP("Validation", "Please Select Direction For The Latitude");
        break;
    case InputProblem::NoLongitudeDirection:
        message = QT_TRANSLATE_NOOP("Validation", "Please Select Direction For The Longitude");
        break;
    case InputProblem::LatitudeOutOfRange:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Correct Latitude");
        break;
    case InputProblem::LongitudeOutOfRange:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Correct Longitude");
        break;
    case InputProblem::NoSuchFebruaryDay:
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Correct Date Or Month!");
        break;
    case InputProblem::NoThirtyFirst:
        // The blank before "!" is the message's own.
        message = QT_TRANSLATE_NOOP("Validation", "Please Enter Correct Date Or Month !");
        break;
    case InputProblem::ConverterMissing:
        message = QT_TRANSLATE_NOOP("Validation",
                                    "Required File Is Missing. Please Reinstall The Software.");
        break;
    }
    return message == nullptr ? std::string() : words.Translate("Validation", message);
}

} // namespace tirovane::texts
