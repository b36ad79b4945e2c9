// The perturbed form of each deep equation: a pixel's orbit is z = Y + dz (+ the origin), Y the
// reference's offset from the equation's origin, and only dz is iterated, with dc the pixel's distance
// from the reference's c (0 in Julia form). Every form is an exact rearrangement of the equation, so dz
// keeps its full relative precision however small it is. Steps read the reference where a pixel follows
// it (an OrbitCursor); each also has a form for a dz with an exponent of its own (StepScaled), in units
// of that exponent, and "Classic Mandlebrot" and "Lambda" one for references as small as dz (StepExact).
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "engine/deep/chebyshev_nesting.h"
#include "engine/deep/deep_complex.h"
#include "engine/deep/deep_image.h"
#include "engine/deep/float_exp.h"
#include "engine/deep/real_matrix.h"
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
    static constexpr bool kConformal = true;     // its linear part is complex (else a real 2x2 matrix)
    static constexpr bool kBranches = false;     // see Barnsley2Perturbation

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd /*c*/) {
        const Cd y = at.Here();
        const Cd twoYPlusDz{2.0 * y.re + dz.re, 2.0 * y.im + dz.im};
        return twoYPlusDz * dz + dc;
    }
    // The same for dz = w 2^e, in units of 2^e: dcRelative is dc / 2^e.
    static Cd StepScaled(const OrbitCursor& at, Cd w, int64_t exponent, Cd dcRelative, Cd /*c*/) {
        const Cd y = at.Here();
        const double scale = PowerOfTwo(exponent);
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
    static FloatExp LinearRadius(ComplexExp y, Cd /*aux*/, Cd /*c*/, FloatExp /*dcLargest*/,
                                 double tolerance) {
        return FloatExp::Of(tolerance) * Sqrt(y.Norm());
    }
};

// z -> c z (1 - z), with y = z - 1/2: z (1 - z) = 1/4 - y^2 = T, and
// dz' = -C (2 Y + dz) dz + dc (T - (2 Y + dz) dz). Linear part: A = -2 C Y, B = T.
struct LambdaPerturbation {
    static constexpr double kOrigin = 0.5;
    static constexpr double kRebaseStart = 0.0;
    static constexpr bool kConformal = true;
    static constexpr bool kBranches = false;

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd c) {
        const Cd y = at.Here();
        const Cd s = Cd{2.0 * y.re + dz.re, 2.0 * y.im + dz.im} * dz;
        const Cd t{0.25 - (y.re * y.re - y.im * y.im), -2.0 * y.re * y.im};
        return dc * (t - s) - c * s;
    }
    static Cd StepScaled(const OrbitCursor& at, Cd w, int64_t exponent, Cd dcRelative, Cd c) {
        const Cd y = at.Here();
        const double scale = PowerOfTwo(exponent);
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
    static FloatExp LinearRadius(ComplexExp y, Cd aux, Cd c, FloatExp dcLargest, double tolerance) {
        return ClassicPerturbation::LinearRadius(y, aux, c, dcLargest, tolerance);
    }
};

