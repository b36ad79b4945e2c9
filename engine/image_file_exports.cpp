// The image file exports: saving the main image with its parameter text, reading one back in its place,
// and handing the text of the last file read to the program.
#include <utility>

#include "engine/image_file_reader.h"
#include "engine/image_file_writer.h"
#include "engine/library_state.h"
#include "zenphra.h"

using namespace zenphra;

extern "C" {

int32_t WriteFractalFile(const char* path, const char* text) {
    return WriteFractalFileDeep(path, text, nullptr);
}

int32_t WriteFractalFileDeep(const char* path, const char* text, const char* location) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    const LibraryState& library = Library();
    if (!library.imagePresent) return ZENPHRA_PNG_ERROR;
    return WriteImageFile(path, library.image, library.palette, text, location);
}

int32_t ReadFractalFile(const char* path) {
    ExclusiveCall call;
    if (call.Refused()) return 0;
    LoadedImageFile loaded;
    // The image on screen is replaced only by a file that was read whole; any failure leaves it as it was.
    if (const int32_t code = ReadImageFile(path, kMainDisplayWidth, kMainDisplayHeight, &loaded); code != 0) {
        return code;
    }
    LibraryState& library = Library();
    ReleaseIndexedImage(&library.image);
    library.image = std::move(loaded.image);
    library.imagePresent = true;
    library.text = loaded.text;
    library.location = std::move(loaded.location);
    return library.image.bitmap;
}

// The three readers below change nothing, so they need no guard against calls from inside a row.
const char* GetFractalText(void) { return Library().text.bytes.data(); }

int32_t GetFractalTextLen(void) { return Library().text.length; }

const char* GetFractalLocation(void) { return Library().location.c_str(); }

int32_t GetFractalLocationLen(void) { return static_cast<int32_t>(Library().location.size()); }

int32_t GetImageSize(int32_t* width, int32_t* height) {
    const LibraryState& library = Library();
    if (!library.imagePresent || !library.image.Exists()) return 0;
    if (width != nullptr) *width = library.image.width;
    if (height != nullptr) *height = library.image.height;
    return 1;
}

}  // extern "C"
