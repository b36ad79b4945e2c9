// The parameter-entry commands: "Sa&ve Parameters" stores the current parameters and colours as a named
// entry of a parameter file, "L&oad Parameters" makes a stored entry current and plots it at once. Both
// ask for the file first; while they run the window's controls are in their busy state.
#include "app/colormaps/palette_colors.h"
#include "app/explorer/explorer_window.h"
#include "app/imagefiles/get_fname.h"
#include "app/params/load_params_dialog.h"
#include "app/params/param_file.h"
#include "app/params/save_params_dialog.h"

namespace zenphra::app {

// Asks again after a wrong extension (its message has been shown); the path or "Cancelled".
QString ExplorerWindow::AskForParamFile(int16_t dialogType) {
    QString path;
    do {
        path = GetFname(dialogType, session_.params.NumRanges, locations_);
    } while (path == kBadExtension);
    return path;
}

void ExplorerWindow::SaveParameters() {
    if (!CommitFocusedField() || !ValidateParams()) return;
    const FileCommand command(*this);
    WindowFlags& flags = session_.flags;
    const QString path = AskForParamFile(kSaveParamsDialog);
    if (path != kCancelled) {
        if (const std::optional<SaveParamsModel> model = SaveParamsModel::Open(path)) {
            SaveParamsDialog dialog(*model, locations_.SavedImageName, session_.params, session_.palette,
                                    positions_, this);
            flags.DialogCancelled = dialog.exec() != QDialog::Accepted;
        }
    }
}

void ExplorerWindow::LoadParameters() {
    QString path;
    {
        const FileCommand command(*this);
        path = AskForParamFile(kLoadParamsDialog);
    }
    if (path != kCancelled) LoadParametersFrom(path);
}

// The load dialog on the file; the entry loaded in it is plotted at once, from its first row.
void ExplorerWindow::LoadParametersFrom(const QString& path) {
    WindowFlags& flags = session_.flags;
    std::optional<EntryValues> entry;
    {
        const FileCommand command(*this);
        // The window shows the busy pointer (the picture has it while FileBusy is set); the dialog over it
        // keeps the normal one.
        setCursor(Qt::WaitCursor);
        flags.Loading = true;
        if (const std::optional<LoadParamsModel> model = LoadParamsModel::Open(path)) {
            const EntryValues current{session_.params, session_.colors};
            LoadParamsDialog dialog(*model, rememberedEntry_, current, positions_, this);
            if (dialog.exec() == QDialog::Accepted) {
                entry = dialog.Loaded();
                rememberedEntry_ = dialog.LoadedPosition();
            }
        }
        flags.DialogCancelled = !entry;
        if (entry) TakeLoadedEntry(*entry);
        flags.Loading = false;
        unsetCursor();
    }
    if (entry) PlotLoadedEntry();
}

// A loaded entry is plotted at once, from its first row, the panel read again.
void ExplorerWindow::PlotLoadedEntry() {
    session_.flags.NewPlot = true;
    Plot();
}

// The entry's parameters and colours become current and the panel shows them; an entry carries no size,
// so the picture keeps its size and is cleared for the new image.
void ExplorerWindow::TakeLoadedEntry(const EntryValues& entry) {
    TakeEntry(entry, session_.params, session_.colors, session_.palette);
    ApplyColormap(session_.colors, session_.params.NumRanges);
    ShowParams();
    UpdateBandingItem();
    ForgetImage();
}

}  // namespace zenphra::app
