// The explorer window: the program's main window. It owns the current parameter set and the picture,
// comes up in a fixed order (settings, lists, geometry, colours, idle state, snapshots), lets the user
// set up an image in the parameter panel and plots it row by row, and saves its settings when it closes.
#pragma once

#include <QWidget>
#include <cstdint>

#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/common/param_snapshot.h"
#include "app/common/program_folders.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/explorer_controls.h"
#include "app/shell/reg_settings.h"

namespace zenphra::app {

class EscapeWatch;
class OptionGroup;

class ExplorerWindow : public QWidget {
    Q_OBJECT

  public:
    // Runs the start-up steps; the plotting library must already be bound (see startup_check.h).
    ExplorerWindow();

    // Shows the parameters in the panel without letting its handlers react.
    void ShowParams();
    // Checks the panel before a plot and reads the Julia constant and P1 to P3; on the first failing check
    // shows its message and returns false. On success the panel shows the parameters again.
    bool ValidateParams();
    // The idle (true) or busy (false) state of the controls.
    void EnableControls(bool idle);
    void SetBandingLabel();
    // The "&Plot" command: a new image from the panel, or the paused one resumed where it stopped.
    void Plot();

    const FractalParams& Params() const { return params_; }
    const FileLocations& Locations() const { return locations_; }
    const DisplayFactor& Shown() const { return shown_; }
    // The row the next plot run starts at; 0 for a new image.
    int32_t StartY() const { return startY_; }
    bool ImagePresent() const { return imagePresent_; }

  signals:
    // A row has been plotted and is shown.
    void RowPlotted(int32_t row);

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Start-up and shut-down (explorer_window.cpp).
    void ConnectCommands();
    void LoadSettings();
    void ShutDown();

    // The parameter panel (explorer_panel.cpp).
    void ConnectPanel();
    void EquationChosen();
    void RenderingChosen();
    void FunctionChosen(QComboBox* list, int32_t FractalParams::*position);
    void SelectListPosition(QComboBox* list, int position);
    void FieldEdited();
    bool StoreField(FilteredField* field);
    bool CommitFocusedField();
    bool CheckBlanks() const;
    bool CheckCharacters();
    void ReadPanel();
    void SetDefaultCoordinates();

    // Resolutions and colour ranges (explorer_options.cpp).
    void ConnectOptions();
    void ResolutionChosen(int32_t horRes, int32_t vertRes);
    void CustomChosen();
    void SelectResolutionOf(int32_t horRes, int32_t vertRes);
    void SizePicture();
    void ForgetImage();
    void RangesChosen(int32_t numRanges);

    // Plotting (explorer_plot.cpp).
    void PlotRows();
    void Pause();

    ExplorerControls ui_;
    OptionGroup* resolutionOptions_ = nullptr;
    OptionGroup* rangeOptions_ = nullptr;
    EscapeWatch* escape_ = nullptr;

    CRegSettings store_;
    FileLocations locations_;
    FractalParams params_;
    bool usingHLS_ = false;  // the colour editor's choice, kept between runs
    ColorMap colors_;
    PaletteArrays& palette_;
    SnapshotPair snapshots_;
    DisplayFactor shown_;
    double twipsPerPixelX_ = 15.0;
    double twipsPerPixelY_ = 15.0;
    int32_t startY_ = 0;
    int32_t bitmap_ = 0;  // the last display bitmap the library returned; 0 when there is none

    bool plotting_ = false;
    bool loading_ = false;           // the window fills the panel itself, or a paused run is stopping
    bool imagePresent_ = false;      // an image of the current size is shown and can be saved or re-coloured
    bool engineHoldsImage_ = false;  // the library holds an image's buffers, to be released at shut-down
    bool firstPaint_ = true;
    bool resDialogActive_ = false;  // the custom choice is being undone
    bool largeFonts_ = false;
};

}  // namespace zenphra::app
