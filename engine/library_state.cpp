#include "engine/library_state.h"

namespace zenphra {

LibraryState& Library() {
    static LibraryState state;
    return state;
}

int32_t RecolourMainImage() {
    LibraryState& library = Library();
    if (!library.imagePresent || !library.image.Exists()) return 0;
    RecolourBitmap(library.image, library.palette);
    return library.image.bitmap;
}

}  // namespace zenphra
