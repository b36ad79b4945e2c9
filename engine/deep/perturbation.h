// The perturbed form of each deep equation: a pixel's orbit is z = Y + dz (+ the origin), Y the
// reference's offset from the equation's origin, and only dz is iterated, with dc the pixel's distance
// from the reference's c (0 in Julia form). Every form is an exact rearrangement of the equation, so dz
// keeps its full relative precision however small it is. Steps read the reference where a pixel follows
// it (an OrbitCursor); "Classic Mandlebrot" and "Lambda" also have forms for numbers with an exponent of
// their own (kExtended).
#pragma once

#include <cmath>
#include <cstdint>

#include "engine/deep/chebyshev_nesting.h"
#include "engine/deep/deep_complex.h"
#include "engine/deep/deep_image.h"
#include "engine/deep/float_exp.h"
#include "engine/deep/reference_orbit.h"

namespace zenphra {

// Which reference a pixel follows, and where on it.
struct OrbitCursor {
    const DeepReference* reference = nullptr;
    const OrbitPoint* points = nullptr;
    const OrbitPoint* aux = nullptr;
    int64_t length = 0;
    int64_t m = 0;

    void Follow(const DeepReference& next) {
        reference = &next;
        points = next.orbit.points.data();
        aux = next.orbit.aux.data();
        length = next.orbit.Length();
        m = 0;
    }
    Cd Here() const { return {points[m].re, points[m].im}; }
    Cd Next() const { return {points[m + 1].re, points[m + 1].im}; }
    Cd Aux() const { return {aux[m].re, aux[m].im}; }
};

// z -> z^2 + c: dz' = (2 Y + dz) dz + dc. Linear part: A = 2 Y, B = 1.
struct ClassicPerturbation {
    static constexpr double kOrigin = 0.0;
    static constexpr double kRebaseStart = 0.0;  // Y_0 of the reference pixels rebase to
    static constexpr bool kExtended = true;
    static constexpr bool kHasTable = true;
    static constexpr bool kBranches = false;  // see Barnsley2Perturbation

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd /*c*/) {
        const Cd y = at.Here();
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
    static ComplexExp LinearA(ComplexExp y, Cd /*aux*/, Cd /*c*/) { return {y.re, y.im, y.e + 1}; }
    static ComplexExp LinearB(ComplexExp /*y*/, Cd /*aux*/, Cd /*c*/) { return ComplexExp::Of(1.0, 0.0); }
    // The largest |dz| whose neglected square stays below `tolerance` of the kept terms.
    static FloatExp LinearRadius(ComplexExp y, Cd /*aux*/, FloatExp /*dcLargest*/, double tolerance) {
        return FloatExp::Of(tolerance) * Sqrt(y.Norm());
    }
};

// z -> c z (1 - z), with y = z - 1/2: z (1 - z) = 1/4 - y^2 = T, and
// dz' = -C (2 Y + dz) dz + dc (T - (2 Y + dz) dz). Linear part: A = -2 C Y, B = T.
struct LambdaPerturbation {
    static constexpr double kOrigin = 0.5;
    static constexpr double kRebaseStart = 0.0;
    static constexpr bool kExtended = true;
    static constexpr bool kHasTable = true;
    static constexpr bool kBranches = false;

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd c) {
        const Cd y = at.Here();
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
    static ComplexExp LinearA(ComplexExp y, Cd /*aux*/, Cd c) {
        return ComplexExp::Of(-c.re, -c.im) * ComplexExp{y.re, y.im, y.e + 1};
    }
    static ComplexExp LinearB(ComplexExp y, Cd /*aux*/, Cd /*c*/) {
        return ComplexExp::Of(0.25, 0.0) - y * y;
    }
    static FloatExp LinearRadius(ComplexExp y, Cd aux, FloatExp dcLargest, double tolerance) {
        return ClassicPerturbation::LinearRadius(y, aux, dcLargest, tolerance);
    }
};

// z -> 1 / w with w = z^2 + c, W the reference's w (kept in aux): dz' = 1 / (W + d) - 1 / W =
// -d / ((W + d) W), d = (2 Y + dz) dz + dc. A full w below the double engine's guard gives what the
// guard gives, 1e20 + 1e20i; where the reference was guarded and the pixel is not, 1 / w in full.
// Linear part: A = -2 Y / W^2, B = -1 / W^2.
struct PokornyPerturbation {
    static constexpr double kOrigin = 0.0;
    static constexpr double kRebaseStart = 0.0;
    static constexpr bool kExtended = false;
    static constexpr bool kHasTable = true;
    static constexpr bool kBranches = false;
    static constexpr double kSmallestDivisor = 1e-30;  // of |w|^2
    static constexpr double kGuard = 1e20;

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd /*c*/) {
        const Cd y = at.Here(), reference = at.Aux();
        const Cd d = Cd{2.0 * y.re + dz.re, 2.0 * y.im + dz.im} * dz + dc;
        const Cd w = reference + d;
        const double norm = Norm(w);
        const Cd next = at.Next();
        if (norm < kSmallestDivisor) return {kGuard - next.re, kGuard - next.im};
        if (next.re == kGuard && next.im == kGuard) return Cd{w.re / norm, -w.im / norm} - next;
        const Cd product = w * reference;
        const double productNorm = Norm(product);
        const Cd quotient = d * Cd{product.re, -product.im};
        return {-quotient.re / productNorm, -quotient.im / productNorm};
    }
    static ComplexExp LinearA(ComplexExp y, Cd aux, Cd /*c*/) {
        return ComplexExp{y.re, y.im, y.e + 1} * MinusInverseSquare(aux);
    }
    static ComplexExp LinearB(ComplexExp /*y*/, Cd aux, Cd /*c*/) { return MinusInverseSquare(aux); }
    // Besides the square of dz, the approximation neglects d / W in 1 / (1 + d / W): |d| must stay below
    // `tolerance` |W|, with |d| <= 2 |Y| |dz| (1 + tolerance) + |dc|. A W near the guard takes no step.
    static FloatExp LinearRadius(ComplexExp y, Cd aux, FloatExp dcLargest, double tolerance) {
        const double norm = Norm(aux);
        if (!(norm > kSmallestDivisor * (1 + 8 * tolerance))) return {};
        const FloatExp square = ClassicPerturbation::LinearRadius(y, aux, dcLargest, tolerance);
        const FloatExp room = FloatExp::Of(tolerance * std::sqrt(norm)) - dcLargest;
        if (!(room.m > 0)) return {};
        const FloatExp twiceY = FloatExp::Of(2 * (1 + tolerance)) * Sqrt(y.Norm());
        if (twiceY.IsZero()) return square;
        const FloatExp reciprocal = room / twiceY;
        return reciprocal < square ? reciprocal : square;
    }

