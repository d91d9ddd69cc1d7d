#include "cli/line_reader.h"

namespace tirovane::cli {

bool LineReader::Next(std::string& line, bool& tooLong) {
    line.clear();
    tooLong = false;
    std::streambuf* buffer = in_.rdbuf();
    bool sawAny = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            if (!sawAny) {
                in_.setstate(std::ios::eofbit);
                return false;
            }
            break;
        }
        sawAny = true;
        if (c == '\n') {
            break;
        }
        if (line.size() < MaxLineLength) {
            line.push_back(static_cast<char>(c));
        } else {
            tooLong = true;
        }
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

} // namespace tirovane::cli
