#include "engine/angles.h"

#include <cmath>

namespace tirovane::engine {

double ArcTan2(double y, double x) {
    if (x > 0) {
        return std::atan(y / x);
    }
    if (x == 0) {
        if (y > 0) {
            return Pi / 2;
        }
        return y < 0 ? -Pi / 2 : 0.0;
    }
    if (y == 0) {
        return Pi;
    }
    const double magnitude = Pi - std::atan(std::fabs(y / x));
    return y > 0 ? magnitude : -magnitude;
}

double NormalizeOnce(double degrees) {
    if (degrees < 0) {
        degrees += 360;
    }
    if (degrees > 360) {
        degrees -= 360;
    }
    return degrees;
}

double ReduceRadians(double radians) {
    double reduced = radians - TwoPi * Fix(radians / TwoPi);
    if (reduced < 0) {
        reduced += TwoPi;
    }
    return reduced;
}

} // namespace tirovane::engine
