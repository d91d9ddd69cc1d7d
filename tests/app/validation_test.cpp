#include "app/validation.h"

#include <functional>
#include <gtest/gtest.h>

namespace tirovane {
namespace {

PersonFields Complete() {
    PersonFields f;
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
    f.Day = 15;
    f.Month = 8;
    f.Year = 1985;
    return f;
}

struct Case {
    const char* What;
    std::function<void(PersonFields&)> Change;
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
        {"complete", [](PersonFields&) {}, true, nullptr, F::Name, E},
        {"empty name", [](PersonFields& f) { f.Name.clear(); }, true, "Please Enter Name", F::Name,
         E},
        {"blank name passes", [](PersonFields& f) { f.Name = " "; }, true, nullptr, F::Name, E},
        {"name and city empty",
         [](PersonFields& f) {
             f.Name.clear();
             f.City.clear();
         },
         true, "Please Enter Name", F::Name, E},
        {"lat deg", [](PersonFields& f) { f.LatitudeDegrees.clear(); }, true,
         "Please Enter Degree of Latitude", F::LatitudeDegrees, E},
        {"lat min", [](PersonFields& f) { f.LatitudeMinutes.clear(); }, true,
         "Please Enter Minutes of Latitude", F::LatitudeMinutes, E},
        {"lon deg", [](PersonFields& f) { f.LongitudeDegrees.clear(); }, true,
         "Please Enter Degree of Longitude", F::LongitudeDegrees, E},
        {"lon min", [](PersonFields& f) { f.LongitudeMinutes.clear(); }, true,
         "Please Enter Minute of Longitude", F::LongitudeMinutes, E},
        {"city", [](PersonFields& f) { f.City.clear(); }, true, "Please Enter City name", F::City,
         E},
        {"state", [](PersonFields& f) { f.State.clear(); }, true, "Please Enter State name",
         F::State, E},
        {"country", [](PersonFields& f) { f.Country.clear(); }, true, "Please Enter Country name",
         F::Country, E},
        {"no latitude direction", [](PersonFields& f) { f.South.reset(); }, true,
         "Please Select Direction For The Latitude", F::LatitudeDirection, E},
        {"no longitude direction", [](PersonFields& f) { f.East.reset(); }, true,
         "Please Select Direction For The Longitude", F::LongitudeDirection, E},
        {"latitude 90 0 passes",
         [](PersonFields& f) {
             f.LatitudeDegrees = "90";
             f.LatitudeMinutes = "0";
         },
         true, nullptr, F::Name, E},
        {"latitude 90 1",
         [](PersonFields& f) {
             f.LatitudeDegrees = "90";
             f.LatitudeMinutes = "1";
         },
         true, "Please Enter Correct Latitude", F::LatitudeDegrees, E},
        {"latitude 91", [](PersonFields& f) { f.LatitudeDegrees = "91"; }, true,
         "Please Enter Correct Latitude", F::LatitudeDegrees, E},
        {"latitude minutes 60", [](PersonFields& f) { f.LatitudeMinutes = "60"; }, true,
         "Please Enter Correct Latitude", F::LatitudeDegrees, E},
        {"latitude minutes 59 pass", [](PersonFields& f) { f.LatitudeMinutes = "059"; }, true,
         nullptr, F::Name, E},
        {"longitude 180 0 passes",
         [](PersonFields& f) {
             f.LongitudeDegrees = "180";
             f.LongitudeMinutes = "0";
         },
         true, nullptr, F::Name, E},
        {"longitude 180 1",
         [](PersonFields& f) {
             f.LongitudeDegrees = "180";
             f.LongitudeMinutes = "1";
         },
         true, "Please Enter Correct Longitude", F::LongitudeDegrees, E},
        {"longitude 999", [](PersonFields& f) { f.LongitudeDegrees = "999"; }, true,
         "Please Enter Correct Longitude", F::LongitudeDegrees, E},
        {"longitude minutes 75", [](PersonFields& f) { f.LongitudeMinutes = "75"; }, true,
         "Please Enter Correct Longitude", F::LongitudeDegrees, E},
        {"coordinates before dates",
         [](PersonFields& f) {
             f.LatitudeDegrees = "95";
             f.Month = 2;
             f.Day = 30;
         },
         true, "Please Enter Correct Latitude", F::LatitudeDegrees, E},
        {"directions before coordinates",
         [](PersonFields& f) {
             f.LatitudeDegrees = "95";
             f.East.reset();
         },
         true, "Please Select Direction For The Longitude", F::LongitudeDirection, E},
        {"29 February 1904",
         [](PersonFields& f) {
             f.Month = 2;
             f.Day = 29;
             f.Year = 1904;
         },
         true, nullptr, F::Name, E},
        {"29 February 1903",
         [](PersonFields& f) {
             f.Month = 2;
             f.Day = 29;
             f.Year = 1903;
         },
         true, "Please Enter Correct Date Or Month!", F::Date, I},
        {"30 February 1904",
         [](PersonFields& f) {
             f.Month = 2;
             f.Day = 30;
             f.Year = 1904;
         },
         true, "Please Enter Correct Date Or Month!", F::Date, I},
        {"31 February 2000",
         [](PersonFields& f) {
             f.Month = 2;
             f.Day = 31;
             f.Year = 2000;
         },
         true, "Please Enter Correct Date Or Month!", F::Date, I},
        {"28 February 1901",
         [](PersonFields& f) {
             f.Month = 2;
             f.Day = 28;
             f.Year = 1901;
         },
         true, nullptr, F::Name, E},
        {"31 April",
         [](PersonFields& f) {
             f.Month = 4;
             f.Day = 31;
         },
         true, "Please Enter Correct Date Or Month !", F::Date, I},
        {"31 November",
         [](PersonFields& f) {
             f.Month = 11;
             f.Day = 31;
         },
         true, "Please Enter Correct Date Or Month !", F::Date, I},
        {"30 June passes",
         [](PersonFields& f) {
             f.Month = 6;
             f.Day = 30;
         },
         true, nullptr, F::Name, E},
        {"31 December passes",
         [](PersonFields& f) {
             f.Month = 12;
             f.Day = 31;
         },
         true, nullptr, F::Name, E},
        {"converter missing", [](PersonFields&) {}, false,
         "Required File Is Missing. Please Reinstall The Software.", F::ConverterLibrary, E},
        {"date before converter",
         [](PersonFields& f) {
             f.Month = 9;
             f.Day = 31;
         },
         false, "Please Enter Correct Date Or Month !", F::Date, I},
    };
    for (const Case& c : cases) {
        PersonFields fields = Complete();
        c.Change(fields);
        const auto failure = ValidateInput(fields, c.ConverterPresent);
        if (c.Message == nullptr) {
            EXPECT_FALSE(failure.has_value()) << c.What << ": " << failure->Message;
            continue;
        }
        ASSERT_TRUE(failure.has_value()) << c.What;
        EXPECT_EQ(failure->Message, c.Message) << c.What;
        EXPECT_EQ(failure->Field, c.Field) << c.What;
        EXPECT_EQ(failure->Icon, c.Icon) << c.What;
    }
}

} // namespace
} // namespace tirovane
