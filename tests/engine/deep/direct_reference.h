// The tests' own reference for deep images: every pixel iterated directly in MPFR from its own point,
// without perturbation and without any of the library's code, at the precision the test asks for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zenphra::test {

struct DeepScene {
    const char* name;
    int32_t equation;  // 0 "Classic Mandlebrot", 1 "Pokorny", 7 "Spiral Symmetry 2", 24 "Lambda",
                       // 28 "Barnsley 2", 29 "Chebyshev"
    bool julia;
    double juliaReal, juliaImag;
    std::string centreRe, centreIm, magnify;
    double angle;
    int32_t maxIters;
    double limit;
    int32_t width, height;
    int32_t chebyshevOrder = 5;
    // Of the direct results, for the comparison to mean anything: a picture, not one flat colour.
    size_t leastIndices = 5;
};

// The "Level Set" index of every pixel as direct iteration gives it, with 8 ranges: for a pixel whose
// |z|^2 first passes the limit after n steps, (n - 1) mod 232 for "Classic Mandlebrot" and "Lambda",
// the range's colour ((n - 1) mod 8) 29 + 7 for the others; 232 for one that does not within the limit.
// Pixels whose result changes when the point moves by a millionth of a pixel or when the precision grows by
// 64 bits are unstable: -1.
std::vector<int> DirectLevelSet(const DeepScene& scene, long bits);

// Enough bits for the scene's pixels to be told apart, with 64 to spare.
long AmpleBits(const DeepScene& scene);

}  // namespace zenphra::test
