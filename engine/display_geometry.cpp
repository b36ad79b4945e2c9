#include "engine/display_geometry.h"

#include "zenphra.h"

namespace zenphra {

DisplayGeometry ComputeDisplayGeometry(int32_t width, int32_t height, int32_t maxWidth, int32_t maxHeight) {
    // The rule is the public header's, so the program sizes its picture exactly as the bitmap is made.
    const ZenphraDisplaySize size = ZenphraShownSize(width, height, maxWidth, maxHeight);
    return DisplayGeometry{size.step, size.width, size.height, size.stride};
}

}  // namespace zenphra
