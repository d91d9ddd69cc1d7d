#include "engine/text_forms.h"

#include "engine/angles.h"
#include "engine/tables.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tirovane::engine {

namespace {

struct DegreesMinutesSeconds {
    long long Degrees;
    long long Minutes;
    long long Seconds;
};

DegreesMinutesSeconds Split(double magnitude) {
    const double d = Int(magnitude);
    const double m = 60 * (magnitude - d);
    const double mm = Int(m);
    const double s = Int(60 * (m - mm));
    return {static_cast<long long>(d), static_cast<long long>(mm), static_cast<long long>(s)};
}

std::string_view LastThree(std::string_view text) {
    return text.size() <= 3 ? text : text.substr(text.size() - 3);
}

// A part of one character or none gets a "0" in front of it.
void AppendPadded(std::string& text, std::string_view part) {
    if (part.size() <= 1) {
        text += '0';
    }
    text += part;
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

// Writes "D° M' S\"" and, when given, a blank and the sign abbreviation,
// composing the text in place so that it is allocated once.
std::string DegreesMinutesSecondsText(long long degrees, long long minutes, long long seconds,
                                      std::string_view sign = {}) {
    char buffer[64];
    char* out = buffer;
    char* const end = buffer + sizeof buffer;
    // Three numbers of at most 20 characters and the marks fill at most 40
    // characters; a sign text is cut at the buffer's end.
    const auto put = [&out, end](std::string_view text) {
        out = std::copy_n(text.begin(),
                          std::min(text.size(), static_cast<std::size_t>(end - out)), out);
    };
    out = std::to_chars(out, end, degrees).ptr;
    put(DegreeSign);
    put(" ");
    out = std::to_chars(out, end, minutes).ptr;
    put("' ");
    out = std::to_chars(out, end, seconds).ptr;
    put("\"");
    if (!sign.empty()) {
        put(" ");
        put(sign);
    }
    return std::string(buffer, out);
}

} // namespace

std::string FormatSignPosition(double longitude) {
    auto [degrees, minutes, seconds] = Split(std::fabs(longitude));
    // Sign 12 exists only for exactly 360 degrees: it is the start of Aries.
    const int sign = static_cast<int>((degrees / 30) % SignCount);
    while (degrees >= 30) {
        degrees -= 30;
    }
    const std::string_view abbreviation = SignAbbreviation(sign);
    return DegreesMinutesSecondsText(degrees, minutes, seconds, abbreviation);
}

std::string FormatChartPosition(double longitude) {
    [[maybe_unused]] auto [degrees, minutes, seconds] = Split(std::fabs(longitude));
    const int sign = static_cast<int>((degrees / 30) % SignCount);
    while (degrees >= 30) {
        degrees -= 30;
    }
    const std::string_view abbreviation = SignAbbreviation(sign);
    // Degrees 0..29 and minutes 0..59: two digits each, around the
    // three-letter abbreviation.
    char chart[9] = {static_cast<char>('0' + degrees / 10), static_cast<char>('0' + degrees % 10),
                     ' ', ' ', ' ', ' ', ' ', static_cast<char>('0' + minutes / 10),
                     static_cast<char>('0' + minutes % 10)};
    std::copy_n(abbreviation.begin(), std::min<std::size_t>(abbreviation.size(), 3), chart + 3);
    return std::string(chart, sizeof chart);
}

std::string FormatSignedAngle(double angle) {
    const long long sign = angle < 0 ? -1 : 1;
    const auto [degrees, minutes, seconds] = Split(std::fabs(angle));
    return DegreesMinutesSecondsText(sign * degrees, minutes, seconds);
}

std::string FormatChartPosition(std::string_view positionText) {
    const std::string_view t = TrimBlanks(positionText);
    const auto degreeMark = t.find(DegreeSign);
    const auto minuteMark = t.find('\'');
    const std::string_view degrees = TrimBlanks(t.substr(0, degreeMark));
    std::string_view minutes;
    if (degreeMark != std::string_view::npos && minuteMark != std::string_view::npos &&
        minuteMark > degreeMark) {
        const auto start = degreeMark + DegreeSign.size();
        minutes = TrimBlanks(t.substr(start, minuteMark - start));
    }
    const std::string_view sign = TrimBlanks(LastThree(positionText));
    std::string chart;
    chart.reserve(9);
    AppendPadded(chart, degrees);
    chart += ' ';
    chart += sign;
    chart += ' ';
    AppendPadded(chart, minutes);
    return chart;
}

} // namespace tirovane::engine
