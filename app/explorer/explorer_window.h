// The explorer window: the program's main window. It comes up in a fixed order (settings, lists,
// geometry, colours, idle state, snapshots), lets the user set up an image in the parameter panel, has it
// plotted row by row by the plot runner, and saves its settings when it closes. Its state and rules are
// the session's; the window reads its controls into the session and shows what the session says.
//
// Every command handler opens a CommandGuard first: it refuses the command while the session's table
// says its control is disabled, and when the command ends it puts every control into the state the
// table gives and moves the focus where the command asked. In between, the handler tells the session
// what happened through one of its intent methods and shows the result.
#pragma once

#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "app/common/program_folders.h"
#include "app/explorer/explorer_controls.h"
#include "app/explorer/explorer_session.h"
#include "app/explorer/plot_runner.h"
#include "app/imagefiles/image_browser_model.h"
#include "app/params/param_entry_reader.h"
#include "app/shell/focus_keeper.h"
#include "app/shell/form_position.h"
#include "app/shell/reg_settings.h"
#include "app/shell/tutorial_box.h"
#include "app/shell/window_menu.h"

namespace zenphra::app {

class KeyPreview;
class OptionGroup;

class ExplorerWindow : public QWidget {
    Q_OBJECT

  public:
    // Runs the start-up steps; the plotting library must already be bound (see startup_check.h).
    ExplorerWindow();

    // Shows the parameters in the panel; no handler of the panel runs.
    void ShowParams();
    // The banding label, and the banding item of the window menu with it.
    void SetBandingLabel();
    void UpdateBandingItem();
    // Opens the tutorial window, or shows it again as it was left.
    void ShowTutorialBox();
    // The "&Plot" command: a new image from the panel, or the stopped one resumed where it stopped; or
    // Undo. The run goes on after it returns; RunEnded tells when it has stopped.
    void Plot(PlotRequest request = PlotRequest::kPlot);

    const ExplorerSession& Session() const { return session_; }
    // The folders the file dialogs start in; the dialogs and the image browser change them.
    FileLocations& Locations() { return locations_; }
    PlotRunner& Runner() { return runner_; }

  signals:
    // A plot run has stopped and the window shows its end.
    void RunEnded();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    class CommandGuard;
    class Held;

    // The commands' guard (explorer_commands.cpp): the enable table and the focus a command asked for.
    void ApplyControlStates();
    void FocusWhenShown(QWidget* control) { focusWhenShown_ = control; }
    // The window held by a file command or the colour editor for the dialogs they show.
    Held HeldByFileCommand();
    Held HeldByEditor();

    // Start-up and shut-down (explorer_window.cpp).
    void ConnectCommands();
    void LoadSettings();
    void ShutDown();

    // The parameter panel (explorer_panel.cpp).
    void ConnectPanel();
    void EquationChosen();
    void RenderingChosen();
    void ShowStarts(const std::vector<FieldStart>& starts);
    void ShowFieldsOf(const PanelShown& shown);
    PanelTexts PanelTextsNow() const;
    bool StoreField(PanelField field);
    bool CommitFocusedField();
    // The panel's checks with their message: true when all passed.
    bool Checked(const std::optional<QString>& message);
    void ShowFields(std::initializer_list<PanelField> fields);
    void SetDefaultCoordinates();

    // Resolutions and colour ranges (explorer_options.cpp).
    void ConnectOptions();
    void ResolutionChosen(int32_t horRes, int32_t vertRes);
    void CustomChosen();
    void ShowResolutionOf(int32_t horRes, int32_t vertRes);
    void ShowResolutionOfImage();
    void SizePicture();
    void ShowNoImage();
    void RangesChosen(int32_t numRanges);

    // The image file commands (explorer_files.cpp).
    void ConnectFileCommands();
    void SaveImage();
    void LoadImage();
    void LoadImageFrom(const QString& path);

    // Files dropped on the window (explorer_drop.cpp).
    std::optional<QString> DroppedFile(const QMimeData* data) const;

    // The colour commands (explorer_colors.cpp).
    void ConnectColorCommands();
    void ModifyColors();
    void ShowRecoloured();

    // The window menu (explorer_menu.cpp).
    void BuildWindowMenu();

    // The history, the wheel and the clipboard (explorer_navigation.cpp).
    struct NavigationItems {
        QAction* back = nullptr;
        QAction* forward = nullptr;
        QAction* copy = nullptr;
        QAction* paste = nullptr;
    };
    void AddNavigationItems(QMenu* menu);
    void GoBack();
    void GoForward();
    void PlotImage();
    void WheelZoom(QPoint pixel, int notches, Qt::KeyboardModifiers modifiers);
    void CopyParameters();
    void PasteParameters();

