// The reference orbit of a deep image: one point of the view iterated in MPFR at the image's precision,
// each value kept as its offset from the equation's origin, rounded to doubles. Every pixel then
// iterates only its small difference from this orbit.
#pragma once

#include <atomic>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/deep/big_float.h"
#include "engine/deep/float_exp.h"

namespace zenphra {

struct OrbitPoint {
    double re = 0, im = 0;
};

class ReferenceOrbit {
  public:
    // Values whose parts both lie below this are also kept exactly, beside their doubles.
    static constexpr int64_t kTinyExponent = -900;

    // Y_0 .. Y_N: the offsets from the origin, as doubles (0 where a value is too small).
    std::vector<OrbitPoint> points;
    // For the equations whose perturbed step needs more of the reference than Y_n, that value of each
    // step n -> n + 1, rounded from the exact one (see ReferenceAux); empty for the others.
    std::vector<OrbitPoint> aux;
    // The exact values where |Y_n| lies below 2^kTinyExponent, by n in increasing order.
    std::vector<std::pair<int64_t, ComplexExp>> tiny;
    // Whether Y_N lies far beyond the bail-out (or overflowed): otherwise N is the iteration limit.
    bool escaped = false;

    int64_t Length() const { return int64_t(points.size()) - 1; }
    // Y_n whatever its size.
    ComplexExp Exact(int64_t n) const;
    size_t Bytes() const {
        return (points.capacity() + aux.capacity()) * sizeof(OrbitPoint) + tiny.capacity() * sizeof(tiny[0]);
    }
};

// The equations with a perturbed form.
enum class DeepEquation { kClassic, kLambda, kPokorny, kSpiralSymmetry2, kBarnsley2, kChebyshev };

// The point the orbit's values are kept as offsets from: the critical point 1/2 of c z (1 - z), whose
// offsets make the step symmetric, and 0 for the others.
double Origin(DeepEquation equation);
// Where z starts in set form (1/2 for "Lambda" and "Chebyshev", 0 for the others).
double SetStart(DeepEquation equation);

// What ReferenceOrbit::aux holds for each step: "Pokorny" the value z^2 + c that is inverted, "Spiral
// Symmetry 2" the value zx^2 - zy^2 that is folded (in re), "Barnsley 2" the side zx cy + zy cx that
// chooses the branch (in re). The others keep none.
bool KeepsAux(DeepEquation equation);

struct ReferenceStart {
    DeepEquation equation = DeepEquation::kClassic;
    int32_t chebyshevOrder = 3;
    // "Barnsley 2": the branch of the first step, +1 (z + 1) or -1 (z - 1), whatever the side says; 0
    // lets the side choose. For an orbit that starts on the branch line and takes the other branch.
    int32_t firstBranch = 0;
    const BigFloat* startRe = nullptr;  // z_0 minus the origin
    const BigFloat* startIm = nullptr;
    const BigFloat* cRe = nullptr;
    const BigFloat* cIm = nullptr;
    double limitValue = 0;  // bail-out of |z|^2
    int64_t maxIters = 0;
};

// What a long computation reports while it runs, and how it is stopped: `stop` is asked every few
// hundred iterations and ends the computation when it answers true. `done` counts iterations.
struct LongWork {
    std::atomic<int64_t>* done = nullptr;
    bool (*stop)(void*) = nullptr;
    void* stopContext = nullptr;
    bool Stopped() const { return stop != nullptr && stop(stopContext); }
};

// Iterates until |z|^2 lies far beyond the bail-out (2^200 times it), the value overflows a double, or
// maxIters steps were made.
// False, with `orbit` incomplete, when stopped.
bool ComputeReferenceOrbit(const ReferenceStart& start, mpfr_prec_t precision, const LongWork& work,
                           ReferenceOrbit* orbit);

}  // namespace zenphra
