#include "engine/deep/deep_pixel_loops.h"

namespace zenphra {

DeepPixelFunction ClassicOrLambdaPixelFunction(const DeepImage& image, int32_t rendering) {
    if (image.equation == DeepEquation::kLambda)
        return deep_loops::PixelFunctionOf<LambdaPerturbation>(image, rendering);
    return deep_loops::PixelFunctionOf<ClassicPerturbation>(image, rendering);
}

DeepPixelFunction DeepPixelFunctionFor(const DeepImage& image, int32_t rendering) {
    switch (image.equation) {
        case DeepEquation::kPokorny:
        case DeepEquation::kSpiralSymmetry2:
        case DeepEquation::kBarnsley2:
            return QuadraticPixelFunction(image, rendering);
        case DeepEquation::kChebyshev:
            return ChebyshevPixelFunction(image, rendering);
        case DeepEquation::kClassic:
        case DeepEquation::kLambda:
            break;
    }
    return ClassicOrLambdaPixelFunction(image, rendering);
}

}  // namespace zenphra
