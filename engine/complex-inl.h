// Complex arithmetic of the equations and renderings, and the 25 functions "Angle Function 1" applies
// (in the order of the program's lists: "ident", "recip", "sqr", ... "conj"). Every operation is written
// out in the order its result depends on: results are compared bit for bit.
#if defined(ZENPHRA_ENGINE_COMPLEX_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ZENPHRA_ENGINE_COMPLEX_INL_H_
#undef ZENPHRA_ENGINE_COMPLEX_INL_H_
#else
#define ZENPHRA_ENGINE_COMPLEX_INL_H_
#endif

#include <cstdint>

#include "engine/lanes-inl.h"
#include "engine/pixel_context.h"
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace zenphra {
namespace HWY_NAMESPACE {

template <class T>
struct Cplx {
    T re;
    T im;
};

template <class T>
HWY_INLINE Cplx<T> One() {
    return {Splat<T>(1.0), Splat<T>(0.0)};
}

// A divisor whose squared modulus is below 1e-30 gives (1e20, 1e20) instead of an infinity.
template <class T>
HWY_INLINE Cplx<T> Divide(Cplx<T> a, Cplx<T> b) {
    const T q = b.re * b.re + b.im * b.im;
    const auto tiny = q < Splat<T>(1e-30);
    const T guard = Splat<T>(1e20);
    return {IfThenElse(tiny, guard, (a.re * b.re + a.im * b.im) / q),
            IfThenElse(tiny, guard, (b.re * a.im - a.re * b.im) / q)};
}

template <class T>
HWY_INLINE Cplx<T> Multiply(Cplx<T> a, Cplx<T> b) {
    return {a.re * b.re - b.im * a.im, a.im * b.re + b.im * a.re};
}

template <class T>
HWY_INLINE Cplx<T> Square(Cplx<T> a) {
    return {a.re * a.re - a.im * a.im, Splat<T>(2.0) * a.re * a.im};
}

// The square root of the modulus is taken as sqrt(sqrt(re^2 + im^2)), not through hypot.
template <class T>
HWY_INLINE Cplx<T> SquareRoot(Cplx<T> a) {
    const T r = SquareRootOf(SquareRootOf(a.re * a.re + a.im * a.im));
    const T phi = Transcendental2(a.im, a.re) / Splat<T>(2.0);
    return {r * Transcendental<CosOf>(phi), r * Transcendental<SinOf>(phi)};
}

template <class T>
HWY_INLINE Cplx<T> Logarithm(Cplx<T> a) {
    return {Splat<T>(0.5) * Transcendental<LogOf>(a.re * a.re + a.im * a.im), Transcendental2(a.im, a.re)};
}

template <class T>
HWY_INLINE Cplx<T> Add(Cplx<T> a, Cplx<T> b) {
    return {a.re + b.re, a.im + b.im};
}

template <class T>
HWY_INLINE Cplx<T> Subtract(Cplx<T> a, Cplx<T> b) {
    return {a.re - b.re, a.im - b.im};
}

// The function table.
template <class T>
struct ComplexFunctions {
    using Function = Cplx<T> (*)(Cplx<T>);

    static Cplx<T> Ident(Cplx<T> z) { return z; }
    static Cplx<T> Recip(Cplx<T> z) { return Divide(One<T>(), z); }
    static Cplx<T> Sqr(Cplx<T> z) { return Square(z); }
    static Cplx<T> Sqrt(Cplx<T> z) { return SquareRoot(z); }
    static Cplx<T> Sin(Cplx<T> z) {
        return {Transcendental<SinOf>(z.re) * Transcendental<CoshOf>(z.im),
                Transcendental<CosOf>(z.re) * Transcendental<SinhOf>(z.im)};
    }
    static Cplx<T> Cos(Cplx<T> z) {
        return {Transcendental<CosOf>(z.re) * Transcendental<CoshOf>(z.im),
                Neg(Transcendental<SinOf>(z.re) * Transcendental<SinhOf>(z.im))};
    }
    static Cplx<T> Tan(Cplx<T> z) { return Divide(Sin(z), Cos(z)); }
    static Cplx<T> Cotan(Cplx<T> z) { return Recip(Tan(z)); }
    // "asin" and "acos" multiply the logarithm by +i, so they give the negative of the principal values.
    static Cplx<T> Asin(Cplx<T> z) {
        const Cplx<T> l = Logarithm(Add(SquareRoot(Subtract(One<T>(), Square(z))), Cplx<T>{Neg(z.im), z.re}));
        return {Neg(l.im), l.re};
    }
    static Cplx<T> Acos(Cplx<T> z) {
        const Cplx<T> l = Logarithm(Add(SquareRoot(Subtract(Square(z), One<T>())), z));
        return {Neg(l.im), l.re};
    }
    static Cplx<T> Atan(Cplx<T> z) {
        const Cplx<T> l =
            Logarithm(Divide(Cplx<T>{Splat<T>(1.0) + z.im, Neg(z.re)}, Cplx<T>{Splat<T>(1.0) - z.im, z.re}));
        return {Splat<T>(-0.5) * l.im, Splat<T>(0.5) * l.re};
    }
    static Cplx<T> Sinh(Cplx<T> z) {
        return {Transcendental<SinhOf>(z.re) * Transcendental<CosOf>(z.im),
                Transcendental<CoshOf>(z.re) * Transcendental<SinOf>(z.im)};
    }
    static Cplx<T> Cosh(Cplx<T> z) {
        return {Transcendental<CoshOf>(z.re) * Transcendental<CosOf>(z.im),
                Transcendental<SinhOf>(z.re) * Transcendental<SinOf>(z.im)};
    }
    static Cplx<T> Tanh(Cplx<T> z) { return Divide(Sinh(z), Cosh(z)); }
    static Cplx<T> Cotanh(Cplx<T> z) { return Recip(Tanh(z)); }
    static Cplx<T> Asinh(Cplx<T> z) { return Logarithm(Add(z, SquareRoot(Add(Square(z), One<T>())))); }
    static Cplx<T> Acosh(Cplx<T> z) { return Logarithm(Add(z, SquareRoot(Subtract(Square(z), One<T>())))); }
    static Cplx<T> Atanh(Cplx<T> z) {
        const Cplx<T> l =
            Logarithm(Divide(Cplx<T>{Splat<T>(1.0) + z.re, z.im}, Cplx<T>{Splat<T>(1.0) - z.re, Neg(z.im)}));
        return {Splat<T>(0.5) * l.re, Splat<T>(0.5) * l.im};
    }
    static Cplx<T> Exp(Cplx<T> z) {
        const T magnitude = Transcendental<ExpOf>(z.re);
        return {magnitude * Transcendental<CosOf>(z.im), magnitude * Transcendental<SinOf>(z.im)};
    }
    static Cplx<T> Log(Cplx<T> z) { return Logarithm(z); }
    static Cplx<T> Zero(Cplx<T>) { return {Splat<T>(0.0), Splat<T>(0.0)}; }
    static Cplx<T> Abs(Cplx<T> z) { return {AbsoluteValue(z.re), AbsoluteValue(z.im)}; }
    static Cplx<T> Cabs(Cplx<T> z) { return {SquareRootOf(z.re * z.re + z.im * z.im), Splat<T>(0.0)}; }
    static Cplx<T> Flip(Cplx<T> z) { return {z.im, z.re}; }
    static Cplx<T> Conj(Cplx<T> z) { return {z.re, Neg(z.im)}; }

    // The function at a list position; a position outside 0 to 24 is taken as 0 ("ident").
    static Function At(int32_t position) {
        static constexpr Function kTable[] = {Ident, Recip, Sqr,  Sqrt, Sin,  Cos,    Tan,   Cotan, Asin,
                                              Acos,  Atan,  Sinh, Cosh, Tanh, Cotanh, Asinh, Acosh, Atanh,
                                              Exp,   Log,   Zero, Abs,  Cabs, Flip,   Conj};
        static_assert(sizeof(kTable) / sizeof(kTable[0]) == kComplexFunctionCount);
        return position >= 0 && position < kComplexFunctionCount ? kTable[position] : kTable[0];
    }
};

}  // namespace HWY_NAMESPACE
}  // namespace zenphra
HWY_AFTER_NAMESPACE();

#endif  // ZENPHRA_ENGINE_COMPLEX_INL_H_
