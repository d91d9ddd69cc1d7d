#include "reading/name_text.h"

#include "reading/utf8.h"

#include <unicode/uchar.h>

namespace tirovane {

bool IsNameCharacter(char32_t c) {
    switch (c) {
    case U' ':
    case U'.':
    case U'\'':
    case U'\u2019': // right single quotation mark, the typographic apostrophe
    case U'-':
    case U'\u200C': // zero-width non-joiner
    case U'\u200D': // zero-width joiner
        return true;
    default:
        break;
    }
    if (c > 0x10FFFF) {
        return false;
    }
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & (U_GC_L_MASK | U_GC_M_MASK)) != 0;
}

namespace {

bool Every(std::string_view utf8, bool (*accepted)(char32_t)) {
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = NextCodePoint(utf8, i);
        if (!c || !accepted(*c)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool IsNameText(std::string_view utf8) {
    return Every(utf8, IsNameCharacter);
}

bool IsPlaceCharacter(char32_t c) {
    if (IsNameCharacter(c) || (c >= U'0' && c <= U'9')) {
        return true;
    }
    switch (c) {
    case U',':
    case U'(':
    case U')':
    case U'[':
    case U']':
    case U'/':
    case U'&':
    case U'"':
    case U'`':
    case U'\u2013': // en dash
    case U'\u2018': // left single quotation mark, written for the Arabic ʿayn
    case U'\u201C':
    case U'\u201D':
        return true;
    default:
        return false;
    }
}

bool IsPlaceText(std::string_view utf8) {
    return Every(utf8, IsPlaceCharacter);
}

} // namespace tirovane
