#include "engine/library_state.h"

#include <algorithm>

namespace zenphra {

LibraryState& Library() {
    static LibraryState state;
    return state;
}

namespace {

std::array<uint8_t, 3 * 256> PaletteSnapshot(const Palette& palette) {
    std::array<uint8_t, 3 * 256> snapshot{};
    if (!palette.Present()) return snapshot;
    std::copy_n(palette.red, 256, snapshot.begin());
    std::copy_n(palette.green, 256, snapshot.begin() + 256);
    std::copy_n(palette.blue, 256, snapshot.begin() + 512);
    return snapshot;
}

}  // namespace

int32_t RecolourMainImage() {
    LibraryState& library = Library();
    if (!library.imagePresent || !library.image.Exists()) return 0;
    RecolourBitmap(library.image, library.palette);
    library.colouredBitmap = library.image.bitmap;
    library.colouredPalette = PaletteSnapshot(library.palette);
    return library.image.bitmap;
}

int32_t RecolourMainImageRow(int32_t row) {
    LibraryState& library = Library();
    const IndexedImage& image = library.image;
    if (!library.imagePresent || !image.Exists()) return 0;
    if (library.colouredBitmap != image.bitmap ||
        library.colouredPalette != PaletteSnapshot(library.palette)) {
        return RecolourMainImage();
    }
    if (row % image.geometry.step == 0) RecolourBitmapRow(image, library.palette, row / image.geometry.step);
    return image.bitmap;
}

void ForgetColouredBitmap() { Library().colouredBitmap = 0; }

}  // namespace zenphra
