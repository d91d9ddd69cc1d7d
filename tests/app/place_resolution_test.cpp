#include "reading/birth_instant.h"
#include "places/place_resolution.h"
#include "reading/reference_tables.h"
#include "texts/place_texts.h"

#include <gtest/gtest.h>

namespace tirovane {
namespace {

atlas::Place PlaceIn(const char* zone, const char* countryCode) {
    atlas::Place p;
    p.Name = "Somewhere";
    p.Country = "Some Country";
    p.CountryCode = countryCode;
    p.TimeZone = zone;
    return p;
}

struct RowFact {
    const char* Zone;
    const char* CountryCode;
    int Year, Month, Day, Hour;
    int OffsetMinutes;
    int Row;
    bool Box;
    const char* Summary;
};

class ZoneRowFactTest : public ::testing::TestWithParam<RowFact> {};

TEST_P(ZoneRowFactTest, PicksTheRowAndBox) {
    const RowFact& f = GetParam();
    std::string error;
    const auto t =
        ResolvePlaceTime(PlaceIn(f.Zone, f.CountryCode), f.Year, f.Month, f.Day, f.Hour, 0, &error);
    ASSERT_TRUE(t.has_value()) << error;
    EXPECT_EQ(t->UtcOffsetSeconds, f.OffsetMinutes * 60);
    EXPECT_EQ(t->Choice.Row, f.Row) << LoadReferenceTables().Zones[t->Choice.Row].Label;
    EXPECT_EQ(t->Choice.DaylightSaving, f.Box);
    EXPECT_EQ(t->Choice.ErrorSeconds, 0);
    EXPECT_EQ(texts::PlaceTimeNote(*t), "");
    EXPECT_EQ(texts::PlaceTimeSummary(*t), f.Summary);
    // The row and box stand for exactly the offset.
    const ZoneRow& row = LoadReferenceTables().Zones[t->Choice.Row];
    EXPECT_EQ(-(row.WestHours * 60 + row.WestMinutes) + (f.Box ? 60 : 0), f.OffsetMinutes);

    // The person filled from the place has the true birth instant: the
    // local time less the offset.
    BirthDetails d;
    d.Year = f.Year;
    d.Month = f.Month;
    d.Day = f.Day;
    d.Hour = f.Hour;
    ApplyPlace(d, PlaceIn(f.Zone, f.CountryCode), *t);
    const double utcDays = static_cast<double>(atlas::DaysFromCivil(f.Year, f.Month, f.Day)) +
                           (f.Hour * 60 - f.OffsetMinutes) / 1440.0;
    EXPECT_NEAR(ComputeBirthInstant(d).JulianDayUT, 2440587.5 + utcDays, 1e-9);
}

// Rows 34 Indian Time, 20 Central European Time, 29 Greenwich Mean Time,
// 21 Central Standard Time, 27 Eastern Standard Time, 8 Australian Eastern
// Standard Time, 47 New Zealand Std Time, 15 British Double Summer Time.
INSTANTIATE_TEST_SUITE_P(
    KnownHistory, ZoneRowFactTest,
    ::testing::Values(
        RowFact{"Asia/Kolkata", "IN", 1943, 5, 1, 12, 390, 34, true,
                "Asia/Kolkata, UTC+6:30 on 1 May 1943: war time"},
        RowFact{"Asia/Kolkata", "IN", 1970, 3, 10, 12, 330, 34, false,
                "Asia/Kolkata, UTC+5:30 on 10 March 1970: standard time"},
        RowFact{"Europe/London", "GB", 1970, 1, 15, 12, 60, 20, false,
                "Europe/London, UTC+1:00 on 15 January 1970: standard time"},
        RowFact{"Europe/London", "GB", 1985, 7, 1, 12, 60, 29, true,
                "Europe/London, UTC+1:00 on 1 July 1985: daylight saving time"},
        RowFact{"Europe/London", "GB", 1941, 6, 1, 12, 120, 15, false,
                "Europe/London, UTC+2:00 on 1 June 1941: war time"},
        RowFact{"America/Chicago", "US", 1960, 7, 1, 12, -300, 21, true,
                "America/Chicago, UTC-5:00 on 1 July 1960: daylight saving time"},
        RowFact{"America/Indiana/Indianapolis", "US", 1960, 7, 1, 12, -300, 27, false,
                "America/Indiana/Indianapolis, UTC-5:00 on 1 July 1960: standard time"},
        RowFact{"Australia/Sydney", "AU", 1990, 1, 15, 12, 660, 8, true,
                "Australia/Sydney, UTC+11:00 on 15 January 1990: daylight saving time"},
        RowFact{"Pacific/Auckland", "NZ", 1990, 1, 15, 12, 780, 47, true,
                "Pacific/Auckland, UTC+13:00 on 15 January 1990: daylight saving time"},
        RowFact{"Asia/Shanghai", "CN", 1995, 3, 1, 12, 480, 23, false,
                "Asia/Shanghai, UTC+8:00 on 1 March 1995: standard time"},
        // The database's own flag where two rows give the offset: Kyiv kept
        // Moscow time as its standard time from 1930 (not Eastern European
        // time with the box); Paris was on German summer time in 1942,
        // Central European time put forward (not Eastern European time).
        RowFact{"Europe/Kyiv", "UA", 1935, 7, 1, 12, 180, 12, false,
                "Europe/Kyiv, UTC+3:00 on 1 July 1935: standard time"},
        RowFact{"Europe/Paris", "FR", 1942, 7, 1, 12, 120, 20, true,
                "Europe/Paris, UTC+2:00 on 1 July 1942: war time"}));

TEST(PlaceResolutionTest, NepalGetsTheNearestRowAndANote) {
    const auto t = ResolvePlaceTime(PlaceIn("Asia/Kathmandu", "NP"), 1990, 6, 1, 12, 0);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->UtcOffsetSeconds, 345 * 60);
    // +5:30 and +6:00 are both 15 minutes away; the first row wins.
    EXPECT_EQ(t->Choice.Row, 34);
    EXPECT_FALSE(t->Choice.DaylightSaving);
    EXPECT_EQ(t->Choice.ErrorSeconds, 15 * 60);
    EXPECT_EQ(texts::PlaceTimeNote(*t),
              "No zone in the list has UTC+5:45: with \"Indian Time, IST, +5.3\" the "
              "birth instant is 15 minutes late.");
}

TEST(PlaceResolutionTest, LocalMeanTimeBeforeStandardTimeGetsANote) {
    // Madras Time, +5:21:10, was India's clock until 1906.
    const auto t = ResolvePlaceTime(PlaceIn("Asia/Kolkata", "IN"), 1901, 6, 1, 12, 0);
    ASSERT_TRUE(t.has_value());
    EXPECT_EQ(t->UtcOffsetSeconds, 5 * 3600 + 21 * 60 + 10);
    EXPECT_EQ(t->Choice.Row, 34);
    EXPECT_EQ(t->Choice.ErrorSeconds, -(8 * 60 + 50));
    EXPECT_EQ(texts::PlaceTimeSummary(*t),
              "Asia/Kolkata, UTC+5:21:10 on 1 June 1901: local mean time");
    EXPECT_EQ(texts::PlaceTimeNote(*t),
              "No zone in the list has UTC+5:21:10: with \"Indian Time, IST, +5.3\" the "
              "birth instant is 9 minutes early.");
}

TEST(PlaceResolutionTest, SkippedAndRepeatedHoursAreSaidInTheNote) {
    const auto skipped = ResolvePlaceTime(PlaceIn("Europe/London", "GB"), 1986, 3, 30, 1, 30);
    ASSERT_TRUE(skipped.has_value());
    EXPECT_EQ(skipped->Kind, atlas::LocalTimeKind::Skipped);
    EXPECT_EQ(skipped->Choice.Row, 29);
    EXPECT_FALSE(skipped->Choice.DaylightSaving);
    EXPECT_EQ(texts::PlaceTimeNote(*skipped),
              "1:30 on 30 March 1986 did not exist in Europe/London: the clocks "
              "went forward from UTC+0:00 to UTC+1:00; it is taken as UTC+0:00.");

    const auto repeated = ResolvePlaceTime(PlaceIn("Europe/London", "GB"), 1986, 10, 26, 1, 30);
    ASSERT_TRUE(repeated.has_value());
    EXPECT_EQ(repeated->Kind, atlas::LocalTimeKind::Repeated);
    EXPECT_EQ(repeated->Choice.Row, 29);
    EXPECT_TRUE(repeated->Choice.DaylightSaving);
    EXPECT_EQ(texts::PlaceTimeNote(*repeated),
              "1:30 on 26 October 1986 came twice in Europe/London (UTC+1:00, "
              "then UTC+0:00); the first is taken.");
}

TEST(PlaceResolutionTest, UnknownZoneIsAnError) {
    std::string error;
    EXPECT_FALSE(ResolvePlaceTime(PlaceIn("Mars/Olympus", "XX"), 1990, 1, 1, 12, 0, &error));
    EXPECT_FALSE(error.empty());
}

struct RowChoice {
    int Offset, Standard;
    bool Dst;
    const char* CountryCode;
    int Row;
    bool Box;
    int Error;
};

class ChooseZoneRowTest : public ::testing::TestWithParam<RowChoice> {};

TEST_P(ChooseZoneRowTest, FollowsTheRule) {
    const RowChoice& c = GetParam();
    const ZoneRowChoice got =
        ChooseZoneRow(c.Offset * 60, c.Standard * 60, c.Dst, c.CountryCode, "");
    EXPECT_EQ(got.Row, c.Row);
    EXPECT_EQ(got.DaylightSaving, c.Box);
    EXPECT_EQ(got.ErrorSeconds, c.Error * 60);
}

INSTANTIATE_TEST_SUITE_P(Rows, ChooseZoneRowTest,
                         ::testing::Values(
                             // Standard rows before daylight, summer and war rows: -4 is Atlantic
                             // Standard (3), not Eastern Daylight (24) nor Eastern War (28).
                             RowChoice{-240, -240, false, "CA", 3, false, 0},
                             // +12 standard: New Zealand's own row in New Zealand, else the first.
                             RowChoice{720, 720, false, "NZ", 47, false, 0},
                             RowChoice{720, 720, false, "FJ", 35, false, 0},
                             // +8: China Coast in China, Australian Western elsewhere.
                             RowChoice{480, 480, false, "HK", 23, false, 0},
                             RowChoice{480, 480, false, "AU", 10, false, 0},
                             // Hawaii's war time: +1 hour on -10:30 standard. Only daylight and
                             // war rows have -9:30: the first of them without the box. +14 has
                             // no row at all: the nearest, +13, an hour early.
                             RowChoice{-570, -630, true, "US", 32, true, 0},
                             RowChoice{-570, -570, false, "PF", 31, false, 0},
                             RowChoice{840, 840, false, "KI", 46, false, 60},
                             // Half an hour of daylight saving (Lord Howe): the total offset
                             // +11:00 is a row of its own.
                             RowChoice{660, 630, true, "AU", 7, false, 0},
                             // -9: Yukon Standard (69), not Alaska/Hawaii Daylight (0) nor
                             // Alaska/Hawaii War (2).
                             RowChoice{-540, -540, false, "CA", 69, false, 0},
                             RowChoice{-480, -540, true, "US", 69, true, 0},
                             RowChoice{-720, -720, false, "UM", 36, false, 0}));

TEST(PlaceResolutionTest, CoordinatesRoundToTheNearestMinute) {
    // 13.0878° N, 80.2785° E: 13°05.27' and 80°16.71'.
    FormCoordinates c = CoordinatesForForm(13.0878, 80.2785);
    EXPECT_EQ(c.LatitudeDegrees, 13);
    EXPECT_EQ(c.LatitudeMinutes, 5);
    EXPECT_FALSE(c.South);
    EXPECT_EQ(c.LongitudeDegrees, 80);
    EXPECT_EQ(c.LongitudeMinutes, 17);
    EXPECT_TRUE(c.East);
    // 59.9999' carries into the next degree; south and west.
    c = CoordinatesForForm(-33.99999, -0.1275);
    EXPECT_EQ(c.LatitudeDegrees, 34);
    EXPECT_EQ(c.LatitudeMinutes, 0);
    EXPECT_TRUE(c.South);
    EXPECT_EQ(c.LongitudeDegrees, 0);
    EXPECT_EQ(c.LongitudeMinutes, 8);
    EXPECT_FALSE(c.East);
}

TEST(PlaceResolutionTest, FormatsOffsets) {
    EXPECT_EQ(FormatUtcOffset(0), "UTC+0:00");
    EXPECT_EQ(FormatUtcOffset(19800), "UTC+5:30");
    EXPECT_EQ(FormatUtcOffset(-18000), "UTC-5:00");
    EXPECT_EQ(FormatUtcOffset(-(9 * 3600 + 30 * 60)), "UTC-9:30");
    EXPECT_EQ(FormatUtcOffset(19270), "UTC+5:21:10");
}

TEST(PlaceResolutionTest, ApplyPlaceFillsThePersonsFields) {
    atlas::Place chennai = PlaceIn("Asia/Kolkata", "IN");
    chennai.Name = "Chennai";
    chennai.State = "Tamil Nadu";
    chennai.Country = "India";
    chennai.Latitude = 13.0878;
    chennai.Longitude = 80.2785;
    const auto t = ResolvePlaceTime(chennai, 1943, 5, 1, 12, 0);
    ASSERT_TRUE(t.has_value());
    BirthDetails d;
    ApplyPlace(d, chennai, *t);
    EXPECT_EQ(d.City, "Chennai");
    EXPECT_EQ(d.State, "Tamil Nadu");
    EXPECT_EQ(d.Country, "India");
    EXPECT_EQ(d.ZoneRow, 34);
    EXPECT_TRUE(d.DaylightSaving);
    EXPECT_EQ(d.LatitudeDegrees, 13);
    EXPECT_TRUE(d.East);

    atlas::Place singapore = PlaceIn("Asia/Singapore", "SG");
    singapore.Country = "Singapore";
    const auto s = ResolvePlaceTime(singapore, 1990, 1, 1, 12, 0);
    ASSERT_TRUE(s.has_value());
    ApplyPlace(d, singapore, *s);
    EXPECT_EQ(d.State, "Singapore");
}

} // namespace
} // namespace tirovane
