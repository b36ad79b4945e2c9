#include "engine/pixel_context.h"

namespace zenphra {

uint8_t CaughtIndex(double trap, int32_t range, const RenderConstants& k, IndexMapping mapping, int32_t row,
                    int32_t column) {
    double position = trap * k.scale;
    // A catch means 0 <= trap < limit, but the scale may round the position up to the range length; it
    // is clamped here only so that no value can be out of range for the conversion.
    if (!(position >= 0)) position = 0;
    if (position > 1e6) position = 1e6;
    int32_t i = static_cast<int32_t>(position);
    if (!k.banding) {
        int32_t level = static_cast<int32_t>((position - i) * 10);
        if (level == 10) level = 9;
        if (i < k.colours - 1 && level >= kDitherThreshold[row % 3][column % 3]) ++i;
    }
    const int32_t base = range * k.colours;
    switch (mapping) {
        case IndexMapping::kReversed:
            return static_cast<uint8_t>(base + (k.colours - 1 - i));
        case IndexMapping::kMirrored:
            return static_cast<uint8_t>(i < k.half ? base + 2 * (k.half - i) - 1 : base + 2 * (i - k.half));
        default:
            return static_cast<uint8_t>(base + i);
    }
}

}  // namespace zenphra
