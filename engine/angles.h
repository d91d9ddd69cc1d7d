#pragma once

// Angle helpers shared by every part of the engine. The constants are the
// ones the engine's formulas are written with; they are not std::numbers::pi
// so that results match the published worked examples digit for digit.

#include <cmath>

namespace tirovane::engine {

inline constexpr double Pi = 3.14159265358979;
inline constexpr double TwoPi = 6.28318530717958;
inline constexpr double DegreesToRadians = Pi / 180.0;
inline constexpr double RadiansToDegrees = 180.0 / Pi;

// Int: the largest whole number not above x. Fix: truncation towards zero.
inline double Int(double x) {
    return std::floor(x);
}
inline double Fix(double x) {
    return std::trunc(x);
}

// Direction angle of the point (x, y) in radians, in (-pi, pi].
double ArcTan2(double y, double x);

// Adds 360 once if the angle is below 0, then subtracts 360 once if it is
// above 360. Only for angles within one turn of the range.
double NormalizeOnce(double degrees);

// angle - 2pi * Fix(angle / 2pi), plus 2pi when negative: a value in [0, 2pi).
double ReduceRadians(double radians);

// The engine's formulas bring angles into range by whole turns, one at a
// time: `while (x > 360) x -= 360;` and its kin. Each such step is exact (360
// is a whole multiple of the value's last place and the result is no larger),
// so the loop ends on x - 360k exactly for its count k. These functions find
// most of the count by one division, never more than the loop's own, and let
// the loop take the last turn or two: the same bits, without the hundreds of
// steps a Moon's mean longitude of centuries away would take.
inline double SubtractTurnsWhileAbove360(double x) {
    if (x > 720) {
        x -= 360 * (std::floor(x / 360) - 1);
    }
    while (x > 360) {
        x -= 360;
    }
    return x;
}
inline double SubtractTurnsWhileAtLeast360(double x) {
    if (x > 720) {
        x -= 360 * (std::floor(x / 360) - 1);
    }
    while (x >= 360) {
        x -= 360;
    }
    return x;
}
inline double AddTurnsWhileNegative(double x) {
    if (x < -720) {
        x += 360 * (std::floor(-x / 360) - 1);
    }
    while (x < 0) {
        x += 360;
    }
    return x;
}

} // namespace tirovane::engine
