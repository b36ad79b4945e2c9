// The explorer's state apart from its window: the parameters of the image, the row the next plot starts
// at, the colours, the two snapshots behind Undo, what the library holds, and what the window is doing.
// The state is the session's alone: the window reads it through the accessors, and changes it only by
// telling the session what happened (an equation chosen, the zoom box applied, an image loaded), each of
// which says here, once, what it resets and what it keeps.
#pragma once

#include <QPointF>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/colormaps/color_editor.h"
#include "app/common/color_map.h"
#include "app/common/fractal_params.h"
#include "app/common/param_snapshot.h"
#include "app/explorer/control_states.h"
#include "app/explorer/display_factor.h"
#include "app/explorer/image_history.h"
#include "app/explorer/julia_switch.h"
#include "app/explorer/panel_rules.h"
#include "app/explorer/zoom_box.h"
#include "app/imagefiles/image_load.h"
#include "app/shell/custom_resolution.h"

namespace zenphra::app {

// What the window is doing; one thing at a time.
enum class Activity {
    kIdle,
    kPlotting,     // a run plots on the plot runner
    kStopping,     // Pause was clicked and the run is finishing its row
    kZoomBox,      // the zoom box is shown over the picture
    kJuliaPick,    // the Julia switch is under way: a constant is picked, or the way back is taken
    kFileCommand,  // an image or parameter command runs, with its dialogs
    kColorEditor,  // the colormap editor is open over the window
};

// How a plot run ended.
enum class RunEnd {
    kDone,        // the last row was plotted
    kPaused,      // Pause stopped it after a row
    kEscaped,     // Escape stopped it inside a row
    kInitFailed,  // the library could not start the image
};

// Plot, or Undo: Plot with the image shown before brought back.
enum class PlotRequest { kPlot, kUndo };

// What Plot came to, in its order: nothing while the window is busy; a failed check of the panel (its
// message); a stopped image resumed at its row without reading the panel; or the panel read, the
// snapshots taken and the run started.
struct PlotOrder {
    enum class Step { kNothing, kRefused, kResume, kPanelRead };
    Step step = Step::kNothing;
    QString message;        // kRefused
    bool newImage = false;  // kPanelRead from row 0: the picture is sized to the image and cleared
};

class ExplorerSession {
  public:
    // The palette is the program's, whose addresses the library holds.
    explicit ExplorerSession(PaletteArrays& palette) : palette_(palette) {}

    // What the window shows.
    const FractalParams& Params() const { return params_; }
    const ColorMap& Colors() const { return colors_; }
    const PaletteArrays& Palette() const { return palette_; }
    const DisplayFactor& Display() const { return display_; }  // the picture of the image
    int32_t StartY() const { return startY_; }    // the row the next run starts at; 0 for a new image
    int32_t PlotRow() const { return plotRow_; }  // the row the plot would do next; VertRes when complete
    int32_t Bitmap() const { return bitmap_; }    // the last display bitmap of the library; 0 for none
    bool ImagePresent() const { return imagePresent_; }          // an image of the current size can be saved
    bool EngineHoldsImage() const { return engineHoldsImage_; }  // to be released at shut-down
    bool JuliaMode() const { return juliaMode_; }
    bool UsingHLS() const { return usingHLS_; }
    bool TutorialShown() const { return tutorialShown_; }
    bool DialogCancelled() const { return dialogCancelled_; }  // the last parameter-entry dialog
    const ImageHistory& History() const { return history_; }
    Activity Doing() const { return activity_; }
    bool Idle() const { return activity_ == Activity::kIdle; }
    // A run is on the plot runner, from Plot until it has stopped.
    bool RunGoing() const { return activity_ == Activity::kPlotting || activity_ == Activity::kStopping; }
    // The image on screen is plotted to its end.
    bool ImageFinished() const { return imagePresent_ && plotRow_ == params_.VertRes; }
    // Which fields the panel shows for the equation and rendering chosen and the mode.
    PanelShown Shown() const;
    // Which controls are enabled now.
    ControlStates Controls() const { return ControlsFor(*this); }

    // Start-up: the saved parameters (or the first-run ones), handed with the palette to the library,
    // and both snapshots taken of them. Then the first paint gives the colour of pixels not yet plotted
    // (true that time only).
    void Start(const FractalParams& params, bool usingHLS, ImageHistory history);
    bool FirstPainted(PackedColor background);

    // The panel. Every edit the user makes and every choice from a list starts a new image with the
    // next Plot; a field's text becomes its value when the focus leaves it (a whole number too large
    // keeps the old value and gives the message). A choice gives the fields it starts, for the panel.
    void FieldEdited() { startY_ = 0; }
    std::optional<QString> FieldLeft(PanelField field, const QString& text);
    std::vector<FieldStart> EquationChosen(int32_t code);
    std::vector<FieldStart> RenderingChosen(int32_t code);
    void FunctionChosen(int32_t FractalParams::*function, int32_t position);
    // The checks a command runs on the panel first. When all pass, the Julia constant and P1 to P3 are
    // taken from it; when one fails, nothing changes and its message is returned.
    std::optional<QString> CheckPanel(const PanelTexts& panel);
    // "Set Default &Coordinates": the whole set, unturned; Plot follows.
    void DefaultCoordinatesChosen();

