#pragma once

#include "app/birth_details.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The fixed texts of the result: the personal-details lines and the text on
// the effects of Mangal dosha and its remedies.

namespace tirovane {

// "January" .. "December" for 1 .. 12; empty otherwise.
std::string_view MonthName(int month);

struct PersonalDetailTexts {
    std::string Name;      // "Name: Asha"
    std::string Birthdate; // "Date of Birth: March 5, 1980"
    std::string BirthTime; // "Time of Birth: 9 HH 5 MM "
    std::string Latitude;  // "Latitude: 28 Degree 6 Minute"
    std::string Longitude;
    std::string City;
    std::string State;
    std::string Country;
};

PersonalDetailTexts PersonalDetails(const BirthDetails& details);

// One block of the effects-and-remedies text; lines end in CR LF.
struct TextBlock {
    bool Bold;
    std::string Text;
};

const std::vector<TextBlock>& EffectsAndRemedies();

} // namespace tirovane
