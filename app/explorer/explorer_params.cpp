// The parameter-entry commands: "Sa&ve Parameters" stores the current parameters and colours as a named
// entry of a parameter file, "L&oad Parameters" makes a stored entry current and plots it at once. Both
// ask for the file first; while they run the window's controls are in their busy state.
#include "app/explorer/explorer_window.h"
#include "app/imagefiles/get_fname.h"
#include "app/params/load_params_dialog.h"
#include "app/params/save_params_dialog.h"

namespace zenphra::app {

// Asks again after a wrong extension (its message has been shown); the path or "Cancelled".
QString ExplorerWindow::AskForParamFile(int16_t dialogType) {
    QString path;
    do {
        path = GetFname(dialogType, session_.Params().NumRanges, locations_);
    } while (path == kBadExtension);
    return path;
}

void ExplorerWindow::SaveParameters() {
    const CommandGuard command(*this, &ControlStates::SaveParam);
    if (!command || !CommitFocusedField() || !Checked(session_.CheckPanel(PanelTextsNow()))) return;
    ShowParams();
    const Held held = HeldByFileCommand();
    const QString path = AskForParamFile(kSaveParamsDialog);
    if (path != kCancelled) {
        if (const std::optional<SaveParamsModel> model = SaveParamsModel::Open(path)) {
            SaveParamsDialog dialog(*model, locations_.SavedImageName, session_.Params(), session_.Palette(),
                                    positions_, this);
            session_.EntryDialogClosed(dialog.exec() == QDialog::Accepted);
        }
    }
}

void ExplorerWindow::LoadParameters() {
    const CommandGuard command(*this, &ControlStates::LoadParam);
    if (!command) return;
    QString path;
    {
        const Held held = HeldByFileCommand();
        path = AskForParamFile(kLoadParamsDialog);
    }
    if (path != kCancelled) LoadParametersFrom(path);
}

// The load dialog on the file; the entry loaded in it is plotted at once, from its first row.
void ExplorerWindow::LoadParametersFrom(const QString& path) {
    const CommandGuard command(*this, &ControlStates::LoadParam);
    if (!command) return;
    std::optional<EntryValues> entry;
    {
        const Held held = HeldByFileCommand();
        // The window shows the busy pointer (the picture has it while a file command runs); the dialog
        // over it keeps the normal one.
        setCursor(Qt::WaitCursor);
        if (const std::optional<LoadParamsModel> model = LoadParamsModel::Open(path)) {
            const EntryValues current{session_.Params(), session_.Colors()};
            LoadParamsDialog dialog(*model, rememberedEntry_, current, positions_, this);
            if (dialog.exec() == QDialog::Accepted) {
                entry = dialog.Loaded();
                rememberedEntry_ = dialog.LoadedPosition();
            }
        }
        session_.EntryDialogClosed(entry.has_value());
        unsetCursor();
    }
    if (entry) PlotLoadedEntry(*entry);
}

// The entry's parameters and colours become current and the panel shows them; an entry carries no size,
// so the picture keeps its size and is cleared for the new image, which is plotted at once.
void ExplorerWindow::PlotLoadedEntry(const EntryValues& entry) {
    session_.EntryLoaded(entry);
    ShowParams();
    UpdateBandingItem();
    ShowNoImage();
    Plot();
}

}  // namespace zenphra::app
