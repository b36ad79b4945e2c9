// A parameter entry pasted as text: the first entry of the text, read and checked as an entry of a
// parameter file is, so what one program copies another can paste.
#pragma once

#include <QString>

#include "app/params/param_entry_reader.h"

namespace zenphra::app {

// The name under which pasted text is spoken of in messages (see ShowEntryNotRead).
inline const QString kClipboardName = QStringLiteral("Clipboard");

// Reads the text's first entry over `current` (which keeps the size). kFaulty also stands for a text that
// holds no entry at all.
EntryReadResult ReadPastedEntry(const QString& text, const EntryValues& current);

}  // namespace zenphra::app
