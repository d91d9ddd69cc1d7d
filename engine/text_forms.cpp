#include "engine/text_forms.h"

#include "engine/angles.h"
#include "engine/tables.h"

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

std::string PadTwo(std::string_view part) {
    std::string padded(part);
    if (padded.size() <= 1) {
        padded.insert(padded.begin(), '0');
    }
    return padded;
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

std::string FormatSignPosition(double longitude) {
    auto [degrees, minutes, seconds] = Split(std::fabs(longitude));
    // Sign 12 exists only for exactly 360 degrees: it is the start of Aries.
    const int sign = static_cast<int>((degrees / 30) % SignCount);
    while (degrees >= 30) {
        degrees -= 30;
    }
    std::string text = std::to_string(degrees);
    text += DegreeSign;
    text += ' ' + std::to_string(minutes) + "' " + std::to_string(seconds) + "\" ";
    text += SignAbbreviation(sign);
    return text;
}

std::string FormatSignedAngle(double angle) {
    const long long sign = angle < 0 ? -1 : 1;
    const auto [degrees, minutes, seconds] = Split(std::fabs(angle));
    std::string text = std::to_string(sign * degrees);
    text += DegreeSign;
    text += ' ' + std::to_string(minutes) + "' " + std::to_string(seconds) + "\"";
    return text;
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
    return PadTwo(degrees) + ' ' + std::string(sign) + ' ' + PadTwo(minutes);
}

std::optional<std::string> SignNameFromText(std::string_view positionText) {
    const int k = SignIndex(LastThree(TrimBlanks(positionText)));
    if (k < 0) {
        return std::nullopt;
    }
    return std::string(SignSanskritNames[static_cast<std::size_t>(k)]);
}

} // namespace tirovane::engine
