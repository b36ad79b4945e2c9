// The thumbnail exports: the image browser previews a file in a second image with its own buffer,
// palette and bitmap, leaving the main image alone; only the text buffer is shared with it.
#include <utility>

#include "engine/image_file_reader.h"
#include "engine/library_state.h"
#include "engine/palette.h"
#include "zenphra.h"

using namespace zenphra;

namespace {

constexpr int32_t kThumbnailDisplayWidth = ZENPHRA_THUMBNAIL_MAX_WIDTH;
constexpr int32_t kThumbnailDisplayHeight = ZENPHRA_THUMBNAIL_MAX_HEIGHT;

// Returns the thumbnail's bitmap handle, or 0 when there is no thumbnail.
int32_t RecolourThumbnail() {
    const LibraryState& library = Library();
    if (!library.thumbnail.Exists()) return 0;
    RecolourBitmap(library.thumbnail, library.thumbnailPalette);
    return library.thumbnail.bitmap;
}

}  // namespace

extern "C" {

int32_t GetThumbnail(const char* path) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    LoadedImageFile loaded;
    const int32_t code = ReadImageFile(path, kThumbnailDisplayWidth, kThumbnailDisplayHeight, &loaded);
    // A file that is not even a PNG leaves the preview as it was; any later failure ends it.
    if (code == ZENPHRA_CANNOT_OPEN || code == ZENPHRA_READ_ERROR || code == ZENPHRA_NOT_PNG) return code;
    LibraryState& library = Library();
    ReleaseIndexedImage(&library.thumbnail);
    if (code != 0) return code;
    library.thumbnail = std::move(loaded.image);
    library.text = loaded.text;
    library.location = std::move(loaded.location);
    return library.thumbnail.bitmap;
}

// Changes nothing, so it needs no guard against calls from inside a row.
int32_t GetThumbnailSize(int32_t* width, int32_t* height) {
    const IndexedImage& thumbnail = Library().thumbnail;
    if (!thumbnail.Exists()) return 0;
    if (width != nullptr) *width = thumbnail.width;
    if (height != nullptr) *height = thumbnail.height;
    return 1;
}

int32_t SetThumbnailColorPointers(uint8_t* red, uint8_t* green, uint8_t* blue) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    Library().thumbnailPalette = Palette{red, green, blue};
    return 0;
}

int32_t SetThumbnailColorRange(int32_t start, int32_t count, int32_t startColor, int32_t endColor) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    if (!FillColorRange(Library().thumbnailPalette, start, count, startColor, endColor)) return 0;
    return RecolourThumbnail();
}

int32_t SetThumbnailColors(void) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    return RecolourThumbnail();
}

}  // extern "C"
