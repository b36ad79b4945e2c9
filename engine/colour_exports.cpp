// The colour exports: the palette arrays are the program's; the library fills and rotates ranges in
// them and re-colours the display bitmap after every change.
#include "engine/library_state.h"
#include "engine/palette.h"
#include "zenphra.h"

using namespace zenphra;

extern "C" {

int32_t SetColorPointers(uint8_t* red, uint8_t* green, uint8_t* blue) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    Library().palette = Palette{red, green, blue};
    return 0;
}

int32_t SetColorRange(int32_t start, int32_t count, int32_t startColor, int32_t endColor) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    if (!FillColorRange(Library().palette, start, count, startColor, endColor)) return 0;
    return RecolourMainImage();
}

int32_t SetFractalColors(void) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    return RecolourMainImage();
}

int32_t RotateColorRanges(int32_t direction, int32_t count) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    if (!RotateColorRanges(Library().palette, direction, count)) return 0;
    return RecolourMainImage();
}

}  // extern "C"
