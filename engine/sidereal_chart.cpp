#include "engine/sidereal_chart.h"

#include "engine/angles.h"

#include <cmath>

namespace tirovane::engine {

namespace {

// Whole degrees of the magnitude, as the text forms take them.
long long WholeDegrees(double longitude) {
    return static_cast<long long>(Int(std::fabs(longitude)));
}

} // namespace

int SignIndexOf(double longitude) {
    return static_cast<int>((WholeDegrees(longitude) / 30) % SignCount);
}

int WholeDegreesInSign(double longitude) {
    return static_cast<int>(WholeDegrees(longitude) % 30);
}

int NakshatraIndexOf(double longitude) {
    return static_cast<int>(Int(longitude * 60 / 800));
}

double WithinCircle(double longitude) {
    return SubtractTurnsWhileAtLeast360(longitude);
}

} // namespace tirovane::engine
