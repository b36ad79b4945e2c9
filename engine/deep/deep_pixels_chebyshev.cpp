#include "engine/deep/deep_pixel_loops.h"

namespace zenphra {

DeepPixelFunction ChebyshevPixelFunction(const DeepImage& image, int32_t rendering) {
    switch (image.chebyshevOrder) {
        case 3:
            return deep_loops::PixelFunctionOf<ChebyshevPerturbation<3>>(image, rendering);
        case 4:
            return deep_loops::PixelFunctionOf<ChebyshevPerturbation<4>>(image, rendering);
        case 5:
            return deep_loops::PixelFunctionOf<ChebyshevPerturbation<5>>(image, rendering);
        case 6:
            return deep_loops::PixelFunctionOf<ChebyshevPerturbation<6>>(image, rendering);
        case 7:
            return deep_loops::PixelFunctionOf<ChebyshevPerturbation<7>>(image, rendering);
        case 8:
            return deep_loops::PixelFunctionOf<ChebyshevPerturbation<8>>(image, rendering);
        default:
            return deep_loops::PixelFunctionOf<ChebyshevPerturbation<9>>(image, rendering);
    }
}

}  // namespace zenphra
