// The rules of the load dialog (frmLoadParms), apart from its window: the entries of the chosen file,
// which one is selected when the dialog opens, the author and comment lines of the selected one, and
// reading the chosen entry, each with its message when the file lets it down.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/params/param_entry_reader.h"
#include "app/params/param_entry_scan.h"

namespace zenphra::app {

class LoadParamsModel {
  public:
    // Lists the entries of the file. Nothing, after "The file ... is corrupt.", when the file cannot be
    // read, has no entries, or an entry is broken off.
    static std::optional<LoadParamsModel> Open(const QString& path);

    const std::vector<EntryName>& Entries() const { return entries_; }

    // The list position selected when the dialog opens: the entry loaded last (`remembered`) when the
    // file has that many entries, else the first.
    int FirstSelection(int remembered) const;

    // The author and comment lines of the entry at that list position. Nothing, after the corrupt-file
    // message, when they cannot be read.
    std::optional<EntryHeader> Header(int position) const;

    // Reads the entry at that list position over `current`. Nothing, after the message of why, for an
    // entry that uses an equation or rendering this edition does not have or that cannot be read.
    std::optional<EntryValues> Load(int position, const EntryValues& current) const;

  private:
    LoadParamsModel(QString path, std::vector<EntryName> entries);

    QString path_;
    std::vector<EntryName> entries_;
};

}  // namespace zenphra::app
