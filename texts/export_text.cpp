#include "texts/export_text.h"

#include "engine/sidereal_chart.h"
#include "engine/tables.h"
#include "manglik/manglik.h"
#include "texts/result_texts.h"

namespace tirovane {

std::string ExportChartText(const BirthDetails& d, const PersonChart& chart) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += content;
        text += "\r\n";
    };
    const auto n = [](int value) { return std::to_string(value); };
    line("Name: " + d.Name);
    line("Date of Birth: " + texts::MonthName(d.Month) + " " + n(d.Day) + ", " + n(d.Year));
    line("Time of Birth: " + n(d.Hour) + " Hour " + n(d.Minute) + " Minute");
    line("Latitude: " + n(d.LatitudeDegrees) + " Degree " + n(d.LatitudeMinutes) + " Minute ");
    line("Longitude: " + n(d.LongitudeDegrees) + " Degree " + n(d.LongitudeMinutes) + " Minute ");
    line("City: " + d.City);
    line("State: " + d.State);
    line("Country: " + d.Country);
    line("\r");
    line("Planetary Position");
    for (int b = engine::Sun; b <= engine::Ketu; ++b) {
        line(chart.ChartBodyNames[b] + " " + chart.ChartPositions[b]);
    }
    line("\r");
    line("Other Planetary Details");
    line("Ayanamsa: " + chart.AyanamsaDisplay);
    line("Lagna / Asc: " + chart.LagnaName);
    line("Nakshatra: " + chart.MoonNakshatra);
    line("Rashi / Moon Sign: " + chart.MoonSignName);
    line("Pada: " + chart.PadaCount);
    line("Lord: " + chart.NakshatraLord);
    line("\r");
    line("House Lord Interpretation");
    // House n counted from the ascendant's sign as house 1.
    const manglik::ManglikTables& tables = manglik::LoadManglikTables();
    const int ascendant = engine::SignIndexOf(chart.Sidereal.Longitudes[engine::Ascendant]);
    for (int house = 1; house <= 12; ++house) {
        const engine::SignRow& sign =
            engine::Signs[static_cast<std::size_t>((ascendant + house - 1) % 12)];
        line(n(house) + std::string(tables.OrdinalSuffixes[house - 1]) +
             " House: " + std::string(sign.EnglishName) + ", lord " +
             std::string(engine::ChartBodyNames[sign.Lord]));
    }
    return text;
}

} // namespace tirovane
