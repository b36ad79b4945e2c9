// The perturbed form of each deep equation: a pixel's orbit is z = Y + dz (+ the critical point), Y the
// reference's offset from the critical point, and only dz is iterated, with dc the pixel's distance
// from the reference's c (0 in Julia form). Both forms are exact rearrangements of the equation, so
// dz keeps its full relative precision however small it is.
#pragma once

#include "engine/deep/deep_complex.h"
#include "engine/deep/float_exp.h"
#include "engine/deep/reference_orbit.h"

namespace zenphra {

// z -> z^2 + c: dz' = (2 Y + dz) dz + dc. Linear part: A = 2 Y, B = 1.
struct ClassicPerturbation {
    static constexpr DeepEquation kEquation = DeepEquation::kClassic;
    static constexpr double kCritical = 0.0;

    static Cd Step(Cd y, Cd dz, Cd dc, Cd /*c*/) {
        const Cd twoYPlusDz{2.0 * y.re + dz.re, 2.0 * y.im + dz.im};
        return twoYPlusDz * dz + dc;
    }
    // The same for dz = w 2^e, in units of 2^e: `scale` is 2^e, dcRelative is dc / 2^e.
    static Cd StepScaled(Cd y, Cd w, double scale, Cd dcRelative, Cd /*c*/) {
        const Cd twoYPlusDz{2.0 * y.re + w.re * scale, 2.0 * y.im + w.im * scale};
        return twoYPlusDz * w + dcRelative;
    }
    static ComplexExp StepExact(ComplexExp y, ComplexExp dz, ComplexExp dc, Cd /*c*/) {
        const ComplexExp twoY{y.re, y.im, y.e + 1};
        return (twoY + dz) * dz + dc;
    }
    static ComplexExp LinearA(ComplexExp y, Cd /*c*/) { return {y.re, y.im, y.e + 1}; }
    static ComplexExp LinearB(ComplexExp /*y*/, Cd /*c*/) { return ComplexExp::Of(1.0, 0.0); }
};

// z -> c z (1 - z), with y = z - 1/2: z (1 - z) = 1/4 - y^2 = T, and
// dz' = -C (2 Y + dz) dz + dc (T - (2 Y + dz) dz). Linear part: A = -2 C Y, B = T.
struct LambdaPerturbation {
    static constexpr DeepEquation kEquation = DeepEquation::kLambda;
    static constexpr double kCritical = 0.5;

    static Cd Step(Cd y, Cd dz, Cd dc, Cd c) {
        const Cd s = Cd{2.0 * y.re + dz.re, 2.0 * y.im + dz.im} * dz;
        const Cd t{0.25 - (y.re * y.re - y.im * y.im), -2.0 * y.re * y.im};
        return dc * (t - s) - c * s;
    }
    static Cd StepScaled(Cd y, Cd w, double scale, Cd dcRelative, Cd c) {
        const Cd s = Cd{2.0 * y.re + w.re * scale, 2.0 * y.im + w.im * scale} * w;
        const Cd t{0.25 - (y.re * y.re - y.im * y.im), -2.0 * y.re * y.im};
        return dcRelative * (t - scale * s) - c * s;
    }
    static ComplexExp StepExact(ComplexExp y, ComplexExp dz, ComplexExp dc, Cd c) {
        const ComplexExp twoY{y.re, y.im, y.e + 1};
        const ComplexExp s = (twoY + dz) * dz;
        const ComplexExp t = ComplexExp::Of(0.25, 0.0) - y * y;
        return dc * (t - s) - ComplexExp::Of(c.re, c.im) * s;
    }
    static ComplexExp LinearA(ComplexExp y, Cd c) {
        return ComplexExp::Of(-c.re, -c.im) * ComplexExp{y.re, y.im, y.e + 1};
    }
    static ComplexExp LinearB(ComplexExp y, Cd /*c*/) { return ComplexExp::Of(0.25, 0.0) - y * y; }
};

template <class F>
decltype(auto) WithPerturbation(DeepEquation equation, F&& f) {
    if (equation == DeepEquation::kLambda) return f(LambdaPerturbation{});
    return f(ClassicPerturbation{});
}

}  // namespace zenphra
