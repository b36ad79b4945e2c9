// Equation codes, and what the equations need beyond z and c, shared by every form of the plot.
#pragma once

#include <cstdint>

#include "zenphra.h"

namespace zenphra {

enum EquationCode : int32_t {
    kClassicMandelbrot = ZENPHRA_EQN_CLASSIC_MANDLEBROT,
    kPokorny = ZENPHRA_EQN_POKORNY,
    kSpiralSymmetry2 = ZENPHRA_EQN_SPIRAL_SYMMETRY_2,
    kLambda = ZENPHRA_EQN_LAMBDA,
    kBarnsley2 = ZENPHRA_EQN_BARNSLEY_2,
    kChebyshev = ZENPHRA_EQN_CHEBYSHEV,
};

struct EquationConstants {
    int32_t chebyshevOrder = 3;
    // The doubling in 2 zx zy, as a product. It is exact either way, but read at run time the compiler
    // keeps it a multiplication rather than an addition, which leaves the adders, the busier units, free.
    double two = 2.0;
};

// The Chebyshev order: the integer part of P3 + 0.1, kept within 3 to 9 (clamped before the conversion,
// so no value of P3 is out of range for it).
int32_t ChebyshevOrder(double parm3);

// Whether a point of the strip -0.75 < x < 0.375 lies in the classic set's main cardioid, by the angle
// of the cardioid's edge above x: the last step of InClassicInterior (equations-inl.h).
bool InCardioidByAngle(double px, double py);

}  // namespace zenphra
