// Numbers beyond the range of a double: a double mantissa with a binary exponent of its own. Deep
// images need them where values fall below about 1e-300 (the pixel step of a view magnified 1e300, the
// approximation table's coefficients) and would underflow as doubles.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace zenphra {

// 2^k as a double for -1022 <= k <= 1023, built from its bits (much cheaper than std::ldexp); beyond
// that range 0 or infinity, which is what a product with it would round to anyway.
inline double PowerOfTwo(int64_t k) {
    if (k < -1022) return 0.0;
    if (k > 1023) return HUGE_VAL;
    return std::bit_cast<double>(uint64_t(k + 1023) << 52);
}

// The binary exponent of a finite non-zero double: x = f * 2^e with 1 <= |f| < 2. Subnormals and 0 give
// -1023 (callers treat them as negligible).
inline int64_t ExponentOf(double x) { return int64_t((std::bit_cast<uint64_t>(x) >> 52) & 0x7ff) - 1023; }

// A real number m * 2^e, kept normalised with 1 <= |m| < 2 (or m = 0, e = 0).
struct FloatExp {
    double m = 0.0;
    int64_t e = 0;

    static FloatExp Of(double value, int64_t exponent = 0) {
        FloatExp x{value, exponent};
        x.Normalise();
        return x;
    }

    void Normalise() {
        if (m == 0.0 || !std::isfinite(m)) {
            if (m == 0.0) e = 0;
            return;
        }
        int shift = 0;
        m = std::frexp(m, &shift);  // 0.5 <= |m| < 1
        m *= 2.0;
        e += shift - 1;
    }

    // The nearest double: 0 below the smallest normal double, infinity beyond the largest.
    double ToDouble() const { return m * PowerOfTwo(e); }

    bool IsZero() const { return m == 0.0; }
};

inline FloatExp operator*(FloatExp a, FloatExp b) { return FloatExp::Of(a.m * b.m, a.e + b.e); }

inline FloatExp operator/(FloatExp a, FloatExp b) { return FloatExp::Of(a.m / b.m, a.e - b.e); }

inline FloatExp operator+(FloatExp a, FloatExp b) {
    if (a.IsZero()) return b;
    if (b.IsZero()) return a;
    if (a.e < b.e) std::swap(a, b);
    return FloatExp::Of(a.m + b.m * PowerOfTwo(b.e - a.e), a.e);
}

inline FloatExp operator-(FloatExp a) { return {-a.m, a.e}; }
inline FloatExp operator-(FloatExp a, FloatExp b) { return a + -b; }

inline bool operator<(FloatExp a, FloatExp b) {
    // Compares signed values; equal exponents compare mantissas.
    if ((a.m < 0) != (b.m < 0) || a.IsZero() || b.IsZero()) return a.m < b.m;
    if (a.e != b.e) return (a.e < b.e) == (a.m > 0);
    return a.m < b.m;
}

inline FloatExp Abs(FloatExp a) { return {std::fabs(a.m), a.e}; }

inline FloatExp Sqrt(FloatExp a) {
    if (a.IsZero()) return a;
    // An even exponent halves exactly.
    const bool odd = (a.e & 1) != 0;
    return FloatExp::Of(std::sqrt(odd ? 2.0 * a.m : a.m), (a.e - (odd ? 1 : 0)) / 2);
}

// A complex number (re + i im) * 2^e with one exponent for both parts, kept so that the larger part has
// 1 <= |part| < 2 (or both parts 0).
struct ComplexExp {
    double re = 0.0, im = 0.0;
    int64_t e = 0;

    static ComplexExp Of(double re, double im, int64_t exponent = 0) {
        ComplexExp z{re, im, exponent};
        z.Normalise();
        return z;
    }

    void Normalise() {
        const double larger = std::fmax(std::fabs(re), std::fabs(im));
        if (larger == 0.0 || !std::isfinite(larger)) {
            if (larger == 0.0) e = 0;
            return;
        }
        const int64_t shift = ExponentOf(larger);
        if (shift < -1000 || shift > 1000) {  // subnormal parts cannot be scaled by one power
            int exponent = 0;
            std::frexp(larger, &exponent);
            re = std::ldexp(re, -(exponent - 1));
            im = std::ldexp(im, -(exponent - 1));
            e += exponent - 1;
            return;
        }
        const double scale = PowerOfTwo(-shift);
        re *= scale;
        im *= scale;
        e += shift;
    }

    bool IsZero() const { return re == 0.0 && im == 0.0; }

    // |z|^2 with its own exponent.
    FloatExp Norm() const { return FloatExp::Of(re * re + im * im, 2 * e); }
};

inline ComplexExp operator*(ComplexExp a, ComplexExp b) {
    return ComplexExp::Of(a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re, a.e + b.e);
}

inline ComplexExp operator*(FloatExp a, ComplexExp b) {
    return ComplexExp::Of(a.m * b.re, a.m * b.im, a.e + b.e);
}

inline ComplexExp operator+(ComplexExp a, ComplexExp b) {
    if (a.IsZero()) return b;
    if (b.IsZero()) return a;
    if (a.e < b.e) std::swap(a, b);
    const double scale = PowerOfTwo(b.e - a.e);
    return ComplexExp::Of(a.re + b.re * scale, a.im + b.im * scale, a.e);
}

inline ComplexExp operator-(ComplexExp a) { return {-a.re, -a.im, a.e}; }
inline ComplexExp operator-(ComplexExp a, ComplexExp b) { return a + -b; }

}  // namespace zenphra
