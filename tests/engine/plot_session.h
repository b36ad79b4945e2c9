// Plotting whole images through the library's exports, for tests: the parameters of InitPlot with
// readable defaults, a palette, and a view of the index buffer.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "engine/library_state.h"

namespace zenphra::test {

struct PlotRequest {
    int32_t eqnType = 0;
    int32_t width = 64;
    int32_t height = 48;
    int32_t maxIters = 100;
    int32_t itersToSkip = 0;
    int32_t numRanges = 8;
    int32_t rendering = 14;
    double limitValue = 4.0;
    double juliaReal = 0.0, juliaImag = 0.0;
    double parm1 = 0.1, parm2 = 0.1, parm3 = 5.0;
    int32_t func1 = 0, func2 = 0;
    double centerReal = -0.5, centerImag = 0.0;
    double magnify = 1.0;
    double angle = 0.0;
    int32_t banding = 1;
};

// A palette whose every entry has its own colour (red = index, green = 255 - index, blue = index / 2),
// handed to the library for as long as it lives: it takes the pointers back when it goes, so that a
// later test never plots through a palette that has left the stack.
struct TestPalette {
    uint8_t red[257], green[257], blue[257];
    TestPalette();
    ~TestPalette();
    TestPalette(const TestPalette&) = delete;
    TestPalette& operator=(const TestPalette&) = delete;
};

int32_t Init(const PlotRequest& request, int32_t newImage = 1);

// InitPlot with a new image, then every row. Returns the index buffer.
std::vector<uint8_t> PlotWhole(const PlotRequest& request);

// The library's current index buffer (empty without one).
std::span<uint8_t> IndexBuffer();

// The index of the single pixel at plane point (x, y), plotted with the given parameters.
uint8_t PlotPoint(PlotParams params, double x, double y);

}  // namespace zenphra::test
