#include "engine/tables.h"

namespace tirovane::engine {

std::string_view SignAbbreviation(int k) {
    if (k < 0 || k >= SignCount) {
        return {};
    }
    return SignAbbreviationText.substr(static_cast<std::size_t>(3 * k), 3);
}

int SignIndex(std::string_view abbreviation) {
    for (int k = 0; k < SignCount; ++k) {
        if (SignAbbreviation(k) == abbreviation) {
            return k;
        }
    }
    return -1;
}

const std::array<std::string_view, SignCount> SignEnglishNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

const std::array<std::string_view, SignCount> SignSanskritNames = {
    "Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishcika", "Dhanush", "Makara", "Kumbha", "Meena",
};

const std::array<std::string_view, NakshatraCount> NakshatraNames = {
    "Aswini",
    "Bharani",
    "Krittika",
    "Rohini",
    "Mrigsira",
    "Ardra",
    "Punarvasu",
    "Pushya",
    "Aslesha",
    "Magha",
    "Purbha Phalguni",
    "Uttara Phalguni",
    "Hasta",
    "Chitra",
    "Swati",
    "Vishakha",
    "Anuradha",
    "Jyeshtha",
    "Mula",
    "Purva Ashadha",
    "Uttara Ashadha",
    "Shravana",
    "Dhanishtha",
    "Shatbisha",
    "Poorva Bhadrapada",
    "Uttara Bhadrapada",
    "Revati",
};

const std::array<std::string_view, ChartBodyCount> ChartBodyNames = {
    "Sun",    "Moon", "Mercury", "Venus",     "Mars",      "Jupiter",
    "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven",
};

const std::array<std::string_view, ChartBodyCount> ChartBodySanskritNames = {
    "Surya", "Chandra", "Budha", "Shukra",    "Mangala",   "Guru",
    "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven",
};

} // namespace tirovane::engine
