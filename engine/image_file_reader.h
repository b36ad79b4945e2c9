// Reading a fractal image file into a new image. Nothing the caller holds is touched: the file is decoded
// into new buffers, which the caller takes over only once the whole file has been accepted.
#pragma once

#include <cstdint>
#include <string>

#include "engine/indexed_image.h"
#include "engine/library_state.h"

namespace zenphra {

struct LoadedImageFile {
    IndexedImage image;  // the stored index bytes; the display bitmap is made but not coloured
    FractalText text;
    std::string location;  // empty when the file has no location chunk
};

// Reads the file at `path`, making a display bitmap that fits within maxDisplayWidth x maxDisplayHeight.
// Returns 0 with `out` filled, or a code: ZENPHRA_CANNOT_OPEN, ZENPHRA_READ_ERROR (fewer than 4 bytes),
// ZENPHRA_NOT_PNG, ZENPHRA_OUT_OF_MEMORY (also for an image above kMaxImagePixels), ZENPHRA_PNG_ERROR
// (damaged data), ZENPHRA_NOT_OURS (not 8 bits deep with one channel, not exactly one text chunk, a
// keyword without our signature, a text longer than the text buffer, more than one location chunk or a
// location longer than ZENPHRA_LOCATION_CAPACITY). On failure `out` is left alone.
int32_t ReadImageFile(const char* path, int32_t maxDisplayWidth, int32_t maxDisplayHeight,
                      LoadedImageFile* out);

}  // namespace zenphra
