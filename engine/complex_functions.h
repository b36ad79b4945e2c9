// The 25 functions of one complex argument that "Angle Function 1" applies, in the order of the program's
// function lists ("ident", "recip", "sqr", ... "conj").
#pragma once

#include <cstdint>

#include "engine/complex_math.h"

namespace zenphra {

using ComplexFunction = Complex (*)(Complex);

inline constexpr int32_t kComplexFunctionCount = 25;

// The function at a list position; a position outside 0 to 24 is taken as 0 ("ident").
ComplexFunction ComplexFunctionAt(int32_t index);

}  // namespace zenphra
