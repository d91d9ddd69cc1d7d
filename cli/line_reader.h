#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace tirovane::cli {

// Reads text lines of bounded length, so that an endless line cannot take
// all memory. A trailing carriage return is dropped.
class LineReader {
public:
    static constexpr std::size_t MaxLineLength = 1 << 20;

    explicit LineReader(std::istream& in) : in_(in) {}

    // The next line into `line`; false at the end of the input. When the
    // line is longer than MaxLineLength, `tooLong` is set, the rest of the
    // line is skipped and `line` holds its beginning.
    bool Next(std::string& line, bool& tooLong);

private:
    std::istream& in_;
};

} // namespace tirovane::cli
