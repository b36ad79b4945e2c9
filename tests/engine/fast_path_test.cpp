// The fast plot (vector lanes, worker threads, rows computed ahead, shortcuts) against the plain plot
// (one pixel at a time, as the equations and renderings are written): every index byte must be equal.
#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/plot_path.h"
#include "hwy/targets.h"
#include "tests/engine/plot_session.h"
#include "zenphra.h"

namespace zenphra::test {
namespace {

class PlotPaths : public testing::Test {
  public:
    void TearDown() override { ForcePlainPlot(false); }

    static std::vector<uint8_t> Plot(const PlotRequest& request, bool plain) {
        ForcePlainPlot(plain);
        return PlotWhole(request);
    }
};

constexpr int32_t kEquations[] = {0, 1, 7, 24, 28, 29};
constexpr int32_t kRenderings[] = {0, 1, 4, 8, 9, 11, 12, 14, 18};

// A parameter set as a user might choose it: any equation and rendering, either mode, banding on or
// off, somewhere in the plane at some magnification and angle, with parameters around their advised
// ranges.
PlotRequest RandomRequest(std::mt19937_64& random) {
    auto uniform = [&](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    auto pick = [&](int32_t count) { return std::uniform_int_distribution<int32_t>(0, count - 1)(random); };
    PlotRequest r;
    r.eqnType = kEquations[pick(6)] + (pick(2) == 0 ? 0 : 100);
    r.rendering = kRenderings[pick(9)];
    r.width = 24 + pick(48);
    r.height = 16 + pick(40);
    r.maxIters = 1 + pick(400);
    r.itersToSkip = pick(3) == 0 ? pick(6) : 0;
    r.numRanges = std::array{2, 4, 8}[pick(3)];
    r.banding = pick(2);
    r.limitValue = std::array{0.5, 4.0, 4.0, 16.0, 100.0, 1e6}[pick(6)];
    r.juliaReal = uniform(-1.5, 1.5);
    r.juliaImag = uniform(-1.5, 1.5);
    r.parm1 = std::exp(uniform(std::log(0.005), std::log(8.0)));
    r.parm2 = pick(2) == 0 ? uniform(0.0, 0.3) : std::exp(uniform(std::log(0.01), std::log(100.0)));
    r.parm3 = uniform(2.0, 10.0);
    r.func1 = pick(25);
    r.func2 = pick(25);
    r.centerReal = uniform(-1.5, 1.0);
    r.centerImag = uniform(-1.0, 1.0);
    r.magnify = std::exp(uniform(std::log(0.5), std::log(5000.0)));
    r.angle = pick(2) == 0 ? 0.0 : uniform(-180.0, 180.0);
    return r;
}

std::string Describe(const PlotRequest& r) {
    std::ostringstream text;
    text << "equation " << r.eqnType << ", rendering " << r.rendering << ", " << r.width << "x" << r.height
         << ", iterations " << r.maxIters << ", skip " << r.itersToSkip << ", ranges " << r.numRanges
         << ", banding " << r.banding << ", limit " << r.limitValue << ", P1 " << r.parm1 << ", P2 "
         << r.parm2 << ", P3 " << r.parm3 << ", functions " << r.func1 << "/" << r.func2 << ", centre "
         << r.centerReal << "," << r.centerImag << ", magnify " << r.magnify << ", angle " << r.angle;
    return text.str();
}

size_t DifferentPixels(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    size_t different = 0;
    for (size_t i = 0; i < a.size(); ++i) different += a[i] != b[i];
    return different;
}

// Every rendering but "Angle Function 1" gives the same bytes; that one runs the complex function table
// in vector form, whose last bits may differ from the C library's: such pixels are counted and must stay
// below one in ten thousand.
constexpr double kMostVectorMathDifferences = 1e-4;

// Compares the two ways on `count` random parameter sets. Returns how many "Angle Function 1" pixels
// there were and how many of them differ; every other byte must be equal.
std::pair<size_t, size_t> CompareRandomSets(uint64_t seed, int count) {
    std::mt19937_64 random(seed);
    size_t functionPixels = 0, functionDifferences = 0;
    for (int set = 0; set < count; ++set) {
        const PlotRequest request = RandomRequest(random);
        const std::vector<uint8_t> plain = PlotPaths::Plot(request, true);
        const std::vector<uint8_t> fast = PlotPaths::Plot(request, false);
        EXPECT_EQ(plain.size(), fast.size());
        if (plain.size() != fast.size()) break;
        const size_t different = DifferentPixels(plain, fast);
        if (request.rendering == 12) {
            functionPixels += plain.size();
            functionDifferences += different;
        } else {
            EXPECT_EQ(different, 0u) << "set " << set << ": " << Describe(request);
            if (different != 0) break;
        }
    }
    return {functionPixels, functionDifferences};
}

TEST_F(PlotPaths, GiveTheSameBytesForRandomParameterSets) {
    const auto [functionPixels, functionDifferences] = CompareRandomSets(20261208, 400);
    RecordProperty("AngleFunctionPixelsDifferent", std::to_string(functionDifferences));
    EXPECT_LT(double(functionDifferences), kMostVectorMathDifferences * double(functionPixels));
}

// This processor plots with its widest instruction set; users' processors may have narrower ones, so
// every set the library is built with is compared too.
TEST_F(PlotPaths, GiveTheSameBytesWithEveryInstructionSet) {
    const std::vector<int64_t> targets = hwy::SupportedAndGeneratedTargets();
    EXPECT_GE(targets.size(), 2u) << "the vector sets and the baseline";
    for (size_t index = 0; index < targets.size(); ++index) {
        SCOPED_TRACE(hwy::TargetName(targets[index]));
        hwy::SetSupportedTargetsForTest(targets[index]);
        const auto [functionPixels, functionDifferences] = CompareRandomSets(20261209 + index, 120);
        EXPECT_LT(double(functionDifferences), kMostVectorMathDifferences * double(functionPixels));
    }
    hwy::SetSupportedTargetsForTest(0);
}

// Every pair of complex functions, in both modes.
TEST_F(PlotPaths, AngleFunctionDiffersInFewPixelsForAnyPairOfFunctions) {
    size_t pixels = 0, differences = 0;
    for (int32_t func1 = 0; func1 < 25; ++func1) {
        for (int32_t func2 = 0; func2 < 25; ++func2) {
            PlotRequest request;
            request.eqnType = (func1 + func2) % 2 == 0 ? 0 : 100;
            request.juliaReal = -0.8;
            request.juliaImag = 0.156;
            request.rendering = 12;
            request.width = 32;
            request.height = 24;
            request.parm1 = 0.5;
            request.parm2 = 1.0;
            request.func1 = func1;
            request.func2 = func2;
            const std::vector<uint8_t> plain = Plot(request, true);
            pixels += plain.size();
            differences += DifferentPixels(plain, Plot(request, false));
        }
    }
    std::printf("Angle Function 1: %zu of %zu pixels differ between the plain and the vector plot\n",
                differences, pixels);
    EXPECT_LT(double(differences), kMostVectorMathDifferences * double(pixels));
}

// The classic set and Lambda have interior points whose orbits come back exactly to an earlier value;
// the fast plot stops them early, which must not show.
TEST_F(PlotPaths, GiveTheSameBytesWhereOrbitsRepeat) {
    for (int32_t equation : {0, 24, 100, 124}) {
        PlotRequest request;
        request.eqnType = equation;
        request.width = 96;
        request.height = 72;
        request.maxIters = 5000;
        request.juliaReal = -0.12;
        request.juliaImag = 0.75;
        request.centerReal = equation % 100 == 24 ? 1.0 : -0.5;
        EXPECT_EQ(Plot(request, true), Plot(request, false)) << "equation " << equation;
    }
}

// "Level Set" lanes take several steps before looking back at where they stopped; with every small
// iteration limit some orbits escape just before, at or just after it.
TEST_F(PlotPaths, GiveTheSameBytesForEveryIterationLimitNearAGroupOfSteps) {
    for (int32_t maxIters = 1; maxIters <= 40; ++maxIters) {
        PlotRequest request;
        request.eqnType = maxIters % 2 == 0 ? 0 : 100;
        request.juliaReal = -0.8;
        request.juliaImag = 0.156;
        request.maxIters = maxIters;
        request.width = 40;
        request.height = 30;
        EXPECT_EQ(Plot(request, true), Plot(request, false)) << "limit " << maxIters;
    }
}

}  // namespace
}  // namespace zenphra::test

namespace zenphra::test {
namespace {

std::vector<uint8_t> BitmapBytes(int32_t handle) {
    int32_t width, height, stride;
    uint8_t* bits;
    if (GetBitmapInfo(handle, &width, &height, &stride, &bits) == 0) return {};
    return {bits, bits + size_t(stride) * height};
}

// Only the displayed row that samples a plotted row is redrawn; the bitmap must still be byte for byte
// what a full re-colouring gives, at every row, also after the palette changed under it.
TEST_F(PlotPaths, RedrawOnlyTheChangedRowYetMatchAFullRedraw) {
    TestPalette palette;
    PlotRequest request;
    request.width = 1000;  // shown at step 2
    request.height = 60;
    request.rendering = 0;
    request.banding = 0;
    const int32_t handle = Init(request);
    for (int32_t row = 0; row < request.height; ++row) {
        if (row == 31) palette.red[7] ^= 0xFF;  // a change the program makes without telling the library
        ASSERT_EQ(PlotFractal(row), handle);
        const std::vector<uint8_t> shown = BitmapBytes(handle);
        SetFractalColors();
        ASSERT_EQ(shown, BitmapBytes(handle)) << "row " << row;
    }
}

std::chrono::steady_clock::time_point escapeAt;
int32_t EscapeAfterDeadline() { return std::chrono::steady_clock::now() >= escapeAt ? 1 : 0; }

// However slow its pixels, a row stops soon after Escape, and the next call does not wait for the
// pixels that were being plotted.
TEST_F(PlotPaths, EscapeStopsAnEndlessRowAtOnce) {
    PlotRequest request;
    request.eqnType = 100;  // the Julia set of 0: the unit disk never escapes
    request.rendering = 0;  // and rings of size 0 catch nothing, so every orbit runs to its limit
    request.parm1 = 0.0;
    request.centerReal = 0.0;
    request.magnify = 4.0;
    request.maxIters = 2000000000;
    Init(request);
    using Clock = std::chrono::steady_clock;
    escapeAt = Clock::now() + std::chrono::milliseconds(200);
    SetAbortPoll(EscapeAfterDeadline);
    EXPECT_EQ(PlotFractal(request.height / 2), -7);
    SetAbortPoll(nullptr);
    EXPECT_LT(Clock::now() - escapeAt, std::chrono::milliseconds(150));
    const auto resumeStart = Clock::now();
    Init(request, 0);  // the program's next Plot takes the parameters again
    EXPECT_LT(Clock::now() - resumeStart, std::chrono::milliseconds(150));
}

}  // namespace
}  // namespace zenphra::test
