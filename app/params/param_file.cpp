#include "app/params/param_file.h"

#include <QFileInfo>

#include "app/colormaps/palette_colors.h"
#include "app/common/text_lines.h"
#include "app/params/param_messages.h"

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

bool WriteParamFile(const QString& path, const QByteArray& contents) {
    if (ReplaceFileContents(path, contents)) return true;
    ShowErrorWriting(path);
    return false;
}

}  // namespace

std::optional<std::vector<EntryName>> ListEntriesForSave(const QString& path) {
    if (!QFileInfo::exists(path)) return std::vector<EntryName>();
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    if (!contents) {
        ShowErrorSaving(path);
        return std::nullopt;
    }
    return ScanEntries(SplitLines(*contents));
}

std::optional<std::vector<EntryName>> ListEntriesForLoad(const QString& path) {
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    auto entries = contents ? ScanEntriesChecked(SplitLines(*contents)) : std::nullopt;
    if (!entries) ShowFileCorrupt(path);
    return entries;
}

std::optional<EntryHeader> LoadEntryHeader(const QString& path, int32_t nameLine) {
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    auto header = contents ? ReadEntryHeader(SplitLines(*contents), nameLine) : std::nullopt;
    if (!header) ShowFileCorrupt(path);
    return header;
}

EntryReadStatus LoadEntry(const QString& path, int32_t nameLine, FractalParams& params, ColorMap& colors,
                          PaletteArrays& palette) {
    const std::optional<QByteArray> contents = ReadWholeFile(path);
    const EntryReadResult result = contents
                                       ? ReadEntryParams(SplitLines(*contents), nameLine, {params, colors})
                                       : EntryReadResult{EntryReadStatus::kFaulty, {params, colors}};
    switch (result.status) {
        case EntryReadStatus::kRead:
            params = result.values.params;
            colors = result.values.colors;
            SetPaletteColor(palette, kMaxIterEntry, colors.MaxIterColor);
            SetPaletteColor(palette, kBackgroundEntry, colors.BgColor);
            break;
        case EntryReadStatus::kEquationNotSupported:
            ShowEquationNotSupported();
            break;
        case EntryReadStatus::kRenderingNotSupported:
            ShowRenderingNotSupported();
            break;
        case EntryReadStatus::kFaulty:
            ShowErrorLoading(path);
            break;
    }
    return result.status;
}

bool AppendEntry(const QString& path, const EntryText& text, const FractalParams& params,
                 const PaletteArrays& palette) {
    QByteArray contents;
    if (QFileInfo::exists(path)) {
        const std::optional<QByteArray> old = ReadWholeFile(path);
        if (!old) {
            ShowErrorWriting(path);
            return false;
        }
        contents = *old;
    }
    // A last line without its line end is ended first, so the new name starts a line of its own.
    if (!contents.isEmpty() && !contents.endsWith('\n')) contents += contents.endsWith('\r') ? "\n" : "\r\n";
    return WriteParamFile(path, contents + JoinLinesCrLf(EntryLines(text, params, palette)));
}

bool ReplaceEntry(const QString& path, int32_t nameLine, const EntryText& text, const FractalParams& params,
                  const PaletteArrays& palette) {
    const std::optional<QByteArray> old = ReadWholeFile(path);
    const QStringList lines = old ? SplitLines(*old) : QStringList();
    if (!old || nameLine < 1 || nameLine > lines.size()) {
        ShowErrorWriting(path);
        return false;
    }
    // The old entry runs from its name line to its "END"; the name line is passed first, so an entry
    // named "END" is replaced whole.
    qsizetype after = nameLine;
    while (after < lines.size() && lines[after] != kEntryEndLine) ++after;
    if (after < lines.size()) ++after;
    const QByteArray contents = old->left(LineOffset(*old, nameLine - 1)) +
                                JoinLinesCrLf(EntryLines(text, params, palette)) +
                                old->mid(LineOffset(*old, after));
    return WriteParamFile(path, contents);
}

}  // namespace zenphra::app
