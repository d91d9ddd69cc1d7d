#include "reading/birth_details.h"
#include "reading/calculation.h"
#include "reading/reference_tables.h"
#include "engine/tables.h"

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

TEST(ZoneTable, SignedValuesGiveTheUniversalTime) {
    BirthDetails details;
    SelectZoneRow(details, 34);
    details.Hour = 12;
    // India: the zone row is signed east of Greenwich, universal = local - 5:30.
    EXPECT_EQ(ComputeBirthInstant(details).Universal, (engine::CivilDateTime{1901, 1, 1, 6, 30}));

    SelectZoneRow(details, 50);
    // Newfoundland: universal = local + 3:30.
    EXPECT_EQ(ComputeBirthInstant(details).Universal, (engine::CivilDateTime{1901, 1, 1, 15, 30}));
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

// The rows are keyed by the nakshatra's index; each row's printed name and
// lord are those of the nakshatra table, except the one row that prints
// "Dhanistha" for Dhanishtha.
TEST(NakshatraSegments, KeyedByIndexAndAgreeingWithTheNakshatraTable) {
    const int expectedIndex[36] = {0,  1,  2,  2,  3,  4,  4,  5,  6,  6,  7,  8,
                                   9,  10, 11, 11, 12, 13, 13, 14, 15, 15, 16, 17,
                                   18, 19, 20, 20, 21, 22, 22, 23, 24, 24, 25, 26};
    const auto& segments = LoadReferenceTables().NakshatraSegments;
    for (int row = 0; row < 36; ++row) {
        const NakshatraSegment& segment = segments[row];
        EXPECT_EQ(segment.Nakshatra, expectedIndex[row]) << row;
        const engine::NakshatraRow& nakshatra = engine::Nakshatras[segment.Nakshatra];
        EXPECT_EQ(segment.SegmentName, row == 29 ? "Dhanistha" : nakshatra.Name) << row;
        EXPECT_EQ(segment.SegmentLord, engine::ChartBodyNames[nakshatra.Lord]) << row;
    }
}

TEST(LookUpNakshatraLord, FirstRowOfTheNakshatraWins) {
    struct Case {
        int Nakshatra;
        const char* Lord;
        const char* Pada;
    };
    const Case cases[] = {
        {26, "Mercury", "4"}, // Revati
        {9, "Ketu", "4"},     // Magha
        {2, "Sun", "1"},      // Krittika: its Aries row, whatever the Moon's sign
        {6, "Jupiter", "3"},  // Punarvasu
        {22, "Mars", "2"},    // Dhanishtha
        {20, "Sun", "1"},     // Uttara Ashadha
        {15, "Jupiter", "3"}, // Vishakha
        {0, "Ketu", "4"},     // Aswini
    };
    for (const Case& c : cases) {
        const auto found = LookUpNakshatraLord(c.Nakshatra);
        ASSERT_TRUE(found.has_value()) << c.Nakshatra;
        EXPECT_EQ(found->NakshatraLord, c.Lord) << c.Nakshatra;
        EXPECT_EQ(found->PadaCount, c.Pada) << c.Nakshatra;
    }
    EXPECT_FALSE(LookUpNakshatraLord(-1).has_value());
    EXPECT_FALSE(LookUpNakshatraLord(27).has_value());
}

} // namespace
} // namespace tirovane
