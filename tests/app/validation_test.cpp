#include "app/validation.h"

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
