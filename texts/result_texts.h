#pragma once

#include "reading/birth_details.h"
#include "reading/calculation.h"
#include "texts/words.h"

#include <array>
#include <string>
#include <vector>

// The fixed texts of the result: the personal-details lines, the captions,
// the text on the effects of Mangal dosha and its remedies.

namespace tirovane::texts {

// "January" .. "December" for 1 .. 12; empty otherwise.
std::string MonthName(int month, const Words& words = English());

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

PersonalDetailTexts PersonalDetails(const BirthDetails& details, const Words& words = English());

// The captions of the result's planet rows (Sun to Saturn) and of its
// other Vedic details, in the order they are shown (context "Result").
inline constexpr std::array<const char*, 7> PlanetCaptions = {
    QT_TRANSLATE_NOOP("Result", "Surya / Sun"),     QT_TRANSLATE_NOOP("Result", "Chandra / Moon"),
    QT_TRANSLATE_NOOP("Result", "Budha / Mercury"), QT_TRANSLATE_NOOP("Result", "Shukra / Venus"),
    QT_TRANSLATE_NOOP("Result", "Mangala / Mars"),  QT_TRANSLATE_NOOP("Result", "Guru / Jupiter"),
    QT_TRANSLATE_NOOP("Result", "Shani / Saturn")};
inline constexpr std::array<const char*, 7> VedicCaptions = {
    QT_TRANSLATE_NOOP("Result", "Ayanamsa"),      QT_TRANSLATE_NOOP("Result", "Lagna / Asc"),
    QT_TRANSLATE_NOOP("Result", "Nakshatra"),     QT_TRANSLATE_NOOP("Result", "Pada"),
    QT_TRANSLATE_NOOP("Result", "Lord"),          QT_TRANSLATE_NOOP("Result", "Rashi/Moon Sign"),
    QT_TRANSLATE_NOOP("Result", "Lagna Position")};

// The advice under each person's Manglik lines, and the invitation to the
// home page under the interpretations.
inline constexpr const char* ConsultationAdvice =
    QT_TRANSLATE_NOOP("Result", "P.S. Please consult an astrologer for further detailed "
                                "consultations for solving of Mangal Dosha.");
inline constexpr const char* HomePageInvitation =
    QT_TRANSLATE_NOOP("Result", "For detailed advice and consultation on Mangal Dosha, visit the "
                                "Tirovane home page.");

// A caption of the context "Result" in the language of the words.
std::string Caption(const char* source, const Words& words = English());

// Which engine computed the chart's positions, as the result names it:
// empty for the described engine, which the window does not name.
std::string EngineNotice(const PersonChart& chart, const Words& words = English());

// One block of the effects-and-remedies text; lines end in CR LF.
struct TextBlock {
    bool Bold;
    std::string Text;
};

std::vector<TextBlock> EffectsAndRemedies(const Words& words = English());

} // namespace tirovane::texts
