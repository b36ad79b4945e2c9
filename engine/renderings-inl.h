// The nine renderings. After every step of the iteration a rendering measures the orbit against its
// trap: a catch ends the pixel with a colour from the trap value (or, for "Level Set", from the
// iteration), an escape ends it with the background colour, anything else goes on to the next step.
//
// Each rendering is one struct: Prepare() sets its per-row constants, Test() looks at the orbit after a
// step, and the traits in RenderingTraits say how the pixel loop may treat it. Test() works on the lanes
// in `active` only and leaves every other lane's state as it was, so a finished lane keeps what its
// colour needs.
#if defined(ZENPHRA_ENGINE_RENDERINGS_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ZENPHRA_ENGINE_RENDERINGS_INL_H_
#undef ZENPHRA_ENGINE_RENDERINGS_INL_H_
#else
#define ZENPHRA_ENGINE_RENDERINGS_INL_H_
#endif

#include <cmath>
#include <cstdint>

#include "engine/complex-inl.h"
#include "engine/lanes-inl.h"
#include "engine/pixel_context.h"
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace zenphra {
namespace HWY_NAMESPACE {

// The orbit of one pixel (or of one pixel per lane). The iteration and the range are whole numbers held
// as doubles, so lanes need only one kind of mask.
template <class T>
struct OrbitState {
    Cplx<T> z;
    Cplx<T> previous;  // z before the latest step
    T m;               // |z|^2 after the latest step
    T n;               // the iteration, from 0
    T range;           // the colour range a catch will use
    T trap;            // the rendering's measure at the catch
};

template <class T>
struct Verdict {
    MaskOf<T> caught;
    MaskOf<T> escaped;
};

template <class T>
HWY_INLINE void AdvanceRange(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> lanes) {
    const T next = orbit.range + Splat<T>(1.0);
    const T wrapped = IfThenElse(next == Splat<T>(k.numRanges), Splat<T>(0.0), next);
    orbit.range = IfThenElse(lanes, wrapped, orbit.range);
}

// The usual ending of a trap test: a trap value below the limit (once the skipped iterations are over)
// is caught; otherwise the next range, then the escape test.
template <class T>
HWY_INLINE Verdict<T> CatchBelowLimit(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active,
                                      T trap, MaskOf<T> catchable) {
    const auto caught = And(active, And(catchable, trap < Splat<T>(k.trapLimit)));
    orbit.trap = IfThenElse(caught, trap, orbit.trap);
    const auto goingOn = AndNot(caught, active);
    AdvanceRange(orbit, k, goingOn);
    return {caught, And(goingOn, orbit.m > Splat<T>(k.limitValue))};
}

template <class T>
HWY_INLINE MaskOf<T> PastSkippedIterations(const OrbitState<T>& orbit, const RenderConstants& k) {
    return orbit.n >= Splat<T>(k.itersToSkip);
}

// In set mode the first step is not tested by the renderings that look at the step itself.
template <class T>
HWY_INLINE MaskOf<T> FirstSetStep(const OrbitState<T>& orbit, const RenderConstants& k) {
    return k.juliaMode ? LaneTraits<T>::None() : orbit.n == Splat<T>(0.0);
}

// |arctan(dy / dx)| of the last step, or pi/2 when the real part hardly moved.
template <class T>
HWY_INLINE T StepAngle(const OrbitState<T>& orbit) {
    const T dx = orbit.z.re - orbit.previous.re;
    const T dy = orbit.z.im - orbit.previous.im;
    return IfThenElse(Abs(dx) < Splat<T>(1e-25), Splat<T>(kHalfPi), Abs(PerLane<AtanOf>(dy / dx)));
}

// The traits of the common kind of rendering, a trap caught below P1 with an escape test; a rendering
// states only where it differs.
struct RenderingTraits {
    // How a caught trap value becomes a position in the colour range.
    static constexpr IndexMapping kMapping = IndexMapping::kDirect;
    // Whether Test() looks at the z before the step.
    static constexpr bool kUsesPrevious = false;
    // Whether there is an escape test at all.
    static constexpr bool kEscapes = true;
    // The verdict depends on z alone: an orbit that comes back to a z it had exactly will repeat
    // forever, never caught and never escaping.
    static constexpr bool kRepeatingOrbitRunsToLimit = false;
    // The verdict is exactly the escape test: lanes may take several steps unwatched and look back.
    static constexpr bool kVerdictIsEscape = false;
    static void Prepare(RenderConstants& k) { k.trapLimit = k.parm1; }
};

// A ring around the circle of radius 0.5.
struct Rings : RenderingTraits {
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        const T trap = Abs(orbit.m - Splat<T>(0.25));
        return CatchBelowLimit(orbit, k, active, trap, PastSkippedIterations(orbit, k));
    }
};

// How much the orbit shrank in the last step.
struct Spheres : RenderingTraits {
    static constexpr bool kUsesPrevious = true;
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        const T previousModulus =
            orbit.previous.re * orbit.previous.re + orbit.previous.im * orbit.previous.im;
        orbit.previous = orbit.z;
        const auto tested = AndNot(FirstSetStep(orbit, k), active);
        const T trap = IfThenElse(orbit.m < Splat<T>(1e-30), Splat<T>(1e20), previousModulus / orbit.m);
        return CatchBelowLimit(orbit, k, tested, trap, PastSkippedIterations(orbit, k));
    }
};

