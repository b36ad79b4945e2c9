// The six equations, their start values, the classic set's interior shortcut and the loop's limits.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "engine/equation_codes.h"
#include "engine/equations-inl.h"
#include "engine/pixel_context.h"
#include "tests/engine/plot_session.h"

namespace zenphra::test {
namespace {

using namespace zenphra::HWY_NAMESPACE;

PlotParams LevelSet(int32_t equation, bool julia = false) {
    PlotParams params;
    params.equation = equation;
    params.juliaMode = julia;
    params.rendering = kLevelSet;
    params.numRanges = 8;
    params.maxIters = 100;
    params.limitValue = 4.0;
    return params;
}

TEST(InteriorShortcut, FinishesCardioidAndDiskPointsAtOnce) {
    EXPECT_TRUE(InClassicInterior(0.0, 0.0));
    EXPECT_TRUE(InClassicInterior(-1.0, 0.0));
    EXPECT_TRUE(InClassicInterior(-0.1, 0.6));
    EXPECT_FALSE(InClassicInterior(0.3, 0.0));  // right of the cusp
    EXPECT_FALSE(InClassicInterior(-0.1, 0.65));
    EXPECT_FALSE(InClassicInterior(-1.3, 0.0));
    // Even an iteration limit that would give the background colour leaves an interior point at 232.
    PlotParams params = LevelSet(kClassicMandelbrot);
    params.maxIters = -1;
    EXPECT_EQ(PlotPoint(params, 0.0, 0.0), kMaxIterIndex);
    EXPECT_EQ(PlotPoint(params, 0.3, 0.0), kBackgroundIndex);
}

// The construction of the cardioid's edge by its angle, on its own: what decides every point of the
// strip when nothing shortens it.
bool ByAngleAlone(double px, double py) {
    const double absY = std::fabs(py);
    if (absY >= 0.6495190528) return false;
    if (absY < 0.25) {
        const double r = std::sqrt(0.0625 - py * py);
        if (-1 - r < px && px < r - 1) return true;
    }
    if (!(-0.75 < px && px < 0.375)) return false;
    return InCardioidByAngle(px, py);
}

TEST(InteriorShortcut, DecidesAsTheAngleConstructionDoes) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 2000000; ++i) {
        // Points anywhere around the two shapes, and points within a hair of the cardioid's edge.
        double px = -1.3 + 1.8 * unit(random), py = -0.7 + 1.4 * unit(random);
        if (i % 2 == 1) {
            const double angle = 2 * M_PI * unit(random);
            const double offset = std::ldexp(unit(random) - 0.5, -int(10 + 40 * unit(random)));
            px = 0.5 * std::cos(angle) - 0.25 * std::cos(2 * angle) + offset;
            py = 0.5 * std::sin(angle) - 0.25 * std::sin(2 * angle) - offset;
        }
        ASSERT_EQ(InClassicInterior(px, py), ByAngleAlone(px, py)) << px << ", " << py;
    }
}

TEST(InteriorShortcut, IsNotUsedInJuliaMode) {
    PlotParams params = LevelSet(kClassicMandelbrot, true);
    params.juliaReal = 2.0;  // z = 0 goes 2, 6: escapes at n = 1
    EXPECT_EQ(PlotPoint(params, 0.0, 0.0), 1);
}

TEST(IterationLimit, DecidesPixelsThatNeverLeave) {
    PlotParams params = LevelSet(kClassicMandelbrot);
    params.maxIters = 0;
    EXPECT_EQ(PlotPoint(params, 3.0, 0.0), kMaxIterIndex);
    params.maxIters = -5;
    EXPECT_EQ(PlotPoint(params, 3.0, 0.0), kBackgroundIndex);
    params.maxIters = 1;
    EXPECT_EQ(PlotPoint(params, 3.0, 0.0), 0);              // escapes in its one step
    EXPECT_EQ(PlotPoint(params, 0.3, 0.0), kMaxIterIndex);  // neither caught nor escaped in it
    params.maxIters = 5;
    params.limitValue = 0.09;  // m = 0.09 exactly after one step: equal still continues
    EXPECT_EQ(PlotPoint(params, 0.3, 0.0), 1);
}

