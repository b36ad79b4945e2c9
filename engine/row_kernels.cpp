// Compiled once for every instruction set Highway targets (AVX-512, AVX2, SSE4 and the baseline); the
// processor's best is chosen when the library first plots.
// clang-format off: Highway includes this file once per target, so the order below matters.
#undef HWY_TARGET_INCLUDE
#define HWY_TARGET_INCLUDE "engine/row_kernels.cpp"
#include "hwy/foreach_target.h"  // IWYU pragma: keep
// clang-format on

#include "engine/pixel-inl.h"
#include "engine/row_kernels.h"
#include "hwy/highway.h"
#include "platform/abort_poll.h"

HWY_BEFORE_NAMESPACE();
namespace zenphra {
namespace HWY_NAMESPACE {

bool PlotPixelsInLanesForTarget(const PlotParams& params, PixelStream& stream, Cancellation cancellation) {
    const PlotContext context = MakePlotContext(params);
    return WithEquation(context.equation, [&](auto equation) {
        return WithRendering(context.rendering, [&](auto rendering) {
            return PlotLanes<decltype(equation), decltype(rendering)>(context, stream, cancellation);
        });
    });
}

// The plain plot is built for the baseline only: it is what every processor runs the same way.
#if HWY_TARGET == HWY_STATIC_TARGET
template <class Equation, class Rendering>
int32_t PlotPixels(const PlotContext& context, int32_t row, int32_t count, uint8_t* out) {
    for (int32_t column = 0; column < count; ++column) {
        if (platform::AbortRequested()) return column;
        out[column] = PlotPixel<Equation, Rendering>(context, row, column);
    }
    return count;
}

int32_t PlotRowByPixelForTarget(const PlotParams& params, int32_t row, int32_t count, uint8_t* out) {
    const PlotContext context = MakePlotContext(params);
    return WithEquation(context.equation, [&](auto equation) {
        return WithRendering(context.rendering, [&](auto rendering) {
            return PlotPixels<decltype(equation), decltype(rendering)>(context, row, count, out);
        });
    });
}
#endif

}  // namespace HWY_NAMESPACE
}  // namespace zenphra
HWY_AFTER_NAMESPACE();

#if HWY_ONCE
#include "engine/deep/deep_pixels.h"

namespace zenphra {

HWY_EXPORT(PlotPixelsInLanesForTarget);

// A deep image has pixel loops of its own.
bool PlotPixelsInLanes(const PlotParams& params, PixelStream& stream, Cancellation cancellation) {
    if (params.deep) return PlotDeepPixels(*params.deep, params, stream, cancellation);
    return HWY_DYNAMIC_DISPATCH(PlotPixelsInLanesForTarget)(params, stream, cancellation);
}

int32_t PlotRowByPixel(const PlotParams& params, int32_t row, int32_t count, uint8_t* out) {
    if (params.deep) return PlotDeepRowByPixel(*params.deep, params, row, count, out);
    return HWY_STATIC_DISPATCH(PlotRowByPixelForTarget)(params, row, count, out);
}

}  // namespace zenphra
#endif
