#include "app/colormaps/colormap_file.h"

#include "app/colormaps/palette_colors.h"
#include "app/common/messages.h"
#include "app/common/text_lines.h"

namespace zenphra::app {
namespace {

// The editors word these differently, as they always have.
QString OtherKindMessage(int32_t editorRanges, int32_t fileRanges) {
    if (editorRanges == 2) {
        return fileRanges == 4 ? QStringLiteral("This is an four-range colormap.")
                               : QStringLiteral("This is an eight-range colormap.");
    }
    switch (fileRanges) {
        case 2:
            return QStringLiteral("This is a two-range colormap");
        case 4:
            return QStringLiteral("This is a four-range colormap");
        default:
            return QStringLiteral("This is an eight-range colormap");
    }
}

QString FileMessage(const char* start, const QString& path) {
    return QLatin1String(start) + QStringLiteral("\"") + path + QStringLiteral("\"");
}

}  // namespace

QStringList ColormapFileLines(const PaletteArrays& palette, int32_t numRanges) {
    QStringList lines{QString::number(UsedRanges(numRanges))};
    for (const PackedColor color : RangeEndColors(palette, numRanges)) lines << QString::number(color);
    lines << QString::number(PaletteColor(palette, kMaxIterEntry))
          << QString::number(PaletteColor(palette, kBackgroundEntry));
    return lines;
}

ColormapReadResult ReadColormapLines(const QStringList& lines, int32_t editorRanges) {
    const auto number = [&lines](qsizetype line) {
        return line < lines.size() ? ParseInt32(lines[line]) : std::nullopt;
    };
    ColormapReadResult result;
    const std::optional<int32_t> fileRanges = number(0);
    if (!fileRanges) return result;
    if (*fileRanges != 2 && *fileRanges != 4 && *fileRanges != 8) {
        result.status = ColormapReadStatus::kCorrupt;
        return result;
    }
    result.fileRanges = *fileRanges;
    if (*fileRanges != UsedRanges(editorRanges)) {
        result.status = ColormapReadStatus::kOtherKind;
        return result;
    }
    std::vector<PackedColor> colors;  // the range ends, then the maximum-iteration and background colours
    for (qsizetype line = 1; line <= 2 * *fileRanges + 2; ++line) {
        const std::optional<int32_t> color = number(line);
        if (!color) return result;
        colors.push_back(*color);
    }
    result.status = ColormapReadStatus::kRead;
    result.bgColor = colors.back();
    colors.pop_back();
    result.maxIterColor = colors.back();
    colors.pop_back();
    result.rangeEnds = std::move(colors);
    return result;
}

bool SaveColormapFile(const QString& path, const PaletteArrays& palette, int32_t numRanges) {
    if (ReplaceFileContents(path, JoinLinesCrLf(ColormapFileLines(palette, numRanges)))) return true;
    ShowMessage(FileMessage("Error saving file ", path));
    return false;
}

std::optional<ColormapReadResult> ReadColormapFile(const QString& path, int32_t editorRanges) {
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    ColormapReadResult file =
        contents ? ReadColormapLines(SplitLines(*contents), editorRanges) : ColormapReadResult();
    switch (file.status) {
        case ColormapReadStatus::kRead:
            return file;
        case ColormapReadStatus::kOtherKind:
            ShowMessage(OtherKindMessage(editorRanges, file.fileRanges));
            break;
        case ColormapReadStatus::kCorrupt:
            ShowMessage(QStringLiteral("This colormap is corrupt."));
            break;
        case ColormapReadStatus::kFaulty:
            ShowMessage(FileMessage("Error loading file ", path));
            break;
    }
    return std::nullopt;
}

bool LoadColormapFile(const QString& path, int32_t editorRanges, ColorMap& colors, PaletteArrays& palette) {
    const std::optional<ColormapReadResult> file = ReadColormapFile(path, editorRanges);
    if (!file) return false;
    ApplyRangeColors(file->rangeEnds);
    colors.MaxIterColor = file->maxIterColor;
    colors.BgColor = file->bgColor;
    SetPaletteColor(palette, kMaxIterEntry, colors.MaxIterColor);
    SetPaletteColor(palette, kBackgroundEntry, colors.BgColor);
    return true;
}

}  // namespace zenphra::app
