#include "engine/indexed_image.h"

#include <new>

#include "platform/bitmap_store.h"

namespace zenphra {

bool CreateIndexedImage(int32_t width, int32_t height, int32_t maxWidth, int32_t maxHeight,
                        IndexedImage* out) {
    if (width < 1 || height < 1) return false;
    const int64_t pixelCount = int64_t{width} * height;
    if (pixelCount > kMaxImagePixels) return false;

    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow) uint8_t[static_cast<size_t>(pixelCount)]);
    if (!pixels) return false;
    const DisplayGeometry geometry = ComputeDisplayGeometry(width, height, maxWidth, maxHeight);
    const int32_t bitmap = platform::CreateBitmap(geometry.width, geometry.height);
    if (bitmap == 0) return false;

    out->pixels = std::move(pixels);
    out->width = width;
    out->height = height;
    out->bitmap = bitmap;
    out->geometry = geometry;
    return true;
}

void ReleaseIndexedImage(IndexedImage* image) {
    platform::DeleteBitmap(image->bitmap);
    *image = IndexedImage{};
}

namespace {

void RecolourRow(const IndexedImage& image, const Palette& palette, const platform::BitmapBits& bits,
                 int32_t row) {
    const int64_t step = image.geometry.step;
    const uint8_t* source = image.pixels.get() + row * step * image.width;
    uint8_t* target = bits.bits + int64_t{row} * bits.stride;
    for (int32_t column = 0; column < image.geometry.width; ++column) {
        const uint8_t index = source[column * step];
        target[3 * column] = palette.blue[index];
        target[3 * column + 1] = palette.green[index];
        target[3 * column + 2] = palette.red[index];
    }
}

}  // namespace

void RecolourBitmap(const IndexedImage& image, const Palette& palette) {
    platform::BitmapBits bits;
    if (!image.Exists() || !palette.Present() || !platform::FindBitmap(image.bitmap, &bits)) return;
    for (int32_t row = 0; row < image.geometry.height; ++row) RecolourRow(image, palette, bits, row);
}

void RecolourBitmapRow(const IndexedImage& image, const Palette& palette, int32_t displayRow) {
    platform::BitmapBits bits;
    if (!image.Exists() || !palette.Present() || !platform::FindBitmap(image.bitmap, &bits)) return;
    if (displayRow >= 0 && displayRow < image.geometry.height) RecolourRow(image, palette, bits, displayRow);
}

}  // namespace zenphra
