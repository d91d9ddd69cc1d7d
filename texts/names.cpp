#include "texts/names.h"

#include "reading/reference_tables.h"
#include "engine/tables.h"

namespace tirovane::texts {

namespace {

// The tables' texts are literals, so their views end in a null character.
std::string In(const Words& words, const char* context, std::string_view marked) {
    return marked.empty() ? std::string() : words.Translate(context, marked.data());
}

bool IsSign(int sign) {
    return sign >= 0 && sign < engine::SignCount;
}

} // namespace

std::string SignName(int sign, const Words& words) {
    return IsSign(sign)
               ? In(words, "Signs", engine::Signs[static_cast<std::size_t>(sign)].EnglishName)
               : std::string();
}

std::string RashiName(int sign, const Words& words) {
    return IsSign(sign)
               ? In(words, "Rashis", engine::Signs[static_cast<std::size_t>(sign)].SanskritName)
               : std::string();
}

std::string SignAbbreviation(int sign, const Words& words) {
    return IsSign(sign) ? In(words, "SignAbbreviations",
                             engine::Signs[static_cast<std::size_t>(sign)].Abbreviation)
                        : std::string();
}

std::string NakshatraName(int nakshatra, const Words& words) {
    if (nakshatra < 0 || nakshatra >= engine::NakshatraCount) {
        return {};
    }
    return In(words, "Nakshatras", engine::Nakshatras[static_cast<std::size_t>(nakshatra)].Name);
}

std::string BodyName(int body, const Words& words) {
    if (body < 0 || body >= engine::ChartBodyCount) {
        return {};
    }
    return In(words, "Bodies", engine::ChartBodyNames[static_cast<std::size_t>(body)]);
}

std::string BodySanskritName(int body, const Words& words) {
    if (body < 0 || body >= engine::ChartBodyCount) {
        return {};
    }
    return In(words, "Bodies", engine::ChartBodySanskritNames[static_cast<std::size_t>(body)]);
}

std::string ZoneLabel(int row, const Words& words) {
    if (row < 0 || row >= ZoneRowCount) {
        return {};
    }
    return In(words, "Zones", LoadReferenceTables().Zones[static_cast<std::size_t>(row)].Label);
}

std::string MatchingName(std::string_view englishName, const Words& words) {
    return In(words, "Matching", englishName);
}

} // namespace tirovane::texts
