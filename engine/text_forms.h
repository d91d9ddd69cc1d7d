#pragma once

#include <string>
#include <string_view>

// The text forms in which the engine hands positions to the rest of the
// program. Every field is truncated, never rounded. Texts are UTF-8; the
// degree sign is U+00B0, the minute and second marks are ' and ".

namespace tirovane::engine {

inline constexpr std::string_view DegreeSign = "\u00B0";

// "D° M' S\" Abc": degrees, minutes and seconds within the sign, then the
// sign's abbreviation. A longitude of exactly 360 is shown as 0 of Aries.
std::string FormatSignPosition(double longitude);

// "-D° M' S\"": the angle with its sign on the degrees, no abbreviation.
std::string FormatSignedAngle(double angle);

// The short chart form "DD Abc MM" of a text made by FormatSignPosition.
std::string FormatChartPosition(std::string_view positionText);

// The same chart form straight from the longitude: the degrees, minutes and
// sign FormatSignPosition would write, without the text in between.
std::string FormatChartPosition(double longitude);

// The text without leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);

} // namespace tirovane::engine
