// What every pixel of a plot depends on, fixed when its rows are handed out, and how a finished orbit
// becomes a palette index. Shared by the scalar plot and the vector plot.
#pragma once

#include <cstdint>

#include "engine/equation_codes.h"
#include "engine/plane_mapping.h"

namespace zenphra {

enum RenderingCode : int32_t {
    kRings = ZENPHRA_REND_RINGS,
    kSpheres = ZENPHRA_REND_SPHERES,
    kSquares = ZENPHRA_REND_SQUARES,
    kAtan = ZENPHRA_REND_ATAN,
    kPetals = ZENPHRA_REND_PETALS,
    kStalks = ZENPHRA_REND_STALKS,
    kAngleFunction1 = ZENPHRA_REND_ANGLE_FUNCTION_1,
    kLevelSet = ZENPHRA_REND_LEVEL_SET,
    kCones = ZENPHRA_REND_CONES,
};

// Positions in the complex function table of "Angle Function 1".
inline constexpr int32_t kComplexFunctionCount = 25;

inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kPi = 3.141592653589793;

// How a caught trap value becomes a position in the colour range.
enum class IndexMapping { kDirect, kReversed, kMirrored, kLevel };

struct RenderConstants {
    int32_t numRanges = 2;  // 2, 4 or 8
    int32_t colours = 116;  // per range: 29, 58 or 116
    int32_t half = 58;      // colours / 2
    int32_t itersToSkip = 0;
    double limitValue = 0;  // escape when |z|^2 exceeds it
    bool juliaMode = false;
    bool banding = false;
    double parm1 = 0, parm2 = 0;
    int32_t func1 = 0, func2 = 0;  // positions in the complex function table
    double trapLimit = 0;          // L: a trap value below it is caught
    double scale = 0;              // colours / L
    double squareHigh = 0, squareLow = 0;
    double petalCentre = 0, petalRadiusSquared = 0, petalCorner = 0;
};

struct PlotContext {
    PlaneMapping mapping;
    bool juliaMode = false;
    double juliaReal = 0, juliaImag = 0;
    int32_t maxIters = 0;
    int32_t equation = 0;
    int32_t rendering = 0;
    EquationConstants equationConstants;
    RenderConstants render;
    bool findRepeats = true;  // the fast plot may stop orbits that repeat exactly, where the rendering allows
};

// The 3 x 3 ordered dither that smooths colour bands away when banding is off: a cell is marked at level
// f (0 to 9) when f is at least its threshold.
inline constexpr int32_t kDitherThreshold[3][3] = {{7, 2, 6}, {9, 1, 3}, {5, 4, 8}};

// The index of an orbit caught in a trap, from its trap value and the range current at the catch.
uint8_t CaughtIndex(double trap, int32_t range, const RenderConstants& k, IndexMapping mapping, int32_t row,
                    int32_t column);

// "Level Set": the classic set and "Lambda" run through all 232 colours with the iteration n at which
// the orbit escaped; the other equations take one colour per range and cycle through the ranges.
inline uint8_t LevelIndex(int32_t equation, int32_t n, int32_t numRanges) {
    if (equation == kClassicMandelbrot || equation == kLambda)
        return static_cast<uint8_t>(n % ZENPHRA_RANGE_ENTRIES);
    switch (numRanges) {
        case 8:
            return static_cast<uint8_t>((n % 8) * 29 + 7);
        case 4:
            return static_cast<uint8_t>((n % 4) * 58 + 7);
        default:
            return static_cast<uint8_t>((n % 2) * 116 + 58);
    }
}

}  // namespace zenphra
