// Arbitrary bytes as a colormap file, read by each of the three editors; a file that reads fills the
// palette through the library as a load does.
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "app/colormaps/colormap_file.h"
#include "app/colormaps/palette_colors.h"
#include "app/common/engine_api.h"
#include "app/common/text_lines.h"
#include "fuzz/bind_engine_beside.h"

namespace {

zenphra::app::PaletteArrays palette;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv) {
    zenphra::app::BindEngineBeside((*argv)[0]);
    zenphra::app::Engine().SetColorPointers(palette.PalRed.data(), palette.PalGrn.data(),
                                            palette.PalBlu.data());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace zenphra::app;
    const QStringList lines =
        SplitLines(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (const int32_t editorRanges : {2, 4, 8}) {
        const ColormapReadResult file = ReadColormapLines(lines, editorRanges);
        if (file.status == ColormapReadStatus::kRead) ApplyRangeColors(file.rangeEnds);
    }
    return 0;
}
