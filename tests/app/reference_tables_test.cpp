#include "app/birth_details.h"
#include "app/calculation.h"
#include "app/reference_tables.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace tirovane {
namespace {

TEST(ZoneTable, RowsAtTheEdgesAndInBetween) {
    const auto& zones = LoadReferenceTables().Zones;
    ASSERT_EQ(zones.size(), 71u);
    struct Case {
        int Row;
        const char* Label;
        int WestHours, WestMinutes;
    };
    const Case cases[] = {
        {0, "Alaska/Hawaii Daylight Time,AHDT,-9.0", 9, 0},
        {11, "Azores Time, AT, -2.0", 2, 0},
        {34, "Indian Time, IST, +5.3", -5, -30},
        {35, "Int'l Date Line East,IDLE,+12.0", -12, 0},
        {46, "New Zealand Std Summer Time,NZST,+13.0", -13, 0},
        {50, "Newfoundland Standard Time,NST,-3.5", 3, 30},
        {57, "South Australia Daylight Time,SDT,+10.5", -10, -30},
        {61, "Universal Time, UT, 0.0", 0, 0},
        {70, "Yukon War Time,YWT,-8.0", 8, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zones[c.Row].Label, c.Label) << c.Row;
        EXPECT_EQ(zones[c.Row].WestHours, c.WestHours) << c.Row;
        EXPECT_EQ(zones[c.Row].WestMinutes, c.WestMinutes) << c.Row;
    }
}

// The offset written at the end of each label ("+5.3" meaning five and a
// half hours, as do ".5" endings) is the negated west offset of the row.
TEST(ZoneTable, EveryRowAgreesWithTheOffsetInItsLabel) {
    for (const ZoneRow& zone : LoadReferenceTables().Zones) {
        const std::string label(zone.Label);
        const std::string offset = label.substr(label.rfind(',') + 1);
        const double stated = std::stod(offset);
        const double whole = std::trunc(stated);
        const bool half = std::fabs(stated - whole) > 0.2;
        const double hours = whole + (half ? (stated < 0 ? -0.5 : 0.5) : 0.0);
        EXPECT_DOUBLE_EQ(-(zone.WestHours + zone.WestMinutes / 60.0), hours) << label;
        EXPECT_TRUE(zone.WestMinutes == 0 || (zone.WestMinutes > 0) == (zone.WestHours > 0))
            << label;
    }
}

TEST(ZoneTable, MagnitudesForTheFormAndSignedValuesForTheEngine) {
    BirthDetails details;
    SelectZoneRow(details, 34);
    EXPECT_EQ(details.ZoneHours, 5);
    EXPECT_EQ(details.ZoneMinutes, 30);
    details.Hour = 12;
    // India: the zone row is signed east of Greenwich, universal = local - 5:30.
    EXPECT_EQ(ComputeBirthInstant(details).Universal, (engine::CivilDateTime{1901, 1, 1, 6, 30}));

    SelectZoneRow(details, 50);
    EXPECT_EQ(details.ZoneHours, 3);
    EXPECT_EQ(details.ZoneMinutes, 30);
    // Newfoundland: universal = local + 3:30.
    EXPECT_EQ(ComputeBirthInstant(details).Universal, (engine::CivilDateTime{1901, 1, 1, 15, 30}));
}

TEST(SignAbbreviations, TwelveInOrderAndAnEmptySlot) {
    const auto& signs = LoadReferenceTables().SignAbbreviations;
    const char* expected[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib",
                              "Sco", "Sag", "Cap", "Aqu", "Pis", ""};
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(signs[k], expected[k]);
    }
}

TEST(NakshatraSegments, EverySignHoldsNinePadasAndLordsFollowTheNinefoldOrder) {
    const auto& segments = LoadReferenceTables().NakshatraSegments;
    for (int sign = 0; sign < 12; ++sign) {
        int padas = 0;
        for (int row = 3 * sign; row < 3 * sign + 3; ++row) {
            padas += std::stoi(std::string(segments[row].PadaCount));
        }
        EXPECT_EQ(padas, 9) << "sign " << sign;
    }
    const char* lords[] = {"Ketu", "Venus",   "Sun",    "Moon",   "Mars",
                           "Rahu", "Jupiter", "Saturn", "Mercury"};
    // Walk the rows; a nakshatra split over two signs has two rows.
    int mansion = 0;
    std::string_view previous;
    for (const NakshatraSegment& segment : segments) {
        const bool continued = segment.SegmentName == previous ||
                               (previous == "Dhanistha" && segment.SegmentName == "Dhanishtha");
        if (!continued && !previous.empty()) {
            ++mansion;
        }
        EXPECT_EQ(segment.SegmentLord, lords[mansion % 9]) << segment.SegmentName;
        previous = segment.SegmentName;
    }
    EXPECT_EQ(mansion, 26);
}

TEST(LookUpNakshatraLord, FirstMatchingRowWins) {
    struct Case {
        const char* Sign;
        const char* Nakshatra;
        const char* Lord;
        const char* Pada;
    };
    const Case cases[] = {
        {"Pis", "Revati", "Mercury", "4"},     {"Leo", "Magha", "Ketu", "4"},
        {"Tau", "Krittika", "Sun", "1"},       {"Can", "Punarvasu", "Jupiter", "3"},
        {"Aqu", "Dhanishtha", "Mars", "2"},    {"Cap", "Dhanistha", "Mars", "2"},
        {"Ari", "Revati", "Mercury", "4"}, // the sign does not select the row
        {"Cap", "Uttara Ashadha", "Sun", "1"}, {"Lib", "Vishakha", "Jupiter", "3"},
    };
    for (const Case& c : cases) {
        const auto found = LookUpNakshatraLord(c.Sign, c.Nakshatra);
        ASSERT_TRUE(found.has_value()) << c.Nakshatra;
        EXPECT_EQ(found->NakshatraLord, c.Lord) << c.Nakshatra;
        EXPECT_EQ(found->PadaCount, c.Pada) << c.Nakshatra;
    }
}

TEST(LookUpNakshatraLord, NoMatchLeavesTheCallerItsPreviousValue) {
    EXPECT_FALSE(LookUpNakshatraLord("Ari", "").has_value());
    EXPECT_FALSE(LookUpNakshatraLord("Ari", "revati").has_value());
    EXPECT_FALSE(LookUpNakshatraLord("", "Revati").has_value());
    EXPECT_FALSE(LookUpNakshatraLord("Xyz", "Revati").has_value());
}

} // namespace
} // namespace tirovane
