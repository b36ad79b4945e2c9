// What a file left by an earlier run already holds of the image a run is about to plot, so that frames
// and strips found finished are kept and half-finished ones are continued. The library must be bound.
#pragma once

#include <QString>
#include <cstdint>

#include "app/imagefiles/fractal_text.h"

namespace zenphra::cli {

// Whether two image texts describe the same image: the same parameters (the size among them) and
// colours; where its plot resumes may differ.
bool SameImage(const app::FractalTextRecord& saved, const app::FractalTextRecord& wanted);

// The rows from the top that the file at `path` already holds: its resume row, the image's height when
// it is finished (the library then holds its pixels to go on with), and 0 when there is no file, or one
// the library cannot read, or one made with other parameters or colours, which is plotted anew.
int32_t RowsOnDisk(const QString& path, const app::FractalTextRecord& wanted);

}  // namespace zenphra::cli
