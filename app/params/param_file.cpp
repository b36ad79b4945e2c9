#include "app/params/param_file.h"

#include <QFileInfo>

#include "app/colormaps/palette_colors.h"
#include "app/common/text_lines.h"

namespace zenphra::app {
namespace {

// Where the 0-based line starts in the text; the text's size when it has fewer lines.
qsizetype LineOffset(const QByteArray& text, qsizetype line) {
    qsizetype offset = 0;
    for (qsizetype passed = 0; passed < line; ++passed) {
        offset = text.indexOf('\n', offset);
        if (offset < 0) return text.size();
        ++offset;
    }
    return offset;
}

}  // namespace

std::optional<std::vector<EntryName>> ListEntriesForSave(const QString& path) {
    if (!QFileInfo::exists(path)) return std::vector<EntryName>();
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    if (!contents) return std::nullopt;
    return ScanEntries(SplitLines(*contents));
}

std::optional<std::vector<EntryName>> ListEntriesForLoad(const QString& path) {
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    return contents ? ScanEntriesChecked(SplitLines(*contents)) : std::nullopt;
}

std::optional<EntryHeader> LoadEntryHeader(const QString& path, int32_t nameLine) {
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    return contents ? ReadEntryHeader(SplitLines(*contents), nameLine) : std::nullopt;
}

EntryReadResult ReadEntryFile(const QString& path, int32_t nameLine, const EntryValues& current) {
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    if (!contents) return EntryReadResult{EntryReadStatus::kFaulty, current};
    return ReadEntryParams(SplitLines(*contents), nameLine, current);
}

void TakeEntry(const EntryValues& entry, FractalParams& params, ColorMap& colors, PaletteArrays& palette) {
    params = entry.params;
    colors = entry.colors;
    SetPaletteColor(palette, kMaxIterEntry, colors.MaxIterColor);
    SetPaletteColor(palette, kBackgroundEntry, colors.BgColor);
}

EntryReadStatus LoadEntry(const QString& path, int32_t nameLine, FractalParams& params, ColorMap& colors,
                          PaletteArrays& palette) {
    const EntryReadResult result = ReadEntryFile(path, nameLine, {params, colors});
    if (result.status == EntryReadStatus::kRead) TakeEntry(result.values, params, colors, palette);
    return result.status;
}

bool AppendEntry(const QString& path, const EntryText& text, const FractalParams& params,
                 const PaletteArrays& palette) {
    QByteArray contents;
    if (QFileInfo::exists(path)) {
        const std::optional<QByteArray> old = ReadWholeFile(path);
        if (!old) return false;
        contents = *old;
    }
    // A last line without its line end is ended first, so the new name starts a line of its own.
    if (!contents.isEmpty() && !contents.endsWith('\n')) contents += contents.endsWith('\r') ? "\n" : "\r\n";
    return ReplaceFileContents(path, contents + JoinLinesCrLf(EntryLines(text, params, palette)));
}

bool ReplaceEntry(const QString& path, int32_t nameLine, const EntryText& text, const FractalParams& params,
                  const PaletteArrays& palette) {
    const std::optional<QByteArray> old = ReadWholeFile(path);
    const QStringList lines = old ? SplitLines(*old) : QStringList();
    if (!old || nameLine < 1 || nameLine > lines.size()) return false;
    // The old entry runs from its name line to its "END"; the name line is passed first, so an entry
    // named "END" is replaced whole.
    qsizetype after = nameLine;
    while (after < lines.size() && lines[after] != kEntryEndLine) ++after;
    if (after < lines.size()) ++after;
    const QByteArray contents = old->left(LineOffset(*old, nameLine - 1)) +
                                JoinLinesCrLf(EntryLines(text, params, palette)) +
                                old->mid(LineOffset(*old, after));
    return ReplaceFileContents(path, contents);
}

}  // namespace zenphra::app
