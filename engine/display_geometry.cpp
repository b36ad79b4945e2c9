#include "engine/display_geometry.h"

#include "platform/bitmap_store.h"

namespace zenphra {

DisplayGeometry ComputeDisplayGeometry(int32_t width, int32_t height, int32_t maxWidth, int32_t maxHeight) {
    int32_t step = 1;
    int32_t shownWidth = width;
    int32_t shownHeight = height;
    while (shownWidth > maxWidth || shownHeight > maxHeight) {
        step *= 2;
        shownWidth = width / step;
        shownHeight = height / step;
    }
    // An image far wider than high (or the reverse) would otherwise be shown with no rows (or columns).
    if (shownWidth < 1) shownWidth = 1;
    if (shownHeight < 1) shownHeight = 1;
    int32_t trimmedWidth = shownWidth;
    while (trimmedWidth >= 1 && platform::BitmapStride(trimmedWidth) % step != 0) --trimmedWidth;
    if (trimmedWidth >= 1) shownWidth = trimmedWidth;
    return DisplayGeometry{step, shownWidth, shownHeight,
                           static_cast<int32_t>(platform::BitmapStride(shownWidth))};
}

}  // namespace zenphra
