#include "files/codepage.h"

#include <array>
#include <cstdint>

namespace tirovane {

namespace {

// Code points of the bytes 0x80 .. 0x9F; the others equal their byte.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

std::optional<std::string> ToWindows1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto c = NextCodePoint(utf8, i);
        if (!c) {
            return std::nullopt;
        }
        if (*c < 0x80 || (*c >= 0xA0 && *c <= 0xFF)) {
            out += static_cast<char>(*c);
            continue;
        }
        bool found = false;
        for (std::size_t k = 0; k < HighControls.size(); ++k) {
            if (HighControls[k] == *c) {
                out += static_cast<char>(0x80 + k);
                found = true;
                break;
            }
        }
        if (!found) {
            return std::nullopt;
        }
    }
    return out;
}

std::string FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char b : bytes) {
        const auto code = static_cast<std::uint8_t>(b);
        AppendUtf8(out, code >= 0x80 && code <= 0x9F ? HighControls[code - 0x80] : char32_t(code));
    }
    return out;
}

std::string ExportFileBytes(std::string_view text) {
    if (auto bytes = ToWindows1252(text)) {
        return std::move(*bytes);
    }
    return "\xEF\xBB\xBF" + std::string(text);
}

} // namespace tirovane