// Four small squares of half-size P1 around (+-0.5, +-0.5).
struct Squares : RenderingTraits {
    static constexpr IndexMapping kMapping = IndexMapping::kMirrored;
    static void Prepare(RenderConstants& k) {
        k.trapLimit = k.parm1;
        k.squareHigh = k.parm1 + 0.5;
        k.squareLow = 0.5 - k.parm1;
    }
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        const T ax = Abs(orbit.z.re), ay = Abs(orbit.z.im);
        const T low = Splat<T>(k.squareLow), high = Splat<T>(k.squareHigh), half = Splat<T>(0.5);
        const auto inside = And(And(low < ax, ax < high), And(low < ay, ay < high));
        const T trap = IfThenElse(inside, Smaller(Abs(ax - half), Abs(ay - half)), Splat<T>(1e20));
        return CatchBelowLimit(orbit, k, active, trap, PastSkippedIterations(orbit, k));
    }
};

// Thin stalks along both axes, P1 thick and reaching out to |z|^2 = P2.
struct Stalks : RenderingTraits {
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        const T trap = Smaller(Abs(orbit.z.re), Abs(orbit.z.im));
        const auto onStalk = And(orbit.m < Splat<T>(k.parm2), PastSkippedIterations(orbit, k));
        return CatchBelowLimit(orbit, k, active, trap, onStalk);
    }
};

// The direction of the last step, once the real part is beyond P1. No escape test.
struct Atan : RenderingTraits {
    static constexpr bool kUsesPrevious = true;
    static constexpr bool kEscapes = false;
    static void Prepare(RenderConstants& k) { k.trapLimit = kHalfPi; }
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        AdvanceRange(orbit, k, active);
        const auto tested = AndNot(FirstSetStep(orbit, k), active);
        const auto caught =
            And(tested, And(Abs(orbit.z.re) > Splat<T>(k.parm1), PastSkippedIterations(orbit, k)));
        if (LaneTraits<T>::Any(caught)) orbit.trap = IfThenElse(caught, StepAngle(orbit), orbit.trap);
        return {caught, LaneTraits<T>::None()};
    }
};

// Four disks of radius P1 centred on the axes at distance (P2 + 1) P1; a petal is the lens where two
// neighbouring disks overlap, and the trap value is the squared distance to that lens's corner.
struct Petals : RenderingTraits {
    static constexpr IndexMapping kMapping = IndexMapping::kMirrored;
    static void Prepare(RenderConstants& k) {
        const double p1 = k.parm1, p2 = k.parm2;
        k.petalCentre = (p2 + 1) * p1;
        k.petalRadiusSquared = p1 * p1;
        const double s = 1 - (p2 + 2) * p2;
        k.petalCorner = (std::sqrt(s) + p2) * p1;
        k.trapLimit = (s * k.petalRadiusSquared) + (s * k.petalRadiusSquared);
    }
    template <class T>
    static HWY_INLINE T CornerDistance(Cplx<T> z, T cornerX, T cornerY) {
        return (z.re - cornerX) * (z.re - cornerX) + (z.im - cornerY) * (z.im - cornerY);
    }
    template <class T>
    static HWY_INLINE T TrapValue(Cplx<T> z, const RenderConstants& k) {
        const T x = z.re, y = z.im, a = Splat<T>(k.petalCentre), b = Splat<T>(k.petalRadiusSquared);
        const T d = Splat<T>(k.petalCorner), far = Splat<T>(1e20);
        const auto inA = (x - a) * (x - a) + y * y < b;  // the disk on the positive real axis
        const auto inB = x * x + (y + a) * (y + a) < b;  // negative imaginary axis
        const auto inC = (x + a) * (x + a) + y * y < b;  // negative real axis
        const auto inD = x * x + (y - a) * (y - a) < b;  // positive imaginary axis
        const T lensCD = IfThenElse(And(inC, inD), CornerDistance(z, Neg(d), d), far);
        const T fromA =
            IfThenElse(inD, CornerDistance(z, d, d), IfThenElse(inB, CornerDistance(z, d, Neg(d)), lensCD));
        const T fromB = IfThenElse(inC, CornerDistance(z, Neg(d), Neg(d)), far);
        return IfThenElse(inA, fromA, IfThenElse(inB, fromB, lensCD));
    }
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        return CatchBelowLimit(orbit, k, active, TrapValue(orbit.z, k), PastSkippedIterations(orbit, k));
    }
};

