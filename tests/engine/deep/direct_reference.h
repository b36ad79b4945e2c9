// The tests' own reference for deep images: every pixel iterated directly in MPFR from its own point,
// without perturbation and without any of the library's code, at the precision the test asks for.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zenphra::test {

struct DeepScene {
    const char* name;
    int32_t equation;  // 0 "Classic Mandlebrot" or 24 "Lambda"
    bool julia;
    double juliaReal, juliaImag;
    std::string centreRe, centreIm, magnify;
    double angle;
    int32_t maxIters;
    double limit;
    int32_t width, height;
};

// The "Level Set" index of every pixel as direct iteration gives it: (n - 1) mod 232 for a pixel whose
// |z|^2 first passes the limit after n steps, 232 for one that does not within the limit of steps. Pixels
// whose result changes when the point moves by a millionth of a pixel or when the precision grows by 64 bits
// are unstable: -1.
std::vector<int> DirectLevelSet(const DeepScene& scene, long bits);

// Enough bits for the scene's pixels to be told apart, with 64 to spare.
long AmpleBits(const DeepScene& scene);

}  // namespace zenphra::test
