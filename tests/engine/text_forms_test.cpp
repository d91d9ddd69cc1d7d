#include "engine/tables.h"
#include "engine/text_forms.h"
#include "tests/printed_names.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace tirovane::engine {
namespace {

TEST(FormatSignPosition, FieldsAreTruncatedWithinTheSign) {
    struct Case {
        double Longitude;
        const char* Expected;
    };
    const Case cases[] = {
        {125.515625, "5\u00B0 30' 56\" Leo"},
        {29.99999, "29\u00B0 59' 59\" Ari"}, // never rounded up to 30
        {0, "0\u00B0 0' 0\" Ari"},
        {30, "0\u00B0 0' 0\" Tau"},
        {359.9999, "29\u00B0 59' 59\" Pis"},
        {360, "0\u00B0 0' 0\" Ari"}, // Ketu exactly opposite a node at 180
        {-45.25, "15\u00B0 15' 0\" Tau"},
        {300.0 + 1.0 / 60 + 1.0 / 3600 + 1e-9, "0\u00B0 1' 1\" Aqu"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatSignPosition(c.Longitude), c.Expected) << c.Longitude;
    }
}

TEST(FormatSignedAngle, SignOnTheDegreesAndNoTrailingBlank) {
    EXPECT_EQ(FormatSignedAngle(-23.8573), "-23\u00B0 51' 26\"");
    EXPECT_EQ(FormatSignedAngle(22.5), "22\u00B0 30' 0\"");
    EXPECT_EQ(FormatSignedAngle(-0.5), "0\u00B0 30' 0\"");
}

TEST(FormatChartPosition, TwoDigitDegreesSignAndMinutes) {
    struct Case {
        const char* Position;
        const char* Expected;
    };
    const Case cases[] = {
        {"5\u00B0 30' 56\" Leo", "05 Leo 30"},
        {"12\u00B0 3' 7\" Cap", "12 Cap 03"},
        {"0\u00B0 0' 0\" Ari", "00 Ari 00"},
        {"29\u00B0 59' 59\" Pis", "29 Pis 59"},
        {"  7\u00B0 45' 1\" Sag", "07 Sag 45"},
        // The sign is cut from the end of the untrimmed text.
        {"7\u00B0 45' 1\" Sag ", "07 ag 45"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatChartPosition(c.Position), c.Expected) << c.Position;
    }
}

// The chart form made straight from a longitude is the chart form of its
// full text, at the edges of seconds, minutes, degrees and signs and over a
// random sweep of the circle.
TEST(FormatChartPosition, FromTheNumberAsFromItsText) {
    std::vector<double> longitudes = {0,           1e-12,     29.99999999,      30,
                                      30 - 1e-13,  59.999999, 125.515625,       359.9999999,
                                      360 - 1e-13, 360,       13.0 + 20.0 / 60, 0.5 / 3600};
    std::mt19937_64 random(360);
    std::uniform_real_distribution<double> circle(0, 360);
    for (int n = 0; n < 100000; ++n) {
        longitudes.push_back(circle(random));
    }
    for (int k = 0; k < 360 * 60; ++k) {
        const double minute = k / 60.0;
        longitudes.push_back(minute);
        longitudes.push_back(std::nextafter(minute, 0.0));
        longitudes.push_back(std::nextafter(minute, 360.0));
    }
    for (const double longitude : longitudes) {
        ASSERT_EQ(FormatChartPosition(longitude),
                  FormatChartPosition(FormatSignPosition(longitude)))
            << std::hexfloat << longitude;
    }
}

// The sign and nakshatra tables against the published lists.
TEST(Tables, SignsWithTheirNamesAndLords) {
    struct Row {
        const char* Abbreviation;
        const char* English;
        const char* Sanskrit;
        ChartBody Lord;
    };
    const Row expected[12] = {
        {"Ari", "Aries", "Mesha", Mars},
        {"Tau", "Taurus", "Vrishabha", Venus},
        {"Gem", "Gemini", "Mithuna", Mercury},
        {"Can", "Cancer", "Kataka", Moon},
        {"Leo", "Leo", "Simha", Sun},
        {"Vir", "Virgo", "Kanya", Mercury},
        {"Lib", "Libra", "Thula", Venus},
        {"Sco", "Scorpio", "Vrishcika", Mars},
        {"Sag", "Sagittarius", "Dhanush", Jupiter},
        {"Cap", "Capricorn", "Makara", Saturn},
        {"Aqu", "Aquarius", "Kumbha", Saturn},
        {"Pis", "Pisces", "Meena", Jupiter},
    };
    std::string abbreviations;
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(Signs[k].Abbreviation, expected[k].Abbreviation) << k;
        EXPECT_EQ(Signs[k].EnglishName, expected[k].English) << k;
        EXPECT_EQ(Signs[k].SanskritName, expected[k].Sanskrit) << k;
        EXPECT_EQ(Signs[k].Lord, expected[k].Lord) << k;
        EXPECT_EQ(SignIndex(expected[k].Abbreviation), k);
        abbreviations += SignAbbreviation(k);
    }
    EXPECT_EQ(abbreviations, "AriTauGemCanLeoVirLibScoSagCapAquPis");
    EXPECT_EQ(SignAbbreviation(12), "");
    EXPECT_EQ(SignIndex("ari"), -1);
}

TEST(Tables, NakshatrasWithTheirLords) {
    const auto& names = test::PrintedNakshatraNames;
    // Vimshottari order of the lords, three times round.
    const ChartBody lords[9] = {Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury};
    for (int k = 0; k < 27; ++k) {
        EXPECT_EQ(Nakshatras[k].Name, names[k]) << k;
        EXPECT_EQ(Nakshatras[k].Lord, lords[k % 9]) << k;
    }
}

} // namespace
} // namespace tirovane::engine
