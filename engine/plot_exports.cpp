// The plotting exports: InitPlot opens or re-parameterises the plot, PlotFractal computes one row.
#include <algorithm>

#include "engine/deep/deep_state.h"
#include "engine/library_state.h"
#include "engine/pixel_context.h"
#include "engine/plot_path.h"
#include "engine/row_kernels.h"
#include "engine/row_scheduler.h"
#include "engine/string_to_double.h"
#include "platform/bitmap_store.h"
#include "zenphra.h"

using namespace zenphra;

namespace {

// The values by address are copied now; a missing one reads as 0.
double Read(const double* value) { return value != nullptr ? *value : 0.0; }

PlotParams ReadPlotParams(int32_t eqnType, int32_t horRes, int32_t vertRes, int32_t maxIters,
                          int32_t itersToSkip, int32_t numRanges, int32_t rendering, const double* limitValue,
                          const double* juliaReal, const double* juliaImag, const double* parm1,
                          const double* parm2, const double* parm3, int32_t func1, int32_t func2,
                          const double* centerReal, const double* centerImag, const double* magnify,
                          const double* angleDegrees, int32_t banding) {
    PlotParams params;
    params.juliaMode = eqnType >= ZENPHRA_JULIA_OFFSET;
    params.equation = params.juliaMode ? eqnType - ZENPHRA_JULIA_OFFSET : eqnType;
    params.width = horRes;
    params.height = vertRes;
    params.maxIters = maxIters;
    params.itersToSkip = itersToSkip;
    params.numRanges = numRanges == 8 || numRanges == 4 ? numRanges : 2;
    params.rendering = rendering;
    params.limitValue = Read(limitValue);
    params.juliaReal = Read(juliaReal);
    params.juliaImag = Read(juliaImag);
    params.parm1 = Read(parm1);
    params.parm2 = Read(parm2);
    params.parm3 = Read(parm3);
    params.func1 = func1 >= 0 && func1 < kComplexFunctionCount ? func1 : 0;
    params.func2 = func2 >= 0 && func2 < kComplexFunctionCount ? func2 : 0;
    params.banding = banding != 0;
    params.angleDegrees = Read(angleDegrees);
    params.mapping = ComputePlaneMapping(horRes, vertRes, Read(centerReal), Read(centerImag), Read(magnify),
                                         Read(angleDegrees));
    return params;
}

// Takes the parameters of a plot and, for a new image, makes its buffer and bitmap.
int32_t StartPlot(int32_t newImage, const PlotParams& params) {
    LibraryState& library = Library();
    library.imagePresent = true;
    library.plot = params;
    // Resuming: the buffer, its size, its display step and every plotted byte stay as they are.
    if (newImage == 0) {
        Scheduler().Prepare(std::clamp(params.width, 0, library.image.width));
        return 0;
    }

    ReleaseIndexedImage(&library.image);
    if (!CreateIndexedImage(params.width, params.height, kMainDisplayWidth, kMainDisplayHeight,
                            &library.image)) {
        library.imagePresent = false;
        return ZENPHRA_OUT_OF_MEMORY;
    }
    std::fill_n(library.image.pixels.get(), int64_t{params.width} * params.height, kNotPlottedIndex);
    Scheduler().Prepare(params.width);
    RecolourMainImage();
    return library.image.bitmap;
}

}  // namespace

extern "C" {

int32_t InitPlot(int32_t NewImage, int32_t EqnType, int32_t HorRes, int32_t VertRes, int32_t MaxIters,
                 int32_t ItersToSkip, int32_t NumRanges, int32_t Rendering, const double* LimitValue,
                 const double* JuliaReal, const double* JuliaImag, const double* Parm1, const double* Parm2,
                 const double* Parm3, int32_t Func1, int32_t Func2, const double* PrevRealCenter,
                 const double* PrevImagCenter, const double* TotalMagnify, const double* TotalAngleDeg,
                 int32_t /*ImageFactor: the library works out its own display step*/, int32_t Banding) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    EndDeepPlot();
    return StartPlot(NewImage,
                     ReadPlotParams(EqnType, HorRes, VertRes, MaxIters, ItersToSkip, NumRanges, Rendering,
                                    LimitValue, JuliaReal, JuliaImag, Parm1, Parm2, Parm3, Func1, Func2,
                                    PrevRealCenter, PrevImagCenter, TotalMagnify, TotalAngleDeg, Banding));
}

