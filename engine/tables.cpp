#include "engine/tables.h"

#include "texts/marker.h"

namespace tirovane::engine {

const std::array<std::string_view, ChartBodyCount> ChartBodyNames = {
    QT_TRANSLATE_NOOP("Bodies", "Sun"),       QT_TRANSLATE_NOOP("Bodies", "Moon"),
    QT_TRANSLATE_NOOP("Bodies", "Mercury"),   QT_TRANSLATE_NOOP("Bodies", "Venus"),
    QT_TRANSLATE_NOOP("Bodies", "Mars"),      QT_TRANSLATE_NOOP("Bodies", "Jupiter"),
    QT_TRANSLATE_NOOP("Bodies", "Saturn"),    QT_TRANSLATE_NOOP("Bodies", "Rahu"),
    QT_TRANSLATE_NOOP("Bodies", "Ketu"),      QT_TRANSLATE_NOOP("Bodies", "Ascendant"),
    QT_TRANSLATE_NOOP("Bodies", "Midheaven"),
};

const std::array<std::string_view, ChartBodyCount> ChartBodySanskritNames = {
    QT_TRANSLATE_NOOP("Bodies", "Surya"),     QT_TRANSLATE_NOOP("Bodies", "Chandra"),
    QT_TRANSLATE_NOOP("Bodies", "Budha"),     QT_TRANSLATE_NOOP("Bodies", "Shukra"),
    QT_TRANSLATE_NOOP("Bodies", "Mangala"),   QT_TRANSLATE_NOOP("Bodies", "Guru"),
    QT_TRANSLATE_NOOP("Bodies", "Shani"),     QT_TRANSLATE_NOOP("Bodies", "Rahu"),
    QT_TRANSLATE_NOOP("Bodies", "Ketu"),      QT_TRANSLATE_NOOP("Bodies", "Ascendant"),
    QT_TRANSLATE_NOOP("Bodies", "Midheaven"),
};

const std::array<SignRow, SignCount> Signs = {{
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Ari"), QT_TRANSLATE_NOOP("Signs", "Aries"),
     QT_TRANSLATE_NOOP("Rashis", "Mesha"), Mars},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Tau"), QT_TRANSLATE_NOOP("Signs", "Taurus"),
     QT_TRANSLATE_NOOP("Rashis", "Vrishabha"), Venus},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Gem"), QT_TRANSLATE_NOOP("Signs", "Gemini"),
     QT_TRANSLATE_NOOP("Rashis", "Mithuna"), Mercury},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Can"), QT_TRANSLATE_NOOP("Signs", "Cancer"),
     QT_TRANSLATE_NOOP("Rashis", "Kataka"), Moon},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Leo"), QT_TRANSLATE_NOOP("Signs", "Leo"),
     QT_TRANSLATE_NOOP("Rashis", "Simha"), Sun},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Vir"), QT_TRANSLATE_NOOP("Signs", "Virgo"),
     QT_TRANSLATE_NOOP("Rashis", "Kanya"), Mercury},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Lib"), QT_TRANSLATE_NOOP("Signs", "Libra"),
     QT_TRANSLATE_NOOP("Rashis", "Thula"), Venus},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Sco"), QT_TRANSLATE_NOOP("Signs", "Scorpio"),
     QT_TRANSLATE_NOOP("Rashis", "Vrishcika"), Mars},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Sag"), QT_TRANSLATE_NOOP("Signs", "Sagittarius"),
     QT_TRANSLATE_NOOP("Rashis", "Dhanush"), Jupiter},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Cap"), QT_TRANSLATE_NOOP("Signs", "Capricorn"),
     QT_TRANSLATE_NOOP("Rashis", "Makara"), Saturn},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Aqu"), QT_TRANSLATE_NOOP("Signs", "Aquarius"),
     QT_TRANSLATE_NOOP("Rashis", "Kumbha"), Saturn},
    {QT_TRANSLATE_NOOP("SignAbbreviations", "Pis"), QT_TRANSLATE_NOOP("Signs", "Pisces"),
     QT_TRANSLATE_NOOP("Rashis", "Meena"), Jupiter},
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
    {QT_TRANSLATE_NOOP("Nakshatras", "Aswini"), Ketu},
    {QT_TRANSLATE_NOOP("Nakshatras", "Bharani"), Venus},
    {QT_TRANSLATE_NOOP("Nakshatras", "Krittika"), Sun},
    {QT_TRANSLATE_NOOP("Nakshatras", "Rohini"), Moon},
    {QT_TRANSLATE_NOOP("Nakshatras", "Mrigsira"), Mars},
    {QT_TRANSLATE_NOOP("Nakshatras", "Ardra"), Rahu},
    {QT_TRANSLATE_NOOP("Nakshatras", "Punarvasu"), Jupiter},
    {QT_TRANSLATE_NOOP("Nakshatras", "Pushya"), Saturn},
    {QT_TRANSLATE_NOOP("Nakshatras", "Aslesha"), Mercury},
    {QT_TRANSLATE_NOOP("Nakshatras", "Magha"), Ketu},
    {QT_TRANSLATE_NOOP("Nakshatras", "Purbha Phalguni"), Venus},
    {QT_TRANSLATE_NOOP("Nakshatras", "Uttara Phalguni"), Sun},
    {QT_TRANSLATE_NOOP("Nakshatras", "Hasta"), Moon},
    {QT_TRANSLATE_NOOP("Nakshatras", "Chitra"), Mars},
    {QT_TRANSLATE_NOOP("Nakshatras", "Swati"), Rahu},
    {QT_TRANSLATE_NOOP("Nakshatras", "Vishakha"), Jupiter},
    {QT_TRANSLATE_NOOP("Nakshatras", "Anuradha"), Saturn},
    {QT_TRANSLATE_NOOP("Nakshatras", "Jyeshtha"), Mercury},
    {QT_TRANSLATE_NOOP("Nakshatras", "Mula"), Ketu},
    {QT_TRANSLATE_NOOP("Nakshatras", "Purva Ashadha"), Venus},
    {QT_TRANSLATE_NOOP("Nakshatras", "Uttara Ashadha"), Sun},
    {QT_TRANSLATE_NOOP("Nakshatras", "Shravana"), Moon},
    {QT_TRANSLATE_NOOP("Nakshatras", "Dhanishtha"), Mars},
    {QT_TRANSLATE_NOOP("Nakshatras", "Shatbisha"), Rahu},
    {QT_TRANSLATE_NOOP("Nakshatras", "Poorva Bhadrapada"), Jupiter},
    {QT_TRANSLATE_NOOP("Nakshatras", "Uttara Bhadrapada"), Saturn},
    {QT_TRANSLATE_NOOP("Nakshatras", "Revati"), Mercury},
}};

} // namespace tirovane::engine
