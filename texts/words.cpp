#include "texts/words.h"

#include <vector>

namespace tirovane::texts {

std::string Words::Translate(const char* /*context*/, const char* source) const {
    return source;
}

std::string Words::TranslateCount(const char* /*context*/, const char* source, int n) const {
    return EnglishCount(source, n);
}

std::string EnglishCount(std::string_view source, int n) {
    std::string text;
    text.reserve(source.size() + 8);
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source.substr(i, 2) == "%n") {
            text += std::to_string(n);
            ++i;
        } else if (source.substr(i, 3) == "(s)") {
            text += n == 1 ? "" : "s";
            i += 2;
        } else {
            text += source[i];
        }
    }
    return text;
}

std::string_view Words::Language() const {
    return "en";
}

const Words& English() {
    static const Words english;
    return english;
}

std::string Fill(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> args(arguments);
    std::string text;
    text.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < args.size()) {
                text += args[k];
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

} // namespace tirovane::texts
