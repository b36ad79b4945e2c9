// The six escape-time equations: one step each, from the current z to the next, plus where z starts in
// set mode. Both new components are computed from the old ones.
#pragma once

#include <cmath>
#include <cstdint>

#include "engine/complex_math.h"

namespace zenphra {

enum EquationCode : int32_t {
    kClassicMandelbrot = 0,
    kPokorny = 1,
    kSpiralSymmetry2 = 7,
    kLambda = 24,
    kBarnsley2 = 28,
    kChebyshev = 29,
};

// What a step needs beyond z and c.
struct EquationConstants {
    int32_t chebyshevOrder = 3;
};

// The Chebyshev order: the integer part of P3 + 0.1, kept within 3 to 9 (clamped before the conversion,
// so no value of P3 is out of range for it).
inline int32_t ChebyshevOrder(double parm3) {
    const double order = parm3 + 0.1;
    if (!(order >= 3.0)) return 3;
    if (order >= 9.0) return 9;
    return static_cast<int32_t>(order);
}

// The polynomials in x^2, nested exactly so. From P5 on each is x times the previous minus the one
// before it, which makes P5 end in +3x.
inline double ChebyshevPolynomial(int32_t order, double x) {
    const double x2 = x * x;
    switch (order) {
        case 3:
            return (x2 - 3) * x;
        case 4:
            return (x2 - 4) * x2 + 2;
        case 5:
            return ((x2 - 5) * x2 + 3) * x;
        case 6:
            return ((x2 - 6) * x2 + 7) * x2 - 2;
        case 7:
            return (((x2 - 7) * x2 + 12) * x2 - 5) * x;
        case 8:
            return (((x2 - 8) * x2 + 18) * x2 - 12) * x2 + 2;
        default:
            return ((((x2 - 9) * x2 + 25) * x2 - 24) * x2 + 7) * x;
    }
}

struct ClassicMandelbrotStep {
    static constexpr double kSetStartReal = 0.0;
    static Complex Next(Complex z, Complex c, const EquationConstants&) {
        const double im = 2 * z.re * z.im + c.im;
        const double re = c.re + (z.re * z.re - z.im * z.im);
        return {re, im};
    }
};

struct PokornyStep {
    static constexpr double kSetStartReal = 0.0;
    static Complex Next(Complex z, Complex c, const EquationConstants& constants) {
        return Divide(kOne, ClassicMandelbrotStep::Next(z, c, constants));
    }
};

struct SpiralSymmetry2Step {
    static constexpr double kSetStartReal = 0.0;
    static Complex Next(Complex z, Complex c, const EquationConstants&) {
        const double im = 2 * z.re * z.im - c.im;
        const double re = std::fabs(z.re * z.re - z.im * z.im) - c.re;
        return {re, im};
    }
};

struct LambdaStep {
    static constexpr double kSetStartReal = 0.5;
    static Complex Next(Complex z, Complex c, const EquationConstants&) {
        const Complex oneMinusZ{1 - z.re, -z.im};
        return Multiply(c, Multiply(z, oneMinusZ));
    }
};

struct Barnsley2Step {
    static constexpr double kSetStartReal = 0.0;
    static Complex Next(Complex z, Complex c, const EquationConstants&) {
        const double side = z.re * c.im + z.im * c.re;
        const Complex shifted = side < 0 ? Complex{z.re + 1, z.im} : Complex{z.re - 1, z.im};
        return Multiply(shifted, c);
    }
};

struct ChebyshevStep {
    static constexpr double kSetStartReal = 0.5;
    static Complex Next(Complex z, Complex c, const EquationConstants& constants) {
        const double a = ChebyshevPolynomial(constants.chebyshevOrder, z.re);
        const double b = ChebyshevPolynomial(constants.chebyshevOrder, z.im);
        return {c.im * a + (z.re - c.re * b), (z.im + c.re * a) - c.im * b};
    }
};

// An equation code the library does not know leaves z as it is.
struct UnknownEquationStep {
    static constexpr double kSetStartReal = 0.0;
    static Complex Next(Complex z, Complex, const EquationConstants&) { return z; }
};

// Calls f with the step type of the equation code: f(ClassicMandelbrotStep{}) and so on.
template <class F>
decltype(auto) WithEquation(int32_t code, F&& f) {
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

// The classic set's main cardioid and period-2 disk never escape; their points are finished at once
// with the maximum-iteration colour. The constants stand for 3 sqrt(3) / 8 and sqrt(3) / 8 and are used
// with exactly these ten decimals.
bool InClassicInterior(double px, double py);

}  // namespace zenphra
