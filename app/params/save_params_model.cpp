#include "app/params/save_params_model.h"

#include <algorithm>
#include <utility>

#include "app/common/messages.h"
#include "app/params/param_file.h"
#include "app/params/param_messages.h"

namespace zenphra::app {
namespace {

bool OverwriteAllowed(const QString& name) {
    return ShowMessage(QStringLiteral("The entry \"") + name +
                           QStringLiteral("\" already exists.\r\nDo you want to overwrite it?"),
                       MessageIcon::kQuestion, kProgramTitle, MessageButtons::kYesNo) == MessageAnswer::kYes;
}

}  // namespace

SaveParamsModel::SaveParamsModel(QString path, std::vector<EntryName> entries)
    : path_(std::move(path)), entries_(std::move(entries)) {}

std::optional<SaveParamsModel> SaveParamsModel::Open(const QString& path) {
    std::optional<std::vector<EntryName>> entries = ListEntriesForSave(path);
    if (!entries) {
        ShowErrorSaving(path);
        return std::nullopt;
    }
    return SaveParamsModel(path, std::move(*entries));
}

bool SaveParamsModel::Save(const EntryText& typed, const FractalParams& params,
                           const PaletteArrays& palette) const {
    EntryText text = typed;
    text.name = typed.name.trimmed();
    if (text.name.isEmpty()) {
        ShowMessage(QStringLiteral("An Entry Name is required."));
        return false;
    }
    // The entry to overwrite is looked up in the file as it is now, not as it was listed, so that a file
    // changed while the dialog was open never has the wrong lines replaced. A file that does not exist
    // has no entries and is created.
    const std::optional<std::vector<EntryName>> now = ListEntriesForSave(path_);
    bool written = false;
    if (now) {
        const auto same = std::ranges::find(*now, text.name, &EntryName::name);
        const bool exists = same != now->end();
        if (exists && !OverwriteAllowed(text.name)) return false;
        written = exists ? ReplaceEntry(path_, same->nameLine, text, params, palette)
                         : AppendEntry(path_, text, params, palette);
    }
    if (!written) ShowErrorWriting(path_);
    return written;
}

}  // namespace zenphra::app
