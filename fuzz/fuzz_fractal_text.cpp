// Feeds arbitrary bytes to the fractal text reader: it must refuse or read them, never crash or hang,
// and what it reads must be safe to take as the current image's parameters.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "app/imagefiles/fractal_text.h"
#include "fuzz/bind_engine_beside.h"

using namespace zenphra::app;

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    BindEngineBeside((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ParsedFractalText parsed = ParseFractalText(QByteArray(reinterpret_cast<const char*>(data), size));
    if (parsed.status != FractalTextStatus::kOk) return 0;
    FractalParams params;
    ColorMap colors;
    PaletteArrays palette;
    CommitFractalText(parsed.record, params, colors, palette);
    const int32_t ranges = static_cast<int32_t>(RangeColorsFor(colors, params.NumRanges).size()) / 2;
    if (ranges != params.NumRanges || parsed.record.StartY > params.VertRes) std::abort();
    return 0;
}
