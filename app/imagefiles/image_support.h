// What the image browser says about an image it cannot preview: an equation or a rendering that this
// edition does not have, or a parameter text it cannot read.
#pragma once

#include <QString>

#include "app/imagefiles/fractal_text.h"

namespace zenphra::app {

// Shows the "Equation Not Supported" or "Rendering Not Supported" message for those statuses and returns
// true; returns false without a message for any other status.
bool ShowUnsupportedImage(FractalTextStatus status);

// "Error loading "<path>"": a file whose parameter text cannot be read.
void ShowLoadError(const QString& path);

}  // namespace zenphra::app
