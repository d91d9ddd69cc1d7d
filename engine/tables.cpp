#include "engine/tables.h"

namespace tirovane::engine {

const std::array<std::string_view, ChartBodyCount> ChartBodyNames = {
    "Sun",    "Moon", "Mercury", "Venus",     "Mars",      "Jupiter",
    "Saturn", "Rahu", "Ketu",    "Ascendant", "Midheaven",
};

const std::array<std::string_view, ChartBodyCount> ChartBodySanskritNames = {
    "Surya", "Chandra", "Budha", "Shukra",    "Mangala",   "Guru",
    "Shani", "Rahu",    "Ketu",  "Ascendant", "Midheaven",
};

const std::array<SignRow, SignCount> Signs = {{
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
}};

std::string_view SignAbbreviation(int k) {
    if (k < 0 || k >= SignCount) {
        return {};
    }
    return Signs[static_cast<std::size_t>(k)].Abbreviation;
}

int SignIndex(std::string_view abbreviation) {
    for (int k = 0; k < SignCount; ++k) {
        if (Signs[static_cast<std::size_t>(k)].Abbreviation == abbreviation) {
            return k;
        }
    }
    return -1;
}

// The lords run Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn and
// Mercury, three times round.
const std::array<NakshatraRow, NakshatraCount> Nakshatras = {{
    {"Aswini", Ketu},
    {"Bharani", Venus},
    {"Krittika", Sun},
    {"Rohini", Moon},
    {"Mrigsira", Mars},
    {"Ardra", Rahu},
    {"Punarvasu", Jupiter},
    {"Pushya", Saturn},
    {"Aslesha", Mercury},
    {"Magha", Ketu},
    {"Purbha Phalguni", Venus},
    {"Uttara Phalguni", Sun},
    {"Hasta", Moon},
    {"Chitra", Mars},
    {"Swati", Rahu},
    {"Vishakha", Jupiter},
    {"Anuradha", Saturn},
    {"Jyeshtha", Mercury},
    {"Mula", Ketu},
    {"Purva Ashadha", Venus},
    {"Uttara Ashadha", Sun},
    {"Shravana", Moon},
    {"Dhanishtha", Mars},
    {"Shatbisha", Rahu},
    {"Poorva Bhadrapada", Jupiter},
    {"Uttara Bhadrapada", Saturn},
    {"Revati", Mercury},
}};

} // namespace tirovane::engine
