#include "engine/angles.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace tirovane::engine {
namespace {

TEST(ArcTan2, QuadrantsAxesAndOrigin) {
    struct Case {
        double Y, X, Expected;
    };
    const Case cases[] = {
        {0, -1, Pi},
        {0, 0, 0},
        {1, 0, Pi / 2},
        {-1, 0, -Pi / 2},
        {1, 1, Pi / 4},
        {1, -1, 3 * Pi / 4},
        {-1, -1, -3 * Pi / 4},
        {-1, 1, -Pi / 4},
        {0, 2, 0},
        {std::sqrt(3.0), -1, 2 * Pi / 3},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(ArcTan2(c.Y, c.X), c.Expected, 1e-14) << c.Y << ", " << c.X;
    }
}

TEST(NormalizeOnce, OneStepEachWay) {
    EXPECT_DOUBLE_EQ(NormalizeOnce(-10), 350);
    EXPECT_DOUBLE_EQ(NormalizeOnce(370), 10);
    EXPECT_DOUBLE_EQ(NormalizeOnce(360), 360); // only values above 360 are lowered
    EXPECT_DOUBLE_EQ(NormalizeOnce(-360), 0);
    EXPECT_DOUBLE_EQ(NormalizeOnce(725), 365); // once, not repeatedly
    EXPECT_DOUBLE_EQ(NormalizeOnce(12.5), 12.5);
}

TEST(ReduceRadians, ResultLiesInOneTurn) {
    EXPECT_NEAR(ReduceRadians(-0.5), TwoPi - 0.5, 1e-14);
    EXPECT_NEAR(ReduceRadians(7), 7 - TwoPi, 1e-14);
    EXPECT_NEAR(ReduceRadians(-7), 2 * TwoPi - 7, 1e-14);
    EXPECT_DOUBLE_EQ(ReduceRadians(TwoPi), 0);
    EXPECT_NEAR(ReduceRadians(100 * TwoPi + 1), 1, 1e-11);
}

// The turn functions must end on the very bits the one-turn-at-a-time loops
// end on, at the loops' boundaries and for the large mean longitudes of
// births centuries from the epoch.
TEST(TurnFunctions, SameBitsAsTheLoops) {
    const auto loopAbove = [](double x) {
        while (x > 360) {
            x -= 360;
        }
        return x;
    };
    const auto loopAtLeast = [](double x) {
        while (x >= 360) {
            x -= 360;
        }
        return x;
    };
    const auto loopNegative = [](double x) {
        while (x < 0) {
            x += 360;
        }
        return x;
    };
    std::vector<double> values = {0,      12.5,  359.999, 360,       720,         1080,
                                  1440.5, 721.0, 719.999, 481486.19, 240852.2517, 1e7 + 0.3};
    for (double turns = 2; turns < 5000; turns = turns * 1.7 + 1) {
        values.push_back(360 * turns);
        values.push_back(std::nextafter(360 * turns, 0.0));
        values.push_back(std::nextafter(360 * turns, 1e300));
    }
    // Mean lunar longitudes from 1700 to 2300, as the Moon's series makes them.
    for (double t = -3; t <= 3; t += 0.0137) {
        values.push_back(218.3164591 + 481267.88134236 * t);
    }
    for (const double v : values) {
        for (const double x : {v, -v}) {
            EXPECT_EQ(SubtractTurnsWhileAbove360(x), loopAbove(x)) << x;
            EXPECT_EQ(SubtractTurnsWhileAtLeast360(x), loopAtLeast(x)) << x;
            EXPECT_EQ(AddTurnsWhileNegative(x), loopNegative(x)) << x;
        }
    }
    EXPECT_EQ(SubtractTurnsWhileAbove360(720), 360);
    EXPECT_EQ(SubtractTurnsWhileAtLeast360(720), 0);
    EXPECT_EQ(AddTurnsWhileNegative(-720), 0);
}

TEST(IntAndFix, FloorAgainstTruncation) {
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Fix(-2.5), -2);
    EXPECT_EQ(Int(2.5), 2);
    EXPECT_EQ(Fix(2.5), 2);
}

} // namespace
} // namespace tirovane::engine