  private:
    static ComplexExp MinusInverseSquare(Cd w) {
        const Cd square = w * w;
        const double norm = Norm(square);
        return ComplexExp::Of(-square.re / norm, square.im / norm);
    }
};

// zx' = |zx^2 - zy^2| - cx, zy' = 2 zx zy - cy. With R = X^2 - Y^2 of the reference (kept in aux,
// rounded from the exact value, so its sign is the reference's) and dr the pixel's difference of it,
// |R + dr| - |R| by the signs of R and R + dr: dr or -dr on the same side of the fold, the full
// difference -(2 R + dr) or 2 R + dr across it.
struct SpiralSymmetry2Perturbation {
    static constexpr double kOrigin = 0.0;
    static constexpr double kRebaseStart = 0.0;
    static constexpr bool kExtended = false;
    static constexpr bool kHasTable = false;
    static constexpr bool kBranches = false;

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd /*c*/) {
        const Cd y = at.Here();
        const double r = at.Aux().re;
        const double dr = (2.0 * y.re + dz.re) * dz.re - (2.0 * y.im + dz.im) * dz.im;
        const double full = r + dr;
        double folded;
        if (r >= 0) {
            folded = full >= 0 ? dr : -(r + full);
        } else {
            folded = full > 0 ? r + full : -dr;
        }
        return {folded - dc.re, 2.0 * (y.re * dz.im + (y.im + dz.im) * dz.re) - dc.im};
    }
};

// z' = (z + t) c, t = +1 where the side zx cy + zy cx is negative and -1 elsewhere, the line included.
// S, the reference's side (kept in aux, rounded from the exact value, so its sign is the branch the
// reference took), and the pixel's side S + dS decide the two branches; a pixel on the other branch
// takes the jump between them: dz' = (dz + t - T) C + (Z + t + dz) dc. Where it does so while very
// close to its reference, it moves to a reference of its own branch first (kBranches; see
// BranchReferences): its difference keeps its precision.
struct Barnsley2Perturbation {
    static constexpr double kOrigin = 0.0;
    static constexpr double kRebaseStart = 0.0;
    static constexpr bool kExtended = false;
    static constexpr bool kHasTable = false;
    static constexpr bool kBranches = true;
    // A pixel crossing the line with |dz| below 2^-24 moves to a reference of the other branch. Beyond,
    // the jump's rounding is far below the distance between neighbouring pixels' orbits.
    static constexpr double kCloseNorm = 0x1p-48;

