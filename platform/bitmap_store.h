// Bitmaps by handle: the library draws into 24-bit top-down bitmaps and hands out small integer handles;
// the program looks a handle up to draw the bitmap. A handle goes stale when its bitmap is deleted, and a
// stale handle is never given out again for another bitmap, so it can never reach freed memory.
#pragma once

#include <cstdint>

namespace zenphra::platform {

struct BitmapBits {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;  // bytes per row: 3 * width + 3 with the two low bits cleared
    uint8_t* bits = nullptr;
};

// Bytes per row of a 24-bit bitmap of the given width: rows are padded to whole 32-bit words.
constexpr int64_t BitmapStride(int64_t width) { return (3 * width + 3) & ~int64_t{3}; }

// Creates a zero-filled bitmap of width x height pixels (both at least 1). Returns its handle, a positive
// value, or 0 when the memory cannot be had.
int32_t CreateBitmap(int32_t width, int32_t height);

// Deletes the bitmap; an unknown or stale handle is ignored.
void DeleteBitmap(int32_t handle);

// Fills `out` and returns true for a live handle; returns false (leaving `out` alone) otherwise.
bool FindBitmap(int32_t handle, BitmapBits* out);

}  // namespace zenphra::platform
