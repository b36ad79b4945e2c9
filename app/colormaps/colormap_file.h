// Colormap files: the number of ranges, the start and end colour of every range, the maximum-iteration
// colour and the background colour, one decimal value a line. There is one kind of file for each number
// of ranges (2, 4, 8), and each colormap editor saves and loads only its own kind.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/common/color_map.h"

namespace zenphra::app {

// The file's lines for the palette as it is now, with that number of ranges.
QStringList ColormapFileLines(const PaletteArrays& palette, int32_t numRanges);

enum class ColormapReadStatus { kRead, kOtherKind, kCorrupt, kFaulty };

struct ColormapReadResult {
    ColormapReadStatus status = ColormapReadStatus::kFaulty;
    int32_t fileRanges = 0;              // the first line, when it is 2, 4 or 8
    std::vector<PackedColor> rangeEnds;  // on kRead: start and end colour of every range
    PackedColor maxIterColor = 0;
    PackedColor bgColor = 0;
};

// Reads a file for the editor of that number of ranges. kOtherKind: a file of another kind; kCorrupt: a
// first line other than 2, 4 or 8; kFaulty: a line that is not a whole number, or too few lines.
ColormapReadResult ReadColormapLines(const QStringList& lines, int32_t editorRanges);

// Writes the palette as a file of that kind; "Error saving file" on failure, the old file kept.
bool SaveColormapFile(const QString& path, const PaletteArrays& palette, int32_t numRanges);

// Reads a file for the editor of that number of ranges, and nothing with its message when it cannot be
// used: the message for another kind, "This colormap is corrupt." or "Error loading file".
std::optional<ColormapReadResult> ReadColormapFile(const QString& path, int32_t editorRanges);

// Loads a file into the editor of that number of ranges. Only when all of it was read: its ranges fill
// the palette through the library (which must hold the palette's addresses), its last two colours become
// MaxIterColor and BgColor and palette entries 232 and 233. Otherwise the message for the kind, "This
// colormap is corrupt." or "Error loading file", and nothing changes.
bool LoadColormapFile(const QString& path, int32_t editorRanges, ColorMap& colors, PaletteArrays& palette);

}  // namespace zenphra::app