    static bool CrossesClose(const OrbitCursor& at, Cd dz, Cd dc, Cd c) {
        const double side = at.Aux().re;
        return (PixelSide(at.Here(), side, dz, dc, c) < 0) != (side < 0) && Norm(dz) < kCloseNorm;
    }

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd c) {
        const Cd y = at.Here();
        const double side = at.Aux().re;
        const double referenceShift = side < 0 ? 1.0 : -1.0;
        const double shift = PixelSide(y, side, dz, dc, c) < 0 ? 1.0 : -1.0;
        const Cd shiftedZ{y.re + shift + dz.re, y.im + dz.im};
        return Cd{dz.re + (shift - referenceShift), dz.im} * c + shiftedZ * dc;
    }

  private:
    // (Y + dz) (C + dc) sides: S + dz.re Ci + dz.im Cr + (Y + dz).re dci + (Y + dz).im dcr.
    static double PixelSide(Cd y, double side, Cd dz, Cd dc, Cd c) {
        return side + ((dz.re * c.im + dz.im * c.re) + ((y.re + dz.re) * dc.im + (y.im + dz.im) * dc.re));
    }
};

// zx' = cy P(zx) + zx - cx P(zy), zy' = zy + cx P(zx) - cy P(zy). The difference P(X + d) - P(X) is
// worked out through the nesting: with u = X^2 and du = (2 X + d) d, each partial value h_k of the
// nesting changes by dh_{k+1} = dh_k (u + du) + h_k du, so no term is a difference of large values.
// The values keep no origin (z itself); pixels rebase to the orbit of the start 1/2.
template <int32_t Order>
struct ChebyshevPerturbation {
    static constexpr double kOrigin = 0.0;
    static constexpr double kRebaseStart = 0.5;
    static constexpr bool kExtended = false;
    static constexpr bool kHasTable = false;
    static constexpr bool kBranches = false;

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd c) {
        const Cd y = at.Here();
        const Difference x = DifferenceAt(y.re, dz.re), v = DifferenceAt(y.im, dz.im);
        const double fullX = x.value + x.change, fullV = v.value + v.change;
        return {c.im * x.change + dc.im * fullX + dz.re - c.re * v.change - dc.re * fullV,
                dz.im + c.re * x.change + dc.re * fullX - c.im * v.change - dc.im * fullV};
    }

  private:
    struct Difference {
        double value, change;  // P(X) and P(X + d) - P(X)
    };
    static Difference DifferenceAt(double x, double d) {
        constexpr ChebyshevNesting kNesting = ChebyshevNestingOf(Order);
        const double u = x * x, du = (2.0 * x + d) * d, fullU = u + du;
        double h = 1.0, dh = 0.0;
        for (int32_t k = 0; k < kNesting.count; ++k) {
            dh = dh * fullU + h * du;
            h = h * u + kNesting.constant[size_t(k)];
        }
        if (!kNesting.odd) return {h, dh};
        return {h * x, dh * (x + d) + h * d};
    }
};

// Calls f with the perturbed form of the equation (and Chebyshev order).
template <class F>
decltype(auto) WithPerturbation(DeepEquation equation, int32_t chebyshevOrder, F&& f) {
    switch (equation) {
        case DeepEquation::kLambda:
            return f(LambdaPerturbation{});
        case DeepEquation::kPokorny:
            return f(PokornyPerturbation{});
        case DeepEquation::kSpiralSymmetry2:
            return f(SpiralSymmetry2Perturbation{});
        case DeepEquation::kBarnsley2:
            return f(Barnsley2Perturbation{});
        case DeepEquation::kChebyshev:
            switch (chebyshevOrder) {
                case 3:
                    return f(ChebyshevPerturbation<3>{});
                case 4:
                    return f(ChebyshevPerturbation<4>{});
                case 5:
                    return f(ChebyshevPerturbation<5>{});
                case 6:
                    return f(ChebyshevPerturbation<6>{});
                case 7:
                    return f(ChebyshevPerturbation<7>{});
                case 8:
                    return f(ChebyshevPerturbation<8>{});
                default:
                    return f(ChebyshevPerturbation<9>{});
            }
        case DeepEquation::kClassic:
            break;
    }
    return f(ClassicPerturbation{});
}

}  // namespace zenphra
