// The small preview of the Julia set of a point, drawn while the user picks that point: a fixed 120 x 90
// view, 100 iterations and a fixed palette, whatever the current plot looks like.
#include <cstdint>

#include "engine/equations-inl.h"
#include "engine/library_state.h"
#include "engine/row_scheduler.h"
#include "hwy/highway.h"
#include "platform/bitmap_store.h"
#include "zenphra.h"

using namespace zenphra;
using namespace zenphra::HWY_NAMESPACE;

namespace {

constexpr int32_t kPreviewWidth = 120;
constexpr int32_t kPreviewHeight = 90;
constexpr int32_t kPreviewIterations = 100;
constexpr double kPreviewStep = 1.0 / 30;

struct Rgb {
    uint8_t red, green, blue;
};

// The eighth colour of each range of the built-in eight-range palette: an orbit escaping at step i takes
// colour i mod 8. Bounded orbits are black.
constexpr Rgb kEscapeColours[8] = {{192, 72, 232}, {252, 8, 137}, {252, 56, 24},  {252, 159, 0},
                                   {189, 252, 27}, {0, 252, 144}, {16, 205, 252}, {93, 72, 252}};
constexpr Rgb kBoundedColour = {0, 0, 0};

template <class Equation>
void DrawPreview(const platform::BitmapBits& bitmap, Cplx<double> c, double originX, double limitValue,
                 const EquationConstants& constants) {
    for (int32_t row = 0; row < kPreviewHeight; ++row) {
        uint8_t* target = bitmap.bits + int64_t{row} * bitmap.stride;
        for (int32_t column = 0; column < kPreviewWidth; ++column) {
            Cplx<double> z{column * kPreviewStep + originX, 1.5 - row * kPreviewStep};
            Rgb colour = kBoundedColour;
            for (int32_t i = 0; i < kPreviewIterations; ++i) {
                z = Equation::Next(z, c, constants);
                if (z.re * z.re + z.im * z.im > limitValue) {
                    colour = kEscapeColours[i % 8];
                    break;
                }
            }
            target[3 * column] = colour.blue;
            target[3 * column + 1] = colour.green;
            target[3 * column + 2] = colour.red;
        }
    }
}

}  // namespace

extern "C" int32_t PlotJulia(int32_t EqnType, const double* JuliaReal, const double* JuliaImag) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    LibraryState& library = Library();
    platform::BitmapBits bitmap;
    if (!platform::FindBitmap(library.previewBitmap, &bitmap)) {
        library.previewBitmap = platform::CreateBitmap(kPreviewWidth, kPreviewHeight);
        if (!platform::FindBitmap(library.previewBitmap, &bitmap)) return ZENPHRA_OUT_OF_MEMORY;
        // Before any plot has set a bail-out value the preview uses a generous one (which the plot then
        // uses too, so rows computed ahead with the old value are forgotten).
        if (library.plot.limitValue == 0) {
            library.plot.limitValue = 1e10;
            Scheduler().Forget();
        }
    }
    const Cplx<double> c{JuliaReal != nullptr ? *JuliaReal : 0.0, JuliaImag != nullptr ? *JuliaImag : 0.0};
    const double originX = EqnType == kLambda ? -1.5 : -2.0;
    EquationConstants constants;
    constants.chebyshevOrder = ChebyshevOrder(library.plot.parm3);
    WithEquation(EqnType, [&](auto equation) {
        DrawPreview<decltype(equation)>(bitmap, c, originX, library.plot.limitValue, constants);
    });
    return library.previewBitmap;
}
