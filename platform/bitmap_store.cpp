#include "platform/bitmap_store.h"

#include <cstdlib>
#include <limits>
#include <map>

namespace zenphra::platform {
namespace {

// Handles are a running generation number: each new bitmap gets the next one, so a deleted bitmap's
// handle is simply absent from the map and never refers to anything again.
// Never destroyed: bitmaps the library still holds when the process ends stay reachable, and a call made
// late in the shut-down finds the store intact instead of a destroyed map.
std::map<int32_t, BitmapBits>& Bitmaps() {
    static auto* const bitmaps = new std::map<int32_t, BitmapBits>;
    return *bitmaps;
}

int32_t NextHandle() {
    static int32_t lastHandle = 0;
    do {
        lastHandle = lastHandle == std::numeric_limits<int32_t>::max() ? 1 : lastHandle + 1;
    } while (Bitmaps().count(lastHandle) != 0);
    return lastHandle;
}

}  // namespace

int32_t CreateBitmap(int32_t width, int32_t height) {
    if (width < 1 || height < 1) return 0;
    const int64_t stride = BitmapStride(width);
    if (stride > std::numeric_limits<int32_t>::max()) return 0;
    auto* bits = static_cast<uint8_t*>(std::calloc(static_cast<size_t>(stride), static_cast<size_t>(height)));
    if (bits == nullptr) return 0;
    const int32_t handle = NextHandle();
    Bitmaps()[handle] = BitmapBits{width, height, static_cast<int32_t>(stride), bits};
    return handle;
}

void DeleteBitmap(int32_t handle) {
    auto found = Bitmaps().find(handle);
    if (found == Bitmaps().end()) return;
    std::free(found->second.bits);
    Bitmaps().erase(found);
}

bool FindBitmap(int32_t handle, BitmapBits* out) {
    auto found = Bitmaps().find(handle);
    if (found == Bitmaps().end()) return false;
    *out = found->second;
    return true;
}

}  // namespace zenphra::platform
