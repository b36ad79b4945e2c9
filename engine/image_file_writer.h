// Writing a fractal image file: the index bytes as an 8-bit palette PNG, the palette at the time of
// saving, and the parameter text under our keyword.
#pragma once

#include <cstdint>

#include "engine/indexed_image.h"

namespace zenphra {

// Writes `image` with the colours of `palette` and `text` (zero-terminated; null reads as empty) to
// `path`. A file of that name is replaced only once the new one is complete. Returns 0 or a code:
// ZENPHRA_CANNOT_OPEN (the file cannot be created), ZENPHRA_OUT_OF_MEMORY, ZENPHRA_PNG_ERROR (libpng or a
// write, flush or close failed; also when there is no image or no palette to write), ZENPHRA_NOT_OURS (a
// text longer than ZENPHRA_TEXT_CAPACITY bytes or a location longer than ZENPHRA_LOCATION_CAPACITY, which no
// reader would accept). A null or empty `location` writes no location chunk.
int32_t WriteImageFile(const char* path, const IndexedImage& image, const Palette& palette, const char* text,
                       const char* location = nullptr);

}  // namespace zenphra
