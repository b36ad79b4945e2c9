// The nine renderings. After every step of the iteration a rendering measures the orbit against its
// trap: a catch ends the pixel with a colour from the trap value (or, for "Level Set", from the
// iteration), an escape ends it with the background colour, anything else goes on to the next step.
//
// Each rendering is one struct: Prepare() sets its per-row constants, Test() looks at the orbit after a
// step, kMapping says how a caught trap value becomes a position in the colour range.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/complex_functions.h"
#include "engine/complex_math.h"

namespace zenphra {

enum RenderingCode : int32_t {
    kRings = 0,
    kSpheres = 1,
    kSquares = 4,
    kAtan = 8,
    kPetals = 9,
    kStalks = 11,
    kAngleFunction1 = 12,
    kLevelSet = 14,
    kCones = 18,
};

inline constexpr double kHalfPi = 1.5707963267948966;
inline constexpr double kPi = 3.141592653589793;

// The orbit of one pixel, made afresh for every pixel.
struct Orbit {
    Complex z;
    Complex previous;    // z before the latest step
    double m = 0;        // |z|^2 after the latest step
    int32_t n = 0;       // the iteration, from 0
    int32_t range = 0;   // the colour range a catch will use
    double trap = 1e20;  // the rendering's measure
};

// What the renderings need, fixed for one row.
struct RenderConstants {
    int32_t numRanges = 2;  // 2, 4 or 8
    int32_t colours = 116;  // per range: 29, 58 or 116
    int32_t half = 58;      // colours / 2
    int32_t itersToSkip = 0;
    double limitValue = 0;  // escape when |z|^2 exceeds it
    bool juliaMode = false;
    bool banding = false;
    double parm1 = 0, parm2 = 0;
    double trapLimit = 0;  // L: a trap value below it is caught
    double scale = 0;      // colours / L
    double squareHigh = 0, squareLow = 0;
    double petalCentre = 0, petalRadiusSquared = 0, petalCorner = 0;
    ComplexFunction func1 = nullptr, func2 = nullptr;
};

enum class Outcome { kContinue, kCaught, kEscaped };
enum class IndexMapping { kDirect, kReversed, kMirrored, kLevel };

inline void AdvanceRange(Orbit& orbit, const RenderConstants& k) {
    if (++orbit.range == k.numRanges) orbit.range = 0;
}

// The usual ending of a trap test that did not catch: next range, then the escape test.
inline Outcome AdvanceThenEscapeTest(Orbit& orbit, const RenderConstants& k) {
    AdvanceRange(orbit, k);
    return orbit.m > k.limitValue ? Outcome::kEscaped : Outcome::kContinue;
}

inline Outcome CatchBelowLimit(Orbit& orbit, const RenderConstants& k) {
    if (orbit.trap < k.trapLimit && orbit.n >= k.itersToSkip) return Outcome::kCaught;
    return AdvanceThenEscapeTest(orbit, k);
}

// |arctan(dy / dx)| of the last step, or pi/2 when the real part hardly moved.
inline double StepAngle(const Orbit& orbit) {
    const double dx = orbit.z.re - orbit.previous.re;
    const double dy = orbit.z.im - orbit.previous.im;
    return std::fabs(dx) < 1e-25 ? kHalfPi : std::fabs(std::atan(dy / dx));
}

// A ring around the circle of radius 0.5.
struct Rings {
    static constexpr IndexMapping kMapping = IndexMapping::kDirect;
    static void Prepare(RenderConstants& k) { k.trapLimit = k.parm1; }
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        orbit.trap = std::fabs(orbit.m - 0.25);
        return CatchBelowLimit(orbit, k);
    }
};

// How much the orbit shrank in the last step.
struct Spheres {
    static constexpr IndexMapping kMapping = IndexMapping::kDirect;
    static void Prepare(RenderConstants& k) { k.trapLimit = k.parm1; }
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        const double previousModulus =
            orbit.previous.re * orbit.previous.re + orbit.previous.im * orbit.previous.im;
        orbit.previous = orbit.z;
        if (!k.juliaMode && orbit.n == 0) return Outcome::kContinue;
        orbit.trap = orbit.m < 1e-30 ? 1e20 : previousModulus / orbit.m;
        return CatchBelowLimit(orbit, k);
    }
};

// Four small squares of half-size P1 around (+-0.5, +-0.5).
struct Squares {
    static constexpr IndexMapping kMapping = IndexMapping::kMirrored;
    static void Prepare(RenderConstants& k) {
        k.trapLimit = k.parm1;
        k.squareHigh = k.parm1 + 0.5;
        k.squareLow = 0.5 - k.parm1;
    }
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        const double ax = std::fabs(orbit.z.re);
        const double ay = std::fabs(orbit.z.im);
        const bool inside = k.squareLow < ax && ax < k.squareHigh && k.squareLow < ay && ay < k.squareHigh;
        orbit.trap = inside ? std::min(std::fabs(ax - 0.5), std::fabs(ay - 0.5)) : 1e20;
        return CatchBelowLimit(orbit, k);
    }
};

// Thin stalks along both axes, P1 thick and reaching out to |z|^2 = P2.
struct Stalks {
    static constexpr IndexMapping kMapping = IndexMapping::kDirect;
    static void Prepare(RenderConstants& k) { k.trapLimit = k.parm1; }
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        orbit.trap = std::min(std::fabs(orbit.z.re), std::fabs(orbit.z.im));
        if (orbit.trap < k.trapLimit && orbit.m < k.parm2 && orbit.n >= k.itersToSkip)
            return Outcome::kCaught;
        return AdvanceThenEscapeTest(orbit, k);
    }
};

