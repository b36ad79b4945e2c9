// Compiled once for every instruction set Highway targets; the processor's best is chosen when the
// library first plots. Only the vector loop below is compiled per target: the walks, which every other
// action goes through, come from their own headers, included before Highway's per-target part.
// clang-format off: Highway includes this file once per target, so the order below matters.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "engine/deep/deep_lanes.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
// clang-format on

#include <bit>
#include <optional>

#include "engine/deep/deep_lanes.h"
#include "engine/deep/escape_walk.h"
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace zenphra {
namespace HWY_NAMESPACE {

namespace hn = hwy::HWY_NAMESPACE;

// A plain step of each lane's dz, as P::Step takes it: the same operations in the same order.
template <class P>
struct LaneStep;

template <>
struct LaneStep<ClassicPerturbation> {
    // dz' = (2 Y + dz) dz + dc.
    template <class V>
    static void Take(V yRe, V yIm, V& re, V& im, V dcRe, V dcIm, V /*cRe*/, V /*cIm*/) {
        const V two = hn::Set(hn::DFromV<V>(), 2.0);
        const V tRe = hn::Add(hn::Mul(two, yRe), re), tIm = hn::Add(hn::Mul(two, yIm), im);
        const V nextRe = hn::Add(hn::Sub(hn::Mul(tRe, re), hn::Mul(tIm, im)), dcRe);
        const V nextIm = hn::Add(hn::Add(hn::Mul(tRe, im), hn::Mul(tIm, re)), dcIm);
        re = nextRe;
        im = nextIm;
    }
};

template <>
struct LaneStep<LambdaPerturbation> {
    // s = (2 Y + dz) dz, t = 1/4 - Y^2: dz' = dc (t - s) - c s.
    template <class V>
    static void Take(V yRe, V yIm, V& re, V& im, V dcRe, V dcIm, V cRe, V cIm) {
        const hn::DFromV<V> d;
        const V two = hn::Set(d, 2.0), minusTwo = hn::Set(d, -2.0), quarter = hn::Set(d, 0.25);
        const V tRe = hn::Add(hn::Mul(two, yRe), re), tIm = hn::Add(hn::Mul(two, yIm), im);
        const V sRe = hn::Sub(hn::Mul(tRe, re), hn::Mul(tIm, im));
        const V sIm = hn::Add(hn::Mul(tRe, im), hn::Mul(tIm, re));
        const V quarterRe = hn::Sub(quarter, hn::Sub(hn::Mul(yRe, yRe), hn::Mul(yIm, yIm)));
        const V quarterIm = hn::Mul(hn::Mul(minusTwo, yRe), yIm);
        const V uRe = hn::Sub(quarterRe, sRe), uIm = hn::Sub(quarterIm, sIm);
        re = hn::Sub(hn::Sub(hn::Mul(dcRe, uRe), hn::Mul(dcIm, uIm)),
                     hn::Sub(hn::Mul(cRe, sRe), hn::Mul(cIm, sIm)));
        im = hn::Sub(hn::Add(hn::Mul(dcRe, uIm), hn::Mul(dcIm, uRe)),
                     hn::Add(hn::Mul(cRe, sIm), hn::Mul(cIm, sRe)));
    }
};

template <class P>
void EscapeStepsInLanes(const DeepImage& image, int32_t row, int32_t firstColumn, int32_t count,
                        int64_t maxIters, double limit, Cancellation cancel, int64_t* steps) {
    using Walk = EscapeWalk<DoubleDelta<P>>;
    const hn::ScalableTag<double> d;
    const hn::RebindToSigned<decltype(d)> di;
    using V = hn::Vec<decltype(d)>;
    using VI = hn::Vec<decltype(di)>;
    constexpr size_t kMaxLanes = HWY_MAX_BYTES / sizeof(double);
    static_assert(kMaxLanes <= 64, "a lane's event is a bit of one word");
    const size_t lanes = hn::Lanes(d);

    // The reference's points as re, im, re, im ..., and the radii of the table's shortest steps, the
    // last of the five doubles of each entry.
    const double* points = &image.main.orbit.points[0].re;
    const int64_t length = image.main.orbit.Length();
    const auto& table = image.main.doubleTable;
    static_assert(sizeof(DoubleApproximation) == 5 * sizeof(double));
    const bool tableOn = image.useApproximation && table.TopLevel() >= kLowestLevel;
    const double* radii = tableOn ? &table.entries[size_t(table.levelStart[0])].radius : nullptr;
    const int64_t shortestSteps = tableOn ? table.levelSize[0] : 0;

    // Each lane's pixel (-1 when it has none) and walk, and its state between runs of plain steps.
    int32_t pixelOf[kMaxLanes];
    std::optional<Walk> walks[kMaxLanes];
    HWY_ALIGN double hereRe[kMaxLanes], hereIm[kMaxLanes];  // the reference at m
    HWY_ALIGN double dzRe[kMaxLanes], dzIm[kMaxLanes], dcRe[kMaxLanes], dcIm[kMaxLanes];
    // m and n step by `advance`: 1, or 0 in a lane without a pixel.
    HWY_ALIGN int64_t m[kMaxLanes], n[kMaxLanes], stopAt[kMaxLanes], advance[kMaxLanes];

    // A lane's state from its walk, whose next action is a plain step.
    const auto load = [&](size_t lane) {
        const Walk& walk = *walks[lane];
        dzRe[lane] = walk.Dz().re;
        dzIm[lane] = walk.Dz().im;
        dcRe[lane] = walk.Dc().re;
        dcIm[lane] = walk.Dc().im;
        m[lane] = walk.ReferenceIteration();
        hereRe[lane] = points[2 * m[lane]];
        hereIm[lane] = points[2 * m[lane] + 1];
        n[lane] = walk.Iteration();
        // Past the limit or at the next look at `cancel`, the walk itself ends the step.
        stopAt[lane] = std::min(walk.NextCheck(), maxIters);
        advance[lane] = 1;
    };
    const auto idle = [&](size_t lane) {
        pixelOf[lane] = -1;
        dzRe[lane] = dzIm[lane] = dcRe[lane] = dcIm[lane] = hereRe[lane] = hereIm[lane] = 0;
        m[lane] = n[lane] = stopAt[lane] = advance[lane] = 0;
    };
    // Takes the walk's actions until its next one is a plain step; false when the walk has ended.
    const auto untilPlain = [&](Walk& walk, bool on) {
        while (on && !walk.NextIsPlain()) on = walk.Act(cancel);
        return on;
    };
    // Gives the lane the next pixel whose walk reaches a plain step, or makes it idle.
    int32_t nextPixel = 0;
    const auto fill = [&](size_t lane) {
        while (nextPixel < count && !cancel.Requested()) {
            const int32_t pixel = nextPixel++;
            walks[lane].emplace(image, PixelOffset(image, row, firstColumn + pixel), maxIters, limit);
            if (untilPlain(*walks[lane], true)) {
                pixelOf[lane] = pixel;
                load(lane);
                return;
            }
            steps[pixel] = walks[lane]->Steps();
        }
        idle(lane);
    };
    for (size_t lane = 0; lane < lanes; ++lane) fill(lane);

    const V origin = hn::Set(d, P::kOrigin), rebaseStart = hn::Set(d, P::kRebaseStart);
    const V cRe = hn::Set(d, image.c.re), cIm = hn::Set(d, image.c.im);
    const V bailout = hn::Set(d, limit);
    const VI one = hn::Set(di, 1), three = hn::Set(di, 3), zero = hn::Zero(di), five = hn::Set(di, 5);
    const VI end = hn::Set(di, length), shortestEnd = hn::Set(di, shortestSteps);
    while (true) {
        bool anyActive = false;
        for (size_t lane = 0; lane < lanes; ++lane) anyActive |= pixelOf[lane] >= 0;
        if (!anyActive) return;

        V re = hn::Load(d, dzRe), im = hn::Load(d, dzIm);
        const V dcVRe = hn::Load(d, dcRe), dcVIm = hn::Load(d, dcIm);
        VI at = hn::Load(di, m), iteration = hn::Load(di, n);
        const VI stop = hn::Load(di, stopAt), step = hn::Load(di, advance);
        V yRe = hn::Load(d, hereRe), yIm = hn::Load(d, hereIm);
        hn::Mask<decltype(d)> event;
        // Plain steps, as DoubleDelta takes them, until a lane's step needs its walk's end.
        do {
            LaneStep<P>::Take(yRe, yIm, re, im, dcVRe, dcVIm, cRe, cIm);
            at = hn::Add(at, step);
            iteration = hn::Add(iteration, step);
            yRe = hn::GatherIndex(d, points, hn::Add(at, at));
            yIm = hn::GatherIndex(d, points + 1, hn::Add(at, at));
            // The walk's end: the escape test, rebasing, and whether its next action may be a table step.
            const V zRe = hn::Add(hn::Add(yRe, origin), re), zIm = hn::Add(yIm, im);
            const V escapes = hn::Add(hn::Mul(zRe, zRe), hn::Mul(zIm, zIm));
            const V fromRe = hn::Add(hn::Sub(yRe, rebaseStart), re), fromIm = hn::Add(yIm, im);
            const V fromStart = hn::Add(hn::Mul(fromRe, fromRe), hn::Mul(fromIm, fromIm));
            const V dzNorm = hn::Add(hn::Mul(re, re), hn::Mul(im, im));
            auto ends = hn::Or(hn::Gt(escapes, bailout), hn::Lt(fromStart, dzNorm));
            auto stops = hn::Or(hn::Eq(at, end), hn::Not(hn::Lt(iteration, stop)));
            if (tableOn) {
                const VI offset = hn::Sub(at, one);
                const VI index = hn::ShiftRight<kLowestLevel>(offset);
                const auto starts = hn::And(hn::And(hn::Eq(hn::And(offset, three), zero), hn::Gt(at, zero)),
                                            hn::Lt(index, shortestEnd));
                const VI safeIndex = hn::IfThenElseZero(starts, index);
                const V radius = hn::GatherIndex(d, radii, hn::Mul(safeIndex, five));
                const V size = hn::Add(hn::Abs(re), hn::Abs(im));
                stops = hn::Or(stops, hn::And(starts, hn::RebindMask(di, hn::Lt(size, radius))));
            }
            event = hn::And(hn::Or(ends, hn::RebindMask(d, stops)), hn::RebindMask(d, hn::Ne(step, zero)));
        } while (hn::AllFalse(d, event));

        hn::Store(re, d, dzRe);
        hn::Store(im, d, dzIm);
        hn::Store(yRe, d, hereRe);
        hn::Store(yIm, d, hereIm);
        hn::Store(at, di, m);
        hn::Store(iteration, di, n);
        uint8_t endedBits[8] = {};
        hn::StoreMaskBits(d, event, endedBits);
        uint64_t ended = 0;  // bit i: lane i
        for (size_t byte = 0; byte < sizeof endedBits; ++byte)
            ended |= uint64_t{endedBits[byte]} << (8 * byte);
        for (; ended != 0; ended &= ended - 1) {
            const size_t lane = size_t(std::countr_zero(ended));
            Walk& walk = *walks[lane];
            walk.TookPlainSteps(n[lane] - walk.Iteration(), {dzRe[lane], dzIm[lane]});
            if (untilPlain(walk, walk.EndAction(cancel))) {
                load(lane);
            } else {
                steps[pixelOf[lane]] = walk.Steps();
                fill(lane);
            }
        }
        // Lanes without an event keep the state stored above; their walks catch up at their next one.
    }
}

void EscapeStepsInLanesForTarget(const DeepImage& image, int32_t row, int32_t firstColumn, int32_t count,
                                 int64_t maxIters, double limit, Cancellation cancel, int64_t* steps) {
    if (image.equation == DeepEquation::kLambda) {
        EscapeStepsInLanes<LambdaPerturbation>(image, row, firstColumn, count, maxIters, limit, cancel,
                                               steps);
    } else {
        EscapeStepsInLanes<ClassicPerturbation>(image, row, firstColumn, count, maxIters, limit, cancel,
                                                steps);
    }
}

}  // namespace HWY_NAMESPACE
}  // namespace zenphra
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
namespace zenphra {

HWY_EXPORT(EscapeStepsInLanesForTarget);

bool LanesPlotDeepPixels(const DeepImage& image, const PlotContext& context) {
    return (image.equation == DeepEquation::kClassic || image.equation == DeepEquation::kLambda) &&
           !image.juliaMode && image.numbers == DeepNumbers::kDouble && context.maxIters > 0 &&
           context.rendering == kLevelSet;
}

void EscapeStepsInLanes(const DeepImage& image, int32_t row, int32_t firstColumn, int32_t count,
                        int64_t maxIters, double limit, Cancellation cancel, int64_t* steps) {
    HWY_DYNAMIC_DISPATCH(EscapeStepsInLanesForTarget)
    (image, row, firstColumn, count, maxIters, limit, cancel, steps);
}

}  // namespace zenphra
#endif
