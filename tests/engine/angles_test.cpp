#include "engine/angles.h"

#include <cmath>
#include <gtest/gtest.h>

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

TEST(IntAndFix, FloorAgainstTruncation) {
    EXPECT_EQ(Int(-2.5), -3);
    EXPECT_EQ(Fix(-2.5), -2);
    EXPECT_EQ(Int(2.5), 2);
    EXPECT_EQ(Fix(2.5), 2);
}

} // namespace
} // namespace tirovane::engine
