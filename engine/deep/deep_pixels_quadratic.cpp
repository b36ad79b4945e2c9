#include "engine/deep/deep_pixel_loops.h"

namespace zenphra {

DeepPixelFunction QuadraticPixelFunction(const DeepImage& image, int32_t rendering) {
    switch (image.equation) {
        case DeepEquation::kSpiralSymmetry2:
            return deep_loops::PixelFunctionOf<SpiralSymmetry2Perturbation>(image, rendering);
        case DeepEquation::kBarnsley2:
            return deep_loops::PixelFunctionOf<Barnsley2Perturbation>(image, rendering);
        default:
            return deep_loops::PixelFunctionOf<PokornyPerturbation>(image, rendering);
    }
}

}  // namespace zenphra
