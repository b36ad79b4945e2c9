// The nine renderings: their traps, the colour a catch gets, and what each of them never catches.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/pixel-inl.h"
#include "engine/pixel_context.h"
#include "tests/engine/plot_session.h"

namespace zenphra::test {
namespace {

using namespace zenphra::HWY_NAMESPACE;
using Orbit = OrbitState<double>;

enum class Outcome { kContinue, kCaught, kEscaped };

// One look of the rendering at the orbit, as the plain plot makes it.
template <class Rendering>
Outcome Look(Orbit& orbit, const RenderConstants& k) {
    const Verdict<double> verdict = Rendering::Test(orbit, k, true);
    return verdict.caught ? Outcome::kCaught : verdict.escaped ? Outcome::kEscaped : Outcome::kContinue;
}

uint8_t IndexOf(const Orbit& orbit, const RenderConstants& k, IndexMapping mapping, int32_t row,
                int32_t column) {
    return CaughtIndex(orbit.trap, static_cast<int32_t>(orbit.range), k, mapping, row, column);
}

RenderConstants ConstantsFor(int32_t rendering, double parm1, double parm2 = 0.1, int32_t numRanges = 8,
                             bool juliaMode = false) {
    PlotParams params;
    params.rendering = rendering;
    params.parm1 = parm1;
    params.parm2 = parm2;
    params.numRanges = numRanges;
    params.juliaMode = juliaMode;
    params.limitValue = 100.0;
    params.banding = true;
    return MakePlotContext(params).render;
}

Orbit OrbitAt(double re, double im, int32_t n = 3) {
    return Orbit{{re, im}, {0.0, 0.0}, re * re + im * im, double(n), 0.0, 1e20};
}

TEST(Rings, CatchesNearTheHalfCircleAndDithersTheBandsAway) {
    RenderConstants k = ConstantsFor(kRings, 0.25);
    Orbit orbit = OrbitAt(std::sqrt(0.375), 0.0);
    orbit.m = 0.375;
    orbit.range = 5;
    ASSERT_EQ(Look<Rings>(orbit, k), Outcome::kCaught);
    EXPECT_EQ(orbit.trap, 0.125);  // t = 14.5, i = 14, f = 5
    for (int32_t row = 0; row < 3; ++row) {
        for (int32_t column = 0; column < 3; ++column) {
            k.banding = true;
            EXPECT_EQ(IndexOf(orbit, k, IndexMapping::kDirect, row, column), 5 * 29 + 14);
            k.banding = false;
            const bool marked = kDitherThreshold[row][column] <= 5;
            EXPECT_EQ(IndexOf(orbit, k, IndexMapping::kDirect, row + 3, column + 6), 5 * 29 + 14 + marked)
                << row << "," << column;
        }
    }
    // The five cells marked at level 5.
    EXPECT_EQ(kDitherThreshold[1][1] <= 5 && kDitherThreshold[0][1] <= 5 && kDitherThreshold[1][2] <= 5 &&
                  kDitherThreshold[2][1] <= 5 && kDitherThreshold[2][0] <= 5,
              true);
}

TEST(IndexMappings, MirroredPutsTheMiddleFirst) {
    RenderConstants k = ConstantsFor(kSquares, 29.0);  // scale 1: the trap value is the position
    Orbit orbit = OrbitAt(0.0, 0.0);
    const std::pair<double, int> positions[] = {{0.5, 27}, {13.5, 1}, {14.5, 0}, {28.5, 28}};
    for (auto [trap, offset] : positions) {
        orbit.trap = trap;
        EXPECT_EQ(IndexOf(orbit, k, IndexMapping::kMirrored, 0, 0), offset) << trap;
    }
}

TEST(IndexMappings, ATrapValueAtTheLimitMovesOnePlaceOut) {
    RenderConstants atan = ConstantsFor(kAtan, 0.5);
    Orbit still = OrbitAt(1.0, 0.5);
    still.previous = {1.0, 0.25};  // the real part did not move: v = pi/2, the limit
    ASSERT_EQ(Look<Atan>(still, atan), Outcome::kCaught);
    EXPECT_EQ(still.trap, kHalfPi);
    still.range = 0;
    EXPECT_EQ(IndexOf(still, atan, IndexMapping::kDirect, 0, 0), 29);  // the next range's first colour
    still.range = 7;
    EXPECT_EQ(IndexOf(still, atan, IndexMapping::kDirect, 0, 0), 232);  // after the last range

    RenderConstants cones = ConstantsFor(kCones, 0.5);
    Orbit backwards = OrbitAt(-1.0, 0.0);
    backwards.previous = {1.0, 0.0};  // a step straight to the left: v = pi - 0
    ASSERT_EQ(Look<Cones>(backwards, cones), Outcome::kCaught);
    EXPECT_EQ(backwards.trap, kPi);
    backwards.range = 0;
    EXPECT_EQ(IndexOf(backwards, cones, IndexMapping::kReversed, 0, 0), 255);  // before the first range
}

TEST(LevelSet, ColoursByTheEscapeIteration) {
    EXPECT_EQ(LevelIndex(kPokorny, 9, 8), 36);
    EXPECT_EQ(LevelIndex(kPokorny, 5, 4), 65);
    EXPECT_EQ(LevelIndex(kChebyshev, 3, 2), 174);
    EXPECT_EQ(LevelIndex(kClassicMandelbrot, 300, 8), 68);  // n mod 232, whatever the ranges
    EXPECT_EQ(LevelIndex(kLambda, 231, 2), 231);
    EXPECT_EQ(LevelIndex(kLambda, 232, 4), 0);
}

TEST(Stalks, IgnoresOrbitsBeyondTheStalkLength) {
    const RenderConstants k = ConstantsFor(kStalks, 0.1, 3.0);
    Orbit onAxis = OrbitAt(0.0, 2.0);  // on the axis, but |z|^2 = 4 >= P2
    EXPECT_EQ(Look<Stalks>(onAxis, k), Outcome::kContinue);
    Orbit shorter = OrbitAt(0.0, 1.5);
    EXPECT_EQ(Look<Stalks>(shorter, k), Outcome::kCaught);
}

TEST(Petals, CatchesInTheLensesOnly) {
    const RenderConstants k = ConstantsFor(kPetals, 0.5, 0.1);
    // The lens between the disks on the positive real and imaginary axes lies around (0.3, 0.3).
    Orbit inLens = OrbitAt(k.petalCorner * 0.8, k.petalCorner * 0.8);
    EXPECT_EQ(Look<Petals>(inLens, k), Outcome::kCaught);
    Orbit inOneDisk = OrbitAt(k.petalCentre + 0.3, 0.0);
    EXPECT_EQ(Look<Petals>(inOneDisk, k), Outcome::kContinue);
    EXPECT_EQ(inOneDisk.trap, 1e20);
}

TEST(FirstStep, SpheresAtanAndConesTestItOnlyInJuliaMode) {
    for (bool julia : {false, true}) {
        Orbit spheres = OrbitAt(0.1, 0.0, 0);
        spheres.previous = {0.01, 0.0};
        EXPECT_EQ(Look<Spheres>(spheres, ConstantsFor(kSpheres, 0.9, 0.1, 8, julia)),
                  julia ? Outcome::kCaught : Outcome::kContinue);
        Orbit atan = OrbitAt(2.0, 1.0, 0);
        EXPECT_EQ(Look<Atan>(atan, ConstantsFor(kAtan, 0.5, 0.1, 8, julia)),
                  julia ? Outcome::kCaught : Outcome::kContinue);
        EXPECT_EQ(atan.range, 1);  // advanced first, in both modes
        Orbit cones = OrbitAt(2.0, 1.0, 0);
        EXPECT_EQ(Look<Cones>(cones, ConstantsFor(kCones, 1.0, 0.1, 8, julia)),
                  julia ? Outcome::kCaught : Outcome::kContinue);
    }
}

bool OnlyUncaught(const std::vector<uint8_t>& pixels) {
    return std::all_of(pixels.begin(), pixels.end(), [](uint8_t p) { return p == 232 || p == 233; });
}

PlotRequest Small(int32_t rendering, double parm1, double parm2 = 0.1) {
    PlotRequest request;
    request.width = 32;
    request.height = 24;
    request.maxIters = 60;
    request.rendering = rendering;
    request.parm1 = parm1;
    request.parm2 = parm2;
    return request;
}

TEST(NothingCaught, WhenP1IsZero) {
    for (int32_t rendering : {kRings, kSpheres, kSquares, kStalks, kAngleFunction1}) {
        EXPECT_FALSE(OnlyUncaught(PlotWhole(Small(rendering, 0.2, 10.0)))) << rendering;
        EXPECT_TRUE(OnlyUncaught(PlotWhole(Small(rendering, 0.0, 10.0)))) << rendering;
    }
}

TEST(NothingCaught, ByPetalsWithAnOffsetAboveRootTwoMinusOne) {
    EXPECT_FALSE(OnlyUncaught(PlotWhole(Small(kPetals, 0.5, 0.4))));
    EXPECT_TRUE(OnlyUncaught(PlotWhole(Small(kPetals, 0.5, 0.42))));
}

TEST(NothingCaught, WhenEveryIterationIsSkippedButByConesAndLevelSet) {
    const std::pair<int32_t, double> renderings[] = {{kRings, 0.2},         {kSpheres, 0.9}, {kSquares, 0.2},
                                                     {kStalks, 0.2},        {kAtan, 0.5},    {kPetals, 0.5},
                                                     {kAngleFunction1, 0.5}};
    for (auto [rendering, parm1] : renderings) {
        PlotRequest request = Small(rendering, parm1, 10.0);
        request.itersToSkip = request.maxIters + 1;
        EXPECT_TRUE(OnlyUncaught(PlotWhole(request))) << rendering;
    }
    for (int32_t rendering : {kCones, kLevelSet}) {
        PlotRequest request = Small(rendering, 2.0);
        request.itersToSkip = request.maxIters + 1;
        EXPECT_FALSE(OnlyUncaught(PlotWhole(request))) << rendering;
    }
}

TEST(UnknownRendering, RunsEveryOrbitToTheLimit) {
    PlotRequest request = Small(2, 0.1);
    request.centerReal = 0.0;
    request.magnify = 0.01;  // mostly far outside the set
    const std::vector<uint8_t> pixels = PlotWhole(request);
    EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](uint8_t p) { return p == 232; }));
}

}  // namespace
}  // namespace zenphra::test
