// A copy of one of the plotting library's bitmaps as a picture to paint. The library keeps writing into
// its bitmaps, so the picture is always a copy, made between two of its calls.
#pragma once

#include <QImage>
#include <cstdint>

namespace zenphra::app {

// The bitmap in the screen's own pixel format, so painting it is a plain copy; a null picture for a stale
// or unknown handle.
QImage CopyOfBitmap(int32_t handle);

}  // namespace zenphra::app
