#include "app/explorer/display_factor.h"

#include "zenphra.h"

namespace zenphra::app {

DisplayFactor ComputeDisplayFactor(int32_t horRes, int32_t vertRes) {
    const ZenphraDisplaySize size =
        ZenphraShownSize(horRes, vertRes, ZENPHRA_DISPLAY_MAX_WIDTH, ZENPHRA_DISPLAY_MAX_HEIGHT);
    return DisplayFactor{size.step, size.width, size.height};
}

}  // namespace zenphra::app
