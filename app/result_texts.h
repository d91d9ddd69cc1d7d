#pragma once

#include "app/birth_details.h"
#include "app/calculation.h"

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

// The captions of the result's planet rows (Sun to Saturn) and of its
// other Vedic details, in the order they are shown.
inline constexpr std::array<const char*, 7> PlanetCaptions = {
    "Surya / Sun",    "Chandra / Moon", "Budha / Mercury", "Shukra / Venus",
    "Mangala / Mars", "Guru / Jupiter", "Shani / Saturn"};
inline constexpr std::array<const char*, 7> VedicCaptions = {
    "Ayanamsa", "Lagna / Asc", "Nakshatra", "Pada", "Lord", "Rashi/Moon Sign", "Lagna Position"};

// The advice under each person's Manglik lines, and the invitation to the
// home page under the interpretations.
inline constexpr const char* ConsultationAdvice =
    "P.S. Please consult an astrologer for further detailed consultations for solving of Mangal "
    "Dosha.";
inline constexpr const char* HomePageInvitation =
    "For detailed advice and consultation on Mangal Dosha, visit the Tirovane home page.";

// Which engine computed the chart's positions, as the result names it:
// empty for the described engine, which the window does not name.
std::string EngineNotice(const PersonChart& chart);

// One block of the effects-and-remedies text; lines end in CR LF.
struct TextBlock {
    bool Bold;
    std::string Text;
};

const std::vector<TextBlock>& EffectsAndRemedies();

} // namespace tirovane
