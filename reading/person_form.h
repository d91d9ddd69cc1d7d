#pragma once

#include "reading/birth_details.h"

#include <optional>
#include <string>

// What the input form holds for one person, as plain values: the texts of
// its boxes, the positions selected in its lists and its choices.

namespace tirovane {

struct PersonForm {
    std::string Name;
    std::string City;
    std::string State;
    std::string Country;
    std::string LatitudeDegrees;
    std::string LatitudeMinutes;
    std::string LongitudeDegrees;
    std::string LongitudeMinutes;
    // List positions: day 0 is "1", year 0 is "1901", hour and minute 0 are "0".
    int DayIndex = 0;
    int MonthIndex = 0;
    int YearIndex = 0;
    int HourIndex = 0;
    int MinuteIndex = 0;
    int ZoneRow = 0;
    // Nothing when neither button of the pair is selected.
    std::optional<bool> South = false;
    std::optional<bool> East = true;
    bool DaylightSaving = false;
    Sex PersonSex = Sex::NotGiven;
};

inline constexpr int FirstYear = 1901;
inline constexpr int LastYear = 2050;

// The birth details the calculation takes (numbers read from the texts,
// the place names trimmed).
BirthDetails DetailsOf(const PersonForm& form);

// The form that shows the given birth details.
PersonForm FormOf(const BirthDetails& details);

} // namespace tirovane
