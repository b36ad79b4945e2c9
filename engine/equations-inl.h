// The six escape-time equations: one step each, from the current z to the next, and where z starts in
// set mode. Both new components are computed from the old ones.
#if defined(ZENPHRA_ENGINE_EQUATIONS_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ZENPHRA_ENGINE_EQUATIONS_INL_H_
#undef ZENPHRA_ENGINE_EQUATIONS_INL_H_
#else
#define ZENPHRA_ENGINE_EQUATIONS_INL_H_
#endif

#include <cstdint>
#include <type_traits>

#include "engine/complex-inl.h"
#include "engine/equation_codes.h"
#include "engine/lanes-inl.h"
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace zenphra {
namespace HWY_NAMESPACE {

// The Chebyshev polynomials in x^2, nested exactly so. From P5 on each is x times the previous minus the
// one before it, which makes P5 end in +3x.
template <class T>
HWY_INLINE T ChebyshevPolynomial(int32_t order, T x) {
    const T x2 = x * x;
    auto k = [](double value) { return Splat<T>(value); };
    switch (order) {
        case 3:
            return (x2 - k(3)) * x;
        case 4:
            return (x2 - k(4)) * x2 + k(2);
        case 5:
            return ((x2 - k(5)) * x2 + k(3)) * x;
        case 6:
            return ((x2 - k(6)) * x2 + k(7)) * x2 - k(2);
        case 7:
            return (((x2 - k(7)) * x2 + k(12)) * x2 - k(5)) * x;
        case 8:
            return (((x2 - k(8)) * x2 + k(18)) * x2 - k(12)) * x2 + k(2);
        default:
            return ((((x2 - k(9)) * x2 + k(25)) * x2 - k(24)) * x2 + k(7)) * x;
    }
}

struct ClassicMandelbrotStep {
    static constexpr double kSetStartReal = 0.0;
    template <class T>
    static HWY_INLINE Cplx<T> Next(Cplx<T> z, Cplx<T> c, const EquationConstants& constants) {
        const T im = Splat<T>(constants.two) * z.re * z.im + c.im;
        const T re = c.re + (z.re * z.re - z.im * z.im);
        return {re, im};
    }
};

// The classic step, then 1 / z.
struct PokornyStep {
    static constexpr double kSetStartReal = 0.0;
    template <class T>
    static HWY_INLINE Cplx<T> Next(Cplx<T> z, Cplx<T> c, const EquationConstants& constants) {
        return Divide(One<T>(), ClassicMandelbrotStep::Next(z, c, constants));
    }
};

struct SpiralSymmetry2Step {
    static constexpr double kSetStartReal = 0.0;
    template <class T>
    static HWY_INLINE Cplx<T> Next(Cplx<T> z, Cplx<T> c, const EquationConstants& constants) {
        const T im = Splat<T>(constants.two) * z.re * z.im - c.im;
        const T re = Abs(z.re * z.re - z.im * z.im) - c.re;
        return {re, im};
    }
};

struct LambdaStep {
    static constexpr double kSetStartReal = 0.5;
    template <class T>
    static HWY_INLINE Cplx<T> Next(Cplx<T> z, Cplx<T> c, const EquationConstants&) {
        const Cplx<T> oneMinusZ{Splat<T>(1.0) - z.re, Neg(z.im)};
        return Multiply(c, Multiply(z, oneMinusZ));
    }
};

// (z - 1) c or (z + 1) c, by the side of a line through 0; exactly on it, (z - 1) c.
struct Barnsley2Step {
    static constexpr double kSetStartReal = 0.0;
    template <class T>
    static HWY_INLINE Cplx<T> Next(Cplx<T> z, Cplx<T> c, const EquationConstants&) {
        const T side = z.re * c.im + z.im * c.re;
        const T shiftedRe = IfThenElse(side < Splat<T>(0.0), z.re + Splat<T>(1.0), z.re - Splat<T>(1.0));
        return Multiply(Cplx<T>{shiftedRe, z.im}, c);
    }
};

struct ChebyshevStep {
    static constexpr double kSetStartReal = 0.5;
    template <class T>
    static HWY_INLINE Cplx<T> Next(Cplx<T> z, Cplx<T> c, const EquationConstants& constants) {
        const T a = ChebyshevPolynomial(constants.chebyshevOrder, z.re);
        const T b = ChebyshevPolynomial(constants.chebyshevOrder, z.im);
        return {c.im * a + (z.re - c.re * b), (z.im + c.re * a) - c.im * b};
    }
};

// An equation code the library does not know leaves z as it is.
struct UnknownEquationStep {
    static constexpr double kSetStartReal = 0.0;
    template <class T>
    static HWY_INLINE Cplx<T> Next(Cplx<T> z, Cplx<T>, const EquationConstants&) {
        return z;
    }
};

// The classic set's main cardioid and period-2 disk never escape; their points are finished at once with
// the maximum-iteration colour. The constants stand for 3 sqrt(3) / 8 and sqrt(3) / 8 and are used with
// exactly these ten decimals. Away from the cardioid's edge its implicit equation q (q + x - 1/4) = y^2 / 4
// decides at once; the margin is far wider than the rounding of the construction by the edge's angle,
// which decides the points near the edge (one at a time: it is rarely needed).
template <class T>
HWY_INLINE MaskOf<T> InClassicInterior(T px, T py) {
    auto k = [](double value) { return Splat<T>(value); };
    const T absY = Abs(py);
    const auto inStrip = absY < k(0.6495190528);
    const T r = SquareRootOf(k(0.0625) - py * py);  // not a number beyond the disk's rows, where unused
    const auto inDisk = And(absY < k(0.25), And(k(-1.0) - r < px, px < r - k(1.0)));
    const auto inRange = And(k(-0.75) < px, px < k(0.375));
    const T x = px - k(0.25);
    const T q = x * x + py * py;
    const T edge = q * (q + x) - k(0.25) * py * py;
    const auto besideEdge = And(Not(edge > k(1e-9)), Not(edge < k(-1e-9)));
    auto inside = And(inStrip, Or(inDisk, And(inRange, edge < k(-1e-9))));
    const auto byAngle = And(AndNot(inDisk, And(inStrip, inRange)), besideEdge);
    if (HWY_UNLIKELY(LaneTraits<T>::Any(byAngle))) {
        if constexpr (std::is_same_v<T, double>) {
            inside = InCardioidByAngle(px, py);
        } else {
            const hn::DFromV<T> d;
            HWY_ALIGN double xs[hn::MaxLanes(d)];
            HWY_ALIGN double ys[hn::MaxLanes(d)];
            HWY_ALIGN double angleSays[hn::MaxLanes(d)];
            hn::Store(px, d, xs);
            hn::Store(py, d, ys);
            for (size_t i = 0; i < hn::Lanes(d); ++i)
                angleSays[i] = InCardioidByAngle(xs[i], ys[i]) ? 1.0 : 0.0;
            inside = Or(inside, And(byAngle, hn::Load(d, angleSays) != hn::Zero(d)));
        }
    }
    return inside;
}

// Calls f with the step type of the equation code: f(ClassicMandelbrotStep{}) and so on.
template <class F>
HWY_INLINE decltype(auto) WithEquation(int32_t code, F&& f) {
    switch (code) {
        case kClassicMandelbrot:
            return f(ClassicMandelbrotStep{});
        case kPokorny:
            return f(PokornyStep{});
        case kSpiralSymmetry2:
            return f(SpiralSymmetry2Step{});
        case kLambda:
            return f(LambdaStep{});
        case kBarnsley2:
            return f(Barnsley2Step{});
        case kChebyshev:
            return f(ChebyshevStep{});
        default:
            return f(UnknownEquationStep{});
    }
}

}  // namespace HWY_NAMESPACE
}  // namespace zenphra
HWY_AFTER_NAMESPACE();

#endif  // ZENPHRA_ENGINE_EQUATIONS_INL_H_
