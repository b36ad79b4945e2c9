// Complex arithmetic of the equations and renderings. Every operation is written out in the order its
// result depends on (results are compared bit for bit), so none of them is std::complex.
#pragma once

#include <cmath>

namespace zenphra {

struct Complex {
    double re = 0;
    double im = 0;
};

// A divisor whose squared modulus is below 1e-30 gives (1e20, 1e20) instead of an infinity.
inline Complex Divide(Complex a, Complex b) {
    const double q = b.re * b.re + b.im * b.im;
    if (q < 1e-30) return {1e20, 1e20};
    return {(a.re * b.re + a.im * b.im) / q, (b.re * a.im - a.re * b.im) / q};
}

inline Complex Multiply(Complex a, Complex b) {
    return {a.re * b.re - b.im * a.im, a.im * b.re + b.im * a.re};
}

inline Complex Square(Complex a) { return {a.re * a.re - a.im * a.im, 2 * a.re * a.im}; }

// The square root of the modulus is taken as sqrt(sqrt(re^2 + im^2)), not through hypot.
inline Complex SquareRoot(Complex a) {
    const double r = std::sqrt(std::sqrt(a.re * a.re + a.im * a.im));
    const double phi = std::atan2(a.im, a.re) / 2;
    return {r * std::cos(phi), r * std::sin(phi)};
}

inline Complex Logarithm(Complex a) {
    return {0.5 * std::log(a.re * a.re + a.im * a.im), std::atan2(a.im, a.re)};
}

inline Complex Add(Complex a, Complex b) { return {a.re + b.re, a.im + b.im}; }
inline Complex Subtract(Complex a, Complex b) { return {a.re - b.re, a.im - b.im}; }

inline constexpr Complex kOne{1.0, 0.0};

}  // namespace zenphra
