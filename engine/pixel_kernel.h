// One pixel of the plot: set up the orbit, iterate the equation, let the rendering watch every step, and
// turn the outcome into a palette index.
#pragma once

#include <cstdint>
#include <type_traits>

#include "engine/equations.h"
#include "engine/indexed_image.h"
#include "engine/plane_mapping.h"
#include "engine/renderings.h"

namespace zenphra {

// Everything a pixel of one row depends on, fixed when the row starts.
struct RowContext {
    int32_t row = 0;
    double rowStartX = 0, rowStartY = 0;
    double colStepX = 0, colStepY = 0;
    bool juliaMode = false;
    Complex juliaConstant;
    int32_t maxIters = 0;
    int32_t equation = 0;
    int32_t rendering = 0;
    EquationConstants equationConstants;
    RenderConstants render;
};

// The 3 x 3 ordered dither that smooths colour bands away when banding is off: a cell is marked at level
// f (0 to 9) when f is at least its threshold.
inline constexpr int32_t kDitherThreshold[3][3] = {{7, 2, 6}, {9, 1, 3}, {5, 4, 8}};

// The index of an orbit caught in a trap, from its trap value and the range current at the catch.
inline uint8_t CaughtIndex(const Orbit& orbit, const RenderConstants& k, IndexMapping mapping, int32_t row,
                           int32_t column) {
    double position = orbit.trap * k.scale;
    // A catch means 0 <= trap < limit, but the scale may round the position up to the range length; it
    // is clamped here only so that no value can be out of range for the conversion.
    if (!(position >= 0)) position = 0;
    if (position > 1e6) position = 1e6;
    int32_t i = static_cast<int32_t>(position);
    if (!k.banding) {
        int32_t level = static_cast<int32_t>((position - i) * 10);
        if (level == 10) level = 9;
        if (i < k.colours - 1 && level >= kDitherThreshold[row % 3][column % 3]) ++i;
    }
    const int32_t base = orbit.range * k.colours;
    switch (mapping) {
        case IndexMapping::kReversed:
            return static_cast<uint8_t>(base + (k.colours - 1 - i));
        case IndexMapping::kMirrored:
            return static_cast<uint8_t>(i < k.half ? base + 2 * (k.half - i) - 1 : base + 2 * (i - k.half));
        default:
            return static_cast<uint8_t>(base + i);
    }
}

// "Level Set": the classic set and "Lambda" run through all 232 colours with the iteration; the other
// equations take one colour per range and cycle through the ranges.
inline uint8_t LevelIndex(int32_t equation, int32_t n, int32_t numRanges) {
    if (equation == kClassicMandelbrot || equation == kLambda) return static_cast<uint8_t>(n % 232);
    switch (numRanges) {
        case 8:
            return static_cast<uint8_t>((n % 8) * 29 + 7);
        case 4:
            return static_cast<uint8_t>((n % 4) * 58 + 7);
        default:
            return static_cast<uint8_t>((n % 2) * 116 + 58);
    }
}

template <class Equation, class Rendering>
uint8_t PlotPixel(const RowContext& context, int32_t column) {
    const Complex point{PlaneX(context.rowStartX, context.colStepX, column),
                        PlaneY(context.rowStartY, context.colStepY, column)};
    Orbit orbit;
    Complex c;
    if (context.juliaMode) {
        c = context.juliaConstant;
        orbit.z = point;
        orbit.previous = point;
    } else {
        c = point;
        orbit.z = Complex{Equation::kSetStartReal, 0.0};
        if constexpr (std::is_same_v<Equation, ClassicMandelbrotStep>) {
            if (InClassicInterior(point.re, point.im)) return kMaxIterIndex;
        }
    }
    if (context.maxIters <= 0) return context.maxIters == 0 ? kMaxIterIndex : kBackgroundIndex;

    const RenderConstants& k = context.render;
    while (true) {
        orbit.z = Equation::Next(orbit.z, c, context.equationConstants);
        orbit.m = orbit.z.re * orbit.z.re + orbit.z.im * orbit.z.im;
        const Outcome outcome = Rendering::Test(orbit, k);
        if (outcome == Outcome::kCaught) {
            if constexpr (Rendering::kMapping == IndexMapping::kLevel) {
                return LevelIndex(context.equation, orbit.n, k.numRanges);
            } else {
                return CaughtIndex(orbit, k, Rendering::kMapping, context.row, column);
            }
        }
        if (outcome == Outcome::kEscaped) return kBackgroundIndex;
        orbit.previous = orbit.z;
        if (++orbit.n >= context.maxIters) return kMaxIterIndex;
    }
}

}  // namespace zenphra
