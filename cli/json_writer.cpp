#include "cli/json_writer.h"

#include <array>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

namespace tirovane::cli {

void JsonWriter::Separate() {
    if (!first_) {
        out_ += ',';
    }
    first_ = false;
}

JsonWriter& JsonWriter::BeginObject() {
    Separate();
    out_ += '{';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::EndObject() {
    out_ += '}';
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::BeginArray() {
    Separate();
    out_ += '[';
    first_ = true;
    return *this;
}

JsonWriter& JsonWriter::EndArray() {
    out_ += ']';
    first_ = false;
    return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
    // The program's own keys: plain ASCII names, written as they are.
    Separate();
    out_ += '"';
    out_ += key;
    out_ += "\":";
    first_ = true; // the value follows without a comma
    return *this;
}

JsonWriter& JsonWriter::String(std::string_view text) {
    Separate();
    // Printable ASCII without quote or backslash is written as it is; any
    // other text goes through the library, whose escapes and replacement
    // of bytes that are no UTF-8 the output keeps.
    bool plain = true;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x80 || c == '"' || c == '\\') {
            plain = false;
            break;
        }
    }
    if (plain) {
        out_ += '"';
        out_ += text;
        out_ += '"';
    } else {
        out_ += nlohmann::json(std::string(text))
                    .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    }
    return *this;
}

JsonWriter& JsonWriter::PlainString(std::string_view text) {
    Separate();
    out_ += '"';
    out_ += text;
    out_ += '"';
    return *this;
}

JsonWriter& JsonWriter::Number(int value) {
    Separate();
    std::array<char, 16> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
    out_.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
    return *this;
}

JsonWriter& JsonWriter::Number(double value) {
    Separate();
    if (!std::isfinite(value)) {
        out_ += "null";
        return *this;
    }
    // The library's own shortest form (Grisu2, with ".0" on whole numbers).
    std::array<char, 64> digits{};
    const char* end =
        nlohmann::detail::to_chars(digits.data(), digits.data() + digits.size(), value);
    out_.append(digits.data(), static_cast<std::size_t>(end - digits.data()));
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    Separate();
    out_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view json) {
    Separate();
    out_ += json;
    return *this;
}

} // namespace tirovane::cli
