#pragma once

#include <optional>
#include <string>
#include <string_view>

// The single-byte code page of the program's files (Windows-1252) and the
// UTF-8 decoding the text rules share.

namespace tirovane {

// UTF-8 to Windows-1252, or nothing when a character has no code there
// (nothing is ever replaced or dropped).
std::optional<std::string> ToWindows1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five codes the code page leaves undefined keep
// their C1 control meaning.
std::string FromWindows1252(std::string_view bytes);

// The code point that starts at byte `i` of a UTF-8 text, moving `i` past
// it; an invalid or overlong sequence, a surrogate or a value beyond
// U+10FFFF yields nothing and moves `i` on by one byte.
std::optional<char32_t> NextCodePoint(std::string_view text, std::size_t& i);

// True when the text is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, char32_t c);

// The bytes of a text file the program exports: Windows-1252 when every
// character has a code there, as the export has always been written;
// otherwise UTF-8 after a byte-order mark, so that nothing is lost and
// editors know the encoding.
std::string ExportFileBytes(std::string_view text);

} // namespace tirovane
