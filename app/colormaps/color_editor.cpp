#include "app/colormaps/color_editor.h"

#include <QString>
#include <algorithm>
#include <optional>

#include "app/colormaps/colormap_file.h"
#include "app/colormaps/palette_colors.h"
#include "app/imagefiles/get_fname.h"
#include "app/common/engine_api.h"

namespace zenphra::app {
namespace {

// Asks for a colormap file name until it has the right extension; nothing when the user cancels.
std::optional<QString> AskColormapFile(DialogType type, int32_t ranges, FileLocations& locations) {
    QString path;
    do {
        path = GetFname(type, ranges, locations);
    } while (path == kBadExtension);
    if (path == kCancelled) return std::nullopt;
    return path;
}

}  // namespace

ColorEditor::ColorEditor(const ColorEditorContext& context, int32_t pickerWidth)
    : context_(context),
      ranges_(UsedRanges(context.numRanges)),
      length_(kRangeEntries / ranges_),
      pickers_(pickerWidth) {
    SetPaletteColor(context_.palette, kMaxIterEntry, context_.colors.MaxIterColor);
    SetPaletteColor(context_.palette, kBackgroundEntry, context_.colors.BgColor);
    TakeRestoreCopy();
    Select(0);
}

bool ColorEditor::Selectable(int32_t box) const {
    if (box == kMaxIterEntry || box == kBackgroundEntry) return true;
    if (box < 0 || box >= kRangeEntries) return false;
    return box % length_ == 0 || box % length_ == length_ - 1;
}

bool ColorEditor::Select(int32_t box) {
    if (!Selectable(box)) return false;
    selected_ = box;
    ShowSelected();
    return true;
}

void ColorEditor::ShowSelected() {
    const PackedColor color = BoxColor(selected_);
    rgb_ = {RedOf(color), GreenOf(color), BlueOf(color)};
    pickers_.Show(color);
}

void ColorEditor::UseHls(bool on) {
    context_.usingHLS = on;
    ShowSelected();
}

void ColorEditor::SetRgb(RgbChannel channel, int32_t value) {
    rgb_[static_cast<size_t>(channel)] = std::clamp(value, 0, 255);
    const PackedColor color = PackColor(static_cast<uint8_t>(rgb_[0]), static_cast<uint8_t>(rgb_[1]),
                                        static_cast<uint8_t>(rgb_[2]));
    pickers_.Show(color);
    Apply(color);
}

void ColorEditor::DropTriangle(HlsStrip strip) {
    const PackedColor color = pickers_.Release(strip);
    rgb_ = {RedOf(color), GreenOf(color), BlueOf(color)};
    Apply(color);
}

// A range end takes the colour and the range is filled again between its two ends, which re-colours the
// image; the maximum-iteration and background colours are kept in the colormap too.
void ColorEditor::Apply(PackedColor color) {
    if (selected_ == kMaxIterEntry || selected_ == kBackgroundEntry) {
        (selected_ == kMaxIterEntry ? context_.colors.MaxIterColor : context_.colors.BgColor) = color;
        SetPaletteColor(context_.palette, selected_, color);
        Recolour();
        return;
    }
    if (selected_ % length_ == 0) {
        Engine().SetColorRange(selected_, length_, color, BoxColor(selected_ + length_ - 1));
    } else {
        const int32_t start = selected_ - length_ + 1;
        Engine().SetColorRange(start, length_, BoxColor(start), color);
    }
    Recoloured();
}

void ColorEditor::Rotate(RotateDirection direction) {
    Engine().RotateColorRanges(direction == RotateDirection::kUp ? 0 : 1, length_);
    Select(0);
    Recoloured();
}

void ColorEditor::LoadMap() {
    const std::optional<QString> path = AskColormapFile(kLoadColormapDialog, ranges_, context_.locations);
    if (!path) return;
    Select(0);
    if (!LoadColormapFile(*path, ranges_, context_.colors, context_.palette)) return;
    Select(0);
    Recolour();
}

void ColorEditor::SaveMap() {
    const std::optional<QString> path = AskColormapFile(kSaveColormapDialog, ranges_, context_.locations);
    if (path) SaveColormapFile(*path, context_.palette, ranges_);
}

void ColorEditor::Accept() {
    Recolour();
    TakeRestoreCopy();
}

void ColorEditor::Cancel() {
    for (auto channel : {&PaletteArrays::PalRed, &PaletteArrays::PalGrn, &PaletteArrays::PalBlu}) {
        std::copy_n((restore_.palette.*channel).begin(), kRangeEntries, (context_.palette.*channel).begin());
    }
    context_.colors.MaxIterColor = restore_.maxIterColor;
    context_.colors.BgColor = restore_.bgColor;
    SetPaletteColor(context_.palette, kMaxIterEntry, restore_.maxIterColor);
    SetPaletteColor(context_.palette, kBackgroundEntry, restore_.bgColor);
    ShowSelected();
    Recolour();
}

void ColorEditor::TakeRestoreCopy() {
    restore_ = {context_.palette, context_.colors.MaxIterColor, context_.colors.BgColor};
}

void ColorEditor::Recolour() {
    Engine().SetFractalColors();
    Recoloured();
}

void ColorEditor::Recoloured() {
    if (context_.imagePresent && context_.recoloured) context_.recoloured();
}

bool DefaultColors(ColorMap& colors, int32_t numRanges, bool imagePresent) {
    const ColorMap defaults;
    std::ranges::copy(RangeColorsFor(defaults, numRanges), RangeColorsFor(colors, numRanges).begin());
    ApplyColormap(colors, numRanges);
    if (!imagePresent) return false;
    Engine().SetFractalColors();
    return true;
}

}  // namespace zenphra::app
