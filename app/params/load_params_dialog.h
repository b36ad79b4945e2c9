// The load dialog (frmLoadParms): the entries of the file, with the author and comment lines of the
// selected one; Load (or a double click on a name) reads the entry. The rules are LoadParamsModel's; the
// dialog closes accepted with the entry read, and rejected on Cancel or when the entry cannot be used.
#pragma once

#include <QDialog>
#include <optional>

#include "app/params/load_params_model.h"
#include "app/shell/form_position.h"

class QLineEdit;
class QListWidget;

namespace zenphra::app {

class LoadParamsDialog : public QDialog {
    Q_OBJECT

  public:
    // Selects the entry at list position `remembered` when the file has it, else the first. Entries are
    // read over `current`, which must outlive the dialog.
    LoadParamsDialog(const LoadParamsModel& model, int remembered, const EntryValues& current,
                     const WindowPositions& positions, QWidget* parent);

    // The entry read and its list position; set only when the dialog closed accepted.
    const std::optional<EntryValues>& Loaded() const { return loaded_; }
    int LoadedPosition() const { return loadedPosition_; }

  private:
    void ShowHeader(int position);
    void Load();

    const LoadParamsModel& model_;
    const EntryValues& current_;
    std::optional<EntryValues> loaded_;
    int loadedPosition_ = -1;
    QListWidget* lstEntries_;
    QLineEdit* txtAuthor_;
    QLineEdit* txtComm1_;
    QLineEdit* txtComm2_;
    QLineEdit* txtComm3_;
};

}  // namespace zenphra::app