int32_t InitPlotDeep(int32_t NewImage, int32_t EqnType, int32_t HorRes, int32_t VertRes, int32_t MaxIters,
                     int32_t ItersToSkip, int32_t NumRanges, int32_t Rendering, const double* LimitValue,
                     const double* JuliaReal, const double* JuliaImag, const double* Parm1,
                     const double* Parm2, const double* Parm3, int32_t Func1, int32_t Func2,
                     const char* RealCenter, const char* ImagCenter, const char* Magnify,
                     const double* TotalAngleDeg, int32_t /*ImageFactor*/, int32_t Banding) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    DeepLocation location;
    if (!ReadDeepLocation(RealCenter, ImagCenter, Magnify, HorRes, &location)) return ZENPHRA_BAD_LOCATION;
    PlotParams params =
        ReadPlotParams(EqnType, HorRes, VertRes, MaxIters, ItersToSkip, NumRanges, Rendering, LimitValue,
                       JuliaReal, JuliaImag, Parm1, Parm2, Parm3, Func1, Func2, &location.centreReNearest,
                       &location.centreImNearest, &location.magnifyNearest, TotalAngleDeg, Banding);
    if (!location.deep) {
        EndDeepPlot();
        return StartPlot(NewImage, params);
    }
    if (!DeepEquationFor(params)) return ZENPHRA_NO_DEEP_FORM;

    DeepState& deep = LibraryDeepState();
    deep.active = true;
    deep.key = DeepKey::Of(RealCenter, ImagCenter, Magnify, params);
    deep.location = location;
    DeepStatus& status = CurrentDeepStatus();
    status.deep = 1;
    status.precisionBits = int32_t(location.precision);
    status.extendedRange = NumbersFor(location) == DeepNumbers::kExtended ? 1 : 0;
    status.referenceIterations = 0;
    status.bytes = 0;
    CurrentDeepProgress().phase = int32_t(DeepPhase::kNone);
    // The references and tables are made with the first row; a plot of the same image keeps them.
    if (deep.image && deep.madeFor == deep.key) params.deep = deep.image;
    return StartPlot(NewImage, params);
}

int32_t PlotFractal(int32_t StartY) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    LibraryState& library = Library();
    IndexedImage& image = library.image;
    if (!image.Exists()) return 0;
    // The parameters may state another size than the buffer has (a reloaded image's text, say): only
    // the pixels of the row that lie inside the buffer are computed.
    if (StartY < 0 || StartY >= image.height) return image.bitmap;
    if (const int32_t made = PrepareDeepImage(&library.plot); made < 0) return made;
    const int32_t columns = std::clamp(library.plot.width, 0, image.width);
    uint8_t* row = image.pixels.get() + int64_t{StartY} * image.width;
    int32_t plotted = -1;
    if (!PlainPlotForced())
        plotted = Scheduler().DeliverRow(library.plot, StartY, columns, image.height, row);
    if (plotted < 0) {
        // The plain way, also when no window of rows was prepared as wide as this row.
        if (PlotRowByPixel(library.plot, StartY, columns, row) < columns) return ZENPHRA_ABORTED;
        return RecolourMainImage();
    }
    if (plotted < columns) {
        ForgetColouredBitmap();  // part of the row changed without being shown
        return ZENPHRA_ABORTED;
    }
    return RecolourMainImageRow(StartY);
}

void DllCleanup(void) {
    ExclusiveCall call;
    if (call.Refused()) return;
    LibraryState& library = Library();
    Scheduler().Stop();
    ReleaseDeepState();
    library.plot.deep.reset();
    ReleaseIndexedImage(&library.image);
    library.imagePresent = false;
    ReleaseIndexedImage(&library.thumbnail);
    platform::DeleteBitmap(library.previewBitmap);
    library.previewBitmap = 0;
}

int32_t GetPlotPath(ZenphraPlotPath* path) {
    if (path == nullptr) return 0;
    const DeepStatus& status = CurrentDeepStatus();
    const DeepProgress& progress = CurrentDeepProgress();
    path->deep = status.deep;
    path->precisionBits = status.precisionBits;
    path->extendedRange = status.extendedRange;
    path->phase = progress.phase;
    path->done = progress.done;
    path->total = progress.total;
    path->referenceIterations = status.referenceIterations;
    path->bytes = status.bytes;
    return 1;
}

int32_t CountImageIndex(int32_t index, int32_t rows) {
    const IndexedImage& image = Library().image;
    if (!image.Exists() || index < 0 || index > 255 || rows < 0 || rows > image.height) return -1;
    const uint8_t* pixels = image.pixels.get();
    return int32_t(std::count(pixels, pixels + int64_t(rows) * image.width, uint8_t(index)));
}

void StringToDouble(const char* text, double* result) {
    if (result != nullptr) *result = ParseDecimal(text);
}

}  // extern "C"
