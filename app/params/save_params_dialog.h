// The save dialog (frmSavePars): the user names the new entry, may add an author and three comments,
// and sees the names already in the file; a double click on one (or Enter) copies it into the name. The rules
// are SaveParamsModel's; the dialog closes accepted once the entry is written, rejected on Cancel.
#pragma once

#include <QDialog>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/params/save_params_model.h"
#include "app/shell/form_position.h"

class QLineEdit;
class QListWidget;

namespace zenphra::app {

class SaveParamsDialog : public QDialog {
    Q_OBJECT

  public:
    // The name starts as `proposedName` (the last saved image's name). `params` and `palette` are what
    // the entry stores; they must outlive the dialog.
    SaveParamsDialog(const SaveParamsModel& model, const QString& proposedName, const FractalParams& params,
                     const PaletteArrays& palette, const WindowPositions& positions, QWidget* parent);

  private:
    void Save();

    const SaveParamsModel& model_;
    const FractalParams& params_;
    const PaletteArrays& palette_;
    QLineEdit* txtEntry_;
    QLineEdit* txtAuthor_;
    QLineEdit* txtComm1_;
    QLineEdit* txtComm2_;
    QLineEdit* txtComm3_;
    QListWidget* lstEntries_;
};

}  // namespace zenphra::app
