// The files a render starts from: a saved image, whose pixels the library then holds, and an entry of a
// parameter file. Each shows the explorer's own message when the file cannot be used.
#pragma once

#include <QString>
#include <optional>

#include "app/common/color_map.h"
#include "app/imagefiles/fractal_text.h"
#include "cli/render_setup.h"

namespace zenphra::cli {

// Reads the image into the library and returns what its text holds. Refused: a file the library cannot
// read, an equation or rendering this edition does not have, a text that cannot be read, and a text whose
// size differs from the image's own.
std::optional<app::FractalTextRecord> ReadSavedImage(const QString& path);

// The image's text taken as the setup's parameters and colours; entries 232 and 233 of the palette follow.
RenderSetup SetupOfImage(const app::FractalTextRecord& record, app::PaletteArrays& palette);

// Takes the parameters and colours of the first entry of that name, at the size of an entry's image.
// A name that is not there is refused with the names that are.
bool LoadNamedEntry(const QString& path, const QString& name, RenderSetup& setup,
                    app::PaletteArrays& palette);

}  // namespace zenphra::cli
