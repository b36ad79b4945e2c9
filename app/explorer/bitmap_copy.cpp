#include "app/explorer/bitmap_copy.h"

#include "app/common/engine_api.h"

namespace zenphra::app {

QImage CopyOfBitmap(int32_t handle) {
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    uint8_t* bits = nullptr;
    if (handle <= 0 || Engine().GetBitmapInfo(handle, &width, &height, &stride, &bits) == 0) return {};
    return QImage(bits, width, height, stride, QImage::Format_BGR888).convertToFormat(QImage::Format_RGB32);
}

}  // namespace zenphra::app
