#pragma once

#include "reading/utf8.h"

#include <optional>
#include <string>
#include <string_view>

// The single-byte code page of the program's files (Windows-1252).

namespace tirovane {

// UTF-8 to Windows-1252, or nothing when a character has no code there
// (nothing is ever replaced or dropped).
std::optional<std::string> ToWindows1252(std::string_view utf8);

// Windows-1252 to UTF-8. The five codes the code page leaves undefined keep
// their C1 control meaning.
std::string FromWindows1252(std::string_view bytes);

// The bytes of a text file the program exports: Windows-1252 when every
// character has a code there, as the export has always been written;
// otherwise UTF-8 after a byte-order mark, so that nothing is lost and
// editors know the encoding.
std::string ExportFileBytes(std::string_view text);

} // namespace tirovane
