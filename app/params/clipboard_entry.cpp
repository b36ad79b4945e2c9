#include "app/params/clipboard_entry.h"

#include "app/common/text_lines.h"
#include "app/params/param_entry_scan.h"
#include "app/params/param_messages.h"

namespace zenphra::app {

EntryReadResult ReadPastedEntry(const QString& text, const EntryValues& current) {
    const QStringList lines = SplitLines(text.toLatin1());
    const std::optional<std::vector<EntryName>> entries = ScanEntriesChecked(lines);
    if (!entries) return EntryReadResult{EntryReadStatus::kFaulty, current};
    return ReadEntryParams(lines, entries->front().nameLine, current);
}

void ShowPasteRefused(EntryReadStatus status) {
    switch (status) {
        case EntryReadStatus::kEquationNotSupported:
            ShowEquationNotSupported();
            break;
        case EntryReadStatus::kRenderingNotSupported:
            ShowRenderingNotSupported();
            break;
        case EntryReadStatus::kFaulty:
            ShowErrorLoading(kClipboardName);
            break;
        case EntryReadStatus::kRead:
            break;
    }
}

}  // namespace zenphra::app
