// Arithmetic that serves plain doubles and vectors of doubles alike, so every equation and rendering is
// written once: with T = double it is the scalar plot, with T = a Highway vector each lane is a pixel.
// With doubles a mask is a bool; with vectors it is the vector's mask.
//
// Included once per instruction set (Highway's foreach_target), hence no ordinary include guard.
#if defined(ZENPHRA_ENGINE_LANES_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ZENPHRA_ENGINE_LANES_INL_H_
#undef ZENPHRA_ENGINE_LANES_INL_H_
#else
#define ZENPHRA_ENGINE_LANES_INL_H_
#endif

#include <cmath>
#include <type_traits>

#include "engine/pixel_context.h"
#include "hwy/contrib/math/math-inl.h"
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace zenphra {
namespace HWY_NAMESPACE {

namespace hn = hwy::HWY_NAMESPACE;

template <class T>
struct LaneTraits {
    using Tag = hn::DFromV<T>;
    using Mask = hn::Mask<Tag>;
    static T Splat(double value) { return hn::Set(Tag(), value); }
    static Mask None() { return hn::FirstN(Tag(), 0); }
    static bool Any(Mask mask) { return !hn::AllFalse(Tag(), mask); }
};

template <>
struct LaneTraits<double> {
    using Mask = bool;
    static double Splat(double value) { return value; }
    static bool None() { return false; }
    static bool Any(bool mask) { return mask; }
};

template <class T>
using MaskOf = typename LaneTraits<T>::Mask;

template <class T>
HWY_INLINE T Splat(double value) {
    return LaneTraits<T>::Splat(value);
}

// The plain-double forms of the vector operations the kernels use.
HWY_INLINE double IfThenElse(bool mask, double yes, double no) { return mask ? yes : no; }
HWY_INLINE bool And(bool a, bool b) { return a && b; }
HWY_INLINE bool Or(bool a, bool b) { return a || b; }
HWY_INLINE bool AndNot(bool notThis, bool that) { return !notThis && that; }
HWY_INLINE bool Not(bool a) { return !a; }
HWY_INLINE double Abs(double x) { return std::fabs(x); }
HWY_INLINE double Neg(double x) { return -x; }

// Abs under a name that classes with an Abs of their own can call.
template <class T>
HWY_INLINE T AbsoluteValue(T x) {
    return Abs(x);
}

// The smaller of a and b as std::min has it: b only when b < a.
template <class T>
HWY_INLINE T Smaller(T a, T b) {
    return IfThenElse(b < a, b, a);
}

// Transcendental functions go lane by lane through the C library, so a vector lane gets the very same
// bits as a plain double. `Function` provides `static double Of(double)` (or of two doubles).
template <class Function, class T>
HWY_INLINE T PerLane(T x) {
    if constexpr (std::is_same_v<T, double>) {
        return Function::Of(x);
    } else {
        const hn::DFromV<T> d;
        HWY_ALIGN double lanes[hn::MaxLanes(d)];
        hn::Store(x, d, lanes);
        for (size_t i = 0; i < hn::Lanes(d); ++i) lanes[i] = Function::Of(lanes[i]);
        return hn::Load(d, lanes);
    }
}

template <class Function, class T>
HWY_INLINE T PerLane(T x, T y) {
    if constexpr (std::is_same_v<T, double>) {
        return Function::Of(x, y);
    } else {
        const hn::DFromV<T> d;
        HWY_ALIGN double xs[hn::MaxLanes(d)];
        HWY_ALIGN double ys[hn::MaxLanes(d)];
        hn::Store(x, d, xs);
        hn::Store(y, d, ys);
        for (size_t i = 0; i < hn::Lanes(d); ++i) xs[i] = Function::Of(xs[i], ys[i]);
        return hn::Load(d, xs);
    }
}

// The transcendental functions as the C library has them, for PerLane and Transcendental, with the
// largest magnitude their vector forms handle accurately (used by VectorDomain below).
struct SinOf {
    static double Of(double x) { return std::sin(x); }
    static constexpr double kVectorLimit = 39000.0;
};
struct CosOf {
    static double Of(double x) { return std::cos(x); }
    static constexpr double kVectorLimit = 39000.0;
};
struct SinhOf {
    static double Of(double x) { return std::sinh(x); }
    static constexpr double kVectorLimit = 700.0;
};
struct CoshOf {
    static double Of(double x) { return std::cosh(x); }
    static constexpr double kVectorLimit = 700.0;
};
struct ExpOf {
    static double Of(double x) { return std::exp(x); }
    static constexpr double kVectorLimit = 700.0;
};
struct LogOf {
    static double Of(double x) { return std::log(x); }
};
struct AtanOf {
    static double Of(double x) { return std::atan(x); }
    static constexpr double kVectorLimit = 1.7976931348623157e308;  // every finite value
};
struct Atan2Of {
    static double Of(double y, double x) { return std::atan2(y, x); }
};

// Where a transcendental function runs at every step (the complex function table of "Angle Function 1"),
// vectors take Highway's vector forms: they may differ from the C library in the last bit, which can
// move a pixel that lies exactly on a colour boundary. Lanes outside the range where a vector form is
// accurate (and zeros, infinities and NaNs) still go through the C library. Plain doubles always do.
template <class V>
HWY_INLINE V VectorTranscendental(SinOf, V x) {
    return hn::Sin(hn::DFromV<V>(), x);
}
template <class V>
HWY_INLINE V VectorTranscendental(CosOf, V x) {
    return hn::Cos(hn::DFromV<V>(), x);
}
template <class V>
HWY_INLINE V VectorTranscendental(SinhOf, V x) {
    return hn::Sinh(hn::DFromV<V>(), x);
}
template <class V>
HWY_INLINE V VectorTranscendental(CoshOf, V x) {
    const hn::DFromV<V> d;
    return (hn::Exp(d, x) + hn::Exp(d, hn::Neg(x))) * hn::Set(d, 0.5);
}
template <class V>
HWY_INLINE V VectorTranscendental(ExpOf, V x) {
    return hn::Exp(hn::DFromV<V>(), x);
}
template <class V>
HWY_INLINE V VectorTranscendental(LogOf, V x) {
    return hn::Log(hn::DFromV<V>(), x);
}
template <class V>
HWY_INLINE V VectorTranscendental(AtanOf, V x) {
    return hn::Atan(hn::DFromV<V>(), x);
}

// The inputs each vector form handles: finite, and within its accurate range.
template <class Function, class V>
HWY_INLINE auto VectorDomain(Function, V x) {
    return hn::Abs(x) <= hn::Set(hn::DFromV<V>(), Function::kVectorLimit);
}
template <class V>
HWY_INLINE auto VectorDomain(LogOf, V x) {
    const hn::DFromV<V> d;
    return hn::And(x >= hn::Set(d, 2.2250738585072014e-308), x <= hn::Set(d, 1.7976931348623157e308));
}

template <class Function, class T>
HWY_INLINE T Transcendental(T x) {
    if constexpr (std::is_same_v<T, double>) {
        return Function::Of(x);
    } else {
        const auto inDomain = VectorDomain(Function(), x);
        const T vector = VectorTranscendental(Function(), x);
        if (HWY_LIKELY(hn::AllTrue(hn::DFromV<T>(), inDomain))) return vector;
        return hn::IfThenElse(inDomain, vector, PerLane<Function>(x));
    }
}

// atan2 the same way: the vector form covers x != 0 with both finite, from the arc tangent of y / x and
// the half-turn for x < 0 on the side of y's sign.
template <class T>
HWY_INLINE T Transcendental2(T y, T x) {
    if constexpr (std::is_same_v<T, double>) {
        return Atan2Of::Of(y, x);
    } else {
        const hn::DFromV<T> d;
        const T huge = hn::Set(d, 1.7976931348623157e308);
        const auto inDomain = hn::And(hn::And(hn::Abs(y) <= huge, hn::Abs(x) <= huge), x != hn::Zero(d));
        const T halfTurn = hn::CopySign(hn::Set(d, kPi), y);
        const T base = hn::Atan(d, y / x);
        const T vector = hn::IfThenElse(x < hn::Zero(d), base + halfTurn, base);
        if (HWY_LIKELY(hn::AllTrue(d, inDomain))) return vector;
        return hn::IfThenElse(inDomain, vector, PerLane<Atan2Of>(y, x));
    }
}

// Square roots are exact in both forms, so vectors take the vector instruction.
template <class T>
HWY_INLINE T SquareRootOf(T x) {
    if constexpr (std::is_same_v<T, double>) {
        return std::sqrt(x);
    } else {
        return hn::Sqrt(x);
    }
}

}  // namespace HWY_NAMESPACE
}  // namespace zenphra
HWY_AFTER_NAMESPACE();

#endif  // ZENPHRA_ENGINE_LANES_INL_H_
