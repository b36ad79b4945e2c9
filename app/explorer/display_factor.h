// How large the image is shown: a power-of-two reduction that keeps the picture within 512 x 384
// pixels. The factor is the plotting library's display step, so the picture and the library's bitmap
// always agree.
#pragma once

#include <cstdint>

namespace zenphra::app {

inline constexpr int32_t kPictureMaxWidth = 512;
inline constexpr int32_t kPictureMaxHeight = 384;

struct DisplayFactor {
    int32_t ImageFactor = 1;
    int32_t PicWidth = 0;   // shown width in screen pixels
    int32_t PicHeight = 0;  // shown height
};

// The factor doubles while the whole-number quotient of either side exceeds its limit; the shown size is
// each side divided by the factor, rounded halves to even, and at least 1 pixel.
DisplayFactor ComputeDisplayFactor(int32_t horRes, int32_t vertRes);

}  // namespace zenphra::app
