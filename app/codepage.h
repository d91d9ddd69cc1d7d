#pragma once

#include <string>
#include <string_view>

// The single-byte code page of the program's files: Windows-1252.

namespace tirovane {

// UTF-8 to Windows-1252. A character the code page lacks becomes
// `replacement`, or is dropped when `replacement` is 0.
std::string ToWindows1252(std::string_view utf8, char replacement = '?');

// Windows-1252 to UTF-8. The five codes the code page leaves undefined keep
// their C1 control meaning.
std::string FromWindows1252(std::string_view bytes);

} // namespace tirovane
