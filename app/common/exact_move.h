// The moves of the zoom box and the wheel worked out on the location in full where doubles cannot
// resolve the image's pixels, so that the point under the pointer stays under it at any depth.
#pragma once

#include "app/common/fractal_params.h"

namespace zenphra::app {

// Whether doubles resolve the pixels of an image with these parameters, as the plotting library decides
// it: its pixel step is at least 2^-ZENPHRA_DOUBLE_RESOLUTION_BITS times the larger of 1 and the centre's
// parts. Where they do, the Parts' double arithmetic moves the view.
bool DoublesResolve(const FractalParams& params);

// Moves the location in force by `pixelsRe` and `pixelsIm` pixels of the image it describes, along the
// plane's axes (any rotation already applied), and multiplies its magnification by `factor` (above 0):
// centre + pixels x 3.6 / (magnification x HorRes), in full precision. The centre keeps every decimal it
// had and as many as the new magnification needs with 20 to spare; the magnification keeps 20 digits.
// The doubles become the new location's nearest ones.
void MoveExactly(FractalParams& params, double pixelsRe, double pixelsIm, double factor);

}  // namespace zenphra::app
