// The pixel loops of the deep path, for one perturbed form: instantiated by the files that choose the
// pixel function of each group of equations (deep_pixels_*.cpp), so each file's inlining stays its own.
#pragma once

#include <cstdint>

#include "engine/deep/deep_delta.h"
#include "engine/deep/deep_pixel_function.h"
#include "engine/deep/escape_walk.h"
#include "engine/pixel-inl.h"

namespace zenphra {
namespace deep_loops {

namespace hw = HWY_NAMESPACE;

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
    const hw::Cplx<double> start = image.juliaMode ? pixel : hw::Cplx<double>{SetStart(image.equation), 0.0};
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
        return EscapeIndex(
            context, EscapeSteps<Delta>(image, offset, context.maxIters, context.render.limitValue, cancel));
    } else {
        return WatchedPixel<Delta, Rendering>(image, context, row, column, offset, cancel);
    }
}

// The pixel function of perturbed form P for the image's numbers and the rendering.
template <class P>
DeepPixelFunction PixelFunctionOf(const DeepImage& image, int32_t rendering) {
    return hw::WithRendering(rendering, [&](auto kind) -> DeepPixelFunction {
        using R = decltype(kind);
        if (image.numbers == DeepNumbers::kExtended) return &DeepPixel<ExtendedDelta<P>, R>;
        return &DeepPixel<DoubleDelta<P>, R>;
    });
}

}  // namespace deep_loops
}  // namespace zenphra
