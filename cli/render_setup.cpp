#include "cli/render_setup.h"

#include "app/colormaps/palette_colors.h"

namespace zenphra::cli {

void ApplyColors(const RenderSetup& setup, app::PaletteArrays& palette) {
    app::ApplyColormap(setup.colors, setup.params.NumRanges);
    app::SetPaletteColor(palette, app::kMaxIterEntry, setup.colors.MaxIterColor);
    app::SetPaletteColor(palette, app::kBackgroundEntry, setup.colors.BgColor);
}

}  // namespace zenphra::cli
