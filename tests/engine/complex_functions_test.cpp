// The complex function table of "Angle Function 1".
#include <gtest/gtest.h>

#include <cmath>

#include "engine/complex-inl.h"

namespace zenphra {
namespace {

using namespace zenphra::HWY_NAMESPACE;
using Complex = Cplx<double>;

Complex FunctionAt(int32_t position, Complex z) { return ComplexFunctions<double>::At(position)(z); }

enum Position {
    kIdent,
    kRecip,
    kSqr,
    kSqrt,
    kSin,
    kCos,
    kTan,
    kCotan,
    kAsin,
    kAcos,
    kAtan,
    kSinh,
    kCosh,
    kTanh,
    kCotanh,
    kAsinh,
    kAcosh,
    kAtanh,
    kExp,
    kLog,
    kZero,
    kAbs,
    kCabs,
    kFlip,
    kConj
};

Complex Apply(int32_t position, double re, double im) { return FunctionAt(position, {re, im}); }

void ExpectNear(Complex actual, double re, double im, double tolerance = 1e-12) {
    EXPECT_NEAR(actual.re, re, tolerance);
    EXPECT_NEAR(actual.im, im, tolerance);
}

TEST(ComplexFunctions, QuotientsAreGuarded) {
    ExpectNear(Apply(kRecip, 0, 0), 1e20, 1e20, 0);
    // cos(pi/2) is about 6e-17; its square is below 1e-30.
    ExpectNear(Apply(kTan, M_PI / 2, 0), 1e20, 1e20, 0);
    ExpectNear(Apply(kRecip, 0, 2), 0, -0.5);
    ExpectNear(Apply(kCotanh, 0, 0), 1e20, 1e20, 0);  // tanh 0 is 0
}

TEST(ComplexFunctions, ElementaryValues) {
    ExpectNear(Apply(kSqrt, -4, 0), 0, 2);
    ExpectNear(Apply(kSqr, 1, 2), -3, 4);
    ExpectNear(Apply(kCabs, 3, 4), 5, 0);
    ExpectNear(Apply(kFlip, 1, 2), 2, 1);
    ExpectNear(Apply(kConj, 1, 2), 1, -2);
    ExpectNear(Apply(kAbs, -1, -2), 1, 2);
    ExpectNear(Apply(kZero, 3, 4), 0, 0);
    ExpectNear(Apply(kIdent, 3, 4), 3, 4);
    ExpectNear(Apply(kExp, 0, M_PI), -1, 0);
    ExpectNear(Apply(kLog, -1, 0), 0, M_PI);
    ExpectNear(Apply(kSin, 0.5, 0.25), std::sin(0.5) * std::cosh(0.25), std::cos(0.5) * std::sinh(0.25));
    ExpectNear(Apply(kCos, 0.5, 0.25), std::cos(0.5) * std::cosh(0.25), -std::sin(0.5) * std::sinh(0.25));
    ExpectNear(Apply(kSinh, 0.5, 0.25), std::sinh(0.5) * std::cos(0.25), std::cosh(0.5) * std::sin(0.25));
    ExpectNear(Apply(kCosh, 0.5, 0.25), std::cosh(0.5) * std::cos(0.25), std::sinh(0.5) * std::sin(0.25));
    ExpectNear(Apply(kTanh, 0.5, 0), std::tanh(0.5), 0);
    ExpectNear(Apply(kCotan, 0.5, 0), 1 / std::tan(0.5), 0);
}

TEST(ComplexFunctions, ArcSineAndArcCosineAreNegatedPrincipalValues) {
    ExpectNear(Apply(kAsin, 0.5, 0), -std::asin(0.5), 0);
    ExpectNear(Apply(kAcos, 0.5, 0), -std::acos(0.5), 0);
    EXPECT_NEAR(Apply(kAsin, 0.5, 0).re, -0.5236, 1e-4);
    EXPECT_NEAR(Apply(kAcos, 0.5, 0).re, -1.0472, 1e-4);
    // Beyond 1 the value is complex: the principal arc sine of 2 is pi/2 - 1.3170 i.
    ExpectNear(Apply(kAsin, 2, 0), -M_PI / 2, std::acosh(2.0), 1e-12);
}

TEST(ComplexFunctions, InverseFunctionsArePrincipal) {
    ExpectNear(Apply(kAtan, 0.5, 0), std::atan(0.5), 0);
    ExpectNear(Apply(kAsinh, 0.5, 0), std::asinh(0.5), 0);
    ExpectNear(Apply(kAcosh, 2, 0), std::acosh(2.0), 0);
    ExpectNear(Apply(kAtanh, 0.5, 0), std::atanh(0.5), 0);
}

TEST(ComplexFunctions, PositionsOutsideTheListAreIdent) {
    ExpectNear(FunctionAt(25, {3, 4}), 3, 4);
    ExpectNear(FunctionAt(-1, {3, 4}), 3, 4);
}

}  // namespace
}  // namespace zenphra