// Like "Atan", but caught once |z|^2 exceeds P1, measured on the whole half-turn. No escape test, and
// the skip count does not apply.
struct Cones : RenderingTraits {
    static constexpr IndexMapping kMapping = IndexMapping::kReversed;
    static constexpr bool kUsesPrevious = true;
    static constexpr bool kEscapes = false;
    static void Prepare(RenderConstants& k) { k.trapLimit = kPi; }
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        AdvanceRange(orbit, k, active);
        const auto caught = And(AndNot(FirstSetStep(orbit, k), active), orbit.m > Splat<T>(k.parm1));
        if (LaneTraits<T>::Any(caught)) {
            const T angle = StepAngle(orbit);
            const auto leftwards = orbit.z.re - orbit.previous.re < Splat<T>(0.0);
            orbit.trap = IfThenElse(caught, IfThenElse(leftwards, Splat<T>(kPi) - angle, angle), orbit.trap);
        }
        return {caught, LaneTraits<T>::None()};
    }
};

// Compares |z|^2 with a value built from the angle of z through the two chosen complex functions.
struct AngleFunction1 : RenderingTraits {
    // (re^2 - im^2, 2 im (re^2 - im^2)): the new imaginary part uses the new real part.
    template <class T>
    static HWY_INLINE Cplx<T> Fold(Cplx<T> w) {
        const T re = w.re * w.re - w.im * w.im;
        return {re, Splat<T>(2.0) * w.im * re};
    }
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        const T theta = IfThenElse(Abs(orbit.z.re) < Splat<T>(1e-25), Splat<T>(kHalfPi),
                                   Transcendental<AtanOf>(orbit.z.im / orbit.z.re));
        const Cplx<T> angle{theta, Splat<T>(0.0)};
        const Cplx<T> a = Fold(ComplexFunctions<T>::At(k.func1)(angle));
        const Cplx<T> b = Fold(ComplexFunctions<T>::At(k.func2)(angle));
        const T p2 = Splat<T>(k.parm2);
        const Cplx<T> sum{(b.re + a.re) * p2, (b.im + a.im) * p2};
        const T trap = Abs(orbit.m - (sum.re * sum.re + sum.im * sum.im));
        return CatchBelowLimit(orbit, k, active, trap, PastSkippedIterations(orbit, k));
    }
};

// Colours by the iteration at which the orbit escaped; no trap.
struct LevelSet : RenderingTraits {
    static constexpr IndexMapping kMapping = IndexMapping::kLevel;
    static constexpr bool kVerdictIsEscape = true;
    static constexpr bool kEscapes = false;
    static constexpr bool kRepeatingOrbitRunsToLimit = true;
    static void Prepare(RenderConstants&) {}
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>& orbit, const RenderConstants& k, MaskOf<T> active) {
        return {And(active, orbit.m > Splat<T>(k.limitValue)), LaneTraits<T>::None()};
    }
};

// A rendering code the library does not know makes no test: every orbit runs to the iteration limit.
struct UnknownRendering : RenderingTraits {
    static constexpr bool kEscapes = false;
    static constexpr bool kRepeatingOrbitRunsToLimit = true;
    static void Prepare(RenderConstants&) {}
    template <class T>
    static HWY_INLINE Verdict<T> Test(OrbitState<T>&, const RenderConstants&, MaskOf<T>) {
        return {LaneTraits<T>::None(), LaneTraits<T>::None()};
    }
};

// Calls f with the rendering type of the code: f(Rings{}) and so on.
template <class F>
HWY_INLINE decltype(auto) WithRendering(int32_t code, F&& f) {
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

}  // namespace HWY_NAMESPACE
}  // namespace zenphra
HWY_AFTER_NAMESPACE();

#endif  // ZENPHRA_ENGINE_RENDERINGS_INL_H_
