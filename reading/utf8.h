#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// UTF-8, as the program keeps text inside: decoding one character at a time
// for the rules that look at characters, and encoding.

namespace tirovane {

// The code point that starts at byte `i` of a UTF-8 text, moving `i` past
// it; an invalid or overlong sequence, a surrogate or a value beyond
// U+10FFFF yields nothing and moves `i` on by one byte.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& i);

// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t c);

} // namespace tirovane
