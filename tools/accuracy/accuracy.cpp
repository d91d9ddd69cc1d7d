// How far the described engine is from the precise ephemeris: N random
// births (1901 to 2050, every zone row, both hemispheres, with and without
// daylight saving) through both engines. Prints, per chart body, the median,
// 95th percentile and largest difference in longitude and how often the
// sign differs, then how often each of the seven cross-checked items
// differs. Markdown tables, for the README.
//
// Usage: accuracy [BIRTHS [SEED]]   (20000 births, seed 1 by default)

#include "reading/birth_instant.h"
#include "reading/calculation.h"
#include "reading/cross_check.h"
#include "engine/sidereal_chart.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace tirovane;

double ArcDifference(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180 ? 360 - d : d;
}

BirthDetails RandomBirth(std::mt19937& random) {
    const auto pick = [&random](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    BirthDetails d;
    d.Name = "Study";
    d.Year = pick(1901, 2050);
    d.Month = pick(1, 12);
    static constexpr std::array<int, 12> Days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    d.Day = pick(1, Days[static_cast<std::size_t>(d.Month - 1)]);
    d.Hour = pick(0, 23);
    d.Minute = pick(0, 59);
    SelectZoneRow(d, pick(0, 70));
    d.DaylightSaving = pick(0, 4) == 0;
    d.LatitudeDegrees = pick(0, 65);
    d.LatitudeMinutes = pick(0, 59);
    d.South = pick(0, 3) == 0;
    d.LongitudeDegrees = pick(0, 179);
    d.LongitudeMinutes = pick(0, 59);
    d.East = pick(0, 1) == 0;
    d.City = d.State = d.Country = "Study";
    return d;
}

double Quantile(std::vector<double>& values, double q) {
    const auto k = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
    return values[k];
}

double Percent(long count, long total) {
    return 100.0 * static_cast<double>(count) / static_cast<double>(total);
}

} // namespace

int main(int argc, char** argv) {
    const long births = argc > 1 ? std::atol(argv[1]) : 20000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u;
    if (births <= 0) {
        std::fprintf(stderr, "usage: accuracy [BIRTHS [SEED]]\n");
        return 2;
    }
    std::mt19937 random(seed);

    std::array<std::vector<double>, engine::ChartBodyCount> differences;
    std::array<long, engine::ChartBodyCount> signDiffers{};
    std::array<long, CheckedItemCount> itemDiffers{};
    long anyDiffers = 0;
    long fallback = 0;
    for (long n = 0; n < births; ++n) {
        const engine::EngineInput input = MakeEngineInput(RandomBirth(random));
        const PersonChart described = CalculateChart(input);
        const PersonChart precise = CalculateChart(input, ChartEngineChoice::Precise);
        fallback += precise.AnalyticFallback ? 1 : 0;
        for (int body = 0; body < engine::ChartBodyCount; ++body) {
            const double ours = described.Sidereal.Longitudes[body];
            const double theirs = precise.Sidereal.Longitudes[body];
            differences[body].push_back(ArcDifference(ours, theirs));
            signDiffers[body] += engine::SignIndexOf(ours) != engine::SignIndexOf(theirs) ? 1 : 0;
        }
        const CrossCheck check = CompareCharts(described, precise);
        for (const CheckedItem item : check.Differing) {
            ++itemDiffers[static_cast<std::size_t>(item)];
        }
        anyDiffers += check.Agrees ? 0 : 1;
    }

    std::printf("%ld random births, 1901-2050, seed %u; Swiss Ephemeris %s.\n\n", births, seed,
                fallback == 0 ? "with its ephemeris files" : "PARTLY WITHOUT ITS FILES");
    std::printf("| Body | median | 95th percentile | maximum | sign differs |\n");
    std::printf("|---|---:|---:|---:|---:|\n");
    for (int body = 0; body < engine::ChartBodyCount; ++body) {
        auto& values = differences[body];
        const double largest = *std::max_element(values.begin(), values.end());
        const double median = Quantile(values, 0.5);
        const double p95 = Quantile(values, 0.95);
        std::printf("| %s | %.3f° | %.3f° | %.3f° | %.2f%% |\n",
                    std::string(engine::ChartBodyNames[body]).c_str(), median, p95, largest,
                    Percent(signDiffers[body], births));
    }
    std::printf("\n| Item | differs |\n|---|---:|\n");
    for (int item = 0; item < CheckedItemCount; ++item) {
        std::printf("| %s | %.2f%% |\n",
                    std::string(CheckedItemName(static_cast<CheckedItem>(item))).c_str(),
                    Percent(itemDiffers[static_cast<std::size_t>(item)], births));
    }
    std::printf("| any of the seven | %.2f%% |\n", Percent(anyDiffers, births));
    return 0;
}
