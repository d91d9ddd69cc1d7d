#include "app/result_texts.h"

#include "app/cross_check.h"

namespace tirovane {

namespace {

const std::array<std::string_view, 12> Months = {"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};

std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (const std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace

std::string_view MonthName(int month) {
    return month >= 1 && month <= 12 ? Months[static_cast<std::size_t>(month - 1)]
                                     : std::string_view();
}

PersonalDetailTexts PersonalDetails(const BirthDetails& d) {
    const auto n = [](int value) { return std::to_string(value); };
    return {
        "Name: " + d.Name,
        "Date of Birth: " + std::string(MonthName(d.Month)) + " " + n(d.Day) + ", " + n(d.Year),
        "Time of Birth: " + n(d.Hour) + " HH " + n(d.Minute) + " MM ",
        "Latitude: " + n(d.LatitudeDegrees) + " Degree " + n(d.LatitudeMinutes) + " Minute",
        "Longitude: " + n(d.LongitudeDegrees) + " Degree " + n(d.LongitudeMinutes) + " Minute",
        "City: " + d.City,
        "State: " + d.State,
        "Country: " + d.Country,
    };
}

std::string EngineNotice(const PersonChart& chart) {
    if (chart.Engine != ChartEngineChoice::Precise) {
        return {};
    }
    std::string text = "Positions from the Swiss Ephemeris (Lahiri ayanamsa).";
    if (chart.AnalyticFallback) {
        text += " " + std::string(AnalyticFallbackNotice);
    }
    return text;
}

const std::vector<TextBlock>& EffectsAndRemedies() {
    static const std::vector<TextBlock> blocks = {
        {true, "Remedies for Manglik\r\n\r\nHere are some ways to avoid or escape the ill-effects "
               "of being a manglik.\r\n\r\n"},
        {false,
         Lines({"1) Chant Hanuman Chalisa regularly. ", "3) Refrain from eating on Tuesdays.",
                "4) Chant the Gayatri Mantra for 108 times everyday.",
                "5) Recite Sunderkand from Tulsi Ramcharitmanas for 40 days. Start from a Tuesday.",
                "6) Donate red-colored cloth to those who work in mines or donate it to "
                "ironsmiths.",
                "7) Perform Hanuman Sadhna at home by a learned Vedic Astrologer.",
                "8) Give out sindoor, sweets and a lighted ghee lamp to people around temples."}) +
             "\r\n\r\n"},
        {true, "Effects of being A Manglik\r\n\r\n"},
        {false,
         "Manglik dosh or Mangal Dosha is probably one of the most talked about topic in Vedic "
         "Astrology in recent times. It is imperative to test whether you are a manglik before "
         "marriage through matching you and your fianc\u00E9\u2019s horoscopes. One becomes a "
         "manglik when the planet Mars sits on any of the following houses: 1st, 4th, 7th, 8th "
         "and 12th. The effects of being a manglik can be long-term and deadly. Of course, there "
         "are other things that play a great part in augmenting or reducing the influence of "
         "mangal, but they are not present in everyone\u2019s horoscope so be prepared for the "
         "ill-effects of mangal dosha:\r\n\r\n"},
        {false, Lines({"1) Extreme delay in marriage procedures.", "2) Troubled married life",
                       "3) Incompatibility between partners.", "4) Divorce.",
                       "5) Death of the spouse.", "6) Complications in Childbirth."}) +
                    "\r\n\r\n"},
        {true, "Other than the marriage related problems, there could be problems arising in "
               "various areas of your life such as\r\n\r\n"},
        {false,
         Lines({"1) Problems in the professional life such as a late start of the career",
                "2) Irregularity in education", "3) Financial crisis", "4) Anxiety and stress",
                "5) Sexual dissatisfaction", "6) Persisting clash with the family"})},
    };
    return blocks;
}

} // namespace tirovane
