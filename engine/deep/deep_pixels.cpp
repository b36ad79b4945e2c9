#include "engine/deep/deep_pixels.h"

#include <vector>

#include "engine/deep/deep_lanes.h"
#include "engine/deep/deep_pixel_function.h"
#include "engine/deep/escape_walk.h"
#include "engine/pixel-inl.h"
#include "platform/abort_poll.h"

namespace zenphra {

namespace hw = HWY_NAMESPACE;

bool PlotDeepPixels(const DeepImage& image, const PlotParams& params, PixelStream& stream,
                    Cancellation cancellation) {
    const PlotContext context = hw::MakePlotContext(params);
    const DeepPixelFunction pixel = DeepPixelFunctionFor(image, context.rendering);
    const bool inLanes = LanesPlotDeepPixels(image, context);
    std::vector<int64_t> steps;
    PixelStream::Span span;
    while (stream.NextSpan(span)) {
        if (inLanes) {
            steps.resize(size_t(span.count));
            EscapeStepsInLanes(image, span.row, span.firstColumn, span.count, context.maxIters,
                               context.render.limitValue, cancellation, steps.data());
            if (cancellation.Requested()) return false;
            for (int32_t i = 0; i < span.count; ++i) span.out[i] = EscapeIndex(context, steps[size_t(i)]);
            stream.SpanDone(span);
            continue;
        }
        for (int32_t i = 0; i < span.count; ++i) {
            if (cancellation.Requested()) return false;
            span.out[i] = pixel(image, context, span.row, span.firstColumn + i, cancellation);
        }
        stream.SpanDone(span);
    }
    return true;
}

int32_t PlotDeepRowByPixel(const DeepImage& image, const PlotParams& params, int32_t row, int32_t count,
                           uint8_t* out) {
    const PlotContext context = hw::MakePlotContext(params);
    const DeepPixelFunction pixel = DeepPixelFunctionFor(image, context.rendering);
    for (int32_t column = 0; column < count; ++column) {
        if (platform::AbortRequested()) return column;
        out[column] = pixel(image, context, row, column, Cancellation{});
    }
    return count;
}

}  // namespace zenphra
