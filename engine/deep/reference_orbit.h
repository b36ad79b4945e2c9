// The reference orbit of a deep image: one point of the view iterated in MPFR at the image's precision,
// each value kept as its offset from the equation's critical point, rounded to doubles. Every pixel
// then iterates only its small difference from this orbit.
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

    // Y_0 .. Y_N: the offsets from the critical point, as doubles (0 where a value is too small).
    std::vector<OrbitPoint> points;
    // The exact values where |Y_n| lies below 2^kTinyExponent, by n in increasing order.
    std::vector<std::pair<int64_t, ComplexExp>> tiny;
    // Whether Y_N escaped (or overflowed): otherwise N is the iteration limit.
    bool escaped = false;

    int64_t Length() const { return int64_t(points.size()) - 1; }
    // Y_n whatever its size.
    ComplexExp Exact(int64_t n) const;
    size_t Bytes() const {
        return points.capacity() * sizeof(OrbitPoint) + tiny.capacity() * sizeof(tiny[0]);
    }
};

// The two equations with a perturbed form so far, and their critical points: 0 for z^2 + c, 1/2 for
// c z (1 - z).
enum class DeepEquation { kClassic, kLambda };
double CriticalPoint(DeepEquation equation);

struct ReferenceStart {
    DeepEquation equation = DeepEquation::kClassic;
    const BigFloat* startRe = nullptr;  // z_0 minus the critical point
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

// Iterates until |z|^2 exceeds the bail-out, the value overflows a double, or maxIters steps were made.
// False, with `orbit` incomplete, when stopped.
bool ComputeReferenceOrbit(const ReferenceStart& start, mpfr_prec_t precision, const LongWork& work,
                           ReferenceOrbit* orbit);

}  // namespace zenphra
