#include "engine/text_forms.h"

#include <gtest/gtest.h>

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

TEST(SignNameFromText, EverySignAndNoMatch) {
    const char* abbreviations[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                   "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    const char* names[] = {"Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
                           "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena"};
    for (int k = 0; k < 12; ++k) {
        const std::string text = std::string("1\u00B0 2' 3\" ") + abbreviations[k];
        EXPECT_EQ(SignNameFromText(text), names[k]);
        EXPECT_EQ(SignNameFromText(text + "  "), names[k]) << "trailing blanks are trimmed";
    }
    EXPECT_EQ(SignNameFromText("1\u00B0 2' 3\" ari"), std::nullopt);
    EXPECT_EQ(SignNameFromText(""), std::nullopt);
    EXPECT_EQ(SignNameFromText("0\u00B0 0' 0\" "), std::nullopt);
}

} // namespace
} // namespace tirovane::engine
