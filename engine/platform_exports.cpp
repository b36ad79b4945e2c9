// The exports that stand in for operating-system services: looking up a bitmap by its handle, and
// installing the Escape poll.
#include "platform/abort_poll.h"
#include "platform/bitmap_store.h"
#include "zenphra.h"

using namespace zenphra;

extern "C" {

int32_t GetBitmapInfo(int32_t handle, int32_t* width, int32_t* height, int32_t* stride, uint8_t** bits) {
    platform::BitmapBits found;
    if (!platform::FindBitmap(handle, &found)) return 0;
    if (width != nullptr) *width = found.width;
    if (height != nullptr) *height = found.height;
    if (stride != nullptr) *stride = found.stride;
    if (bits != nullptr) *bits = found.bits;
    return 1;
}

void SetAbortPoll(int32_t (*poll)(void)) { platform::InstallAbortPoll(poll); }

}  // extern "C"
