#pragma once

#include <string>
#include <string_view>

// JSON written straight into a string, without a document built first:
// the bytes are those nlohmann's compact dump writes for the same values
// (numbers of floating point in its shortest round-trip form with ".0" on
// whole numbers, texts with the same escapes and replacement characters),
// so that the tool's output stays byte for byte what it was.

namespace tirovane::cli {

class JsonWriter {
public:
    explicit JsonWriter(std::string& out) : out_(out) {}

    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The key of the next value in an object: one of the program's own
    // names, plain ASCII, written as it is.
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view text);
    // A text of the program's own known to be plain ASCII without quotes or
    // backslashes (a date, a planet's name), written as it is.
    JsonWriter& PlainString(std::string_view text);
    JsonWriter& Number(int value);
    JsonWriter& Number(double value);
    JsonWriter& Bool(bool value);
    // A value already written as JSON (a document dumped).
    JsonWriter& Raw(std::string_view json);

    template <typename Range> JsonWriter& Strings(const Range& texts) {
        BeginArray();
        for (const auto& text : texts) {
            String(text);
        }
        return EndArray();
    }
    template <typename Range> JsonWriter& Numbers(const Range& values) {
        BeginArray();
        for (const auto value : values) {
            Number(value);
        }
        return EndArray();
    }

private:
    // The comma before a value or key that is not the first of its level.
    void Separate();

    std::string& out_;
    bool first_ = true;
};

} // namespace tirovane::cli
