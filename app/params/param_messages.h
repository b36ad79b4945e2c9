// The messages of the parameter-file commands and dialogs, each naming the file where it has one. The
// file operations only report how they went; their callers show these.
#pragma once

#include <QString>

#include "app/params/param_entry_reader.h"

namespace zenphra::app {

// The load dialog: the file cannot be read or its entries are not well formed.
void ShowFileCorrupt(const QString& path);

void ShowErrorLoading(const QString& path);
void ShowErrorWriting(const QString& path);
void ShowErrorSaving(const QString& path);

// Why an entry could not be taken: an equation or a rendering this edition does not have, or with
// "Error loading" an entry that could not be read. Nothing for an entry that was read.
void ShowEntryNotRead(EntryReadStatus status, const QString& path);

}  // namespace zenphra::app
