#include "app/params/param_entry_scan.h"

namespace zenphra::app {

std::vector<EntryName> ScanEntries(const QStringList& lines) {
    std::vector<EntryName> entries;
    qsizetype line = 0;
    while (line < lines.size()) {
        entries.push_back({lines[line], static_cast<int32_t>(line + 1)});
        ++line;
        while (line < lines.size() && lines[line] != kEntryEndLine) ++line;
        if (line < lines.size()) ++line;  // past the "END"
    }
    return entries;
}

std::optional<std::vector<EntryName>> ScanEntriesChecked(const QStringList& lines) {
    std::vector<EntryName> entries;
    qsizetype line = 0;
    while (line < lines.size() && !lines[line].isEmpty()) {
        entries.push_back({lines[line], static_cast<int32_t>(line + 1)});
        ++line;
        for (;; ++line) {
            if (line == lines.size() || lines[line].isEmpty()) return std::nullopt;
            if (lines[line] == kEntryEndLine) break;
        }
        ++line;
    }
    if (entries.empty()) return std::nullopt;
    return entries;
}

}  // namespace zenphra::app
