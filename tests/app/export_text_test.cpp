#include "files/codepage.h"
#include "texts/export_text.h"

#include <gtest/gtest.h>

namespace tirovane {
namespace {

TEST(ExportChartText, TheFortyOneLinesByteForByte) {
    BirthDetails d;
    d.Name = "Asha";
    d.Day = 5;
    d.Month = 3;
    d.Year = 1980;
    d.Hour = 7;
    d.Minute = 3;
    d.LatitudeDegrees = 12;
    d.LatitudeMinutes = 58;
    d.LongitudeDegrees = 77;
    d.LongitudeMinutes = 35;
    d.City = "Bangalore";
    d.State = "Karnataka";
    d.Country = "India";
    PersonChart c;
    c.ChartBodyNames = {"Sun",    "Moon", "Mercury", "Venus",     "Mars",     "Jupiter",
                        "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven"};
    c.ChartPositions = {"20 Aqu 50", "02 Sco 11", "05 Aqu 33", "14 Pis 02",
                        "00 Leo 40", "10 Leo 11", "03 Vir 56", "24 Can 12",
                        "24 Cap 12", "18 Sco 30", "02 Leo 07"};
    c.AyanamsaDisplay = "23\u00B0 30' 33\"";
    c.AscendantSign = "Sco";
    c.Sidereal.Longitudes[engine::Ascendant] = 7 * 30 + 18.5; // 18 deg 30' Scorpio
    c.LagnaName = "Vrishcika";
    c.MoonNakshatra = "Vishakha";
    c.MoonSignName = "Vrishcika";
    c.PadaCount = "3";
    c.NakshatraLord = "Jupiter";

    const std::string expected = "Name: Asha\r\n"
                                 "Date of Birth: March 5, 1980\r\n"
                                 "Time of Birth: 7 Hour 3 Minute\r\n"
                                 "Latitude: 12 Degree 58 Minute \r\n"
                                 "Longitude: 77 Degree 35 Minute \r\n"
                                 "City: Bangalore\r\n"
                                 "State: Karnataka\r\n"
                                 "Country: India\r\n"
                                 "\r\r\n"
                                 "Planetary Position\r\n"
                                 "Sun 20 Aqu 50\r\n"
                                 "Moon 02 Sco 11\r\n"
                                 "Mercury 05 Aqu 33\r\n"
                                 "Venus 14 Pis 02\r\n"
                                 "Mars 00 Leo 40\r\n"
                                 "Jupiter 10 Leo 11\r\n"
                                 "Saturn 03 Vir 56\r\n"
                                 "Rahu 24 Can 12\r\n"
                                 "Ketu 24 Cap 12\r\n"
                                 "\r\r\n"
                                 "Other Planetary Details\r\n"
                                 "Ayanamsa: 23\xB0 30' 33\"\r\n"
                                 "Lagna / Asc: Vrishcika\r\n"
                                 "Nakshatra: Vishakha\r\n"
                                 "Rashi / Moon Sign: Vrishcika\r\n"
                                 "Pada: 3\r\n"
                                 "Lord: Jupiter\r\n"
                                 "\r\r\n"
                                 "House Lord Interpretation\r\n"
                                 "1st House: Scorpio, lord Mars\r\n"
                                 "2nd House: Sagittarius, lord Jupiter\r\n"
                                 "3rd House: Capricorn, lord Saturn\r\n"
                                 "4th House: Aquarius, lord Saturn\r\n"
                                 "5th House: Pisces, lord Jupiter\r\n"
                                 "6th House: Aries, lord Mars\r\n"
                                 "7th House: Taurus, lord Venus\r\n"
                                 "8th House: Gemini, lord Mercury\r\n"
                                 "9th House: Cancer, lord Moon\r\n"
                                 "10th House: Leo, lord Sun\r\n"
                                 "11th House: Virgo, lord Mercury\r\n"
                                 "12th House: Libra, lord Venus\r\n";
    EXPECT_EQ(ToWindows1252(ExportChartText(d, c)), expected);
    EXPECT_EQ(ExportFileBytes(ExportChartText(d, c)), expected);
}

TEST(ExportFileBytes, Windows1252WhenEveryCharacterHasACodeUtf8Otherwise) {
    EXPECT_EQ(ExportFileBytes("City: K\u00F6ln\r\n"), "City: K\xF6ln\r\n");
    EXPECT_EQ(ExportFileBytes("\u20AC"), "\x80");
    EXPECT_EQ(ExportFileBytes("City: \u0141\u00F3d\u017A\r\n"),
              "\xEF\xBB\xBF"
              "City: \xC5\x81\xC3\xB3\x64\xC5\xBA\r\n");
    EXPECT_EQ(ExportFileBytes("\u0906"), "\xEF\xBB\xBF\xE0\xA4\x86");
}

} // namespace
} // namespace tirovane
