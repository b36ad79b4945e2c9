// Feeds arbitrary bytes to the fractal text reader: it must refuse or read them, never crash or hang,
// and what it reads must be safe to take as the current image's parameters. Bytes after a zero byte are
// the file's location text.
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

#include "app/common/exact_location.h"
#include "app/imagefiles/fractal_text.h"
#include "fuzz/bind_engine_beside.h"

using namespace zenphra::app;

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    BindEngineBeside((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype zero = input.indexOf('\0');
    const ParsedFractalText parsed =
        zero < 0 ? ParseFractalText(input) : ParseFractalText(input.left(zero), input.mid(zero + 1));
    if (parsed.status != FractalTextStatus::kOk) return 0;
    FractalParams params;
    ColorMap colors;
    PaletteArrays palette;
    CommitFractalText(parsed.record, params, colors, palette);
    const int32_t ranges = static_cast<int32_t>(RangeColorsFor(colors, params.NumRanges).size()) / 2;
    if (ranges != params.NumRanges || parsed.record.StartY > params.VertRes) std::abort();
    // A location taken agrees with the doubles beside it.
    if (!params.ExactRealCenter.isEmpty() && !HasExactLocationInForce(params)) std::abort();
    return 0;
}
