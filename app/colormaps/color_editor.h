// The colormap editor's state and rules, apart from its window. The editor changes the palette only:
// the user selects the start or end box of a range, or the maximum-iteration or background box, and
// sets its colour with the RGB scrollbars or the HLS pickers; the range between the two end boxes follows
// by interpolation in the library, which re-colours the image at once. It also rotates the ranges, loads
// and saves colormap files, and puts everything back on Cancel.
//
// The library must hold the palette's addresses and must not be plotting: the editor calls its colour
// functions directly.
#pragma once

#include <array>
#include <cstdint>
#include <functional>

#include "app/colormaps/editor_placement.h"
#include "app/colormaps/hls_pickers.h"
#include "app/common/color_map.h"
#include "app/common/program_folders.h"

namespace zenphra::app {

// What the main window lends the editor while it is open.
struct ColorEditorContext {
    PaletteArrays& palette;  // the arrays whose addresses the library holds
    ColorMap& colors;        // MaxIterColor and BgColor change with boxes 232 and 233; range sets never
    int32_t numRanges;       // which editor: 2, 4 or 8 ranges (any other count is 2)
    bool& usingHLS;          // the input mode, kept between runs
    FileLocations& locations;
    bool imagePresent;
    EditorPlacement placement;
    // Called after every palette change the user accepts, when an image is present: the library has
    // re-coloured its display bitmap, and the main picture is to show it.
    std::function<void()> recoloured;
};

enum class RgbChannel { kRed, kGreen, kBlue };
enum class RotateDirection { kUp, kDown };

class ColorEditor {
  public:
    // Opens the editor: entries 232 and 233 take MaxIterColor and BgColor, the restore copy is taken and
    // box 0 is selected. The HLS strips are `pickerWidth` columns wide.
    ColorEditor(const ColorEditorContext& context, int32_t pickerWidth);

    int32_t Ranges() const { return ranges_; }
    int32_t RangeLength() const { return length_; }
    // Boxes that start or end a range, and the maximum-iteration and background boxes.
    bool Selectable(int32_t box) const;
    int32_t Selected() const { return selected_; }
    // Selects a selectable box and shows its colour in the scrollbars and pickers; false for any other box,
    // which changes nothing.
    bool Select(int32_t box);
    // What box 0 to 233 shows: its palette entry.
    PackedColor BoxColor(int32_t box) const { return PaletteColor(context_.palette, box); }

    bool UsingHLS() const { return context_.usingHLS; }
    // Switches between the scrollbars and the HLS pickers and shows the selected colour again.
    void UseHls(bool on);

    // The scrollbar positions: the red, green and blue of the colour shown.
    const std::array<int32_t, 3>& Rgb() const { return rgb_; }
    // The user set one scrollbar: the selected box takes the three scrollbars' colour.
    void SetRgb(RgbChannel channel, int32_t value);

    const HlsPickers& Pickers() const { return pickers_; }
    // The user drags a triangle to `x`; returns where it stops (never beyond its strip).
    float DragTriangle(HlsStrip strip, int32_t x) { return pickers_.MoveTo(strip, x); }
    // The user lets a triangle go: the selected box takes the pickers' colour.
    void DropTriangle(HlsStrip strip);

    // Every range takes the colours of the range after it (up) or before it (down), round the palette;
    // box 0 is selected.
    void Rotate(RotateDirection direction);

    // "&Load Map" and "&Save Map": a colormap file of this editor's kind, its name asked for until it has
    // the right extension. A loaded file selects box 0.
    void LoadMap();
    void SaveMap();

    // OK keeps the palette as edited.
    void Accept();
    // Cancel (and closing the window any other way than OK) puts back palette entries 0 to 233,
    // MaxIterColor and BgColor as they were at opening.
    void Cancel();

  private:
    struct RestoreCopy {
        PaletteArrays palette;
        PackedColor maxIterColor = 0;
        PackedColor bgColor = 0;
    };

    void ShowSelected();
    void Apply(PackedColor color);
    void Recolour();
    void Recoloured();
    void TakeRestoreCopy();

    ColorEditorContext context_;
    int32_t ranges_;
    int32_t length_;
    int32_t selected_ = 0;
    std::array<int32_t, 3> rgb_{};
    HlsPickers pickers_;
    RestoreCopy restore_;
};

// The main window's "&Default Colors": the range set of `numRanges` goes back to the default colours
// (MaxIterColor and BgColor stay) and fills the palette. With an image present the library re-colours it
// and the result is true: the main picture is to show the library's bitmap. Without an image the next
// plot takes the default colours.
bool DefaultColors(ColorMap& colors, int32_t numRanges, bool imagePresent);

}  // namespace zenphra::app
