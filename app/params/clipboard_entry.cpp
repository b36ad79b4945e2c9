#include "app/params/clipboard_entry.h"

#include "app/common/text_lines.h"
#include "app/params/param_entry_scan.h"

namespace zenphra::app {

EntryReadResult ReadPastedEntry(const QString& text, const EntryValues& current) {
    const QStringList lines = SplitLines(text.toLatin1());
    const std::optional<std::vector<EntryName>> entries = ScanEntriesChecked(lines);
    if (!entries) return EntryReadResult{EntryReadStatus::kFaulty, current};
    return ReadEntryParams(lines, entries->front().nameLine, current);
}

}  // namespace zenphra::app
