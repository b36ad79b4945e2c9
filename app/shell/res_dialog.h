// The small dialog in which the user types a custom image size. Apply checks the two sides and closes
// only when they can be used; Cancel (or closing the window) changes nothing.
#pragma once

#include <QDialog>
#include <optional>

#include "app/shell/custom_resolution.h"
#include "app/shell/form_position.h"

namespace zenphra::app {

class FilteredField;

class ResolutionDialog : public QDialog {
    Q_OBJECT

  public:
    // The fields start with the last custom texts (empty on a first run). The dialog comes up where it
    // was last closed every time it is opened, when positions are kept.
    ResolutionDialog(const QString& customHres, const QString& customVres, QWidget* parent,
                     const WindowPositions& positions);

    // The size applied; set only when the dialog closed through Apply.
    const std::optional<CustomResolution>& Chosen() const { return chosen_; }

  private:
    void Apply();

    FilteredField* txtHorRes_;
    FilteredField* txtVerRes_;
    std::optional<CustomResolution> chosen_;
};

}  // namespace zenphra::app