    // Plotting (explorer_plot.cpp).
    void ConnectRunner();
    void ShowFrame();
    void ShowPlotPath();
    void ShowMaxItersHint(RunEnd end);
    // The row label of an image not being plotted, without the readout of the last plot.
    void ShowRowLabel(const QString& text);
    void RunFinished(RunEnd end, int32_t stopRow);
    void Pause();
    void EscapePressed();

    // The zoom box, and the mouse over the picture (explorer_zoom.cpp).
    void ConnectZoom();
    void Zoom();
    void ApplyZoom();
    void CancelZoom();
    void DrawZoomBox();
    void ShowZoomFields(ZoomHandle changed);
    bool ZoomKeyPressed(const QKeyEvent& key);
    void ZoomKeyReleased();
    void PicturePressed(QPoint pixel, Qt::MouseButton button);
    void PictureMoved(QPoint pixel, Qt::MouseButtons buttons);
    void PictureReleased(QPoint pixel, Qt::MouseButton button);
    void ApplyPicturePointer(PicturePointer pointer);

    // The Julia switch and Undo (explorer_julia.cpp).
    void ConnectJulia();
    void Switch();
    void PickAt(QPointF pixel);
    void TakeSwitch();
    void CancelSwitch();
    bool PickKeyPressed(const QKeyEvent& key);
    void ShowJuliaPreview();
    void Undo();

    // Parameter entries (explorer_params.cpp).
    QString AskForParamFile(int16_t dialogType);
    void SaveParameters();
    void LoadParameters();
    void LoadParametersFrom(const QString& path);
    void PlotLoadedEntry(const EntryValues& entry);
    int rememberedEntry_ = -1;  // the list position of the entry loaded last; -1 before the first

    ExplorerControls ui_;
    OptionGroup* resolutionOptions_ = nullptr;
    OptionGroup* rangeOptions_ = nullptr;

    CRegSettings store_;
    WindowPositions positions_;
    FileLocations locations_;
    ImageFileMemory imageMemory_;
    TutorialBox* tutorial_ = nullptr;
    WindowMenuItems menuItems_;
    NavigationItems navigation_;
    ExplorerSession session_;
    QWidget* focusWhenShown_ = nullptr;  // where the focus goes once the controls show a command's end
    PlotRunner runner_;
    int32_t initResult_ = 0;            // the current run's InitPlotDeep result
    QTimer* pathTimer_ = nullptr;       // follows the making of a deep image's reference while a run goes
    KeyPreview* keyPreview_ = nullptr;  // the zoom box's and the Julia pick's keys
    double twipsPerPixelX_ = 15.0;
    double twipsPerPixelY_ = 15.0;
    bool largeFonts_ = false;
};

// Opened first by every command handler. A command whose control the session's table disables now is
// refused: the guard is false and the handler returns. When an accepted command ends, however it ends,
// the controls show the session's state and the focus goes where the command asked. Events that are no
// command of a control (a run ended, the tutorial came or went) open a guard that is never refused.
class ExplorerWindow::CommandGuard {
  public:
    CommandGuard(ExplorerWindow& window, bool ControlStates::*control)
        : window_(window), accepted_(window.session_.Controls().*control) {}
    explicit CommandGuard(ExplorerWindow& window) : window_(window), accepted_(true) {}
    ~CommandGuard() {
        if (accepted_) window_.ApplyControlStates();
    }
    CommandGuard(const CommandGuard&) = delete;
    CommandGuard& operator=(const CommandGuard&) = delete;

    explicit operator bool() const { return accepted_; }

  private:
    ExplorerWindow& window_;
    bool accepted_;
};

// A file command or the colour editor holds the window while it lives: the controls show it at once,
// before the dialogs come, and the idle state comes back however the command ends.
class ExplorerWindow::Held {
  public:
    using Change = void (ExplorerSession::*)();
    Held(ExplorerWindow& window, Change start, Change end) : focus_(&window), window_(window), end_(end) {
        (window_.session_.*start)();
        window_.ApplyControlStates();
    }
    ~Held() {
        (window_.session_.*end_)();
        window_.ApplyControlStates();
    }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

  private:
    FocusKeeper focus_;  // ends after the destructor has made the window idle, with the focus back
    ExplorerWindow& window_;
    Change end_;
};

}  // namespace zenphra::app
