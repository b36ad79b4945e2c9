#include "engine/deep/deep_pixels.h"

#include "engine/deep/deep_delta.h"
#include "engine/pixel-inl.h"
#include "platform/abort_poll.h"

namespace zenphra {
namespace {

namespace hw = HWY_NAMESPACE;

// A long pixel asks whether its plot was abandoned this often.
constexpr int64_t kCancelCheckEvery = int64_t{1} << 16;

Cd PixelOffset(const DeepImage& image, int32_t row, int32_t column) {
    return {image.corner.re + row * image.rowStep.re + column * image.colStep.re,
            image.corner.im + row * image.rowStep.im + column * image.colStep.im};
}

// "Level Set": the number of steps after which |z|^2 passed the bail-out, or 0 when it did not within
// maxIters steps (or the plot was abandoned). Steps through the table wherever it allows.
template <class Delta>
int64_t EscapeSteps(const DeepImage& image, Cd offset, int64_t maxIters, double limit, Cancellation cancel) {
    Delta delta(image, offset);
    OrbitCursor at;
    at.Follow(image.main);
    const DeepReference& critical = image.juliaMode ? image.critical : image.main;
    int64_t n = 0;
    int64_t nextCheck = kCancelCheckEvery;
    while (n < maxIters) {
        const int64_t taken = delta.Approximate(at, maxIters - n);
        if (taken > 0) {
            n += taken;
            if (Norm(delta.FullZ(at)) > limit) return n;
            delta.RebaseIfNearer(at, critical);
        } else {
            // No step of the table can start before the next iteration its shortest steps start at:
            // plain steps until then.
            do {
                delta.Step(at);
                ++n;
                if (Norm(delta.FullZ(at)) > limit) return n;
                delta.RebaseIfNearer(at, critical);
            } while (n < maxIters && !TableStepMayStartAt(at.m));
        }
        if (n >= nextCheck) {
            if (cancel.Requested()) return 0;
            nextCheck = n + kCancelCheckEvery;
        }
    }
    return 0;
}

// Every other rendering watches every step: the full z of each step goes through its test exactly as
// the double engine's does.
template <class Delta, class Rendering>
uint8_t WatchedPixel(const DeepImage& image, const PlotContext& context, int32_t row, int32_t column,
                     Cd offset, Cancellation cancel) {
    Delta delta(image, offset);
    OrbitCursor at;
    at.Follow(image.main);
    const DeepReference& critical = image.juliaMode ? image.critical : image.main;
    const double step = image.pixelStep.ToDouble();
    const hw::Cplx<double> pixel{image.centreRe + offset.re * step, image.centreIm + offset.im * step};
    const hw::Cplx<double> start =
        image.juliaMode ? pixel : hw::Cplx<double>{SetStart(image.equation), 0.0};
    hw::OrbitState<double> orbit{start, image.juliaMode ? pixel : hw::Cplx<double>{0.0, 0.0}, 0.0, 0.0, 0.0,
                                 1e20};
    const double maxIters = context.maxIters;
    int64_t nextCheck = kCancelCheckEvery;
    while (true) {
        delta.Step(at);
        const Cd z = delta.FullZ(at);
        orbit.z = {z.re, z.im};
        orbit.m = z.re * z.re + z.im * z.im;
        const hw::Verdict<double> verdict = Rendering::Test(orbit, context.render, true);
        if (verdict.caught) {
            return hw::CaughtPixelIndex<Rendering>(context, row, column, orbit.n, orbit.range, orbit.trap);
        }
        if (verdict.escaped) return kBackgroundIndex;
        orbit.previous = orbit.z;
        orbit.n = orbit.n + 1.0;
        if (orbit.n >= maxIters) return kMaxIterIndex;
        delta.RebaseIfNearer(at, critical);
        if (orbit.n >= double(nextCheck)) {
            if (cancel.Requested()) return kMaxIterIndex;
            nextCheck += kCancelCheckEvery;
        }
    }
}

template <class Delta, class Rendering>
uint8_t DeepPixel(const DeepImage& image, const PlotContext& context, int32_t row, int32_t column,
                  Cancellation cancel) {
    if (context.maxIters <= 0) return context.maxIters == 0 ? kMaxIterIndex : kBackgroundIndex;
    const Cd offset = PixelOffset(image, row, column);
    if constexpr (Rendering::kMapping == IndexMapping::kLevel) {
        const int64_t steps =
            EscapeSteps<Delta>(image, offset, context.maxIters, context.render.limitValue, cancel);
        if (steps == 0) return kMaxIterIndex;
        return LevelIndex(context.equation, int32_t(steps - 1), context.render.numRanges);
    } else {
        return WatchedPixel<Delta, Rendering>(image, context, row, column, offset, cancel);
    }
}

// Calls f with a pixel function for the image's equation, numbers and rendering.
template <class F>
decltype(auto) WithDeepPixel(const DeepImage& image, const PlotContext& context, F&& f) {
    return WithPerturbation(image.equation, image.chebyshevOrder, [&](auto perturbation) {
        using P = decltype(perturbation);
        return hw::WithRendering(context.rendering, [&](auto rendering) {
            using R = decltype(rendering);
            if constexpr (P::kExtended) {
                if (image.numbers == DeepNumbers::kExtended) return f(&DeepPixel<ExtendedDelta<P>, R>);
            }
            // Images of the other numbers are not made for equations without their form.
            return f(&DeepPixel<DoubleDelta<P>, R>);
        });
    });
}

}  // namespace

bool PlotDeepPixels(const DeepImage& image, const PlotParams& params, PixelStream& stream,
                    Cancellation cancellation) {
    const PlotContext context = hw::MakePlotContext(params);
    return WithDeepPixel(image, context, [&](auto pixel) {
        PixelStream::Span span;
        while (stream.NextSpan(span)) {
            for (int32_t i = 0; i < span.count; ++i) {
                if (cancellation.Requested()) return false;
                span.out[i] = pixel(image, context, span.row, span.firstColumn + i, cancellation);
            }
            stream.SpanDone(span);
        }
        return true;
    });
}

int32_t PlotDeepRowByPixel(const DeepImage& image, const PlotParams& params, int32_t row, int32_t count,
                           uint8_t* out) {
    const PlotContext context = hw::MakePlotContext(params);
    return WithDeepPixel(image, context, [&](auto pixel) {
        for (int32_t column = 0; column < count; ++column) {
            if (platform::AbortRequested()) return column;
            out[column] = pixel(image, context, row, column, Cancellation{});
        }
        return count;
    });
}

}  // namespace zenphra