// z -> 1 / w with w = z^2 + c, W the reference's w (kept in aux): dz' = 1 / (W + d) - 1 / W =
// -d / ((W + d) W), d = (2 Y + dz) dz + dc. A full w below the double engine's guard gives what the
// guard gives, 1e20 + 1e20i; where the reference was guarded and the pixel is not, 1 / w in full.
// Linear part: A = -2 Y / W^2, B = -1 / W^2.
struct PokornyPerturbation {
    static constexpr double kOrigin = 0.0;
    static constexpr double kRebaseStart = 0.0;
    static constexpr bool kConformal = true;
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
        return MinusQuotient(d, w * reference);
    }
    // dz far below a double's last bit of any w that counts: the pixel is guarded where its reference
    // is (their |w|^2 would differ only within 2^-400 of the guard's bound), and is then the guard
    // itself.
    static Cd StepScaled(const OrbitCursor& at, Cd w, int64_t exponent, Cd dcRelative, Cd /*c*/) {
        const Cd y = at.Here(), reference = at.Aux();
        const Cd next = at.Next();
        if (next.re == kGuard && next.im == kGuard) return {};
        const double scale = PowerOfTwo(exponent);
        const Cd d = Cd{2.0 * y.re + w.re * scale, 2.0 * y.im + w.im * scale} * w + dcRelative;
        return MinusQuotient(d, (reference + scale * d) * reference);
    }
    static ComplexExp LinearA(ComplexExp y, Cd aux, Cd /*c*/) {
        return ComplexExp{y.re, y.im, y.e + 1} * MinusInverseSquare(aux);
    }
    static ComplexExp LinearB(ComplexExp /*y*/, Cd aux, Cd /*c*/) { return MinusInverseSquare(aux); }
    // Besides the square of dz, the approximation neglects d / W in 1 / (1 + d / W): |d| must stay below
    // `tolerance` |W|, with |d| <= 2 |Y| |dz| (1 + tolerance) + |dc|. A W near the guard takes no step.
    static FloatExp LinearRadius(ComplexExp y, Cd aux, Cd c, FloatExp dcLargest, double tolerance) {
        const double norm = Norm(aux);
        if (!(norm > kSmallestDivisor * (1 + 8 * tolerance))) return {};
        const FloatExp square = ClassicPerturbation::LinearRadius(y, aux, c, dcLargest, tolerance);
        const FloatExp room = FloatExp::Of(tolerance * std::sqrt(norm)) - dcLargest;
        if (!(room.m > 0)) return {};
        const FloatExp twiceY = FloatExp::Of(2 * (1 + tolerance)) * Sqrt(y.Norm());
        if (twiceY.IsZero()) return square;
        const FloatExp reciprocal = room / twiceY;
        return reciprocal < square ? reciprocal : square;
    }

  private:
    // -d / product.
    static Cd MinusQuotient(Cd d, Cd product) {
        const double productNorm = Norm(product);
        const Cd quotient = d * Cd{product.re, -product.im};
        return {-quotient.re / productNorm, -quotient.im / productNorm};
    }
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
    static constexpr bool kConformal = false;
    static constexpr bool kBranches = false;

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd /*c*/) {
        const Cd y = at.Here();
        const double r = at.Aux().re;
        const double dr = (2.0 * y.re + dz.re) * dz.re - (2.0 * y.im + dz.im) * dz.im;
        return {Folded(r, dr) - dc.re, 2.0 * (y.re * dz.im + (y.im + dz.im) * dz.re) - dc.im};
    }
    // In units of 2^e. R in those units only where the pixel could be on the fold's other side: an R
    // beyond 2^-400 is infinitely far from it there.
    static Cd StepScaled(const OrbitCursor& at, Cd w, int64_t exponent, Cd dcRelative, Cd /*c*/) {
        const Cd y = at.Here();
        const double r = at.Aux().re;
        const double scale = PowerOfTwo(exponent);
        const double dr = (2.0 * y.re + w.re * scale) * w.re - (2.0 * y.im + w.im * scale) * w.im;
        const double inUnits = std::fabs(r) > 0x1p-400
                                   ? std::copysign(HUGE_VAL, r)
                                   : std::ldexp(r, int(std::min<int64_t>(-exponent, 4000)));
        return {Folded(inUnits, dr) - dcRelative.re,
                2.0 * (y.re * w.im + (y.im + w.im * scale) * w.re) - dcRelative.im};
    }
    // Linear part on the reference's side s of the fold: A = [[2 s X, -2 s Y], [2 Y, 2 X]], B = -1.
    static MatrixExp LinearA(ComplexExp y, Cd aux, Cd /*c*/) {
        const double twiceSide = aux.re >= 0 ? 2.0 : -2.0;
        return MatrixExp::Of({twiceSide * y.re, -twiceSide * y.im, 2.0 * y.im, 2.0 * y.re}, y.e);
    }
    static MatrixExp LinearB(ComplexExp /*y*/, Cd /*aux*/, Cd /*c*/) {
        return MatrixExp::Of({-1.0, 0.0, 0.0, -1.0});
    }
    // The neglected squares are at most |dz|^2 beside the kept 2 |Y| |dz|, as for the classic set; and
    // the pixel stays on the reference's side of the fold while |dr| <= (2 |Y| + |dz|) |dz| stays below
    // |R|.
    static FloatExp LinearRadius(ComplexExp y, Cd aux, Cd c, FloatExp dcLargest, double tolerance) {
        if (aux.re == 0.0) return {};
        const FloatExp square = ClassicPerturbation::LinearRadius(y, aux, c, dcLargest, tolerance);
        const FloatExp fold = FloatExp::Of(std::fabs(aux.re) * (1.0 - 0x1p-20)) /
                              (FloatExp::Of(2.0 + tolerance) * Sqrt(y.Norm()));
        return fold < square ? fold : square;
    }

  private:
    // |R + dr| - |R| without the difference of large values.
    static double Folded(double r, double dr) {
        const double full = r + dr;
        if (r >= 0) return full >= 0 ? dr : -(r + full);
        return full > 0 ? r + full : -dr;
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
    static constexpr bool kConformal = true;
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
    // In units of 2^e (every such dz is close): the side in those units only where the pixel could be
    // on the line's other side, as for the fold of "Spiral Symmetry 2".
    static bool CrossesScaled(const OrbitCursor& at, Cd w, int64_t exponent, Cd dcRelative, Cd c) {
        const double side = at.Aux().re;
        if (std::fabs(side) > 0x1p-400) return false;
        const double scale = PowerOfTwo(exponent);
        const Cd y = at.Here();
        const double inUnits = std::ldexp(side, int(std::min<int64_t>(-exponent, 4000)));
        const double change = (w.re * c.im + w.im * c.re) +
                              ((y.re + w.re * scale) * dcRelative.im + (y.im + w.im * scale) * dcRelative.re);
        return (inUnits + change < 0) != (side < 0);
    }
    // On the reference's branch: a pixel on the other one has crossed before the step.
    static Cd StepScaled(const OrbitCursor& at, Cd w, int64_t exponent, Cd dcRelative, Cd c) {
        const Cd y = at.Here();
        const double scale = PowerOfTwo(exponent);
        const double referenceShift = at.Aux().re < 0 ? 1.0 : -1.0;
        return w * c + Cd{y.re + referenceShift + w.re * scale, y.im + w.im * scale} * dcRelative;
    }
    // Linear part on the reference's branch T: A = C, B = Y + T; what it neglects is dz dc.
    static ComplexExp LinearA(ComplexExp /*y*/, Cd /*aux*/, Cd c) { return ComplexExp::Of(c.re, c.im); }
    static ComplexExp LinearB(ComplexExp y, Cd aux, Cd /*c*/) {
        return y + ComplexExp::Of(aux.re < 0 ? 1.0 : -1.0, 0.0);
    }
    // dz dc stays small beside C dz while |dc| is small beside |C|; and the pixel stays on the
    // reference's branch while its change of side, |dS| <= |dz| (|C| + |dc|) + |Y| |dc|, stays below
    // |S|.
    static FloatExp LinearRadius(ComplexExp y, Cd aux, Cd c, FloatExp dcLargest, double tolerance) {
        const FloatExp magnitudeC = FloatExp::Of(Magnitude(c));
        if (!(dcLargest < FloatExp::Of(tolerance) * magnitudeC)) return {};
        const FloatExp room = FloatExp::Of(std::fabs(aux.re) * (1.0 - 0x1p-20)) - Sqrt(y.Norm()) * dcLargest;
        if (!(room.m > 0)) return {};
        return room / (magnitudeC + dcLargest);
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
    static constexpr bool kConformal = false;
    static constexpr bool kBranches = false;

    static Cd Step(const OrbitCursor& at, Cd dz, Cd dc, Cd c) { return StepScaled(at, dz, 0, dc, c); }
    // In units of 2^e: the changes of P and dz, not P itself.
    static Cd StepScaled(const OrbitCursor& at, Cd w, int64_t exponent, Cd dcRelative, Cd c) {
        const Cd y = at.Here();
        const double scale = PowerOfTwo(exponent);
        const Difference x = DifferenceAt(y.re, w.re, scale), v = DifferenceAt(y.im, w.im, scale);
        const double fullX = x.value + x.change * scale, fullV = v.value + v.change * scale;
        return {c.im * x.change + dcRelative.im * fullX + w.re - c.re * v.change - dcRelative.re * fullV,
                w.im + c.re * x.change + dcRelative.re * fullX - c.im * v.change - dcRelative.im * fullV};
    }

    // Linear part: A = [[1 + Cy P'(X), -Cx P'(Y)], [Cx P'(X), 1 - Cy P'(Y)]],
    // B = [[-P(Y), P(X)], [P(X), -P(Y)]].
    static MatrixExp LinearA(ComplexExp y, Cd /*aux*/, Cd c) {
        const Polynomial x = At(y.re * PowerOfTwo(y.e)), v = At(y.im * PowerOfTwo(y.e));
        return MatrixExp::Of({1.0 + c.im * x.slope, -c.re * v.slope, c.re * x.slope, 1.0 - c.im * v.slope});
    }
    static MatrixExp LinearB(ComplexExp y, Cd /*aux*/, Cd /*c*/) {
        const Polynomial x = At(y.re * PowerOfTwo(y.e)), v = At(y.im * PowerOfTwo(y.e));
        return MatrixExp::Of({-v.value, x.value, x.value, -v.value});
    }
    // What the linear part neglects: P's curvature, at most |C| M2 |dz|^2, and the products of dc with
    // P's change, at most 1.5 |dc| M1 |dz|, where M1 and M2 bound |P'| and |P''| within kReach of X and
    // Y. Both stay below a quarter of `tolerance` times the least stretch of A.
    static FloatExp LinearRadius(ComplexExp y, Cd aux, Cd c, FloatExp dcLargest, double tolerance) {
        const Polynomial x = At(y.re * PowerOfTwo(y.e)), v = At(y.im * PowerOfTwo(y.e));
        const double room = 0.5 * tolerance * SmallestStretch(LinearA(y, aux, c).ToDouble());
        if (!(room > 0) || !std::isfinite(room)) return {};
        const double slope = std::fmax(x.slopeBound, v.slopeBound);
        if (!(FloatExp::Of(2.0 * slope) * dcLargest < FloatExp::Of(room))) return {};
        const double radius = room / (2.0 * Magnitude(c) * std::fmax(x.curvatureBound, v.curvatureBound));
        return FloatExp::Of(radius < kReach ? radius : kReach);
    }

  private:
    static constexpr double kReach = 0x1p-20;

    struct Polynomial {
        double value, slope;                // P(x), P'(x)
        double slopeBound, curvatureBound;  // of |P'| and |P''| within kReach of x
    };
    static Polynomial At(double x) {
        constexpr std::array<double, 10> kCoefficients = ChebyshevCoefficientsOf(Order);
        const double reach = std::fabs(x) + kReach;
        Polynomial p{0, 0, 0, 0};
        double curvature = 0, slopeChange = 0, curvatureChange = 0;
        for (int32_t j = Order; j >= 0; --j) {
            const double a = kCoefficients[size_t(j)];
            if (j >= 2) curvature = curvature * x + a * j * (j - 1);
            if (j >= 1) p.slope = p.slope * x + a * j;
            p.value = p.value * x + a;
            // |P'(x + t) - P'(x)| <= kReach max |P''| and the same one order up, by the absolute
            // coefficients at the farthest reach.
            if (j >= 2) slopeChange = slopeChange * reach + std::fabs(a) * j * (j - 1);
            if (j >= 3) curvatureChange = curvatureChange * reach + std::fabs(a) * j * (j - 1) * (j - 2);
        }
        p.slopeBound = std::fabs(p.slope) + kReach * slopeChange;
        p.curvatureBound = std::fabs(curvature) + kReach * curvatureChange;
        return p;
    }

    struct Difference {
        double value, change;  // P(X) and (P(X + d) - P(X)) / scale
    };
    // For d = w scale.
    static Difference DifferenceAt(double x, double w, double scale) {
        constexpr ChebyshevNesting kNesting = ChebyshevNestingOf(Order);
        const double u = x * x, du = (2.0 * x + w * scale) * w, fullU = u + du * scale;
        double h = 1.0, dh = 0.0;
        for (int32_t k = 0; k < kNesting.count; ++k) {
            dh = dh * fullU + h * du;
            h = h * u + kNesting.constant[size_t(k)];
        }
        if (!kNesting.odd) return {h, dh};
        return {h * x, dh * (x + w * scale) + h * w};
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