TEST(StartValues, LambdaAndChebyshevStartFromOneHalfInSetMode) {
    // From 0.5 the first step of Lambda gives c / 4 = 5, which escapes; from 0 it would stay at 0.
    EXPECT_EQ(PlotPoint(LevelSet(kLambda), 20.0, 0.0), 0);
    // Chebyshev of order 3 from 0.5: the imaginary part becomes c.re P3(0.5) = -13.75.
    PlotParams chebyshev = LevelSet(kChebyshev);
    chebyshev.parm3 = 3.0;
    EXPECT_EQ(PlotPoint(chebyshev, 10.0, 0.0), 7);  // (0 mod 8) x 29 + 7
    // In Julia mode both start from the pixel: z = 0 and c = 0 stay at 0.
    EXPECT_EQ(PlotPoint(LevelSet(kLambda, true), 0.0, 0.0), kMaxIterIndex);
}

TEST(Equations, PokornyAtZeroGivesTheGuardedQuotientAndEscapes) {
    const Cplx<double> z = PokornyStep::Next<double>({0, 0}, {0, 0}, {});
    EXPECT_EQ(z.re, 1e20);
    EXPECT_EQ(z.im, 1e20);
    EXPECT_EQ(PlotPoint(LevelSet(kPokorny), 0.0, 0.0), 7);
}

TEST(Equations, Barnsley2TakesTheMinusBranchAtExactlyZero) {
    const Cplx<double> z = Barnsley2Step::Next<double>({0, 0}, {1, 1}, {});  // (0 - 1) x (1 + i)
    EXPECT_EQ(z.re, -1.0);
    EXPECT_EQ(z.im, -1.0);
    const Cplx<double> below = Barnsley2Step::Next<double>({-0.5, 0}, {1, 1}, {});  // side < 0: (z + 1) x c
    EXPECT_EQ(below.re, 0.5);
    EXPECT_EQ(below.im, 0.5);
}

TEST(Equations, SpiralSymmetryFoldsTheRealPart) {
    const Cplx<double> z = SpiralSymmetry2Step::Next<double>({0.5, 1.0}, {0.25, 0.125}, {});
    EXPECT_EQ(z.re, 0.75 - 0.25);  // |0.25 - 1| - c.re
    EXPECT_EQ(z.im, 1.0 - 0.125);  // 2 zx zy - c.im
}

TEST(Equations, UnknownCodeLeavesZUnchanged) {
    PlotParams params = LevelSet(5, true);
    EXPECT_EQ(PlotPoint(params, 0.5, 0.5), kMaxIterIndex);
    EXPECT_EQ(PlotPoint(params, 2.0, 1.0), 7);  // |z|^2 = 5 > 4 at the first test
}

TEST(Chebyshev, OrderIsTheIntegerPartOfP3PlusATenthWithinThreeToNine) {
    EXPECT_EQ(ChebyshevOrder(2.95), 3);
    EXPECT_EQ(ChebyshevOrder(2.85), 3);
    EXPECT_EQ(ChebyshevOrder(5.0), 5);
    EXPECT_EQ(ChebyshevOrder(8.95), 9);
    EXPECT_EQ(ChebyshevOrder(12.0), 9);
    EXPECT_EQ(ChebyshevOrder(-1e300), 3);
    EXPECT_EQ(ChebyshevOrder(1e300), 9);
    EXPECT_EQ(ChebyshevOrder(std::numeric_limits<double>::quiet_NaN()), 3);
    EXPECT_EQ(ChebyshevOrder(std::numeric_limits<double>::infinity()), 9);
}

TEST(Chebyshev, PolynomialsFollowTheirRecurrenceFromFiveOn) {
    EXPECT_EQ(ChebyshevPolynomial<double>(5, 1.0), -1.0);  // ends in +3x, not +5x
    for (double x : {-1.5, -0.3, 0.7, 2.0}) {
        EXPECT_DOUBLE_EQ(ChebyshevPolynomial<double>(3, x), x * x * x - 3 * x);
        EXPECT_DOUBLE_EQ(ChebyshevPolynomial<double>(4, x), x * x * x * x - 4 * x * x + 2);
        for (int32_t k = 5; k < 9; ++k) {
            EXPECT_NEAR(ChebyshevPolynomial<double>(k + 1, x),
                        x * ChebyshevPolynomial<double>(k, x) - ChebyshevPolynomial<double>(k - 1, x), 1e-9)
                << "order " << k + 1 << " at " << x;
        }
    }
}

}  // namespace
}  // namespace zenphra::test
