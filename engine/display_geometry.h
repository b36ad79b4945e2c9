// How large an image is shown: the display bitmap samples every d-th row and column of the index
// buffer, d being the smallest power of two that brings the image within the display limits.
#pragma once

#include <cstdint>

#include "zenphra.h"

namespace zenphra {

struct DisplayGeometry {
    int32_t step = 1;    // d: buffer pixels per displayed pixel in each direction
    int32_t width = 0;   // displayed columns
    int32_t height = 0;  // displayed rows
    int32_t stride = 0;  // bytes per displayed row
};

// The main picture is shown within 512 x 384 pixels, thumbnails within 160 x 120 (limits inclusive).
inline constexpr int32_t kMainDisplayWidth = ZENPHRA_DISPLAY_MAX_WIDTH;
inline constexpr int32_t kMainDisplayHeight = ZENPHRA_DISPLAY_MAX_HEIGHT;

// Works out the geometry for an image of width x height (both at least 1) by the public header's rule.
DisplayGeometry ComputeDisplayGeometry(int32_t width, int32_t height, int32_t maxWidth, int32_t maxHeight);

}  // namespace zenphra
