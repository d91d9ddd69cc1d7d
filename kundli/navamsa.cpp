#include "kundli/navamsa.h"

#include <cmath>

namespace tirovane::kundli {

int NavamsaSign(double longitude) {
    return static_cast<int>(std::floor(longitude * 9 / 30)) % 12;
}

std::array<int, NavamsaBodyCount> NavamsaSigns(
    const std::array<double, engine::ChartBodyCount>& longitudes) {
    std::array<int, NavamsaBodyCount> signs{};
    for (int body = 0; body < NavamsaBodyCount; ++body) {
        signs[static_cast<std::size_t>(body)] =
            NavamsaSign(longitudes[static_cast<std::size_t>(body)]);
    }
    return signs;
}

} // namespace tirovane::kundli
