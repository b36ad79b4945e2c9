// How large the image is shown: a power-of-two reduction that keeps the picture within 512 x 384
// pixels. The size is the plotting library's display bitmap, worked out by the rule of its public
// header, so the picture, the bitmap and the mouse mapping over the picture always agree.
#pragma once

#include <cstdint>

namespace zenphra::app {

struct DisplayFactor {
    int32_t ImageFactor = 1;
    int32_t PicWidth = 0;   // shown width in screen pixels
    int32_t PicHeight = 0;  // shown height
};

DisplayFactor ComputeDisplayFactor(int32_t horRes, int32_t vertRes);

}  // namespace zenphra::app
