#pragma once

#include <array>
#include <string>

// One person's birth details as entered, and the reading: the current pair.

namespace tirovane {

// A person's sex as the form and the files give it; matching counts the
// male as the groom.
enum class Sex { NotGiven, Male, Female };

struct BirthDetails {
    std::string Name; // as typed, not trimmed
    int Day = 1;
    int Month = 1;
    int Year = 1901;
    int Hour = 0; // local clock time
    int Minute = 0;
    int ZoneRow = 0; // row of the zone table, which holds the offset
    int LatitudeDegrees = 0;
    int LatitudeMinutes = 0;
    bool South = false;
    int LongitudeDegrees = 0;
    int LongitudeMinutes = 0;
    bool East = false;
    bool DaylightSaving = false;
    std::string City; // trimmed
    std::string State;
    std::string Country;
    Sex PersonSex = Sex::NotGiven;
};

// Selects zone row `row` (0..70); a row outside the table throws
// std::out_of_range.
void SelectZoneRow(BirthDetails& details, int row);

// Index 0 is the first person (role "usr"), index 1 the partner ("pp").
struct Reading {
    std::array<BirthDetails, 2> People;
};

inline constexpr int FirstPerson = 0;
inline constexpr int Partner = 1;

} // namespace tirovane