// The direction of the last step, once the real part is beyond P1. No escape test.
struct Atan {
    static constexpr IndexMapping kMapping = IndexMapping::kDirect;
    static void Prepare(RenderConstants& k) { k.trapLimit = kHalfPi; }
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        AdvanceRange(orbit, k);
        if (!k.juliaMode && orbit.n == 0) return Outcome::kContinue;
        if (std::fabs(orbit.z.re) > k.parm1 && orbit.n >= k.itersToSkip) {
            orbit.trap = StepAngle(orbit);
            return Outcome::kCaught;
        }
        return Outcome::kContinue;
    }
};

// Four disks of radius P1 centred on the axes at distance (P2 + 1) P1; a petal is the lens where two
// neighbouring disks overlap, and the trap value is the squared distance to that lens's corner.
struct Petals {
    static constexpr IndexMapping kMapping = IndexMapping::kMirrored;
    static void Prepare(RenderConstants& k) {
        const double p1 = k.parm1, p2 = k.parm2;
        k.petalCentre = (p2 + 1) * p1;
        k.petalRadiusSquared = p1 * p1;
        const double s = 1 - (p2 + 2) * p2;
        k.petalCorner = (std::sqrt(s) + p2) * p1;
        k.trapLimit = (s * k.petalRadiusSquared) + (s * k.petalRadiusSquared);
    }
    static double CornerDistance(Complex z, double cornerX, double cornerY) {
        return (z.re - cornerX) * (z.re - cornerX) + (z.im - cornerY) * (z.im - cornerY);
    }
    static double TrapValue(Complex z, const RenderConstants& k) {
        const double x = z.re, y = z.im, a = k.petalCentre, b = k.petalRadiusSquared, d = k.petalCorner;
        const bool inA = (x - a) * (x - a) + y * y < b;  // the disk on the positive real axis
        const bool inB = x * x + (y + a) * (y + a) < b;  // negative imaginary axis
        const bool inC = (x + a) * (x + a) + y * y < b;  // negative real axis
        const bool inD = x * x + (y - a) * (y - a) < b;  // positive imaginary axis
        if (inA) {
            if (inD) return CornerDistance(z, d, d);
            if (inB) return CornerDistance(z, d, -d);
        } else if (inB) {
            return inC ? CornerDistance(z, -d, -d) : 1e20;
        }
        return inC && inD ? CornerDistance(z, -d, d) : 1e20;
    }
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        orbit.trap = TrapValue(orbit.z, k);
        return CatchBelowLimit(orbit, k);
    }
};

// Like "Atan", but caught once |z|^2 exceeds P1, measured on the whole half-turn. No escape test, and the
// skip count does not apply.
struct Cones {
    static constexpr IndexMapping kMapping = IndexMapping::kReversed;
    static void Prepare(RenderConstants& k) { k.trapLimit = kPi; }
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        AdvanceRange(orbit, k);
        if (!k.juliaMode && orbit.n == 0) return Outcome::kContinue;
        if (orbit.m > k.parm1) {
            orbit.trap = StepAngle(orbit);
            if (orbit.z.re - orbit.previous.re < 0) orbit.trap = kPi - orbit.trap;
            return Outcome::kCaught;
        }
        return Outcome::kContinue;
    }
};

// Compares |z|^2 with a value built from the angle of z through the two chosen complex functions.
struct AngleFunction1 {
    static constexpr IndexMapping kMapping = IndexMapping::kDirect;
    static void Prepare(RenderConstants& k) { k.trapLimit = k.parm1; }
    // (re^2 - im^2, 2 im (re^2 - im^2)): the new imaginary part uses the new real part.
    static Complex Fold(Complex w) {
        const double re = w.re * w.re - w.im * w.im;
        return {re, 2 * w.im * re};
    }
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        const double theta = std::fabs(orbit.z.re) < 1e-25 ? kHalfPi : std::atan(orbit.z.im / orbit.z.re);
        const Complex a = Fold(k.func1(Complex{theta, 0.0}));
        const Complex b = Fold(k.func2(Complex{theta, 0.0}));
        const Complex sum{(b.re + a.re) * k.parm2, (b.im + a.im) * k.parm2};
        const double q = sum.re * sum.re + sum.im * sum.im;
        orbit.trap = std::fabs(orbit.m - q);
        return CatchBelowLimit(orbit, k);
    }
};

// Colours by the iteration at which the orbit escaped; no trap.
struct LevelSet {
    static constexpr IndexMapping kMapping = IndexMapping::kLevel;
    static void Prepare(RenderConstants&) {}
    static Outcome Test(Orbit& orbit, const RenderConstants& k) {
        return orbit.m > k.limitValue ? Outcome::kCaught : Outcome::kContinue;
    }
};

// A rendering code the library does not know makes no test: every orbit runs to the iteration limit.
struct UnknownRendering {
    static constexpr IndexMapping kMapping = IndexMapping::kDirect;
    static void Prepare(RenderConstants&) {}
    static Outcome Test(Orbit&, const RenderConstants&) { return Outcome::kContinue; }
};

// Calls f with the rendering type of the code: f(Rings{}) and so on.
template <class F>
decltype(auto) WithRendering(int32_t code, F&& f) {
    switch (code) {
        case kRings:
            return f(Rings{});
        case kSpheres:
            return f(Spheres{});
        case kSquares:
            return f(Squares{});
        case kAtan:
            return f(Atan{});
        case kPetals:
            return f(Petals{});
        case kStalks:
            return f(Stalks{});
        case kAngleFunction1:
            return f(AngleFunction1{});
        case kLevelSet:
            return f(LevelSet{});
        case kCones:
            return f(Cones{});
        default:
            return f(UnknownRendering{});
    }
}

}  // namespace zenphra
