#include "reading/name_text.h"
#include "reading/validation.h"
#include "texts/validation_texts.h"
#include "atlas/atlas.h"

#include <functional>
#include <gtest/gtest.h>

namespace tirovane {
namespace {

PersonForm Complete() {
    PersonForm f;
    f.Name = "Asha";
    f.LatitudeDegrees = "28";
    f.LatitudeMinutes = "36";
    f.LongitudeDegrees = "77";
    f.LongitudeMinutes = "12";
    f.City = "Delhi";
    f.State = "Delhi";
    f.Country = "India";
    f.South = false;
    f.East = true;
    f.DayIndex = 15 - 1;
    f.MonthIndex = 8 - 1;
    f.YearIndex = 1985 - FirstYear;
    return f;
}

struct Case {
    const char* What;
    std::function<void(PersonForm&)> Change;
    bool ConverterPresent;
    const char* Message; // nullptr: passes
    InputField Field;
    MessageIcon Icon;
};

TEST(ValidateInput, ChecksInOrderWithTheirMessages) {
    using F = InputField;
    const auto E = MessageIcon::Error;
    const auto I = MessageIcon::Information;
    const Case cases[] = {
        {"complete", [](PersonForm&) {}, true, nullptr, F::Name, E},
        {"empty name", [](PersonForm& f) { f.Name.clear(); }, true, "Please Enter Name", F::Name,
         E},
        {"blank name passes", [](PersonForm& f) { f.Name = " "; }, true, nullptr, F::Name, E},
        {"name and city empty",
         [](PersonForm& f) {
             f.Name.clear();
             f.City.clear();
         },
         true, "Please Enter Name", F::Name, E},
        {"lat deg", [](PersonForm& f) { f.LatitudeDegrees.clear(); }, true,
         "Please Enter Degree of Latitude", F::LatitudeDegrees, E},
        {"lat min", [](PersonForm& f) { f.LatitudeMinutes.clear(); }, true,
         "Please Enter Minutes of Latitude", F::LatitudeMinutes, E},
        {"lon deg", [](PersonForm& f) { f.LongitudeDegrees.clear(); }, true,
         "Please Enter Degree of Longitude", F::LongitudeDegrees, E},
        {"lon min", [](PersonForm& f) { f.LongitudeMinutes.clear(); }, true,
         "Please Enter Minute of Longitude", F::LongitudeMinutes, E},
        {"city", [](PersonForm& f) { f.City.clear(); }, true, "Please Enter City name", F::City, E},
        {"state", [](PersonForm& f) { f.State.clear(); }, true, "Please Enter State name", F::State,
         E},
        {"country", [](PersonForm& f) { f.Country.clear(); }, true, "Please Enter Country name",
         F::Country, E},
        {"Devanagari name and Tamil city pass",
         [](PersonForm& f) {
             f.Name = "\u0906\u0936\u093E \u0936\u0930\u094D\u092E\u093E";
             f.City = "\u0B9A\u0BC6\u0BA9\u0BCD\u0BA9\u0BC8";
         },
         true, nullptr, F::Name, E},
        {"K. Karthik, O'Brien, Saint-Denis, \u0141\u00F3d\u017A pass",
         [](PersonForm& f) {
             f.Name = "K. Karthik O'Brien";
             f.City = "Saint-Denis";
             f.State = "\u0141\u00F3d\u017A";
         },
         true, nullptr, F::Name, E},
        {"a digit in the name", [](PersonForm& f) { f.Name = "Asha2"; }, true,
         "Please enter only letters", F::Name, E},
        {"an empty city before a wrong name",
         [](PersonForm& f) {
             f.Name = "Asha!";
             f.City.clear();
         },
         true, "Please Enter City name", F::City, E},
        {"a comma in the name", [](PersonForm& f) { f.Name = "Sharma, Asha"; }, true,
         "Please enter only letters", F::Name, E},
        {"places with the digits and signs of real place names pass",
         [](PersonForm& f) {
             f.City = "Ho Chi Minh City (HCMC)";
             f.State = "Sector 3";
             f.Country = "Congo, The Democratic Republic of the";
         },
         true, nullptr, F::Name, E},
        {"an exclamation mark in the city", [](PersonForm& f) { f.City = "Delhi!"; }, true,
         "Please enter only letters", F::City, E},
        {"a Devanagari digit in the country", [](PersonForm& f) { f.Country = "\u092D\u0967"; },
         true, "Please enter only letters", F::Country, E},
        {"a tab in the city", [](PersonForm& f) { f.City = "Del\thi"; }, true,
         "Please enter only letters", F::City, E},
        {"broken UTF-8 in the name", [](PersonForm& f) { f.Name = "As\xE0ha"; }, true,
         "Please enter only letters", F::Name, E},
        {"letters before directions",
         [](PersonForm& f) {
             f.Country = "India!";
             f.South.reset();
         },
         true, "Please enter only letters", F::Country, E},
        {"no latitude direction", [](PersonForm& f) { f.South.reset(); }, true,
         "Please Select Direction For The Latitude", F::LatitudeDirection, E},
        {"no longitude direction", [](PersonForm& f) { f.East.reset(); }, true,
         "Please Select Direction For The Longitude", F::LongitudeDirection, E},
        {"latitude 90 0 passes",
         [](PersonForm& f) {
             f.LatitudeDegrees = "90";
             f.LatitudeMinutes = "0";
         },
         true, nullptr, F::Name, E},
        {"latitude 90 1",
         [](PersonForm& f) {
             f.LatitudeDegrees = "90";
             f.LatitudeMinutes = "1";
         },
         true, "Please Enter Correct Latitude", F::LatitudeDegrees, E},
        {"latitude 91", [](PersonForm& f) { f.LatitudeDegrees = "91"; }, true,
         "Please Enter Correct Latitude", F::LatitudeDegrees, E},
        {"latitude minutes 60", [](PersonForm& f) { f.LatitudeMinutes = "60"; }, true,
         "Please Enter Correct Latitude", F::LatitudeDegrees, E},
        {"latitude minutes 59 pass", [](PersonForm& f) { f.LatitudeMinutes = "059"; }, true,
         nullptr, F::Name, E},
        {"longitude 180 0 passes",
         [](PersonForm& f) {
             f.LongitudeDegrees = "180";
             f.LongitudeMinutes = "0";
         },
         true, nullptr, F::Name, E},
        {"longitude 180 1",
         [](PersonForm& f) {
             f.LongitudeDegrees = "180";
             f.LongitudeMinutes = "1";
         },
         true, "Please Enter Correct Longitude", F::LongitudeDegrees, E},
        {"longitude 999", [](PersonForm& f) { f.LongitudeDegrees = "999"; }, true,
         "Please Enter Correct Longitude", F::LongitudeDegrees, E},
        {"longitude minutes 75", [](PersonForm& f) { f.LongitudeMinutes = "75"; }, true,
         "Please Enter Correct Longitude", F::LongitudeDegrees, E},
        {"coordinates before dates",
         [](PersonForm& f) {
             f.LatitudeDegrees = "95";
             f.MonthIndex = 2 - 1;
             f.DayIndex = 30 - 1;
         },
         true, "Please Enter Correct Latitude", F::LatitudeDegrees, E},
        {"directions before coordinates",
         [](PersonForm& f) {
             f.LatitudeDegrees = "95";
             f.East.reset();
         },
         true, "Please Select Direction For The Longitude", F::LongitudeDirection, E},
        {"29 February 1904",
         [](PersonForm& f) {
             f.MonthIndex = 2 - 1;
             f.DayIndex = 29 - 1;
             f.YearIndex = 1904 - FirstYear;
         },
         true, nullptr, F::Name, E},
        {"29 February 1903",
         [](PersonForm& f) {
             f.MonthIndex = 2 - 1;
             f.DayIndex = 29 - 1;
             f.YearIndex = 1903 - FirstYear;
         },
         true, "Please Enter Correct Date Or Month!", F::Date, I},
        {"30 February 1904",
         [](PersonForm& f) {
             f.MonthIndex = 2 - 1;
             f.DayIndex = 30 - 1;
             f.YearIndex = 1904 - FirstYear;
         },
         true, "Please Enter Correct Date Or Month!", F::Date, I},
        {"31 February 2000",
         [](PersonForm& f) {
             f.MonthIndex = 2 - 1;
             f.DayIndex = 31 - 1;
             f.YearIndex = 2000 - FirstYear;
         },
         true, "Please Enter Correct Date Or Month!", F::Date, I},
        {"28 February 1901",
         [](PersonForm& f) {
             f.MonthIndex = 2 - 1;
             f.DayIndex = 28 - 1;
             f.YearIndex = 1901 - FirstYear;
         },
         true, nullptr, F::Name, E},
        {"31 April",
         [](PersonForm& f) {
             f.MonthIndex = 4 - 1;
             f.DayIndex = 31 - 1;
         },
         true, "Please Enter Correct Date Or Month !", F::Date, I},
        {"31 November",
         [](PersonForm& f) {
             f.MonthIndex = 11 - 1;
             f.DayIndex = 31 - 1;
         },
         true, "Please Enter Correct Date Or Month !", F::Date, I},
        {"30 June passes",
         [](PersonForm& f) {
             f.MonthIndex = 6 - 1;
             f.DayIndex = 30 - 1;
         },
         true, nullptr, F::Name, E},
        {"31 December passes",
         [](PersonForm& f) {
             f.MonthIndex = 12 - 1;
             f.DayIndex = 31 - 1;
         },
         true, nullptr, F::Name, E},
        {"converter missing", [](PersonForm&) {}, false,
         "Required File Is Missing. Please Reinstall The Software.", F::ConverterLibrary, E},
        {"date before converter",
         [](PersonForm& f) {
             f.MonthIndex = 9 - 1;
             f.DayIndex = 31 - 1;
         },
         false, "Please Enter Correct Date Or Month !", F::Date, I},
    };
    for (const Case& c : cases) {
        PersonForm fields = Complete();
        c.Change(fields);
        const auto failure = ValidateInput(fields, c.ConverterPresent);
        if (c.Message == nullptr) {
            EXPECT_FALSE(failure.has_value())
                << c.What << ": " << texts::ValidationMessage(failure->Problem);
            continue;
        }
        ASSERT_TRUE(failure.has_value()) << c.What;
        EXPECT_EQ(texts::ValidationMessage(failure->Problem), c.Message) << c.What;
        EXPECT_EQ(failure->Field, c.Field) << c.What;
        EXPECT_EQ(failure->Icon, c.Icon) << c.What;
    }
}

// What a name may hold, character by character: letters and marks of any
// script, the joiners, and the few signs of real names.
TEST(NameText, LettersMarksJoinersAndTheSignsOfNames) {
    const char32_t accepted[] = {
        U'a',          U'Z',      U' ',      U'.',      U'\'',     U'-',
        U'\u2019',     U'\u00E9', U'\u0141',
        U'\u0915', // Devanagari KA
        U'\u093E', // Devanagari vowel sign AA (a spacing mark)
        U'\u094D', // Devanagari virama (a non-spacing mark)
        U'\u0B95',     U'\u0BCD', U'\u0C15', U'\u0C95', U'\u0D15', U'\u0995',
        U'\u09BC',                // Bengali nukta
        U'\u200C',     U'\u200D', // the zero-width non-joiner and joiner
        U'\u4E2D',                // a Han letter
        U'\U00020000',            // a letter beyond the first plane
    };
    for (const char32_t c : accepted) {
        EXPECT_TRUE(IsNameCharacter(c)) << std::hex << static_cast<unsigned>(c);
    }
    const char32_t refused[] = {
        U'0',
        U'9',
        U'\u0966',
        U'\u0BE7', // digits, Western and Indian
        U',',
        U'!',
        U'?',
        U'(',
        U'@',
        U'_',
        U'\t',
        U'\r',
        U'\n',
        U'\0',
        U'\u00A0', // no-break space: not the blank of the form
        U'\u0964', // Devanagari danda, a punctuation mark
        U'\u200B', // zero-width space
        U'\u2010',
        U'\u2013',          // typographic hyphen and dash
        U'\U0001F600',      // an emoji
        char32_t{0x110000}, // beyond Unicode
    };
    for (const char32_t c : refused) {
        EXPECT_FALSE(IsNameCharacter(c)) << std::hex << static_cast<unsigned>(c);
    }
    // Places take besides the digits and signs of real place names.
    for (const char32_t c : {U'0', U'9', U',', U'(', U')', U'[', U']', U'/', U'&', U'"', U'`',
                             U'\u2013', U'\u2018', U'\u201C', U'\u201D', U'\u0915'}) {
        EXPECT_TRUE(IsPlaceCharacter(c)) << std::hex << static_cast<unsigned>(c);
    }
    for (const char32_t c : {U'!', U'?', U'@', U'_', U'\t', U'\u0966', U'\u0964', U';', U':'}) {
        EXPECT_FALSE(IsPlaceCharacter(c)) << std::hex << static_cast<unsigned>(c);
        EXPECT_FALSE(IsNameCharacter(c)) << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_TRUE(IsNameText(""));
    EXPECT_TRUE(IsNameText("\u0D05\u0D30\u0D41\u0D23\u0D4D\u200D"));
    EXPECT_FALSE(IsNameText("\xED\xA0\x80")) << "an encoded surrogate is no character";
    EXPECT_FALSE(IsNameText("\xC0\xAE")) << "an overlong full stop";
}

// Every place the place finder can fill in passes the same rule, so that a
// chosen town is never refused afterwards.
TEST(NameText, EveryPlaceOfTheAtlasPasses) {
    std::string error;
    const auto atlas = atlas::Atlas::Load(TIROVANE_ATLAS_FILE, &error);
    ASSERT_NE(atlas, nullptr) << error;
    ASSERT_GT(atlas->PlaceCount(), 100000u);
    int refused = 0;
    for (std::size_t k = 0; k < atlas->PlaceCount(); ++k) {
        const atlas::Place place = atlas->PlaceAt(k);
        for (const std::string* text : {&place.Name, &place.State, &place.Country}) {
            if (!IsPlaceText(*text) && ++refused <= 20) {
                ADD_FAILURE() << "\"" << *text << "\" (" << place.Name << ", " << place.Country
                              << ")";
            }
        }
    }
    EXPECT_EQ(refused, 0);
}

} // namespace
} // namespace tirovane
