// The files a render starts from: a saved image, whose pixels the library then holds, and an entry of a
// parameter file. Each shows the explorer's own message when the file cannot be used.
#pragma once

#include <QString>
#include <optional>

#include "app/common/color_map.h"
#include "app/imagefiles/fractal_text.h"
#include "app/imagefiles/image_load.h"
#include "cli/render_setup.h"

namespace zenphra::cli {

// Loads the image into the library as the explorer does, with its checks and messages, and returns its
// parameters, colours and resume point; the palette takes its colours.
std::optional<app::LoadedImage> ReadSavedImage(const QString& path, app::PaletteArrays& palette);

// The loaded image's parameters and colours as a render's.
RenderSetup SetupOfImage(const app::LoadedImage& image);

// Takes the parameters and colours of the first entry of that name, at the size of an entry's image.
// A name that is not there is refused with the names that are.
bool LoadNamedEntry(const QString& path, const QString& name, RenderSetup& setup,
                    app::PaletteArrays& palette);

}  // namespace zenphra::cli