    // Plot, in its order; then the runner reports its first call and how the run ended. True from
    // RunEnded when the image joined the history, which is then to be kept.
    PlotOrder Plot(const PanelTexts& panel, PlotRequest request = PlotRequest::kPlot);
    void RunInitialised(int32_t result);
    void PauseRequested();
    bool RunEnded(RunEnd end, int32_t stopRow);

    // Banding: banded rows cannot be continued with dithered ones, so a new image starts.
    void BandingToggled();
    // A resolution option, or the custom size from its dialog: the image no longer fits and can be
    // neither saved, zoomed nor re-coloured.
    void ResolutionChosen(int32_t horRes, int32_t vertRes);
    void CustomSizeChosen(const CustomResolution& size);
    // The number of colour ranges: its colours replace the palette's, and a plotted row cannot be
    // continued with them. True when the library re-coloured the image on screen.
    bool RangesChosen(int32_t numRanges);
    // "&Default Colors": true when the image on screen was re-coloured.
    bool DefaultColorsChosen();
    // The colormap editor works on the session's colours while it is open.
    void EditorOpened() { activity_ = Activity::kColorEditor; }
    void EditorClosed() { activity_ = Activity::kIdle; }
    ColorEditorContext EditorContext(FileLocations& locations, const EditorPlacement& placement,
                                     std::function<void()> recoloured);
    void TutorialShownChanged(bool shown) { tutorialShown_ = shown; }

    // The file commands hold the window while they run.
    void FileCommandStarted() { activity_ = Activity::kFileCommand; }
    void FileCommandEnded() { activity_ = Activity::kIdle; }
    // An image file: its parameters, colours and bitmap, and where its plot resumes. A file refused
    // after the library's image was replaced leaves no image.
    ImageLoad LoadImage(const QString& path);
    // A parameter entry (from a file or the clipboard): its parameters and colours, plotted next as a
    // new image, the panel read again at every Plot from then on. An entry carries no size.
    void EntryLoaded(const EntryValues& entry);
    void EntryDialogClosed(bool loaded) { dialogCancelled_ = !loaded; }
    // Back and Forward: the image there, its size and colours, plotted next as a new image. False at
    // either end.
    bool GoBack();
    bool GoForward();

    // The zoom box over the picture, after the panel's checks; the window moves, sizes and turns it
    // while it is shown. Apply takes the view it stands for, for a new image; Cancel puts back the one
    // it started from, and a stopped plot can still be resumed unless something else changed meanwhile.
    std::optional<QString> ShowZoomBox(const PanelTexts& panel);
    ZoomBox& Box() { return zoom_; }
    const ZoomBox& Box() const { return zoom_; }
    void ApplyZoom();
    void CancelZoom();

    // The Julia switch, after the panel's checks. From the set a constant is picked over the picture;
    // from a Julia set the switch is taken at once. Taking it changes the mode and the parameters and
    // makes the new image small; cancelling changes nothing.
    std::optional<QString> StartSwitch(const PanelTexts& panel);
    JuliaPick& Pick() { return pick_; }
    const JuliaPick& Pick() const { return pick_; }
    void TakeSwitch();
    void CancelSwitch() { activity_ = Activity::kIdle; }

    // The wheel over an idle, finished image, after the panel's checks: zoomed about the display
    // position for a new image, which Plot follows.
    std::optional<QString> WheelTurned(const PanelTexts& panel, QPointF position, double factor);

  private:
    // The one place where the centre, magnification and angle change for a new image.
    void MoveTo(const PlaneView& view);
    void SetSize(int32_t horRes, int32_t vertRes);
    void ForgetImage();
    void TakeSnapshots(PlotRequest request);
    void TakeImage(const EntryValues& image);

    FractalParams params_;
    ColorMap colors_;
    PaletteArrays& palette_;
    SnapshotPair snapshots_;
    DisplayFactor display_;
    ImageHistory history_;
    ZoomBox zoom_;
    JuliaPick pick_;
    Activity activity_ = Activity::kIdle;
    int32_t startY_ = 0;
    int32_t plotRow_ = 0;
    int32_t bitmap_ = 0;
    bool imagePresent_ = false;
    bool engineHoldsImage_ = false;
    // The panel shows a Julia set: changed only by the switch, a loaded entry or image, and Undo, and
    // kept in EqnType's offset.
    bool juliaMode_ = false;
    bool newPlot_ = false;  // set by the first Undo and by a loaded entry: Plot always reads the panel
    bool usingHLS_ = false;
    bool tutorialShown_ = false;
    bool dialogCancelled_ = false;
    bool firstPaint_ = true;
};

}  // namespace zenphra::app
