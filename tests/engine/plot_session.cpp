#include "tests/engine/plot_session.h"

#include "engine/library_state.h"
#include "engine/pixel-inl.h"
#include "zenphra.h"

namespace zenphra::test {

TestPalette::TestPalette() {
    for (int i = 0; i < 257; ++i) {
        red[i] = static_cast<uint8_t>(i);
        green[i] = static_cast<uint8_t>(255 - i);
        blue[i] = static_cast<uint8_t>(i / 2);
    }
    SetColorPointers(red, green, blue);
}

TestPalette::~TestPalette() { SetColorPointers(nullptr, nullptr, nullptr); }

int32_t Init(const PlotRequest& r, int32_t newImage) {
    return InitPlot(newImage, r.eqnType, r.width, r.height, r.maxIters, r.itersToSkip, r.numRanges,
                    r.rendering, &r.limitValue, &r.juliaReal, &r.juliaImag, &r.parm1, &r.parm2, &r.parm3,
                    r.func1, r.func2, &r.centerReal, &r.centerImag, &r.magnify, &r.angle, 1, r.banding);
}

std::vector<uint8_t> PlotWhole(const PlotRequest& request) {
    Init(request);
    for (int32_t row = 0; row < request.height; ++row) PlotFractal(row);
    const std::span<uint8_t> pixels = IndexBuffer();
    return {pixels.begin(), pixels.end()};
}

std::span<uint8_t> IndexBuffer() {
    const IndexedImage& image = Library().image;
    if (!image.Exists()) return {};
    return {image.pixels.get(), static_cast<size_t>(image.width) * image.height};
}

uint8_t PlotPoint(PlotParams params, double x, double y) {
    using namespace zenphra::HWY_NAMESPACE;
    params.mapping = PlaneMapping{x, y, 0, 0, 0, 0};
    const PlotContext context = MakePlotContext(params);
    return WithEquation(params.equation, [&](auto equation) {
        return WithRendering(params.rendering, [&](auto rendering) {
            return PlotPixel<decltype(equation), decltype(rendering)>(context, 0, 0);
        });
    });
}

}  // namespace zenphra::test
