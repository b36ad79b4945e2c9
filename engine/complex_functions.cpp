#include "engine/complex_functions.h"

#include <cmath>

namespace zenphra {
namespace {

Complex Ident(Complex z) { return z; }
Complex Recip(Complex z) { return Divide(kOne, z); }
Complex Sqr(Complex z) { return Square(z); }
Complex Sqrt(Complex z) { return SquareRoot(z); }
Complex Sin(Complex z) { return {std::sin(z.re) * std::cosh(z.im), std::cos(z.re) * std::sinh(z.im)}; }
Complex Cos(Complex z) { return {std::cos(z.re) * std::cosh(z.im), -(std::sin(z.re) * std::sinh(z.im))}; }
Complex Tan(Complex z) { return Divide(Sin(z), Cos(z)); }
Complex Cotan(Complex z) { return Recip(Tan(z)); }

// "asin" and "acos" multiply the logarithm by +i, so they give the negative of the principal values.
Complex Asin(Complex z) {
    const Complex u = Add(SquareRoot(Subtract(kOne, Square(z))), Complex{-z.im, z.re});
    const Complex l = Logarithm(u);
    return {-l.im, l.re};
}
Complex Acos(Complex z) {
    const Complex u = Add(SquareRoot(Subtract(Square(z), kOne)), z);
    const Complex l = Logarithm(u);
    return {-l.im, l.re};
}
Complex Atan(Complex z) {
    const Complex l = Logarithm(Divide(Complex{1 + z.im, -z.re}, Complex{1 - z.im, z.re}));
    return {-0.5 * l.im, 0.5 * l.re};
}

Complex Sinh(Complex z) { return {std::sinh(z.re) * std::cos(z.im), std::cosh(z.re) * std::sin(z.im)}; }
Complex Cosh(Complex z) { return {std::cosh(z.re) * std::cos(z.im), std::sinh(z.re) * std::sin(z.im)}; }
Complex Tanh(Complex z) { return Divide(Sinh(z), Cosh(z)); }
Complex Cotanh(Complex z) { return Recip(Tanh(z)); }
Complex Asinh(Complex z) { return Logarithm(Add(z, SquareRoot(Add(Square(z), kOne)))); }
Complex Acosh(Complex z) { return Logarithm(Add(z, SquareRoot(Subtract(Square(z), kOne)))); }
Complex Atanh(Complex z) {
    const Complex l = Logarithm(Divide(Complex{1 + z.re, z.im}, Complex{1 - z.re, -z.im}));
    return {0.5 * l.re, 0.5 * l.im};
}
Complex Exp(Complex z) { return {std::exp(z.re) * std::cos(z.im), std::exp(z.re) * std::sin(z.im)}; }
Complex Log(Complex z) { return Logarithm(z); }
Complex Zero(Complex) { return {0.0, 0.0}; }
Complex Abs(Complex z) { return {std::fabs(z.re), std::fabs(z.im)}; }
Complex Cabs(Complex z) { return {std::sqrt(z.re * z.re + z.im * z.im), 0.0}; }
Complex Flip(Complex z) { return {z.im, z.re}; }
Complex Conj(Complex z) { return {z.re, -z.im}; }

constexpr ComplexFunction kFunctions[kComplexFunctionCount] = {
    Ident, Recip,  Sqr,   Sqrt,  Sin,   Cos, Tan, Cotan, Asin, Acos, Atan, Sinh, Cosh,
    Tanh,  Cotanh, Asinh, Acosh, Atanh, Exp, Log, Zero,  Abs,  Cabs, Flip, Conj,
};

}  // namespace

ComplexFunction ComplexFunctionAt(int32_t index) {
    return index >= 0 && index < kComplexFunctionCount ? kFunctions[index] : kFunctions[0];
}

}  // namespace zenphra
