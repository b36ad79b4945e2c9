#include "app/explorer/image_history.h"

#include <QDir>
#include <QFileInfo>

#include "app/common/list_tables.h"
#include "app/common/text_lines.h"
#include "app/params/image_entry.h"
#include "app/params/param_entry_scan.h"

namespace zenphra::app {
namespace {

const QString kEntryName = QStringLiteral("History");

// The image an entry's lines hold, read over `current`; nothing when they hold none.
std::optional<EntryValues> ReadImage(const QStringList& lines, const EntryValues& current) {
    const std::optional<QSize> size = ImageEntrySize(lines, 1);
    if (!size) return std::nullopt;
    const EntryReadResult read = ReadEntryParams(lines, 1, current);
    if (read.status != EntryReadStatus::kRead) return std::nullopt;
    EntryValues image = read.values;
    image.params.HorRes = size->width();
    image.params.VertRes = size->height();
    NoteCustomSize(image.params);
    return image;
}

}  // namespace

bool ImageHistory::Add(const FractalParams& params, const PaletteArrays& palette) {
    QStringList entry = EntryLines(ImageEntryText(kEntryName, params), params, palette);
    if (stepped_) {
        // Read back through the panel, the step's image may differ in its last decimals.
        stepped_ = false;
        entries_[static_cast<size_t>(shown_)] = std::move(entry);
        return true;
    }
    if (shown_ >= 0 && entries_[static_cast<size_t>(shown_)] == entry) return false;
    entries_.erase(entries_.begin() + (shown_ + 1), entries_.end());
    entries_.push_back(std::move(entry));
    if (entries_.size() > static_cast<size_t>(kKept)) entries_.erase(entries_.begin());
    shown_ = Size() - 1;
    return true;
}

std::optional<EntryValues> ImageHistory::Back(const EntryValues& current) {
    if (!CanGoBack()) return std::nullopt;
    return ImageAt(shown_ - 1, current);
}

std::optional<EntryValues> ImageHistory::Forward(const EntryValues& current) {
    if (!CanGoForward()) return std::nullopt;
    return ImageAt(shown_ + 1, current);
}

std::optional<EntryValues> ImageHistory::ImageAt(int index, const EntryValues& current) {
    std::optional<EntryValues> image = ReadImage(entries_[static_cast<size_t>(index)], current);
    if (image) {
        shown_ = index;
        stepped_ = true;
    }
    return image;
}

QByteArray ImageHistory::FileText() const {
    QStringList lines;
    for (const QStringList& entry : entries_) lines << entry;
    return JoinLinesCrLf(lines);
}

ImageHistory ImageHistory::FromFileText(const QByteArray& text) {
    const QStringList lines = SplitLines(text);
    const std::optional<std::vector<EntryName>> names = ScanEntriesChecked(lines);
    if (!names || names->size() > static_cast<size_t>(kKept)) return {};
    ImageHistory history;
    for (const EntryName& name : *names) {
        const int32_t first = name.nameLine - 1;
        const int32_t end = static_cast<int32_t>(lines.indexOf(kEntryEndLine, first));
        QStringList entry = lines.mid(first, end - first + 1);
        // Every image must read back, or the file is not a history this program wrote.
        if (!ReadImage(entry, EntryValues{})) return {};
        history.entries_.push_back(std::move(entry));
    }
    history.shown_ = history.Size() - 1;
    return history;
}

QString ImageHistoryPath(const CRegSettings& store) {
    return store.Folder() + QStringLiteral("/Zenphra History.prm");
}

ImageHistory LoadImageHistory(const QString& path) {
    const std::optional<QByteArray> text = ReadWholeFile(path);
    return text ? ImageHistory::FromFileText(*text) : ImageHistory{};
}

bool SaveImageHistory(const QString& path, const ImageHistory& history) {
    // The settings' folder comes only with the first settings written, which may be later.
    return QDir().mkpath(QFileInfo(path).absolutePath()) && ReplaceFileContents(path, history.FileText());
}

}  // namespace zenphra::app
