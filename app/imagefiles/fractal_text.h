// The fractal text: the parameters and colours of an image, stored inside its PNG file as 39 label-free
// lines ended by a line feed, the last ("Band" and the banding value) without one. A value's meaning is
// its line number.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"

namespace zenphra::app {

inline constexpr int32_t kFractalTextLines = 39;
inline constexpr int32_t kFractalTextMaxLines = 101;  // a longer text is not a fractal text
inline constexpr int32_t kFractalTextMaxSide = 16384;

// Builds the text of the image: the parameters, the row its plot resumes at, and the colours sampled
// from the palette as eight ranges of 29 entries (which holds the ends of every range for 2, 4 and 8
// ranges), then palette entries 232 and 233.
QByteArray BuildFractalText(const FractalParams& params, int32_t startY, const PaletteArrays& palette);

// What a fractal text holds, read into a fresh record.
struct FractalTextRecord {
    FractalParams params;  // CustomHres and CustomVres are not in the text and stay empty
    int32_t StartY = 0;
    std::vector<PackedColor> RangeColors;  // start and end of each range, for params.NumRanges ranges
    PackedColor MaxIterColor = 0;
    PackedColor BgColor = 0;
};

enum class FractalTextStatus {
    kOk,
    kBadText,  // missing lines, a whole-number line that is not one, a value out of range, too many lines
    kUnsupportedEquation,
    kUnsupportedRendering,
};

struct ParsedFractalText {
    FractalTextStatus status = FractalTextStatus::kBadText;
    FractalTextRecord record;  // meaningful only with kOk
};

// The text of the image file's location chunk: the lines of the exact location in force, each ended by a
// line feed; empty when there is none.
QByteArray BuildLocationText(const FractalParams& params);

// Reads a fractal text, and the location text of the same file when it has one. Integers must be whole
// numbers that fit their field; decimals are read by the library's StringToDouble (which must be bound), so
// "4.5abc" reads 4.5 and only a value too large for a double fails. A NumRanges other than 4 or 8 is read
// as 2. Banding is 1 unless the text has a line beginning "Band" directly followed by "0"; the text ends at
// that line. A location must hold the three lines of an exact location that agrees with the centre and
// magnification of the text (see TakeExactLocation), or the text is bad.
ParsedFractalText ParseFractalText(const QByteArray& text, const QByteArray& location = {});

// Takes a read record as the current image's: every parameter it carries (the custom resolution texts
// stay), its colours into the range set of its number of ranges, and the maximum-iteration and
// background colours into the colormap and palette entries 232 and 233. The caller then applies the
// colormap.
void CommitFractalText(const FractalTextRecord& record, FractalParams& params, ColorMap& colors,
                       PaletteArrays& palette);

// The parameters as an image file keeps them (the angle to six decimals, for one). An image plotted with
// them is exactly the one its file describes, so that re-rendering or continuing it gives the same pixels.
// A deep location is kept in full, with the doubles beside it its nearest ones.
FractalParams AsStoredInImage(const FractalParams& params, const PaletteArrays& palette);

// The record a file saved with these parameters and colours reads back as (resume row 0).
FractalTextRecord StoredImageRecord(const FractalParams& params, const PaletteArrays& palette);

// The resume row an image is saved with: the row the plot would do next, except that an image paused
// before its last row is saved as not started.
int32_t StartYToSave(int32_t plotRow, int32_t vertRes);

// Where a loaded image resumes: an image whose text says its last row is done is complete, and the next
// Plot starts a new image.
struct ResumePoint {
    int32_t PlotRow = 0;  // the window's current plot row
    int32_t StartY = 0;   // where the next Plot starts; 0 for a new image
    bool Done = false;    // the row label shows "Done"
};
ResumePoint ResumePointOf(const FractalTextRecord& record);

}  // namespace zenphra::app
