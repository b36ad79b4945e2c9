// An image held as one palette index per pixel, with the display bitmap that shows it reduced.
// The library keeps two: the main image (plotted or read from a file) and the thumbnail.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/display_geometry.h"
#include "zenphra.h"

namespace zenphra {

// Index values with a fixed meaning; 0 to 231 are the colour ranges.
inline constexpr uint8_t kMaxIterIndex = ZENPHRA_MAX_ITER_ENTRY;
inline constexpr uint8_t kBackgroundIndex = ZENPHRA_BACKGROUND_ENTRY;
inline constexpr uint8_t kNotPlottedIndex = ZENPHRA_NOT_PLOTTED_ENTRY;

// The largest image the library accepts: sixteen times the program's largest (4096 x 4096).
inline constexpr int64_t kMaxImagePixels = int64_t{1} << 28;

// The program's three palette arrays (257 entries each; the library uses 0 to 255).
struct Palette {
    uint8_t* red = nullptr;
    uint8_t* green = nullptr;
    uint8_t* blue = nullptr;
    bool Present() const { return red != nullptr && green != nullptr && blue != nullptr; }
};

struct IndexedImage {
    std::unique_ptr<uint8_t[]> pixels;  // width x height bytes, row 0 first
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitmap = 0;  // handle of the display bitmap
    DisplayGeometry geometry;

    bool Exists() const { return pixels != nullptr; }
};

// Makes a new image of width x height whose display bitmap fits within maxWidth x maxHeight. The pixels
// are not initialised. Returns false when a side is below 1, the image exceeds kMaxImagePixels, or
// memory cannot be had; `out` is left alone then.
bool CreateIndexedImage(int32_t width, int32_t height, int32_t maxWidth, int32_t maxHeight,
                        IndexedImage* out);

// Frees the pixels and deletes the display bitmap.
void ReleaseIndexedImage(IndexedImage* image);

// Redraws the display bitmap from the pixels through the palette: displayed pixel (i, j) shows buffer
// pixel (i d, j d). Does nothing without pixels, bitmap or palette.
void RecolourBitmap(const IndexedImage& image, const Palette& palette);

// Redraws one displayed row only, the one that samples buffer row displayRow * d.
void RecolourBitmapRow(const IndexedImage& image, const Palette& palette, int32_t displayRow);

}  // namespace zenphra
