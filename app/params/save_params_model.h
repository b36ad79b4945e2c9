// The rules of the save dialog (frmSavePars), apart from its window: the entries already in the chosen
// file, the name an entry must have, the question before an entry of the same name is overwritten, and
// the messages when the file cannot be read or written.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/params/param_entry_scan.h"
#include "app/params/param_entry_writer.h"

namespace zenphra::app {

class SaveParamsModel {
  public:
    // Lists the entries of the file (none when it does not exist yet). Nothing, after "Error saving",
    // when the file exists but cannot be read.
    static std::optional<SaveParamsModel> Open(const QString& path);

    const std::vector<EntryName>& Entries() const { return entries_; }

    // The OK button: stores the current parameters and the palette's colours under the typed name
    // (trimmed; the author and comments are kept as typed). A blank name is refused; a name already in
    // the file (letter case counts) is overwritten only when the user says so. True when the entry was
    // written, so the dialog closes; false when it stays open, after its message.
    bool Save(const EntryText& typed, const FractalParams& params, const PaletteArrays& palette) const;

  private:
    SaveParamsModel(QString path, std::vector<EntryName> entries);

    QString path_;
    std::vector<EntryName> entries_;
};

}  // namespace zenphra::app
