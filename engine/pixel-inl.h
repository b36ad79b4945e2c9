// Plotting pixels: a pixel's start, its iteration with the rendering watching every step, and its colour
// index. Two drivers share the equations and renderings: PlotPixel runs one pixel on plain doubles;
// PlotLanes runs many pixels side by side in vector lanes, each lane stopping on its own and taking the
// next pixel from a PixelStream when enough lanes are free. Both give the same bytes.
#if defined(ZENPHRA_ENGINE_PIXEL_INL_H_) == defined(HWY_TARGET_TOGGLE)
#ifdef ZENPHRA_ENGINE_PIXEL_INL_H_
#undef ZENPHRA_ENGINE_PIXEL_INL_H_
#else
#define ZENPHRA_ENGINE_PIXEL_INL_H_
#endif

#include <cstdint>
#include <type_traits>
#include <utility>

#include "engine/equations-inl.h"
#include "engine/indexed_image.h"
#include "engine/library_state.h"
#include "engine/pixel_context.h"
#include "engine/pixel_feed.h"
#include "engine/plot_path.h"
#include "engine/renderings-inl.h"
#include "engine/row_kernels.h"
#include "hwy/highway.h"

HWY_BEFORE_NAMESPACE();
namespace zenphra {
namespace HWY_NAMESPACE {

inline PlotContext MakePlotContext(const PlotParams& params) {
    PlotContext context;
    context.mapping = params.mapping;
    context.juliaMode = params.juliaMode;
    context.juliaReal = params.juliaReal;
    context.juliaImag = params.juliaImag;
    context.maxIters = params.maxIters;
    context.equation = params.equation;
    context.rendering = params.rendering;
    context.equationConstants.chebyshevOrder = ChebyshevOrder(params.parm3);
    context.findRepeats = RepeatShortcutAllowed();

    RenderConstants& k = context.render;
    k.numRanges = params.numRanges;
    k.colours = params.numRanges == 8 ? 29 : params.numRanges == 4 ? 58 : 116;
    k.half = k.colours / 2;
    k.itersToSkip = params.itersToSkip;
    k.limitValue = params.limitValue;
    k.juliaMode = params.juliaMode;
    k.banding = params.banding;
    k.parm1 = params.parm1;
    k.parm2 = params.parm2;
    k.func1 = params.func1;
    k.func2 = params.func2;
    WithRendering(params.rendering, [&k](auto rendering) { decltype(rendering)::Prepare(k); });
    k.scale = k.colours / k.trapLimit;
    return context;
}

// Where a pixel's orbit starts, or its index when it is decided before the first step.
struct PixelStart {
    bool decided = false;
    uint8_t index = 0;
    Cplx<double> z{0.0, 0.0};
    Cplx<double> previous{0.0, 0.0};
    Cplx<double> c{0.0, 0.0};
};

template <class Equation>
HWY_INLINE PixelStart StartPixel(const PlotContext& context, int32_t row, int32_t column) {
    const PlaneMapping& mapping = context.mapping;
    const Cplx<double> point{PlaneX(RowStartX(mapping, row), mapping.colStepX, column),
                             PlaneY(RowStartY(mapping, row), mapping.colStepY, column)};
    PixelStart start;
    if (context.juliaMode) {
        start.c = {context.juliaReal, context.juliaImag};
        start.z = point;
        start.previous = point;
    } else {
        start.c = point;
        start.z = {Equation::kSetStartReal, 0.0};
        if constexpr (std::is_same_v<Equation, ClassicMandelbrotStep>) {
            if (InClassicInterior<double>(point.re, point.im)) return {true, kMaxIterIndex};
        }
    }
    if (context.maxIters <= 0) return {true, context.maxIters == 0 ? kMaxIterIndex : kBackgroundIndex};
    return start;
}

template <class Rendering>
HWY_INLINE uint8_t CaughtPixelIndex(const PlotContext& context, int32_t row, int32_t column, double n,
                                    double range, double trap) {
    if constexpr (Rendering::kMapping == IndexMapping::kLevel) {
        return LevelIndex(context.equation, static_cast<int32_t>(n), context.render.numRanges);
    } else {
        return CaughtIndex(trap, static_cast<int32_t>(range), context.render, Rendering::kMapping, row,
                           column);
    }
}

// One pixel on plain doubles.
template <class Equation, class Rendering>
HWY_INLINE uint8_t PlotPixel(const PlotContext& context, int32_t row, int32_t column) {
    const PixelStart start = StartPixel<Equation>(context, row, column);
    if (start.decided) return start.index;
    OrbitState<double> orbit{start.z, start.previous, 0.0, 0.0, 0.0, 1e20};
    const double maxIters = context.maxIters;
    while (true) {
        orbit.z = Equation::Next(orbit.z, start.c, context.equationConstants);
        orbit.m = orbit.z.re * orbit.z.re + orbit.z.im * orbit.z.im;
        const Verdict<double> verdict = Rendering::Test(orbit, context.render, true);
        if (verdict.caught) {
            return CaughtPixelIndex<Rendering>(context, row, column, orbit.n, orbit.range, orbit.trap);
        }
        if (verdict.escaped) return kBackgroundIndex;
        orbit.previous = orbit.z;
        orbit.n = orbit.n + 1.0;
        if (orbit.n >= maxIters) return kMaxIterIndex;
    }
}

// Many pixels side by side. The lanes of kVectors vectors are iterated together (independent vectors keep
// the arithmetic units busy while each waits for its previous result), a group of kStepsPerGroup steps at
// a time; a finished lane keeps its state until a refill reports its pixel and starts the next one in it.
// Only the state the rendering needs is carried, so that it stays in registers.
//
// Where the rendering allows it, an orbit that comes back exactly (bit for bit) to a z it had is finished
// at once with the maximum-iteration colour, which the iteration would have reached anyway: equal z,
// equal future. Every few groups each lane compares z with the z it saved, and saves z anew once n has
// passed another power of two, so the gap between the two grows until it holds a whole number of rounds
// of any cycle.
template <class Equation, class Rendering>
HWY_NOINLINE bool PlotLanes(const PlotContext& context, PixelStream& stream, Cancellation cancellation) {
    using D = hn::ScalableTag<double>;
    using V = hn::Vec<D>;
    using M = hn::Mask<D>;
    constexpr size_t kVectors = 3;
    // Unwatched steps are cheap, so those groups are longer.
    constexpr int kStepsPerGroup = Rendering::kVerdictIsEscape ? 16 : 8;
    constexpr int kGroupsPerRepeatCheck = 4;
    constexpr size_t kMaxLanes = hn::MaxLanes(D());
    static_assert(kMaxLanes <= 64 && kVectors * kMaxLanes < PixelFeed::kSpans);
    constexpr bool kFindRepeats = Rendering::kRepeatingOrbitRunsToLimit;
    constexpr bool kTraps = Rendering::kMapping != IndexMapping::kLevel;  // range and trap matter
    const D d;
    const hn::RebindToSigned<D> di;
    const size_t lanes = hn::Lanes(d);
    const size_t totalLanes = kVectors * lanes;
    const uint64_t allLanes = lanes == 64 ? ~uint64_t{0} : (uint64_t{1} << lanes) - 1;

    struct Block {
        OrbitState<V> orbit;
        Cplx<V> c;
        M active, caught, escaped;
        Cplx<V> saved;  // the z a repeat is looked for
    };
    Block blocks[kVectors];

    // What the lanes of a vector are plotting, and the values a refill hands to its new lanes.
    struct Lanes {
        PixelFeed::Pixel pixel[kMaxLanes];
        uint64_t busy = 0;  // lanes that hold a pixel
        HWY_ALIGN double n[kMaxLanes], range[kMaxLanes], trap[kMaxLanes];
        HWY_ALIGN double zRe[kMaxLanes], zIm[kMaxLanes], cRe[kMaxLanes], cIm[kMaxLanes];
    };
    Lanes lanesOf[kVectors];

    PixelFeed feed(stream);
    bool streamOpen = true;
    const V zero = hn::Zero(d);
    const V one = hn::Set(d, 1.0);
    const V maxIters = hn::Set(d, double(context.maxIters));
    const auto bitsOf = [&](M mask) {
        uint8_t bytes[8] = {};
        hn::StoreMaskBits(d, mask, bytes);
        uint64_t bits = 0;
        for (size_t i = 0; i < (lanes + 7) / 8; ++i) bits |= uint64_t{bytes[i]} << (8 * i);
        return bits & allLanes;
    };
    const auto maskOf = [&](uint64_t bits) {
        uint8_t bytes[8];
        for (size_t i = 0; i < 8; ++i) bytes[i] = uint8_t(bits >> (8 * i));
        return hn::LoadMaskBits(d, bytes);
    };

    // The next pixels, up to `wanted` (at most a vector's worth), and where their orbits start, worked
    // out as StartPixel does but a vector at a time.
    struct Starts {
        HWY_ALIGN double zRe[kMaxLanes], zIm[kMaxLanes], cRe[kMaxLanes], cIm[kMaxLanes];
        uint64_t interior = 0;
        PixelFeed::Pixel pixel[kMaxLanes];
    };
    Starts starts;
    const auto takeStarts = [&](size_t wanted) HWY_NOINLINE {
        size_t taken = 0;
        bool oneRun = true;  // the pixels lie side by side in one row, as they mostly do
        while (taken < wanted && streamOpen && (streamOpen = feed.Next(starts.pixel[taken]))) {
            const PixelFeed::Pixel& pixel = starts.pixel[taken];
            oneRun = oneRun && pixel.row == starts.pixel[0].row &&
                     pixel.column == starts.pixel[0].column + int32_t(taken);
            ++taken;
        }
        V rows, columns;
        if (oneRun) {
            rows = hn::Set(d, taken > 0 ? double(starts.pixel[0].row) : 0.0);
            columns = hn::Iota(d, taken > 0 ? double(starts.pixel[0].column) : 0.0);
        } else {
            HWY_ALIGN double row[kMaxLanes] = {}, column[kMaxLanes] = {};
            for (size_t i = 0; i < taken; ++i) {
                row[i] = starts.pixel[i].row;
                column[i] = starts.pixel[i].column;
            }
            rows = hn::Load(d, row);
            columns = hn::Load(d, column);
        }
        const PlaneMapping& mapping = context.mapping;
        const V px = (rows * hn::Set(d, mapping.rowStepX) + hn::Set(d, mapping.x0)) +
                     columns * hn::Set(d, mapping.colStepX);
        const V py = (rows * hn::Set(d, mapping.rowStepY) + hn::Set(d, mapping.y0)) +
                     columns * hn::Set(d, mapping.colStepY);
        starts.interior = 0;
        if (context.juliaMode) {
            hn::Store(px, d, starts.zRe);
            hn::Store(py, d, starts.zIm);
            hn::Store(hn::Set(d, context.juliaReal), d, starts.cRe);
            hn::Store(hn::Set(d, context.juliaImag), d, starts.cIm);
        } else {
            hn::Store(hn::Set(d, Equation::kSetStartReal), d, starts.zRe);
            hn::Store(zero, d, starts.zIm);
            hn::Store(px, d, starts.cRe);
            hn::Store(py, d, starts.cIm);
            if constexpr (std::is_same_v<Equation, ClassicMandelbrotStep>) {
                starts.interior = bitsOf(InClassicInterior(px, py));
            }
        }
        return taken;
    };

    // Reports the finished lanes' pixels and starts the next ones in the free lanes. Returns the lanes
    // still plotting. Lanes that go on plotting are not touched.
    const auto refill = [&]() HWY_NOINLINE {
        size_t running = 0;
        uint64_t freeLanes[kVectors];
        for (size_t v = 0; v < kVectors; ++v) {
            Block& block = blocks[v];
            Lanes& lane = lanesOf[v];
            freeLanes[v] = ~bitsOf(block.active) & allLanes;
            running += lanes - size_t(__builtin_popcountll(freeLanes[v]));
            uint64_t finished = freeLanes[v] & lane.busy;
            if (finished == 0) continue;
            hn::Store(block.orbit.n, d, lane.n);
            if constexpr (kTraps) {
                hn::Store(block.orbit.range, d, lane.range);
                hn::Store(block.orbit.trap, d, lane.trap);
            }
            const uint64_t caught = bitsOf(block.caught);
            const uint64_t escaped = Rendering::kEscapes ? bitsOf(block.escaped) : 0;
            lane.busy &= ~finished;
            for (; finished != 0; finished &= finished - 1) {
                const size_t i = size_t(__builtin_ctzll(finished));
                const PixelFeed::Pixel& pixel = lane.pixel[i];
                const uint64_t bit = uint64_t{1} << i;
                *pixel.out = (caught & bit) != 0
                                 ? CaughtPixelIndex<Rendering>(context, pixel.row, pixel.column, lane.n[i],
                                                               lane.range[i], lane.trap[i])
                             : (escaped & bit) != 0 ? kBackgroundIndex
                                                    : kMaxIterIndex;
                feed.Done(pixel);
            }
        }

        // Pixels decided before their first step (interior points, or no iterations at all) need no lane.
        const bool noSteps = context.maxIters <= 0;
        const uint8_t noStepsIndex = context.maxIters == 0 ? kMaxIterIndex : kBackgroundIndex;
        uint64_t freshLanes[kVectors] = {};
        size_t v = 0;
        while (v < kVectors && streamOpen) {
            if (freeLanes[v] == 0) {
                ++v;
                continue;
            }
            const size_t taken = takeStarts(size_t(__builtin_popcountll(freeLanes[v])));
            for (size_t k = 0; k < taken; ++k) {
                const PixelFeed::Pixel& pixel = starts.pixel[k];
                if ((starts.interior >> k) & 1 || noSteps) {
                    *pixel.out = (starts.interior >> k) & 1 ? kMaxIterIndex : noStepsIndex;
                    feed.Done(pixel);
                    continue;
                }
                while (freeLanes[v] == 0) ++v;  // the vector's free lanes were more than taken
                const size_t i = size_t(__builtin_ctzll(freeLanes[v]));
                const uint64_t bit = uint64_t{1} << i;
                freeLanes[v] &= ~bit;
                freshLanes[v] |= bit;
                Lanes& lane = lanesOf[v];
                lane.pixel[i] = pixel;
                lane.busy |= bit;
                lane.zRe[i] = starts.zRe[k];
                lane.zIm[i] = starts.zIm[k];
                lane.cRe[i] = starts.cRe[k];
                lane.cIm[i] = starts.cIm[k];
                ++running;
            }
        }
        for (size_t u = 0; u < kVectors; ++u) {
            if (freshLanes[u] == 0) continue;
            Block& block = blocks[u];
            const Lanes& lane = lanesOf[u];
            const M fresh = maskOf(freshLanes[u]);
            const Cplx<V> z{hn::Load(d, lane.zRe), hn::Load(d, lane.zIm)};
            block.orbit.z = {hn::IfThenElse(fresh, z.re, block.orbit.z.re),
                             hn::IfThenElse(fresh, z.im, block.orbit.z.im)};
            block.c = {hn::IfThenElse(fresh, hn::Load(d, lane.cRe), block.c.re),
                       hn::IfThenElse(fresh, hn::Load(d, lane.cIm), block.c.im)};
            if constexpr (Rendering::kUsesPrevious) {
                // z before the first step: the pixel in Julia mode, 0 in set mode.
                const Cplx<V> previous = context.juliaMode ? z : Cplx<V>{zero, zero};
                block.orbit.previous = {hn::IfThenElse(fresh, previous.re, block.orbit.previous.re),
                                        hn::IfThenElse(fresh, previous.im, block.orbit.previous.im)};
            }
            if constexpr (kFindRepeats) {
                block.saved = {hn::IfThenElse(fresh, z.re, block.saved.re),
                               hn::IfThenElse(fresh, z.im, block.saved.im)};
            }
            block.orbit.n = hn::IfThenElseZero(hn::Not(fresh), block.orbit.n);
            if constexpr (kTraps) {
                block.orbit.range = hn::IfThenElseZero(hn::Not(fresh), block.orbit.range);
                block.orbit.trap = hn::IfThenElse(fresh, hn::Set(d, 1e20), block.orbit.trap);
            }
            block.active = hn::Or(block.active, fresh);
            block.caught = hn::AndNot(fresh, block.caught);
            if constexpr (Rendering::kEscapes) block.escaped = hn::AndNot(fresh, block.escaped);
        }
        return running;
    };

    // One careful step of one vector: the rendering watches every lane after it.
    const auto step = [&](Block& block) {
        OrbitState<V>& orbit = block.orbit;
        orbit.z = Equation::Next(orbit.z, block.c, context.equationConstants);
        orbit.m = orbit.z.re * orbit.z.re + orbit.z.im * orbit.z.im;
        const Verdict<V> verdict = Rendering::Test(orbit, context.render, block.active);
        block.caught = hn::Or(block.caught, verdict.caught);
        M finished = verdict.caught;
        if constexpr (Rendering::kEscapes) {
            block.escaped = hn::Or(block.escaped, verdict.escaped);
            finished = hn::Or(finished, verdict.escaped);
        }
        const M goingOn = hn::AndNot(finished, block.active);
        if constexpr (Rendering::kUsesPrevious) orbit.previous = orbit.z;
        orbit.n = hn::IfThenElse(goingOn, orbit.n + one, orbit.n);
        block.active = hn::AndNot(orbit.n >= maxIters, goingOn);
    };

    // Calls f(v) for every vector v, with v known at compile time, so that the state stays in registers.
    const auto forEachVector = [](auto&& f) {
        [&]<size_t... I>(std::index_sequence<I...>) { (f(std::integral_constant<size_t, I>()), ...); }
        (std::make_index_sequence<kVectors>());
    };

    // A group of steps of every vector.
    const auto group = [&](Block(&live)[kVectors]) {
        if constexpr (Rendering::kVerdictIsEscape) {
            // The verdict is the escape test alone, so the steps need no watching: every step's |z|^2 is
            // put aside and only whether a lane passed the limit is noted. In a vector where a lane passed
            // it, or will reach the iteration limit within the group, the values put aside tell at which
            // step each lane stopped. Steps a lane makes after it stopped change nothing it reports.
            const V limit = hn::Set(d, context.render.limitValue);
            const V groupSteps = hn::Set(d, double(kStepsPerGroup));
            M passed[kVectors];
            HWY_ALIGN double modulusAt[kVectors][kStepsPerGroup][kMaxLanes];
            forEachVector([&](auto v) { passed[v] = hn::FirstN(d, 0); });
#pragma GCC unroll 16
            for (int s = 0; s < kStepsPerGroup; ++s) {
                forEachVector([&](auto v) {
                    Cplx<V>& z = live[v].orbit.z;
                    z = Equation::Next(z, live[v].c, context.equationConstants);
                    const V m = z.re * z.re + z.im * z.im;
                    hn::Store(m, d, modulusAt[v][s]);
                    passed[v] = hn::Or(passed[v], m > limit);
                });
            }
            forEachVector([&](auto v) {
                Block& block = live[v];
                OrbitState<V>& orbit = block.orbit;
                // Step s of the group is made with the iteration at n + s, so only while s < remaining.
                const V remaining = maxIters - orbit.n;
                const M ending = hn::And(remaining <= groupSteps, block.active);
                if (HWY_LIKELY(hn::AllFalse(d, hn::Or(hn::And(passed[v], block.active), ending)))) {
                    orbit.n = hn::IfThenElse(block.active, orbit.n + groupSteps, orbit.n);
                    return;
                }
                V stoppedAt = groupSteps;  // the first step that passed the limit, among those made
                for (int s = kStepsPerGroup - 1; s >= 0; --s) {
                    const V step = hn::Set(d, double(s));
                    const M passesHere = hn::And(hn::Load(d, modulusAt[v][s]) > limit, step < remaining);
                    stoppedAt = hn::IfThenElse(passesHere, step, stoppedAt);
                }
                const M caught = hn::And(block.active, stoppedAt < groupSteps);
                const M atLimit = hn::AndNot(caught, ending);
                orbit.n = hn::IfThenElse(
                    caught, orbit.n + stoppedAt,
                    hn::IfThenElse(atLimit, maxIters,
                                   hn::IfThenElse(block.active, orbit.n + groupSteps, orbit.n)));
                block.caught = hn::Or(block.caught, caught);
                block.active = hn::AndNot(hn::Or(caught, atLimit), block.active);
            });
        } else {
            for (int s = 0; s < kStepsPerGroup; ++s) forEachVector([&](auto v) { step(live[v]); });
        }
    };

    // After a group: the lanes still plotting, and every kGroupsPerRepeatCheck-th group, repeats.
    const auto review = [&](Block(&live)[kVectors], bool lookForRepeats) {
        size_t stillRunning = 0;
        forEachVector([&](auto v) {
            Block& block = live[v];
            if (kFindRepeats && lookForRepeats) {
                const Cplx<V>& z = block.orbit.z;
                const auto sameRe = hn::BitCast(di, z.re) == hn::BitCast(di, block.saved.re);
                const auto sameIm = hn::BitCast(di, z.im) == hn::BitCast(di, block.saved.im);
                block.active = hn::AndNot(hn::RebindMask(d, hn::And(sameRe, sameIm)), block.active);
                // z is saved when n passed a power of two since the last look: its exponent changed.
                const V before = block.orbit.n - hn::Set(d, double(kStepsPerGroup * kGroupsPerRepeatCheck));
                const auto exponent = [&](V x) { return hn::ShiftRight<52>(hn::BitCast(di, x)); };
                const M save = hn::RebindMask(d, exponent(block.orbit.n) != exponent(before));
                block.saved = {hn::IfThenElse(save, z.re, block.saved.re),
                               hn::IfThenElse(save, z.im, block.saved.im)};
            }
            stillRunning += hn::CountTrue(d, block.active);
        });
        return stillRunning;
    };

    for (Block& block : blocks) {
        block.orbit = {{zero, zero}, {zero, zero}, zero, zero, zero, zero};
        block.c = block.saved = {zero, zero};
        block.active = block.caught = block.escaped = hn::FirstN(d, 0);
    }
    size_t running = refill();
    uint32_t groups = 0;
    while (running > 0) {
        // Refill once a quarter of the lanes are free while pixels keep coming, at once when none come.
        const size_t refillBelow = streamOpen ? totalLanes - totalLanes / 4 : running;
        Block live[kVectors];
        forEachVector([&](auto v) { live[v] = blocks[v]; });
        bool cancelled = false;
        do {
            group(live);
            running = review(live, context.findRepeats && ++groups % kGroupsPerRepeatCheck == 0);
        } while (running >= refillBelow && !(cancelled = cancellation.Requested()));
        forEachVector([&](auto v) { blocks[v] = live[v]; });
        if (cancelled) return false;
        running = refill();
    }
    return true;
}

}  // namespace HWY_NAMESPACE
}  // namespace zenphra
HWY_AFTER_NAMESPACE();

#endif  // ZENPHRA_ENGINE_PIXEL_INL_H_
